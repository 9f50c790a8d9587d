#include "engine/TransferSummary.h"

#include "data/ParameterAddress.h"
#include "engine/ImportTally.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <utility>

std::string PatchCountText(std::size_t count) {
    return MessageWith(count == 1 ? kMsgCountPatch : kMsgCountPatches, std::to_string(count));
}

std::string PatchPlaceText(int area, const std::vector<int>& indexes) {
    const CParameterAddress map;
    std::vector<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const int count = map.PatchCount(area);
    if (count > 1 && static_cast<int>(sorted.size()) == count && sorted.front() == 0 && sorted.back() == count - 1)
        return map.AreaName(area);
    std::vector<std::pair<int, int>> patches;
    patches.reserve(sorted.size());
    for (int index : sorted)
        patches.emplace_back(area, index);
    return PatchRanges(patches);
}

std::string ReadSummary(int area, const std::vector<int>& indexes) {
    return MessageWith(kMsgStatusRead, {PatchCountText(indexes.size()), PatchPlaceText(area, indexes)});
}

std::string StartUpReadSummary(std::size_t count, const std::vector<int>& failedAreas) {
    if (failedAreas.empty())
        return MessageWith(kMsgStatusStartUpRead, PatchCountText(count));
    const CParameterAddress map;
    std::string areas;
    for (int area : failedAreas)
        areas += (areas.empty() ? "" : ", ") + map.AreaName(area);
    return MessageWith(kMsgStatusStartUpPartly, {PatchCountText(count), areas});
}

std::string WriteSummary(int area, const std::vector<int>& indexes, bool verified, std::string_view backupName) {
    std::string text = MessageWith(kMsgStatusWritten, {PatchCountText(indexes.size()), PatchPlaceText(area, indexes)});
    if (verified)
        text += GetMessageTable().Get(kMsgStatusVerified);
    if (!backupName.empty())
        text += MessageWith(kMsgStatusBackup, backupName);
    return text;
}

std::string PreviewSummary(std::string_view patch) { return MessageWith(kMsgStatusPreviewed, patch); }

std::string SavedSummary(std::size_t count, std::string_view fileName) {
    return MessageWith(kMsgStatusSaved, {PatchCountText(count), fileName});
}

std::string FailedSummary(std::string_view operation) { return MessageWith(kMsgStatusFailed, operation); }

std::string CancelledSummary(std::string_view operation) { return MessageWith(kMsgStatusCancelled, operation); }
