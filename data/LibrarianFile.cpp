#include "data/LibrarianFile.h"

#include "data/AtomicFileWriter.h"
#include "data/BigEndian.h"
#include "data/DocumentHeader.h"
#include "data/FileAccess.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
// Record length field, segment count, one 128-byte segment with its length
// and four memo terminators: no valid patch record is shorter.
constexpr std::size_t kSmallestPatchRecord = 4 + 4 + 4 + 128 + 4;

// Bytes after the last record are ignored, so some are allowed even to a
// file of no records.
constexpr std::uint64_t kTrailingSlack = 1024 * 1024;

// How large a file may be whose header names `count` records: room for each
// record far beyond any real patch with its memos, and never more than
// kMaxLibrarianFileSize. A file past that is endless input, not a library.
std::uint64_t LimitForCount(std::uint32_t count) {
    const std::uint64_t limit =
        kLibrarianHeaderSize + kTrailingSlack + static_cast<std::uint64_t>(count) * (4 + kMaxPatchRecordSize);
    return std::min<std::uint64_t>(limit, kMaxLibrarianFileSize);
}

// Reads the file into memory: the header first, and the rest only when the
// header is a librarian file's (the parser rejects anything else from the
// header alone), up to what the header's count allows.
InputFileStatus ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    CInputFile file(path);
    InputFileStatus status = file.ReadUpTo(bytes, kLibrarianHeaderSize);
    if (status != InputFileStatus::kRead)
        return status;
    CDocumentHeader header;
    if (!header.Read(bytes))
        return InputFileStatus::kRead;
    return file.ReadTo(bytes, LimitForCount(header.GetCount()));
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
    std::vector<std::uint8_t> bytes;
    const InputFileStatus status = ReadWholeFile(path, bytes);
    if (status != InputFileStatus::kRead) {
        ShowInputFileFailure(status, path, kMsgFileNotLoaded);
        return false;
    }
    return ParseLibrarianFile(bytes, document.Patches());
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
    if (!CheckSaveTarget(path))
        return false;
    if (!ReplaceWithLibrarianFile(path, document.Patches(), wrap))
        return Fail(kMsgFileNotSaved);
    return true;
}

bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document) {
    return WriteLibrarianFile(path, document, nullptr);
}
