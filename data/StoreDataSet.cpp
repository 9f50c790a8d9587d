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
    // A data set addressed inside a patch instead of at its first byte would
    // land its bytes at the wrong offsets of the patch: it changes nothing.
    if (address != map.PatchAddress(code, index))
        return false;

    CParameter* patch = image.GetArray(map.AreaNumberFromCode(code)).At(static_cast<std::size_t>(index));
    if (!patch)
        return false;
    CParameter::Segment* segment = patch->FindSegment(BlockIndexFromCode(blockCode), segmentIndex);
    if (!segment)
        return false;

    // Only a whole patch is stored: a shorter data set would leave the old
    // rest behind its new first bytes, a longer one would be cut silently.
    const auto unitSize = static_cast<std::size_t>(std::max(map.SegmentSizeFor(code, blockCode), 0));
    if (unitSize == 0 || bytes.size() != unitSize || segment->size() < unitSize)
        return false;
    patch->ClearMemos();
    std::copy_n(bytes.begin(), unitSize, segment->begin());
    return true;
}
