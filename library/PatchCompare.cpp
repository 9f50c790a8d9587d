#include "library/PatchCompare.h"

#include <algorithm>
#include <map>

std::span<const std::uint8_t> PatchDataBytes(const CPatch& patch) {
    const CParameter::Segment* segment = patch.FindSegment(0, 0);
    if (!segment)
        return {};
    return {segment->data(), segment->size()};
}

std::span<const std::uint8_t> SoundBytes(const CPatch& patch) {
    const auto bytes = PatchDataBytes(patch);
    return bytes.first(std::min(bytes.size(), kSoundSize));
}

EPatchDifference ComparePatches(const CPatch& a, const CPatch& b) {
    const auto soundA = SoundBytes(a);
    const auto soundB = SoundBytes(b);
    const bool sound = !std::equal(soundA.begin(), soundA.end(), soundB.begin(), soundB.end());
    const auto bytesA = PatchDataBytes(a);
    const auto bytesB = PatchDataBytes(b);
    const auto restA = bytesA.subspan(soundA.size());
    const auto restB = bytesB.subspan(soundB.size());
    const bool name = !std::equal(restA.begin(), restA.end(), restB.begin(), restB.end());
    if (sound && name)
        return EPatchDifference::kNameSound;
    if (sound)
        return EPatchDifference::kSound;
    if (name)
        return EPatchDifference::kName;
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
        if (a.GetMemo(memo) != b.GetMemo(memo))
            return EPatchDifference::kMemo;
    return EPatchDifference::kSame;
}

std::string DifferenceText(EPatchDifference difference) {
    switch (difference) {
    case EPatchDifference::kName:
        return "name";
    case EPatchDifference::kSound:
        return "sound";
    case EPatchDifference::kNameSound:
        return "name+sound";
    case EPatchDifference::kMemo:
        return "memo";
    case EPatchDifference::kSame:
        break;
    }
    return "";
}

std::vector<std::vector<int>> SoundDuplicateGroups(const CParameterArray& patches) {
    std::map<std::vector<std::uint8_t>, std::vector<int>> bySound;
    std::vector<const std::vector<std::uint8_t>*> order;
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(patches.At(i));
        if (!patch)
            continue;
        const auto sound = SoundBytes(*patch);
        auto [it, inserted] = bySound.try_emplace(std::vector<std::uint8_t>(sound.begin(), sound.end()));
        if (inserted)
            order.push_back(&it->first);
        it->second.push_back(static_cast<int>(i));
    }
    std::vector<std::vector<int>> groups;
    for (const auto* key : order) {
        const auto& indexes = bySound[*key];
        if (indexes.size() > 1)
            groups.push_back(indexes);
    }
    return groups;
}
