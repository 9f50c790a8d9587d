#pragma once
// A MIDI output port. Short messages go straight to the device. A long
// message is copied into the port's packet, handed to the device and awaited
// until the device has finished with it (at most 2000 ms); consecutive long
// messages are spaced by their time on the 31250-baud wire (3125 bytes a
// second) plus an extra gap, so an interface never gets a message while the
// previous one may still be on its way out. A device that declares it
// times its own delivery (MIDICAPS_SELFPACED) is spaced by the extra gap
// alone.
#include "ml/MMOut.h"
#include "ml/Packet.h"
#include "ml/TickClock.h"
#include "ml/TickTimer.h"

#include <cstdint>
#include <span>
#include <string>

namespace ML {

class COut : public CMMOut {
public:
    static constexpr int kCompletionTimeoutMs = 2000;
    static constexpr int kWireBytesPerSecond = 3125;
    static constexpr int kCompletionPollMs = 10;

    // clock paces and times out SendLong.
    explicit COut(ITickClock& clock = SystemTickClock());
    ~COut() override;

    // Opens the output device of that product name (closing any open one
    // first) and takes in what it declares of its timing.
    bool Open(const std::string& name);
    bool Close();

    bool SendShort(std::uint32_t packed);
    // Blocks until the device has finished with the message or 2000 ms have
    // passed (then the device is reset and the result is false). A message
    // longer than the packet grows the packet.
    bool SendLong(std::span<const std::uint8_t> data);
    bool SendLong(const std::uint8_t* data, std::uint32_t length);

    void SetExtraGap(int milliseconds) { extraGap_ = milliseconds; }
    int ExtraGap() const { return extraGap_; }

private:
    bool Fill(const std::uint8_t* data, std::uint32_t length);
    void Pace(std::uint32_t length);
    bool AwaitCompletion();

    ITickClock& clock_;
    CPacket packet_;
    CTickTimer completion_;
    CTickTimer pacing_;
    int extraGap_ = 0;
    bool selfPaced_ = false; // the open device's
};

} // namespace ML
