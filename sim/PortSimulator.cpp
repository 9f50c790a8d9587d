#include "sim/PortSimulator.h"

#include "platform/mm/rtmidi/RtMidiBackend.h"

#include <RtMidi.h>

namespace sim {

namespace {

// RtMidi reports through this instead of printing and throwing.
void RecordError(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        static_cast<std::atomic<bool>*>(failed)->store(true);
}

} // namespace

CPortSimulator::CPortSimulator()
    : unit_([this](std::span<const std::uint8_t> bytes) { return Send(bytes); })
{
}

CPortSimulator::~CPortSimulator()
{
    if (in_)
        in_->closePort(); // ends RtMidi's input thread
}

bool CPortSimulator::Open(const std::string& portName, std::string& error)
{
    if (!mm::RtMidiBackend::Instance().SystemPresent()) {
        error = "no MIDI system found (the ALSA sequencer /dev/snd/seq is missing); "
                "the simulated unit needs one to offer MIDI ports";
        return false;
    }
    const std::string client(kSimulatorDeviceName);
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, client);
        out->setErrorCallback(&RecordError, &sendFailed_);
        out->openVirtualPort(portName);
        auto in = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, client);
        in->ignoreTypes(false, true, true); // system-exclusive in, clock and sensing out
        in->setCallback(&CPortSimulator::OnMessage, this);
        in->openVirtualPort(portName);
        out_ = std::move(out);
        in_ = std::move(in);
    } catch (const RtMidiError& failure) {
        error = "cannot create the MIDI ports \"" + portName + "\": " + failure.getMessage();
        return false;
    }
    return true;
}

void CPortSimulator::OnMessage(double, std::vector<unsigned char>* message, void* self)
{
    if (message != nullptr)
        static_cast<CPortSimulator*>(self)->unit_.Receive(*message);
}

bool CPortSimulator::Send(std::span<const std::uint8_t> bytes)
{
    if (!out_)
        return false;
    sendFailed_ = false;
    out_->sendMessage(bytes.data(), bytes.size());
    return !sendFailed_;
}

} // namespace sim
