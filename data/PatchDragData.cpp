#include "data/PatchDragData.h"

#include "data/BigEndian.h"
#include "data/ByteTag.h"
#include "data/PatchRecord.h"

#include <limits>

namespace {

constexpr CByteTag kTag("ZM47-PATCHES-001");
constexpr std::uint32_t kLastArea = 7;

} // namespace

bool EncodePatchDrag(const CParameterArray& array, const std::vector<int>& indexes, const CPatchDragOrigin& origin,
                     std::vector<std::uint8_t>& out) {
    if (indexes.empty() || origin.area < 0 || origin.area > static_cast<int>(kLastArea) || origin.codePage < 0)
        return false;
    std::vector<std::uint8_t> bytes;
    kTag.AppendTo(bytes);
    AppendU32(bytes, static_cast<std::uint32_t>(origin.area));
    AppendU32(bytes, static_cast<std::uint32_t>(origin.codePage));
    AppendU32(bytes, static_cast<std::uint32_t>(indexes.size()));
    std::vector<std::uint8_t> record;
    for (int index : indexes) {
        const CParameter* patch = index >= 0 ? array.At(static_cast<std::size_t>(index)) : nullptr;
        if (!patch)
            return false;
        record.clear();
        WritePatchRecord(*patch, record);
        if (record.size() > std::numeric_limits<std::uint32_t>::max())
            return false;
        AppendU32(bytes, static_cast<std::uint32_t>(record.size()));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    out = std::move(bytes);
    return true;
}

bool DecodePatchDrag(std::span<const std::uint8_t> bytes, CParameterArray& patches, CPatchDragOrigin& origin) {
    if (!kTag.Opens(bytes))
        return false;
    CByteReader reader(bytes.subspan(kTag.Size()));
    std::uint32_t area = 0;
    std::uint32_t codePage = 0;
    std::uint32_t count = 0;
    if (!reader.ReadU32(area) || !reader.ReadU32(codePage) || !reader.ReadU32(count))
        return false;
    if (area > kLastArea || codePage > static_cast<std::uint32_t>(std::numeric_limits<int>::max()) || count == 0)
        return false;
    // Every record has at least its length: a count larger than that cannot
    // be right and is not used to reserve anything.
    if (count > reader.Remaining() / 4)
        return false;
    std::vector<std::unique_ptr<CParameter>> elements;
    elements.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        std::uint32_t length = 0;
        std::span<const std::uint8_t> record;
        if (!reader.ReadU32(length) || !reader.ReadBytes(length, record))
            return false;
        std::unique_ptr<CParameter> patch = patches.CreateElement();
        if (!patch || !FillNewPatchFromRecord(record, *patch))
            return false;
        elements.push_back(std::move(patch));
    }
    if (reader.Remaining() != 0)
        return false;
    patches.Clear();
    for (auto& patch : elements)
        patches.Append(std::move(patch));
    origin.area = static_cast<int>(area);
    origin.codePage = static_cast<int>(codePage);
    return true;
}
