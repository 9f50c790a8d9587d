#pragma once
// Librarian files (.z4l): a 160-byte header (the 32-byte magic
// "ZM4LibrarianFile0000" and 12 spaces, the patch count N as a big-endian
// 32-bit integer, reserved zeros), then N records, each a 32-bit length L and
// L bytes of a serialized patch. The initial data file has the same format.
//
// Every failure is shown once, here, by message id; callers only stop.
#include "data/DocumentHeader.h"
#include "data/FileDocument.h"
#include "data/PatchRecord.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

constexpr std::size_t kLibrarianHeaderSize = CDocumentHeader::kSize;
// A record of one patch (segments, memos) is a few hundred bytes; a file is
// read only as far as its header's count allows at this size per record.
constexpr std::uint64_t kMaxPatchRecordSize = 64 * 1024;
// And never beyond this, whatever the count says.
constexpr std::uint64_t kMaxLibrarianFileSize = 1024ull * 1024 * 1024;

// Replaces the file's patches with the patches of the file at path. On any
// failure the document is left as it was: 4 when the file cannot be read, 3
// when it is not a librarian file or a record is malformed, 4 when the last
// record is cut short; 70 for a pipe, a device or a folder, 71 for a file
// larger than its header's count allows (kMaxPatchRecordSize per record).
bool ReadLibrarianFile(const std::filesystem::path& path, CFileDocument& document);

// Saves the document's patches. The previous file at path is replaced only
// once the new one is completely on disk; on failure it stays untouched, no
// temporary file is left and message 5 is shown (72 when something that is
// not a regular file is in the way).
bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document);

// The parser behind ReadLibrarianFile, for whole files already in memory.
// On success `patches` holds the file's patches (elements made by its
// CreateElement); on failure it is unchanged and message 3 or 4 was shown.
bool ParseLibrarianFile(std::span<const std::uint8_t> bytes, CParameterArray& patches);

// Receives the bytes of a file in order; false when they could not be stored.
using ByteSink = std::function<bool(std::span<const std::uint8_t> bytes)>;

// Produces the bytes of a librarian file of the patches, in chunks. False
// when the sink fails or a record is too large for the format (no message).
bool EncodeLibrarianFile(const CParameterArray& patches, const ByteSink& sink);

// WriteLibrarianFile with every chunk going through wrap(fileSink) on its way
// to the temporary file, so that tests can make a save fail part way.
bool WriteLibrarianFile(const std::filesystem::path& path, const CFileDocument& document,
                        const std::function<ByteSink(ByteSink fileSink)>& wrap);
