#include "data/ParameterAddress.h"

#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <array>
#include <cstdio>

namespace {

struct AreaEntry {
    int code;
    DeviceAddress base;
    const char* name;
};

// Indexed by area number. The bank bases do not follow the area numbers:
// CRUNCH lies at 7F 04, DRIVE at 7F 02, LEAD at 7F 03.
constexpr std::array<AreaEntry, 8> kAreas{{
    {0x11, 0x0FFFC000, ""},
    {0x21, 0x0FE00000, "MEMORY"},
    {0x31, 0x0FE04000, "SOUND LIBRARY: CLEAN"},
    {0x41, 0x0FE10000, "SOUND LIBRARY: CRUNCH"},
    {0x51, 0x0FE08000, "SOUND LIBRARY: DRIVE"},
    {0x61, 0x0FE14000, "SOUND LIBRARY: HEAVY"},
    {0x71, 0x0FE0C000, "SOUND LIBRARY: LEAD"},
    {0x81, 0x0FE18000, "SOUND LIBRARY: EXTREME"},
}};

constexpr DeviceAddress kAreaSpan = 0x4000;
constexpr int kPatchStride = 128;

bool IsPatchKind(int code) { return (code & 0x0F) == CPatch::kKind; }

// Area number of an exact area code (0 for the temporary patch), or -1.
int NumberOfCode(int areaCode) {
    for (std::size_t n = 0; n < kAreas.size(); ++n)
        if (kAreas[n].code == areaCode)
            return static_cast<int>(n);
    return -1;
}

} // namespace

int BlockIndexFromCode(int blockCode) { return IsPatchKind(blockCode) ? (blockCode - kPatchBlockCode) / 256 : -1; }

int CParameterAddress::AreaCodeFromAddress(DeviceAddress address) const {
    for (std::size_t n = 1; n < kAreas.size(); ++n)
        if (address >= kAreas[n].base && address - kAreas[n].base < kAreaSpan)
            return kAreas[n].code;
    return 0;
}

int CParameterAddress::IndexFromAddress(DeviceAddress address, int areaCode) const {
    const int number = NumberOfCode(areaCode);
    if (number < 0)
        return -1;
    if (number == 0)
        return 0;
    const auto offset = static_cast<long long>(address) - static_cast<long long>(kAreas[number].base);
    return static_cast<int>(offset / kPatchStride);
}

DeviceAddress CParameterAddress::BaseAddress(int areaCode) const {
    const int number = NumberOfCode(areaCode);
    return number < 0 ? 0 : kAreas[number].base;
}

DeviceAddress CParameterAddress::PatchAddress(int areaCode, int index) const {
    const int number = NumberOfCode(areaCode);
    if (number < 0)
        return 0;
    if (number == 0)
        return kAreas[0].base;
    return kAreas[number].base + static_cast<DeviceAddress>(kPatchStride * index);
}

int CParameterAddress::BlockCodeFor(int areaCode) const { return IsPatchKind(areaCode) ? kPatchBlockCode : 0; }

int CParameterAddress::SegmentIndexFor(int areaCode) const { return IsPatchKind(areaCode) ? 0 : -1; }

int CParameterAddress::SegmentSizeFor(int areaCode, int blockCode) const {
    return IsPatchKind(areaCode) ? CPatch().GetSegmentSize(BlockIndexFromCode(blockCode)) : 0;
}

int CParameterAddress::AreaCodeFromNumber(int areaNumber) const {
    return areaNumber >= 1 && areaNumber <= kAreaCount ? 0x21 + 16 * (areaNumber - 1) : -1;
}

int CParameterAddress::AreaNumberFromCode(int areaCode) const {
    const int number = NumberOfCode(areaCode);
    return number >= 2 ? number : 1;
}

int CParameterAddress::PatchCount(int areaNumber) const {
    return areaNumber >= 2 && areaNumber <= kAreaCount ? 10 : 60;
}

std::string CParameterAddress::AreaName(int areaNumber) const {
    if (areaNumber < 0 || areaNumber > kAreaCount)
        return {};
    return kAreas[static_cast<std::size_t>(areaNumber)].name;
}

std::string CParameterAddress::Label(int areaCode, int index) const {
    const int high = (areaCode >> 4) & 0x0F;
    if (!IsPatchKind(areaCode) || high == 0 || high > 8 || areaCode > 0xFF || areaCode < 0)
        return {};
    if (high == 1)
        return "Temporary Patch: ";
    const std::string name = AreaName(AreaNumberFromCode(areaCode));
    char label[64];
    std::snprintf(label, sizeof label, "%s %2d: ", name.c_str(), index + 1);
    return label;
}

std::vector<std::uint8_t> CParameterAddress::SegmentBytes(int /*areaCode*/, int index, int segment,
                                                          const CParameterArray& array) const {
    if (index < 0)
        return {};
    const CParameter* element = array.At(static_cast<std::size_t>(index));
    const CParameter::Segment* bytes = element ? element->FindSegment(0, segment) : nullptr;
    return bytes ? *bytes : std::vector<std::uint8_t>();
}
