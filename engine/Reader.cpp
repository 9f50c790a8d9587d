#include "engine/Reader.h"

#include "data/DocumentBase.h"
#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "data/StoreDataSet.h"
#include "engine/MidiOut.h"
#include "engine/MidiSetup.h"
#include "engine/TransferText.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/TransferScope.h"
#include "ml/UnitIdentity.h"
#include "toolkit/core/Progress.h"

namespace {

constexpr std::uint8_t kGeneralInformation = 0x06;
constexpr std::uint8_t kIdentityRequest = 0x01;
constexpr std::uint8_t kIdentityReply = 0x02;
// F0 7E dd 06 02 41 f f + six bytes + F7: twelve bytes between the device
// id's offset and the final F7.
constexpr std::size_t kIdentityReplySize = 15;

bool IsPatchKind(int areaCode) { return (areaCode & 0x0F) == 1; }

} // namespace

AReader::AReader(ML::ITickClock& clock) : COruMidiRequester(clock) {}

bool AReader::IsUnitPatch(int areaCode, int index) {
    const CParameterAddress map;
    if (!IsPatchKind(areaCode) || index < 0)
        return false;
    if (areaCode == kTemporaryAreaCode)
        return true;
    const int number = map.AreaNumberFromCode(areaCode);
    return map.AreaCodeFromNumber(number) == areaCode && index < map.PatchCount(number);
}

bool AReader::CheckIdentity() {
    identity_ = kIdentityNotConfirmed;
    if (GetOutput() == nullptr)
        return false;
    const std::vector<std::uint8_t> request{
        0xF0, ML::kUniversalNonRealTime, GetOutput()->deviceId, kGeneralInformation, kIdentityRequest, 0xF7};
    if (!RequestUniversal(request))
        return false;
    if (GetIdentityResult() == kIdentityNotConfirmed) {
        ShowMessage(kMsgUnableToReadWrite);
        return false;
    }
    return true;
}

bool AReader::ReadPatches(int areaCode, const std::vector<int>& indexes, CImageData& image) {
    const CTransferMessage failure(TransferFailureDetails(
        kMsgReadingFailed, PatchesPhrase(CParameterAddress().AreaNumberFromCode(areaCode), indexes), GetSetup(),
        GetInput(), GetOutput()));
    image_ = &image;
    indexes_ = indexes;
    if (!IsSetUp(GetSetup())) {
        ShowMessage(kMsgMidiNotSetUp);
        image_ = nullptr;
        return false;
    }
    const ML::CTransferScope transfer;
    if (!CheckIdentity()) {
        image_ = nullptr;
        return false;
    }
    if (progress_ != nullptr) {
        progress_->SetRange(static_cast<int>(indexes_.size()));
        progress_->SetTitle("");
        progress_->SetCancellable(true);
        progress_->Begin();
    }
    bool ok = true;
    for (std::size_t step = 0; ok && step < indexes_.size(); ++step) {
        if (progress_ != nullptr)
            progress_->SetPos(static_cast<int>(step) + 1);
        if (IsPatchKind(areaCode))
            ok = ReadPatch(areaCode, indexes_[step]);
    }
    if (progress_ != nullptr)
        progress_->End();
    // A reply that comes after the read has nowhere to go.
    image_ = nullptr;
    return ok;
}

bool AReader::ReadPatch(int areaCode, int index) {
    const CParameterAddress map;
    if (!IsUnitPatch(areaCode, index))
        return false;
    const CParameter* patch = image_->GetArray(map.AreaNumberFromCode(areaCode)).At(static_cast<std::size_t>(index));
    if (patch == nullptr)
        return false;
    for (int segment = 0; segment < patch->GetSegmentCount(0); ++segment) {
        if (progress_ != nullptr) {
            progress_->SetText(map.Label(areaCode, index));
            if (progress_->IsCancelled())
                return false;
        }
        if (!RequestData(map.PatchAddress(areaCode, index), map.SegmentSizeFor(areaCode, kPatchBlockCode)))
            return false;
    }
    return true;
}

bool AReader::ReadAll(CDocumentBase& document, std::vector<int>* failedAreas) {
    const CParameterAddress map;
    std::vector<std::pair<int, int>> everything;
    for (int number = 1; number <= kAreaCount; ++number)
        for (int index = 0; index < map.PatchCount(number); ++index)
            everything.emplace_back(number, index);
    // Until an area's own read names that area.
    const CTransferMessage failure(TransferFailureDetails(kMsgReadingFailed, PatchesPhrase(std::move(everything)),
                                                          GetSetup(), GetInput(), GetOutput()));
    // Without devices nothing can answer: say so at once rather than after
    // the identity request has timed out twice.
    if (!IsSetUp(GetSetup())) {
        ShowMessage(kMsgMidiNotSetUp);
        return false;
    }
    const ML::CTransferScope transfer;
    if (!CheckIdentity())
        return false;
    for (int number = 1; number <= kAreaCount; ++number) {
        std::vector<int> indexes(static_cast<std::size_t>(map.PatchCount(number)));
        for (std::size_t i = 0; i < indexes.size(); ++i)
            indexes[i] = static_cast<int>(i);
        document.SaveUndo(number);
        if (!ReadPatches(map.AreaCodeFromNumber(number), indexes, document.GetImage())) {
            document.Revert(number);
            if (failedAreas != nullptr)
                for (int left = number; left <= kAreaCount; ++left)
                    failedAreas->push_back(left);
            break;
        }
    }
    return true;
}

bool AReader::ReceiveUniversal(const ML::CLongMessage& message) {
    if (GetState() != kWaitingForUniversal || GetOutput() == nullptr)
        return false;
    if (message.size() != kIdentityReplySize || message[2] != GetOutput()->deviceId)
        return false;
    if (message[3] != kGeneralInformation || message[4] != kIdentityReply || message[5] != ML::kMakerId)
        return false;
    if (message[6] != ML::kFamilyCode[0] || message[7] != ML::kFamilyCode[1]) {
        // Another kind of unit answered: stop waiting, identity unconfirmed.
        SetState(kUniversalReceived);
        return false;
    }
    identity_ = kIdentityConfirmed;
    return MatchUniversal(message);
}

bool AReader::ReceiveDataSet(const ML::CTessanMessage& message) {
    if (!MatchDataSet(message))
        return false;
    return Store(AddressFromBytes(message.GetSection(ML::CTessanMessage::Address)),
                 message.GetSection(ML::CTessanMessage::Data));
}

bool AReader::Store(DeviceAddress address, std::span<const std::uint8_t> data) {
    if (address == kStatusReplyAddress || image_ == nullptr)
        return true;
    if (!StoreDataSet(address, data, *image_))
        return false;
    ++storedDataSets_;
    // Only a file import keeps a tally: a read from the unit stores on the
    // receive path, which allocates nothing.
    if (importing_) {
        const CParameterAddress map;
        const int code = map.AreaCodeFromAddress(address);
        tally_.stored.emplace_back(map.AreaNumberFromCode(code), map.IndexFromAddress(address, code));
    }
    return true;
}
