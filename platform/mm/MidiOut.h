#pragma once
// An open output device: what an HMIDIOUT points to. Long messages are handed
// to the device whole; their header is flagged MHDR_DONE when the device has
// finished with it, which a device may put off until a reset.
#include "platform/mm/Device.h"
#include "platform/mm/MMSystem.h"

#include <memory>
#include <mutex>
#include <string>

namespace mm {

class MidiOut {
public:
    explicit MidiOut(std::shared_ptr<OutputDevice> device);
    MidiOut(const MidiOut&) = delete;
    MidiOut& operator=(const MidiOut&) = delete;

    MMRESULT Open();
    // Fails with MIDIERR_STILLPLAYING while a long message is with the device.
    MMRESULT Close();

    const std::string& Name() const { return device_->Name(); }
    DWORD Support() const { return device_->Support(); }
    bool Present() const;

    MMRESULT Prepare(MIDIHDR* header);
    MMRESULT Unprepare(MIDIHDR* header);
    MMRESULT ShortMsg(DWORD packed);
    MMRESULT LongMsg(MIDIHDR* header);
    MMRESULT Reset();

private:
    std::shared_ptr<OutputDevice> device_;
    std::unique_ptr<OutputConnection> connection_;
    std::mutex mutex_;
    MIDIHDR* pending_ = nullptr;  // a long message the device still holds
};

} // namespace mm
