#include "engine/Writer.h"

#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/MidiOut.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/Progress.h"

CWriter::CWriter(ML::ITickClock& clock) : COruMidiSender(clock) {}

bool CWriter::WritePatches(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    source_ = &array;
    if (!GetMidiSetup().IsSetUp()) {
        ShowMessage(kMsgMidiNotSetUp);
        source_ = nullptr;
        return false;
    }
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
    const bool ok = WriteIndexes(areaCode, indexes);
    if (progress_ != nullptr)
        progress_->End();
    source_ = nullptr;
    return ok;
}

bool CWriter::WriteIndexes(int areaCode, const std::vector<int>& indexes) {
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
            if (!WritePatchBlock(areaCode, index, kPatchBlockCode, segment))
                return false;
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
    const DeviceAddress address = map.PatchAddress(areaCode, index);
    if (fileMode_)
        return AppendToFile(address, data);
    if (progress_ != nullptr) {
        progress_->SetText(map.Label(areaCode, index));
        if (progress_->IsCancelled())
            return false;
    }
    return COruMidiSender::Send(address, data);
}
