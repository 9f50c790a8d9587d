#include "cli/LibrarySession.h"

namespace cli {

CLibrarySession::CLibrarySession(const Arguments& arguments)
    : path_(arguments.libraryPath.empty() ? CLibrary::DefaultPath() : std::filesystem::path(arguments.libraryPath)) {
    if (arguments.noLibrary)
        return;
    library_ = CLibrary::Open(path_);
    recorder_ = CHistoryRecorder(library_.get());
    if (library_)
        library_->TakeInBackups(BackupFolder());
}

std::filesystem::path CLibrarySession::BackupFolder() const { return path_.parent_path() / "backups"; }

} // namespace cli
