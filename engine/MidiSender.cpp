#include "engine/MidiSender.h"

#include "engine/MidiOut.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

bool COruMidiSender::Send(DeviceAddress address, std::span<const std::uint8_t> data) {
    if (!SendQuietly(address, data)) {
        ShowMessage(kMsgUnableToReadWrite);
        return false;
    }
    return true;
}

bool COruMidiSender::SendQuietly(DeviceAddress address, std::span<const std::uint8_t> data) {
    if (output_ == nullptr || !output_->SendDataSet(address, data))
        return false;
    clock_->Sleep(kPauseMs);
    return true;
}
