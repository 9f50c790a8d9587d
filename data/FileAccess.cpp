#include "data/FileAccess.h"

#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// Grows the vector without letting an allocation failure escape.
bool GrowTo(std::vector<std::uint8_t>& bytes, std::size_t size) {
    try {
        bytes.resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

} // namespace

CInputFile::CInputFile(const std::filesystem::path& path) {
    // O_NONBLOCK: a pipe without a writer would block the open itself.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) {
        status_ = errno == ENXIO ? InputFileStatus::kNotAFile : InputFileStatus::kCannotOpen;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        status_ = InputFileStatus::kCannotOpen;
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        status_ = InputFileStatus::kNotAFile;
        return;
    }
    // Reads of a regular file do not block anyway; the flag is taken off so
    // that nothing below has to think about it.
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    size_ = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
    status_ = InputFileStatus::kRead;
}

CInputFile::~CInputFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

InputFileStatus CInputFile::ReadUpTo(std::vector<std::uint8_t>& bytes, std::size_t count) {
    if (status_ != InputFileStatus::kRead)
        return status_;
    std::size_t size = bytes.size();
    if (!GrowTo(bytes, size + count))
        return InputFileStatus::kNoMemory;
    const std::size_t end = size + count;
    while (size < end) {
        const ssize_t got = ::read(fd_, bytes.data() + size, end - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            bytes.resize(size);
            return InputFileStatus::kCannotOpen;
        }
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    bytes.resize(size);
    return InputFileStatus::kRead;
}

InputFileStatus CInputFile::ReadTo(std::vector<std::uint8_t>& bytes, std::uint64_t limit) {
    if (status_ != InputFileStatus::kRead)
        return status_;
    if (bytes.size() > limit || size_ > limit)
        return InputFileStatus::kTooLarge;
    // The size is a hint only: the file is read until its end, in chunks
    // once the hint has been used up, and one byte past the limit tells a
    // file that grew too large.
    std::size_t want =
        std::max<std::size_t>(static_cast<std::size_t>(size_ - std::min<std::uint64_t>(size_, bytes.size())) + 1, 1);
    while (true) {
        const std::uint64_t room = limit + 1 - bytes.size();
        const std::size_t before = bytes.size();
        const InputFileStatus status = ReadUpTo(bytes, static_cast<std::size_t>(std::min<std::uint64_t>(want, room)));
        if (status != InputFileStatus::kRead)
            return status;
        if (bytes.size() > limit)
            return InputFileStatus::kTooLarge;
        if (bytes.size() - before < std::min<std::uint64_t>(want, room))
            return InputFileStatus::kRead; // the end of the file
        want = kReadChunk;
    }
}

InputFileStatus ReadInputFile(const std::filesystem::path& path, std::uint64_t limit,
                              std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    CInputFile file(path);
    const InputFileStatus status = file.ReadTo(bytes, limit);
    if (status != InputFileStatus::kRead) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return status;
}

void ShowInputFileFailure(InputFileStatus status, const std::filesystem::path& path, int otherId) {
    switch (status) {
    case InputFileStatus::kRead:
        return;
    case InputFileStatus::kNotAFile:
        ShowMessageWith(kMsgInputNotAFile, path.string());
        return;
    case InputFileStatus::kTooLarge:
        ShowMessageWith(kMsgInputTooLarge, path.string());
        return;
    default:
        ShowMessage(otherId);
        return;
    }
}

bool IsNonFileTarget(const std::filesystem::path& path) {
    struct stat info {};
    // Nothing there (or nothing that can be looked at): the save itself finds
    // out whether it may write.
    if (::stat(path.c_str(), &info) != 0)
        return false;
    return !S_ISREG(info.st_mode);
}

bool CheckSaveTarget(const std::filesystem::path& path) {
    if (!IsNonFileTarget(path))
        return true;
    ShowMessageWith(kMsgSaveTargetNotAFile, path.string());
    return false;
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
