#pragma once
// The commands of zm47-cli. Each takes its parsed arguments and returns the
// exit status: 0 done, 1 failed (the reason is on standard error).
#include "cli/CommandLine.h"

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Show(const Arguments& arguments);
int New(const Arguments& arguments);
int Devices(const Arguments& arguments);
int RunSimulator(const Arguments& arguments);
int Identify(const Arguments& arguments);
int Read(const Arguments& arguments);
int Write(const Arguments& arguments);
int Preview(const Arguments& arguments);
int ExportSmfFile(const Arguments& arguments);
int ImportSmfFile(const Arguments& arguments);

// Prints "zm47-cli: " and the problem on standard error.
void PrintError(const std::string& problem);

} // namespace cli
