#pragma once
// What every file the program reads or saves must be, checked in one place:
// - an input is a regular file (a link to one is followed) of at most a
//   limit far above any real file of its kind; a pipe, a device or a folder
//   is refused at once, without waiting for a writer or reading forever;
// - a save target that exists is a regular file (or a link to one): a
//   device, a pipe or a folder under that name is never replaced;
// - an output is never the same file as an input of the same operation.
#include <cstdint>
#include <filesystem>
#include <vector>

// A raw SysEx file or a Standard MIDI File of data sets: the unit's whole
// memory takes some 17 KB, so anything this large is not one.
constexpr std::uint64_t kMaxExchangeFileSize = 64ull * 1024 * 1024;

enum class InputFileStatus {
    kRead,
    kCannotOpen, // missing, no permission, or a read error
    kNotAFile,   // a folder, a device, a pipe, a socket
    kTooLarge,   // more bytes than the limit
    kNoMemory,
};

// An input file opened for reading. Opening never blocks (a pipe without a
// writer is refused, not waited for).
class CInputFile {
public:
    explicit CInputFile(const std::filesystem::path& path);
    ~CInputFile();
    CInputFile(const CInputFile&) = delete;
    CInputFile& operator=(const CInputFile&) = delete;

    // kRead when the file is open and regular; else why not.
    InputFileStatus Status() const { return status_; }
    // Its size when opened (a hint: the file may still grow).
    std::uint64_t Size() const { return size_; }
    // Appends the bytes from the current position to the end of the file,
    // but never more than `limit` bytes in all: kTooLarge when the file holds
    // more than that.
    InputFileStatus ReadTo(std::vector<std::uint8_t>& bytes, std::uint64_t limit);
    // Appends up to `count` bytes, fewer only at the end of the file.
    InputFileStatus ReadUpTo(std::vector<std::uint8_t>& bytes, std::size_t count);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    InputFileStatus status_ = InputFileStatus::kCannotOpen;
};

// Replaces `bytes` with the file's contents when it is a regular file of at
// most `limit` bytes; else empties them and says why.
InputFileStatus ReadInputFile(const std::filesystem::path& path, std::uint64_t limit,
                              std::vector<std::uint8_t>& bytes);

// Shows why an input was not read: the file and the reason for a file that
// is not one or is too large, `otherId` (a message id) for anything else.
void ShowInputFileFailure(InputFileStatus status, const std::filesystem::path& path, int otherId);

// True when something exists under path (links followed) that is not a
// regular file: a save must not replace it.
bool IsNonFileTarget(const std::filesystem::path& path);
// False, after showing which target is not a file, when a save must not
// replace what is at path; true when path is free or names a regular file.
bool CheckSaveTarget(const std::filesystem::path& path);

// Both paths name one existing file: the same device and inode, links
// followed. A path that does not exist is nobody's twin.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
