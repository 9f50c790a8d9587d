#pragma once
// The history library of one zm47-cli run: the file --library names, or the
// one the window program uses; none with --no-library or when it cannot be
// opened (the reason is then on standard error and the command goes on).
#include "cli/CommandLine.h"
#include "library/HistoryRecorder.h"
#include "library/Library.h"

#include <filesystem>
#include <memory>

namespace cli {

class CLibrarySession {
public:
    // Opens the library unless --no-library was given, and takes in the
    // backups beside it that it has not seen.
    explicit CLibrarySession(const Arguments& arguments);

    // Null when there is no library.
    CLibrary* Library() { return library_.get(); }
    // Records into the library; records nothing without one.
    IHistoryRecorder& Recorder() { return recorder_; }
    // The folder of backups beside the library: "backups" in the user's
    // data folder for the default library.
    std::filesystem::path BackupFolder() const;

private:
    std::filesystem::path path_;
    std::unique_ptr<CLibrary> library_;
    CHistoryRecorder recorder_{nullptr};
};

} // namespace cli
