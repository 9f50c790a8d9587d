#pragma once
// The serialized form of a parameter object inside a librarian file record:
// for each block its segment count, then each segment's length and bytes;
// then the four memos, each followed by a 0 byte. All integers are unsigned
// 32-bit big-endian.
#include "data/Parameter.h"

#include <cstdint>
#include <span>
#include <vector>

// Appends the object's serialized form, exactly GetSerializedSize() bytes.
// Counts and lengths are the object's own.
void WritePatchRecord(const CParameter& patch, std::vector<std::uint8_t>& buffer);

// Fills the object from one record's bytes (the L bytes after the record's
// length). False, leaving the object unchanged, when a count or length runs
// past the record, a block has fewer segments or shorter segments than its
// kind prescribes, or a memo has no 0 byte inside the record. Bytes after the
// fourth memo are ignored.
bool ReadPatchRecord(std::span<const std::uint8_t> bytes, CParameter& patch);

// ReadPatchRecord in one pass for a patch that is discarded when the record
// is bad (the file reader's new patches): on failure its contents are partly
// filled.
bool FillNewPatchFromRecord(std::span<const std::uint8_t> bytes, CParameter& patch);
