#pragma once
// What the ALSA and the JACK devices share: RtMidi objects that report
// instead of printing and throwing, and the open connections, which ask the
// device whether their far side is still there.
#include "platform/mm/Device.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <RtMidi.h>

namespace mm {

class MidiIn;

// The RtMidi object of an API under this program's client name, or none.
// Any report of RtMidi's, warnings included, sets failed.
template <typename Api>
std::unique_ptr<Api> MakeRtMidi(RtMidi::Api api, std::atomic<bool>& failed);

template <typename Api>
std::vector<std::string> RawPortNames(Api& api)
{
    std::vector<std::string> names;
    const unsigned count = api.getPortCount();
    for (unsigned i = 0; i < count; ++i) names.push_back(api.getPortName(i));
    return names;
}

// Sets port up to receive everything RtMidi gets and hand it on.
void DeliverTo(RtMidiIn& in, MidiIn& port);

using PresenceCheck = std::function<bool()>;

class RtMidiInputConnection final : public InputConnection {
public:
    RtMidiInputConnection(std::unique_ptr<RtMidiIn> in, std::unique_ptr<std::atomic<bool>> failed,
                          PresenceCheck present);
    // Closing the port ends RtMidi's input, so no callback follows.
    ~RtMidiInputConnection() override;
    bool Present() const override { return present_(); }

private:
    std::unique_ptr<RtMidiIn> in_;
    std::unique_ptr<std::atomic<bool>> failed_;
    PresenceCheck present_;
};

class RtMidiOutputConnection final : public OutputConnection {
public:
    RtMidiOutputConnection(std::unique_ptr<RtMidiOut> out, std::unique_ptr<std::atomic<bool>> failed,
                           PresenceCheck present);
    ~RtMidiOutputConnection() override;
    bool Present() const override { return present_(); }
    MMRESULT SendShort(std::span<const std::uint8_t> bytes) override { return Send(bytes); }
    MMRESULT SendLong(std::span<const std::uint8_t> bytes, bool& completed) override
    {
        completed = true;  // RtMidi has taken the bytes when it returns
        return Send(bytes);
    }
    void Reset() override {}

private:
    // Whatever RtMidi reports while sending, a warning too, is a failed send.
    MMRESULT Send(std::span<const std::uint8_t> bytes);

    std::unique_ptr<RtMidiOut> out_;
    std::unique_ptr<std::atomic<bool>> failed_;
    PresenceCheck present_;
};

} // namespace mm
