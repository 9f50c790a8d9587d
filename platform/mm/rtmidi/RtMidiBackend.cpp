#include "platform/mm/rtmidi/RtMidiBackend.h"

#include "platform/mm/rtmidi/AlsaDevices.h"
#include "platform/mm/rtmidi/JackDevices.h"
#include "platform/mm/rtmidi/JackSystem.h"
#include "platform/mm/rtmidi/RtMidiConnection.h"

#include <unistd.h>

namespace mm {

RtMidiBackend& RtMidiBackend::Instance() {
    // Never destroyed: ports held by other process-wide objects may close
    // their devices during the process's exit, in any order.
    static RtMidiBackend* backend = new RtMidiBackend;
    return *backend;
}

RtMidiBackend::RtMidiBackend(std::string sequencerPath, bool useJack)
    : sequencerPath_(std::move(sequencerPath)), useJack_(useJack) {}

RtMidiBackend::~RtMidiBackend() = default;

bool RtMidiBackend::SequencerPresent() const { return access(sequencerPath_.c_str(), R_OK | W_OK) == 0; }

void RtMidiBackend::ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) {
    if (SequencerPresent()) {
        std::lock_guard lock(mutex_);
        if (!inputLister_)
            inputLister_ = MakeRtMidi<RtMidiIn>(RtMidi::LINUX_ALSA, listerFailed_);
        if (inputLister_)
            AddAlsaInputs(RawPortNames(*inputLister_), devices);
    }
    if (useJack_)
        AddJackInputs(JackSystem::Instance().MidiPorts(true), devices);
}

void RtMidiBackend::ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) {
    if (SequencerPresent()) {
        std::lock_guard lock(mutex_);
        if (!outputLister_)
            outputLister_ = MakeRtMidi<RtMidiOut>(RtMidi::LINUX_ALSA, listerFailed_);
        if (outputLister_)
            AddAlsaOutputs(RawPortNames(*outputLister_), devices);
    }
    if (useJack_) {
        JackSystem& jack = JackSystem::Instance();
        AddJackOutputs(jack.MidiPorts(false), jack.MidiPorts(false, true), devices);
    }
}

void RtMidiBackend::TransferBegins() {
    if (useJack_)
        JackSystem::Instance().ShortenPeriod(kTransferPeriodFrames);
}

void RtMidiBackend::TransferEnds() {
    if (useJack_)
        JackSystem::Instance().RestorePeriod();
}

} // namespace mm
