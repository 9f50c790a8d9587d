#pragma once
// The commands of zm47-cli. Each takes its parsed arguments and returns the
// exit status: 0 done, 1 failed (the reason is on standard error).
#include "cli/CommandLine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Show(const Arguments& arguments);
int New(const Arguments& arguments);
int Devices(const Arguments& arguments);
int Detect(const Arguments& arguments);
int RunSimulator(const Arguments& arguments);
int Identify(const Arguments& arguments);
int Read(const Arguments& arguments);
int Write(const Arguments& arguments);
int Preview(const Arguments& arguments);
int ExportSmfFile(const Arguments& arguments);
int ImportSmfFile(const Arguments& arguments);
int ExportSysExFile(const Arguments& arguments);
int ImportSysExFile(const Arguments& arguments);
int Restore(const Arguments& arguments);
int History(const Arguments& arguments);
int Diff(const Arguments& arguments);
int Find(const Arguments& arguments);
int Duplicates(const Arguments& arguments);
int LibraryCommand(const Arguments& arguments);

// False, after saying which, when an output of the command is the same file
// as one of its inputs or another of its outputs (links followed).
bool CheckFilePairs(std::string_view command, const Arguments& arguments);

// Prints "zm47-cli: " and the problem on standard error.
void PrintError(const std::string& problem);

// The indexes 0, 1, ... of the patches of a file of `fileSize` patches that
// fit area `area` (1 to 7); when the file holds more, says on standard error
// that only the first are used.
std::vector<int> LeadingPatchIndexes(const std::string& path, std::size_t fileSize, int area);
// True when a file of `fileSize` patches has patch `index`; else says so on
// standard error.
bool FileHasPatch(const std::string& path, std::size_t fileSize, int index);

} // namespace cli
