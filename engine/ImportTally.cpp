#include "engine/ImportTally.h"

#include "data/ParameterAddress.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>

namespace {

constexpr const char* kEnDash = "\xE2\x80\x93";
constexpr const char* kEllipsis = "\xE2\x80\xA6";

} // namespace

std::size_t CImportTally::StoredIn(int area) const {
    return static_cast<std::size_t>(std::count_if(
        stored.begin(), stored.end(), [area](const auto& patch) { return area == 0 || patch.first == area; }));
}

std::vector<std::pair<int, int>> CImportTally::PatchesIn(int area) const {
    std::vector<std::pair<int, int>> patches;
    for (const auto& patch : stored)
        if (area == 0 || patch.first == area)
            patches.push_back(patch);
    std::sort(patches.begin(), patches.end());
    patches.erase(std::unique(patches.begin(), patches.end()), patches.end());
    return patches;
}

std::string PatchRanges(const std::vector<std::pair<int, int>>& patches, std::size_t maxRanges) {
    const CParameterAddress map;
    // Each range as [first, last] positions in patches.
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (std::size_t i = 0; i < patches.size();) {
        std::size_t end = i;
        while (end + 1 < patches.size() && patches[end + 1].first == patches[i].first &&
               patches[end + 1].second == patches[end].second + 1)
            ++end;
        ranges.emplace_back(i, end);
        i = end + 1;
    }
    const bool cut = maxRanges >= 2 && ranges.size() > maxRanges;
    std::string text;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        if (cut && r >= maxRanges - 1 && r + 1 < ranges.size()) {
            if (r == maxRanges - 1)
                text += std::string(", ") + kEllipsis;
            continue;
        }
        const auto [i, end] = ranges[r];
        const int area = patches[i].first;
        if (!text.empty())
            text += ", ";
        // The area's name only where its numbers begin.
        if (i == 0 || patches[i - 1].first != area)
            text += map.AreaName(area) + " ";
        text += std::to_string(patches[i].second + 1);
        if (end > i)
            text += kEnDash + std::to_string(patches[end].second + 1);
    }
    return text;
}

std::string ImportSummary(const CImportTally& tally, int area) {
    const std::vector<std::pair<int, int>> patches = tally.PatchesIn(area);
    const std::string count = std::to_string(patches.size());
    std::string text =
        MessageWith(patches.size() == 1 ? kMsgPatchImported : kMsgPatchesImported, {count, PatchRanges(patches)});
    const std::size_t taken = tally.StoredIn(area);
    const std::size_t skipped = tally.seen > taken ? tally.seen - taken : 0;
    if (skipped > 0)
        text += MessageWith(skipped == 1 ? kMsgDataSetSkipped : kMsgDataSetsSkipped, std::to_string(skipped));
    return text;
}
