#include "data/ImageData.h"

#include "data/ParameterAddress.h"

namespace {

std::size_t Slot(int areaNumber) {
    return areaNumber >= 2 && areaNumber <= kAreaCount ? static_cast<std::size_t>(areaNumber - 1) : 0;
}

} // namespace

CParameterArray& CImageData::GetArray(int areaNumber) { return areas_[Slot(areaNumber)]; }

const CParameterArray& CImageData::GetArray(int areaNumber) const { return areas_[Slot(areaNumber)]; }

void CImageData::FillWithNewPatches() {
    const CParameterAddress map;
    for (int n = 1; n <= kAreaCount; ++n) {
        CParameterArray& area = GetArray(n);
        area.Clear();
        area.Resize(static_cast<std::size_t>(map.PatchCount(n)));
    }
}
