#pragma once
// Saves a file without ever destroying the previous version: the new contents
// go to a temporary file in the same folder, which is flushed to disk and
// then renamed over the target. Until Commit succeeds the target is untouched;
// a writer destroyed before that removes its temporary file.
#include <cstdint>
#include <filesystem>
#include <span>

class CAtomicFileWriter {
public:
    explicit CAtomicFileWriter(std::filesystem::path target);
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file. An existing target's permissions carry over.
    // False, with nothing created, when the target is a file the user may not
    // write or one marked read-only for everybody, or exists and is not a
    // regular file at all.
    bool Open();
    bool Write(std::span<const std::uint8_t> bytes);
    // Flushes and syncs the temporary file and renames it over the target.
    bool Commit();
    const std::filesystem::path& TemporaryPath() const { return temporary_; }

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool committed_ = false;
};
