#pragma once
// What the ALSA and the JACK devices share: RtMidi objects that report
// instead of printing and throwing, and the open connections, which ask the
// device whether their far side is still there.
#include "platform/mm/Device.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
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
std::vector<std::string> RawPortNames(Api& api) {
    std::vector<std::string> names;
    const unsigned count = api.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        names.push_back(api.getPortName(i));
    return names;
}

// Where RtMidi's input thread hands what it received: a port, until the
// port is detached. Detaching waits for a delivery in flight.
class InputRelay {
public:
    explicit InputRelay(MidiIn& port) : port_(&port) {}
    void Detach();
    static void OnMessage(double timeStamp, std::vector<unsigned char>* message, void* relay);

private:
    std::mutex mutex_;
    MidiIn* port_;
};

// Sets in up to receive everything and hand it to relay.
void DeliverTo(RtMidiIn& in, InputRelay& relay);

using PresenceCheck = std::function<bool()>;
// Whether the MIDI system an RtMidi object lives on is still there, so that
// the object may be called at all; confirm asks the system now rather than
// trusting what was last heard.
using SystemCheck = std::function<bool(bool confirm)>;
inline bool AlwaysThere(bool) { return true; }

// An RtMidi object with what it points to: the flag its error callback sets
// and, for an input, the relay its input thread delivers to.
template <typename Api>
struct RtMidiHandle {
    RtMidiHandle() = default;
    RtMidiHandle(RtMidiHandle&&) noexcept = default;
    RtMidiHandle& operator=(RtMidiHandle&&) = delete;
    // Closes the port and destroys the object while its system is there
    // (within a time limit where closeTimedOut is set).
    // An object whose system has gone (a JACK server that ended) is left
    // alone, never destroyed: closing it would call into a client that
    // libjack has given up, or already deleted, and crash. The object, its
    // flag and its relay stay allocated for the rest of the process; the
    // relay is detached first, so nothing reaches the port after this.
    ~RtMidiHandle();

    std::unique_ptr<Api> api;
    std::unique_ptr<std::atomic<bool>> failed = std::make_unique<std::atomic<bool>>(false);
    std::unique_ptr<InputRelay> relay;
    SystemCheck system = &AlwaysThere;
    // Set for an object whose close waits on a server that may have stopped
    // answering (JACK): the close then runs on a thread of its own for at
    // most JackSystem::kAnswerWithin; past it this is called, and the object
    // is left to that thread.
    std::function<void()> closeTimedOut;
};

class RtMidiInputConnection final : public InputConnection {
public:
    RtMidiInputConnection(RtMidiHandle<RtMidiIn> in, PresenceCheck present)
        : in_(std::move(in)), present_(std::move(present)) {}
    // The handle closes the port, which ends RtMidi's input, or detaches
    // the relay: no callback follows.
    bool Present() const override { return in_.system(false) && present_(); }

private:
    RtMidiHandle<RtMidiIn> in_;
    PresenceCheck present_;
};

class RtMidiOutputConnection final : public OutputConnection {
public:
    RtMidiOutputConnection(RtMidiHandle<RtMidiOut> out, PresenceCheck present)
        : out_(std::move(out)), present_(std::move(present)) {}
    bool Present() const override { return out_.system(false) && present_(); }
    MMRESULT SendShort(std::span<const std::uint8_t> bytes) override { return Send(bytes); }
    MMRESULT SendLong(std::span<const std::uint8_t> bytes, bool& completed) override {
        completed = true; // RtMidi has taken the bytes when it returns
        return Send(bytes);
    }
    void Reset() override {}

private:
    // Whatever RtMidi reports while sending, a warning too, is a failed send;
    // so is a send after the system has gone (which RtMidi's JACK output
    // would wait on for ever once its buffer is full).
    MMRESULT Send(std::span<const std::uint8_t> bytes);

    RtMidiHandle<RtMidiOut> out_;
    PresenceCheck present_;
};

} // namespace mm
