#include "engine/Writer.h"

#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/MidiOut.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "engine/ImportTally.h"
#include "engine/TransferText.h"
#include "data/Patch.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/TransferScope.h"
#include "toolkit/core/Progress.h"

#include <algorithm>

namespace {

bool AllDataBytes(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte < 0x80; });
}

// The data bytes of one data set: the first `size` bytes of the segment.
std::span<const std::uint8_t> DataSetBytes(const std::vector<std::uint8_t>& segment, int size) {
    return {segment.data(), std::min(segment.size(), static_cast<std::size_t>(std::max(size, 0)))};
}

} // namespace

CWriter::CWriter(ML::ITickClock& clock) : COruMidiSender(clock) {}

bool CWriter::IsSendable(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    if ((areaCode & 0x0F) != 1)
        return true;
    const CParameterAddress map;
    const int size = map.SegmentSizeFor(areaCode, kPatchBlockCode);
    for (const int index : indexes) {
        // An index that names no patch fails the write later, on its own terms.
        const CParameter* patch = index >= 0 ? array.At(static_cast<std::size_t>(index)) : nullptr;
        if (patch == nullptr)
            continue;
        for (int segment = 0; segment < patch->GetSegmentCount(0); ++segment)
            if (!AllDataBytes(DataSetBytes(map.SegmentBytes(areaCode, index, segment, array), size)))
                return false;
    }
    return true;
}

bool CWriter::CheckSendable(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    if (IsSendable(areaCode, indexes, array))
        return true;
    ShowMessage(kMsgPatchNotSendable);
    return false;
}

std::string CWriter::FailureDetails(int areaCode, const std::vector<int>& indexes,
                                    const CParameterArray& array) const {
    const CParameterAddress map;
    if (areaCode == kTemporaryAreaCode) {
        const CPatch* patch = indexes.empty() || indexes[0] < 0
                                  ? nullptr
                                  : dynamic_cast<const CPatch*>(array.At(static_cast<std::size_t>(indexes[0])));
        return TransferFailureDetails(kMsgSendingFailed, PreviewPatchText(0, 0, patch ? patch->GetName() : ""),
                                      GetSetup(), reader_ ? reader_->GetInput() : nullptr, GetOutput());
    }
    return TransferFailureDetails(kMsgWritingFailed, PatchesPhrase(map.AreaNumberFromCode(areaCode), indexes),
                                  GetSetup(), reader_ ? reader_->GetInput() : nullptr, GetOutput());
}

bool CWriter::WritePatches(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    const CTransferMessage failure(FailureDetails(areaCode, indexes, array));
    lastSent_ = false;
    if (!CheckSendable(areaCode, indexes, array))
        return false;
    source_ = &array;
    if (!IsSetUp(GetSetup())) {
        ShowMessage(kMsgMidiNotSetUp);
        source_ = nullptr;
        return false;
    }
    const ML::CTransferScope transfer;
    if (reader_ == nullptr || !reader_->CheckIdentity()) {
        source_ = nullptr;
        return false;
    }
    if (progress_ != nullptr) {
        progress_->SetRange(static_cast<int>(indexes.size()));
        progress_->SetTitle("");
        progress_->SetCancellable(true);
        progress_->Begin();
    }
    fileMode_ = false;
    sendFailed_ = false;
    const bool ok = WriteIndexes(areaCode, indexes);
    if (progress_ != nullptr)
        progress_->End();
    source_ = nullptr;
    if (!ok && sendFailed_)
        ShowCutOff(areaCode, indexes, failedStep_);
    sendFailed_ = false;
    lastSent_ = ok;
    return ok;
}

void CWriter::ShowCutOff(int areaCode, const std::vector<int>& indexes, std::size_t step) const {
    const CParameterAddress map;
    // Numbered as the lists show them; the area's name once, in front.
    auto numbers = [&](std::size_t from, std::size_t to) {
        std::vector<std::pair<int, int>> patches;
        for (std::size_t i = from; i < to && i < indexes.size(); ++i)
            patches.emplace_back(1, indexes[i]);
        std::sort(patches.begin(), patches.end());
        const std::string ranges = PatchRanges(patches);
        const std::string prefix = map.AreaName(1) + " ";
        return ranges.compare(0, prefix.size(), prefix) == 0 ? ranges.substr(prefix.size()) : ranges;
    };
    if (areaCode == kTemporaryAreaCode) {
        ShowMessage(kMsgUnableToReadWrite); // one patch, nothing stored
        return;
    }
    const std::string area = map.AreaName(map.AreaNumberFromCode(areaCode)) + " ";
    std::string text;
    if (step == 0)
        text += MessageWith(kMsgWrittenNone, area + numbers(0, indexes.size()));
    else
        text += MessageWith(kMsgWrittenPart, {area + numbers(0, step), numbers(step, indexes.size())});
    if (!backupOfWrite_.empty())
        text += "\n" + MessageWith(kMsgBackupIsIn, backupOfWrite_.string());
    ShowTransferFailure(kMsgUnableToReadWrite, text);
}

bool CWriter::WriteIndexes(int areaCode, const std::vector<int>& indexes) {
    // The whole batch is checked before its first data set goes out.
    if (!IsSendable(areaCode, indexes, *source_))
        return false;
    for (std::size_t step = 0; step < indexes.size(); ++step) {
        if (!fileMode_ && progress_ != nullptr)
            progress_->SetPos(static_cast<int>(step) + 1);
        if ((areaCode & 0x0F) != 1)
            continue;
        const int index = indexes[step];
        const CParameter* patch = index >= 0 ? source_->At(static_cast<std::size_t>(index)) : nullptr;
        if (patch == nullptr || !AReader::IsUnitPatch(areaCode, index))
            return false;
        for (int segment = 0; segment < patch->GetSegmentCount(0); ++segment)
            if (!WritePatchBlock(areaCode, index, kPatchBlockCode, segment)) {
                failedStep_ = step;
                return false;
            }
    }
    return true;
}

bool CWriter::WritePatchBlock(int areaCode, int index, int blockCode, int segment) {
    const CParameterAddress map;
    if (source_ == nullptr || !AReader::IsUnitPatch(areaCode, index))
        return false;
    const std::vector<std::uint8_t> bytes = map.SegmentBytes(areaCode, index, segment, *source_);
    const int size = map.SegmentSizeFor(areaCode, blockCode);
    // A data set shorter than the unit's segment would leave the rest of the
    // patch in the unit unchanged: never send one.
    if (size <= 0 || bytes.size() < static_cast<std::size_t>(size))
        return false;
    const std::span<const std::uint8_t> data(bytes.data(), static_cast<std::size_t>(size));
    if (!AllDataBytes(data))
        return false;
    const DeviceAddress address = map.PatchAddress(areaCode, index);
    if (fileMode_)
        return AppendToFile(address, data);
    if (progress_ != nullptr) {
        progress_->SetText(map.Label(areaCode, index));
        if (progress_->IsCancelled())
            return false;
    }
    if (COruMidiSender::SendQuietly(address, data))
        return true;
    sendFailed_ = true;
    return false;
}
