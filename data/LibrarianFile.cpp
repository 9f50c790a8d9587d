#include "data/LibrarianFile.h"

#include "data/AtomicFileWriter.h"
#include "data/BigEndian.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[] = "ZM4LibrarianFile0000            ";
constexpr std::size_t kMagicSize = 32;
static_assert(sizeof kMagic - 1 == kMagicSize);
constexpr std::size_t kCountOffset = 32;
constexpr std::size_t kChunkSize = 64 * 1024;
// Record length field, segment count, one 128-byte segment with its length
// and four memo terminators: no valid patch record is shorter.
constexpr std::size_t kSmallestPatchRecord = 4 + 4 + 4 + 128 + 4;

// The whole file's bytes. The buffer is not zero-filled first: the read
// writes every byte that is used.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
    std::span<const std::uint8_t> Span() const { return {data.get(), size}; }
};

// Reads the whole file into memory. False when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
    // One byte more than the size, so that the read that finds the end needs
    // no further room; a file that grows meanwhile is read on in chunks.
    std::size_t capacity = ok && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : kChunkSize;
    bytes.data.reset(new std::uint8_t[capacity]);
    while (ok) {
        if (bytes.size == capacity) {
            std::unique_ptr<std::uint8_t[]> larger(new std::uint8_t[capacity * 2]);
            std::memcpy(larger.get(), bytes.data.get(), bytes.size);
            bytes.data = std::move(larger);
            capacity *= 2;
        }
        const ssize_t count = ::read(fd, bytes.data.get() + bytes.size, capacity - bytes.size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            ok = count == 0;
            break;
        }
        bytes.size += static_cast<std::size_t>(count);
    }
    ::close(fd);
    return ok;
}

bool Fail(int messageId) {
    ShowMessage(messageId);
    return false;
}

} // namespace

bool ParseLibrarianFile(std::span<const std::uint8_t> bytes, CParameterArray& patches) {
    if (bytes.size() < kLibrarianHeaderSize || std::memcmp(bytes.data(), kMagic, kMagicSize) != 0)
        return Fail(kMsgCannotReadFileType);
    const std::uint32_t count = LoadU32(bytes.subspan(kCountOffset));

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
    std::vector<std::uint8_t> buffer(kMagic, kMagic + kMagicSize);
    buffer.reserve(kChunkSize + kSmallestPatchRecord);
    AppendU32(buffer, static_cast<std::uint32_t>(patches.Size()));
    buffer.resize(kLibrarianHeaderSize, 0);
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

bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document,
                        const std::function<ByteSink(ByteSink fileSink)>& wrap) {
    CAtomicFileWriter file(path);
    if (!file.Open())
        return Fail(kMsgFileNotSaved);
    ByteSink sink = [&file](std::span<const std::uint8_t> bytes) { return file.Write(bytes); };
    if (wrap)
        sink = wrap(std::move(sink));
    if (!EncodeLibrarianFile(document.Patches(), sink) || !file.Commit())
        return Fail(kMsgFileNotSaved); // the writer removes its temporary file
    return true;
}

bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document) {
    return WriteLibrarianFile(path, document, nullptr);
}
