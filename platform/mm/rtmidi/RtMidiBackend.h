#pragma once
// Real MIDI ports through RtMidi: the ports of the ALSA sequencer and those
// of a running JACK server, ALSA's first. Where there is no sequencer
// device, no ALSA object is ever made; where no JACK server answers, no
// RtMidi JACK object is made and none is started. Then nothing is listed,
// nothing is printed and there is nothing to open. RtMidi's and libjack's
// printing are replaced by callbacks that only record failures.
#include "platform/mm/Device.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace mm {

class RtMidiBackend final : public Backend {
public:
    static RtMidiBackend& Instance();

    // sequencerPath: the device whose presence means the ALSA sequencer
    // exists; useJack: whether JACK servers are asked at all.
    explicit RtMidiBackend(std::string sequencerPath = "/dev/snd/seq", bool useJack = true);
    ~RtMidiBackend() override;

    bool SequencerPresent() const;
    void ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) override;
    void ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) override;
    // On PipeWire, short periods for this program's JACK ports while a
    // transfer runs (JackSystem::ShortenPeriod).
    void TransferBegins() override;
    void TransferEnds() override;

    // 2.7 ms at 48 kHz: a transfer comes within a few percent of the
    // cable's own time, and desktop audio runs at it without trouble.
    static constexpr unsigned kTransferPeriodFrames = 128;

private:
    const std::string sequencerPath_;
    const bool useJack_;
    std::mutex mutex_;
    std::atomic<bool> listerFailed_{false}; // recorded, never read: listing just finds nothing
    std::unique_ptr<RtMidiIn> inputLister_;
    std::unique_ptr<RtMidiOut> outputLister_;
};

} // namespace mm
