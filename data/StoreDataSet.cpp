#include "data/StoreDataSet.h"

#include "data/ParameterAddress.h"

#include <algorithm>

bool StoreDataSet(DeviceAddress address, std::span<const std::uint8_t> bytes, CImageData& image) {
    const CParameterAddress map;
    const int code = map.AreaCodeFromAddress(address);
    const int index = map.IndexFromAddress(address, code);
    const int blockCode = map.BlockCodeFor(code);
    const int segmentIndex = map.SegmentIndexFor(code);
    if (code == 0 || index < 0 || blockCode != kPatchBlockCode || segmentIndex < 0)
        return false;

    CParameter* patch = image.GetArray(map.AreaNumberFromCode(code)).At(static_cast<std::size_t>(index));
    if (!patch)
        return false;
    CParameter::Segment* segment = patch->FindSegment(BlockIndexFromCode(blockCode), segmentIndex);
    if (!segment)
        return false;

    patch->ClearMemos();
    const std::size_t count = std::min(bytes.size(), segment->size());
    std::copy_n(bytes.begin(), count, segment->begin());
    return true;
}
