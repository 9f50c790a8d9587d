#include "app/core/LastKnownState.h"

#include "data/ImageDocument.h"
#include "data/ParameterAddress.h"
#include "library/Library.h"

std::vector<int> ShowLastKnownState(CLibrary& library, CImageDocument& data) {
    std::vector<int> areas;
    for (int area = 1; area <= kAreaCount; ++area) {
        const CLastKnownState known = library.LastKnownState(area);
        if (known.newestId == 0)
            continue;
        CParameterArray& patches = data.GetArray(area);
        std::vector<std::int64_t> times(patches.Size(), 0);
        bool any = false;
        for (std::size_t i = 0; i < patches.Size() && i < known.patches.size(); ++i) {
            CPatch* patch = AsPatch(patches.At(i));
            if (!patch || !known.patches[i] || i >= known.slotTimes.size())
                continue;
            *patch = *known.patches[i];
            times[i] = static_cast<std::int64_t>(known.slotTimes[i] != 0 ? known.slotTimes[i] : known.newestTime);
            any = true;
        }
        if (!any)
            continue;
        data.GetProvenance()->RememberSlots(area, patches, times);
        areas.push_back(area);
    }
    return areas;
}
