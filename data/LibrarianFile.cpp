#include "data/LibrarianFile.h"

#include "data/AtomicFileWriter.h"
#include "data/BigEndian.h"
#include "data/DocumentHeader.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
// Record length field, segment count, one 128-byte segment with its length
// and four memo terminators: no valid patch record is shorter.
constexpr std::size_t kSmallestPatchRecord = 4 + 4 + 4 + 128 + 4;

// A file's bytes. The buffer is not zero-filled first: reads write every
// byte that is used.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
    std::size_t capacity = 0;
    std::span<const std::uint8_t> Span() const { return {data.get(), size}; }
    // False when the memory cannot be had (a huge file is a failed load, not a crash).
    bool Reserve(std::size_t n) {
        if (n <= capacity)
            return true;
        std::unique_ptr<std::uint8_t[]> larger(new (std::nothrow) std::uint8_t[n]);
        if (!larger)
            return false;
        if (size > 0)
            std::memcpy(larger.get(), data.get(), size);
        data = std::move(larger);
        capacity = n;
        return true;
    }
};

// Appends up to `count` bytes, fewer only at the end of the file. False on a read error.
bool ReadUpTo(int fd, FileBytes& bytes, std::size_t count) {
    const std::size_t end = bytes.size + count;
    while (bytes.size < end) {
        const ssize_t got = ::read(fd, bytes.data.get() + bytes.size, end - bytes.size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        bytes.size += static_cast<std::size_t>(got);
    }
    return true;
}

// Reads the file into memory: the header first, and the rest only when the
// header is a librarian file's (the parser rejects anything else from the
// header alone). False when the file cannot be opened or read.
bool ReadWholeFile(int fd, FileBytes& bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // One byte more than the size, so that the read that finds the end needs
    // no further room; a file that grows meanwhile is read on in chunks.
    const std::size_t expected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    if (!bytes.Reserve(std::max(expected + 1, kLibrarianHeaderSize)) || !ReadUpTo(fd, bytes, kLibrarianHeaderSize))
        return false;
    if (bytes.size < kLibrarianHeaderSize || !CDocumentHeader::HasMagic(bytes.Span()))
        return true;
    while (true) {
        if (bytes.size == bytes.capacity && !bytes.Reserve(bytes.capacity + std::max(kChunkSize, bytes.capacity / 2)))
            return false;
        const std::size_t before = bytes.size;
        if (!ReadUpTo(fd, bytes, bytes.capacity - bytes.size))
            return false;
        if (bytes.size < bytes.capacity || bytes.size == before)
            return true;
    }
}

bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ReadWholeFile(fd, bytes);
    ::close(fd);
    return ok;
}

bool Fail(int messageId) {
    ShowMessage(messageId);
    return false;
}

} // namespace

bool ParseLibrarianFile(std::span<const std::uint8_t> bytes, CParameterArray& patches) {
    CDocumentHeader header;
    if (!header.Read(bytes))
        return Fail(kMsgCannotReadFileType);
    const std::uint32_t count = header.GetCount();

    CByteReader reader(bytes.subspan(kLibrarianHeaderSize));
    // The count is not trusted: room is made only for records the file can hold.
    std::vector<std::unique_ptr<CParameter>> read;
    read.reserve(std::min<std::size_t>(count, reader.Remaining() / kSmallestPatchRecord));
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t length = 0;
        if (!reader.ReadU32(length) || length == 0)
            return Fail(kMsgCannotReadFileType);
        std::span<const std::uint8_t> record;
        if (!reader.ReadBytes(length, record))
            return Fail(kMsgFileNotLoaded);
        std::unique_ptr<CParameter> patch = patches.CreateElement();
        if (!FillNewPatchFromRecord(record, *patch))
            return Fail(kMsgCannotReadFileType);
        read.push_back(std::move(patch));
    }
    // Bytes after the last record are ignored.
    patches.Clear();
    patches.Reserve(read.size());
    for (auto& patch : read)
        patches.Append(std::move(patch));
    return true;
}

bool ReadLibrarianFile(const std::filesystem::path& path, CFileDocument& document) {
    FileBytes bytes;
    if (!ReadWholeFile(path, bytes))
        return Fail(kMsgFileNotLoaded);
    return ParseLibrarianFile(bytes.Span(), document.Patches());
}

bool EncodeLibrarianFile(const CParameterArray& patches, const ByteSink& sink) {
    constexpr std::size_t kMaxField = std::numeric_limits<std::uint32_t>::max();
    if (patches.Size() > kMaxField)
        return false;
    std::vector<std::uint8_t> buffer;
    buffer.reserve(kChunkSize + kSmallestPatchRecord);
    CDocumentHeader(static_cast<std::uint32_t>(patches.Size())).Write(buffer);
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const std::size_t length = patches[i].GetSerializedSize();
        if (length > kMaxField)
            return false;
        AppendU32(buffer, static_cast<std::uint32_t>(length));
        WritePatchRecord(patches[i], buffer);
        if (buffer.size() >= kChunkSize) {
            if (!sink(buffer))
                return false;
            buffer.clear();
        }
    }
    return buffer.empty() || sink(buffer);
}

namespace {

// The save itself; the temporary file is gone again when this returns false.
bool ReplaceWithLibrarianFile(const std::filesystem::path& path, const CParameterArray& patches,
                              const std::function<ByteSink(ByteSink fileSink)>& wrap) {
    CAtomicFileWriter file(path);
    if (!file.Open())
        return false;
    ByteSink sink = [&file](std::span<const std::uint8_t> bytes) { return file.Write(bytes); };
    if (wrap)
        sink = wrap(std::move(sink));
    return EncodeLibrarianFile(patches, sink) && file.Commit();
}

} // namespace

bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document,
                        const std::function<ByteSink(ByteSink fileSink)>& wrap) {
    if (!ReplaceWithLibrarianFile(path, document.Patches(), wrap))
        return Fail(kMsgFileNotSaved);
    return true;
}

bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document) {
    return WriteLibrarianFile(path, document, nullptr);
}
