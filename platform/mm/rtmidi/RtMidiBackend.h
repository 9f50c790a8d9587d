#pragma once
// Real MIDI ports through RtMidi on the ALSA sequencer (which also carries
// the ports of JACK and other sound servers through their bridges). Where there is no
// sequencer device, no RtMidi object is ever made: nothing is listed,
// nothing is printed, and there is nothing to open. RtMidi's own error
// printing is replaced by an error callback that only records the failure.
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

    // sequencerPath: the device whose presence means a MIDI system exists.
    explicit RtMidiBackend(std::string sequencerPath = "/dev/snd/seq");
    ~RtMidiBackend() override;

    bool SystemPresent() const;
    void ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) override;
    void ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) override;

    // Index of the occurrence-th port (from 0) whose clean name is name in a
    // list of raw port names; -1 when there is none.
    static int FindPort(const std::vector<std::string>& rawNames, const std::string& name, int occurrence);

private:
    const std::string sequencerPath_;
    std::mutex mutex_;
    std::atomic<bool> listerFailed_{false};  // recorded, never read: listing just finds nothing
    std::unique_ptr<RtMidiIn> inputLister_;
    std::unique_ptr<RtMidiOut> outputLister_;
};

} // namespace mm
