#pragma once
// An open output device: what an HMIDIOUT points to. Long messages are handed
// to the device whole; their header is flagged MHDR_DONE when the device has
// finished with it, which a device may put off until a reset.
#include "platform/mm/Device.h"
#include "platform/mm/MMSystem.h"
#include "platform/mm/Port.h"

#include <memory>
#include <mutex>
#include <string>

namespace mm {

class MidiOut final : public Port<OutputDevice, OutputConnection> {
public:
    explicit MidiOut(std::shared_ptr<OutputDevice> device);
    MidiOut(const MidiOut&) = delete;
    MidiOut& operator=(const MidiOut&) = delete;

    MMRESULT Open();
    // Fails with MIDIERR_STILLPLAYING while a long message is with the device.
    MMRESULT Close();

    DWORD Support() const { return device_->Support(); }

    MMRESULT ShortMsg(DWORD packed);
    MMRESULT LongMsg(MIDIHDR* header);
    MMRESULT Reset();

private:
    MIDIHDR* pending_ = nullptr; // a long message the device still holds
};

} // namespace mm
