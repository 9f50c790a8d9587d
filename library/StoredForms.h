#pragma once
// The forms in which the library keeps patches and lists of patches, and
// their parsers. What is read back from the file is checked as strictly as a
// file from outside: a damaged or hand-edited library gives a failure, never
// a read past a bound or a patch of the wrong shape.
#include "data/Patch.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A list of patch ids, one per slot or file position; 0 stands for a slot
// the list does not cover. Stored as the count and then each id, all as
// unsigned LEB128 numbers.
std::vector<std::uint8_t> EncodeSlotList(const std::vector<std::int64_t>& ids);
// False (ids unchanged) when the bytes are not exactly such a list: a number
// runs past the end or beyond 63 bits, the count is not the number of ids
// that follow, or bytes are left over.
bool DecodeSlotList(std::span<const std::uint8_t> bytes, std::vector<std::int64_t>& ids);

// The four memos as one blob: each memo's bytes followed by a 0 byte.
std::vector<std::uint8_t> EncodeMemos(const CParameter& patch);
// False when the blob is not exactly four 0-terminated texts.
bool DecodeMemos(std::span<const std::uint8_t> bytes, std::array<std::string, CParameter::kMemoCount>& memos);

// A patch from its stored data and memo blob (an empty blob: four empty
// memos). False when the data is not exactly 128 bytes or the memos do not
// decode; the patch is then unchanged.
bool PatchFromStored(std::span<const std::uint8_t> data, std::span<const std::uint8_t> memos, CPatch& patch);

// 64-bit FNV-1a, the key under which contents are looked up before their
// bytes are compared.
std::int64_t ContentHash(std::span<const std::uint8_t> bytes, std::uint64_t seed = 0xcbf29ce484222325ULL);

// What find searches: the name and the memos as UTF-8, the memos read both
// as code page 1252 and as code page 932 when they are not plain ASCII, so
// that English and Japanese memos are both found.
std::string SearchText(const CPatch& patch);
