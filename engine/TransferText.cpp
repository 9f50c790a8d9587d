#include "engine/TransferText.h"

#include "data/ParameterAddress.h"
#include "engine/ImportTally.h"
#include "engine/MidiSetup.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"

#include <algorithm>

namespace {

// Enough ranges to show the pattern of a selection, few enough for one line;
// over several areas, whose names are long, fewer.
constexpr std::size_t kMaxRanges = 8;
constexpr std::size_t kMaxRangesOfAreas = 3;

} // namespace

std::string PatchesPhrase(int area, const std::vector<int>& indexes) {
    std::vector<std::pair<int, int>> patches;
    for (int index : indexes)
        patches.emplace_back(area, index);
    return PatchesPhrase(std::move(patches));
}

std::string PatchesPhrase(std::vector<std::pair<int, int>> patches) {
    std::sort(patches.begin(), patches.end());
    patches.erase(std::unique(patches.begin(), patches.end()), patches.end());
    const bool areas = !patches.empty() && patches.front().first != patches.back().first;
    const std::string list = PatchRanges(patches, areas ? kMaxRangesOfAreas : kMaxRanges);
    if (patches.size() == 1)
        return list;
    return MessageWith(kMsgPatchesPhrase, {std::to_string(patches.size()), list});
}

std::string ReadQuestion(int area, const std::vector<int>& indexes) {
    return MessageWith(kMsgQuestionRead, PatchesPhrase(area, indexes));
}

std::string WriteQuestion(int area, const std::vector<int>& indexes) {
    return MessageWith(kMsgQuestionWrite, PatchesPhrase(area, indexes));
}

std::string PreviewPatchText(int area, int index, const std::string& name) {
    std::string trimmed = name;
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    const std::string quoted = "\xE2\x80\x9C" + trimmed + "\xE2\x80\x9D";
    if (area < 1 || area > kAreaCount)
        return quoted;
    return CParameterAddress().AreaName(area) + " " + std::to_string(index + 1) + " " + quoted;
}

std::string PreviewQuestion(const std::string& patch) { return MessageWith(kMsgQuestionPreview, patch); }

std::string TransferFailureDetails(int failedId, const std::string& patches, const COruMidiSetup* setup,
                                   const COruMidiIn* input, const COruMidiOut* output) {
    // A port without a device in the message's language.
    auto named = [setup](const auto* port) {
        const std::string name = port && setup ? setup->DisplayName(*port) : std::string(kNoDeviceName);
        return name == kNoDeviceName ? GetMessageTable().Get(kMsgNoDevice) : name;
    };
    const std::string in = named(input);
    const std::string out = named(output);
    const std::string id = output ? std::to_string(output->deviceId + 1) : std::string("-");
    return MessageWith(failedId, {patches, in, out, id});
}
