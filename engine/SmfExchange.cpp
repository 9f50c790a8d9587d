#include "engine/SmfExchange.h"

#include "data/AtomicFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

class CFileHandle {
public:
    explicit CFileHandle(const std::filesystem::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~CFileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

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

bool ReadAll(int fd, std::vector<std::uint8_t>& bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // The size is a hint only: the file is read until its end, in chunks
    // once the hint has been used up.
    std::size_t capacity = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : kReadChunk;
    std::size_t size = 0;
    while (true) {
        if (size == bytes.size() && !GrowTo(bytes, size == 0 ? capacity : size + kReadChunk))
            return false;
        const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    bytes.resize(size);
    return true;
}

} // namespace

std::uint32_t SmfDeltaAfter(std::size_t length) {
    // Lengths come from messages held in memory; the cap only keeps the
    // arithmetic in range for a nonsense length.
    const std::uint64_t bytes = length > 0x00FFFFFF ? 0x00FFFFFF : length;
    return static_cast<std::uint32_t>((bytes * 192 + 12000) / 3125 + 1);
}

bool ReadSmfFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    CFileHandle file(path);
    if (file.Get() < 0 || !ReadAll(file.Get(), bytes)) {
        bytes.clear();
        bytes.shrink_to_fit();
        return false;
    }
    return true;
}

bool WriteSmfFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    CAtomicFileWriter file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}
