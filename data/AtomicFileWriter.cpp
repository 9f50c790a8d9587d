#include "data/AtomicFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A link is replaced through: the file it points to gets the new contents.
std::filesystem::path ResolveTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Renaming over a file needs only the folder's permission, so the file's own
// protection is asked first: an existing target the user may not write is
// left alone. A file nobody may write (every write bit clear) counts as
// write-protected for every user, one who may write anything included.
// Anything but a regular file (a pipe, a device, a folder) is never
// replaced: a rename would turn /dev/full or a FIFO into a plain file.
bool MayReplace(const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0)
        return errno == ENOENT;
    if (!S_ISREG(existing.st_mode))
        return false;
    return (existing.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // best effort: the rename itself has already succeeded
    ::close(fd);
}

} // namespace

CAtomicFileWriter::CAtomicFileWriter(std::filesystem::path target) : target_(ResolveTarget(target)) {}

CAtomicFileWriter::~CAtomicFileWriter() {
    if (!committed_)
        Discard();
}

bool CAtomicFileWriter::Open() {
    if (!MayReplace(target_))
        return false;
    // ".name.tmp-<pid>-<n>": hidden, beside the target, on the same file system.
    std::string stem(".");
    stem.append(target_.filename().string()).append(".tmp-").append(std::to_string(::getpid())).append("-");
    // A name already taken (a stale file of an earlier run) moves on to the next.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = FolderOf(target_) / (stem + std::to_string(attempt));
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        return false;
    }
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd_, existing.st_mode & 07777);
    return true;
}

bool CAtomicFileWriter::Write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool CAtomicFileWriter::Commit() {
    if (fd_ < 0)
        return false;
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    committed_ = true;
    SyncFolder(FolderOf(target_));
    return true;
}

void CAtomicFileWriter::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}
