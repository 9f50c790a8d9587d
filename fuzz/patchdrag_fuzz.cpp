// Dragged patches from anywhere (another program can offer data of the same
// type): the decoder must end every input with a result and without reading
// past it. Patches that decode are encoded again and must read back the same.
#include "data/PatchDragData.h"
#include "data/Patch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <span>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CConcreteParameterArray<CPatch> patches;
    CPatchDragOrigin origin;
    if (!DecodePatchDrag(bytes, patches, origin)) {
        Require(patches.Empty());
        return 0;
    }
    Require(!patches.Empty() && origin.area >= 0 && origin.area <= 7);
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(&patches[i]);
        Require(patch && patch->Data() != nullptr && patch->GetName().size() <= 16);
    }
    std::vector<int> all(patches.Size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<std::uint8_t> again;
    Require(EncodePatchDrag(patches, all, origin, again));
    CConcreteParameterArray<CPatch> reread;
    CPatchDragOrigin rereadOrigin;
    Require(DecodePatchDrag(again, reread, rereadOrigin));
    Require(reread.Size() == patches.Size() && rereadOrigin.area == origin.area &&
            rereadOrigin.codePage == origin.codePage);
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        Require(reread[i].Blocks() == patches[i].Blocks());
        for (int m = 1; m <= CParameter::kMemoCount; ++m)
            Require(reread[i].GetMemo(m) == patches[i].GetMemo(m));
    }
    return 0;
}
