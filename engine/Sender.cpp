#include "engine/Sender.h"

#include "engine/MidiOut.h"

bool COruMidiSender::Send(DeviceAddress address, std::span<const std::uint8_t> data) {
    if (output_ != nullptr)
        output_->SendDataSet(address, data);
    clock_->Sleep(kPauseMs);
    return true;
}
