#pragma once
// The unit's address map: which device addresses hold which patch, how many
// patches each memory area has and the labels that name a patch.
//
// Area numbers 1 ("MEMORY") to 7 (the six sound library banks) index the
// image; area number 0 is the temporary patch. Area codes,
// (number + 1) * 16 + 1, are what transfers, labels and files use; their low
// nibble is the patch kind.
#include "data/Address.h"

#include <cstdint>
#include <string>
#include <vector>

class CParameterArray;

constexpr int kAreaCount = 7;
constexpr int kTemporaryAreaCode = 0x11;
constexpr int kPatchBlockCode = 0x101;

// Block code (block index + 1) * 256 + kind, and back: the block index, or -1
// when the code's low nibble is not the patch kind.
int BlockIndexFromCode(int blockCode);

class CParameterAddress {
public:
    virtual ~CParameterAddress() = default;

    // Code of the area (1..7) whose 0x4000 addresses hold the address, else 0
    // (the temporary patch included).
    int AreaCodeFromAddress(DeviceAddress address) const;
    // Patch index of the address in the area: 0 for the temporary patch, -1
    // for codes that name no area.
    int IndexFromAddress(DeviceAddress address, int areaCode) const;
    DeviceAddress BaseAddress(int areaCode) const;
    // base + 128 * index; the temporary patch ignores the index; 0 for other codes.
    DeviceAddress PatchAddress(int areaCode, int index) const;
    int BlockCodeFor(int areaCode) const;
    int SegmentIndexFor(int areaCode) const;
    int SegmentSizeFor(int areaCode, int blockCode) const;
    // 0x21 + 16 * (n - 1) for n = 1..7, else -1.
    int AreaCodeFromNumber(int areaNumber) const;
    // 2..7 for the codes of the sound library banks, 1 for every other code.
    int AreaNumberFromCode(int areaCode) const;
    // 10 for the banks (2..7), 60 for every other number.
    int PatchCount(int areaNumber) const;
    // "MEMORY", "SOUND LIBRARY: CLEAN", ...; empty for 0 and unknown numbers.
    std::string AreaName(int areaNumber) const;
    // Text in front of a progress message: "Temporary Patch: " or
    // "MEMORY  1: "; empty for codes of no area.
    std::string Label(int areaCode, int index) const;
    // Bytes of segment `segment` of block 0 of the patch at `index`; empty
    // when the array has no such patch or segment.
    std::vector<std::uint8_t> SegmentBytes(int areaCode, int index, int segment, const CParameterArray& array) const;
};
