#pragma once
// The ALSA sequencer as the backend sees it beside RtMidi, through a
// sequencer handle of its own that makes no ports: who is subscribed to a
// port. RtMidi does not say whether the subscription an open port made
// still stands, and a device unplugged and plugged in again can come back
// under the same client:port numbers without it. Opened on demand, only
// where the sequencer device exists; libasound's printing is silenced.
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct _snd_seq;

namespace mm {

class AlsaSequencer {
public:
    // Never destroyed, like the backend that uses it.
    static AlsaSequencer& Instance();

    // The ports subscribed to the port at client:port, as RtMidi names ports
    // ("client name:port name client:port"): those that read from it
    // (readers true) or write to it. None when the sequencer cannot be
    // asked; empty when nobody is subscribed or the port has gone.
    std::optional<std::vector<std::string>> Subscribers(const std::string& address, bool readers);

private:
    AlsaSequencer() = default;
    bool EnsureHandle(); // with mutex_ held

    std::mutex mutex_;
    _snd_seq* seq_ = nullptr;
    bool failed_ = false;
};

} // namespace mm
