#include "sim/PortSimulator.h"

#include "platform/mm/rtmidi/Abandoned.h"
#include "platform/mm/rtmidi/JackSystem.h"
#include "platform/mm/rtmidi/RtMidiBackend.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <RtMidi.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace sim {

namespace {

// RtMidi reports through this instead of printing and throwing; a warning
// while sending means the reply did not go out.
void RecordError(RtMidiError::Type type, const std::string&, void* failed) {
    if (type != RtMidiError::DEBUG_WARNING)
        static_cast<std::atomic<bool>*>(failed)->store(true);
}

// True when no port of this JACK client exists, waiting a little for the
// ports of an instance that has just ended to go: the server removes them
// once it sees the process gone.
bool JackClientFree(const std::string& client) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (;;) {
        bool taken = false;
        for (bool sources : {true, false})
            for (const std::string& port : mm::JackSystem::Instance().MidiPorts(sources))
                if (port.starts_with(client + ":"))
                    taken = true;
        if (!taken)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// True once every port of names exists for other clients, waiting for them
// at most a few seconds, while the server they were made on runs.
bool JackPortsShow(const std::vector<std::string>& names, std::uint64_t server) {
    mm::JackSystem& jack = mm::JackSystem::Instance();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        if (std::all_of(names.begin(), names.end(), [&](const std::string& name) { return jack.HasPort(name); }))
            return true;
        if (std::chrono::steady_clock::now() >= deadline || !jack.Alive(server, false))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

} // namespace

CPortSimulator::CPortSimulator()
    : unit_([this](std::span<const std::uint8_t> bytes) { return Send(bytes); }),
      requestWire_([this](std::span<const std::uint8_t> bytes) {
          unit_.Receive(bytes);
          return true;
      }) {}

CPortSimulator::~CPortSimulator() { CloseOrAbandon(); }

void CPortSimulator::CloseOrAbandon() {
    const bool jack = system_ == PortSystem::Jack;
    if (jack && (in_ || out_) && !mm::JackSystem::Instance().Alive(jackServer_, true)) {
        // libjack has given up the clients of a server that went (JACK 2
        // deletes them when the next client opens): closing them would
        // crash. Nothing calls the input back once its server is gone.
        if (in_)
            in_->cancelCallback();
        mm::Abandon(std::move(in_));
        mm::Abandon(std::move(out_));
        return;
    }
    if (in_)
        in_->closePort(); // ends RtMidi's input
}

bool CPortSimulator::Lost() {
    // The server's shutdown word is enough here: asked every few hundred
    // milliseconds, a round trip each time would only add to its work.
    return system_ == PortSystem::Jack && !mm::JackSystem::Instance().Alive(jackServer_, false);
}

bool CPortSimulator::Open(const std::string& portName, PortSystem system, std::string& error) {
    if (system == PortSystem::Automatic)
        system = mm::JackSystem::Instance().Running() ? PortSystem::Jack : PortSystem::Alsa;
    system_ = system;
    return system == PortSystem::Jack ? OpenJack(portName, error) : OpenAlsa(portName, error);
}

bool CPortSimulator::OpenAlsa(const std::string& portName, std::string& error) {
    if (!mm::RtMidiBackend::Instance().SequencerPresent()) {
        error = "no MIDI system found (no JACK server answers and the ALSA sequencer /dev/snd/seq is missing); "
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

bool CPortSimulator::OpenJack(const std::string& portName, std::string& error) {
    // Asked first: RtMidi prints when it finds no server.
    mm::JackSystem& jack = mm::JackSystem::Instance();
    jackServer_ = jack.Answering();
    if (jackServer_ == 0) {
        error = "no JACK server answers; start one (for example jackd -d dummy), run this under pw-jack where "
                "PipeWire is the sound server, or use --api alsa";
        return false;
    }
    const std::string inClient = portName + " In";
    const std::string outClient = portName + " Out";
    // JACK would give a second client of a name another one ("-01"), under
    // which nobody finds the ports.
    if (!JackClientFree(inClient) || !JackClientFree(outClient)) {
        error = "the JACK ports \"" + portName + "\" already exist; is another simulated unit running?";
        return false;
    }
    // Kept at once, whatever follows: the destructor closes them, or gives
    // them up if the server goes meanwhile.
    try {
        out_ = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, outClient);
        out_->setErrorCallback(&RecordError, &inFailed_);
        out_->openVirtualPort("out");
        in_ = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, inClient);
        in_->setErrorCallback(&RecordError, &inFailed_);
        in_->ignoreTypes(false, true, true);
        in_->setCallback(&CPortSimulator::OnMessage, this);
        in_->openVirtualPort("in");
    } catch (const RtMidiError& failure) {
        error = "cannot create the JACK ports \"" + portName + "\": " + failure.getMessage();
        return false;
    }
    // A port one client registers shows up for the others a moment later on
    // some servers (PipeWire); until then nobody can connect to it.
    if (inFailed_ || !JackPortsShow({outClient + ":out", inClient + ":in"}, jackServer_)) {
        error = "cannot create the JACK ports \"" + portName + "\"";
        return false;
    }
    out_->setErrorCallback(&RecordError, &sendFailed_);
    return true;
}

void CPortSimulator::OnMessage(double, std::vector<unsigned char>* message, void* self) {
    if (message == nullptr)
        return;
    auto& simulator = *static_cast<CPortSimulator*>(self);
    if (!simulator.unit_.Faults().wireSpeed) {
        simulator.unit_.Receive(*message);
        return;
    }
    // RtMidi's input thread, the only one that touches the request wire.
    using Clock = CReplyWorker::Clock;
    const Clock::time_point due = std::max(Clock::now(), simulator.requestWireFreeAt_) +
                                  std::chrono::duration_cast<Clock::duration>(mm::kWireTimePerByte * message->size());
    simulator.requestWireFreeAt_ = due;
    simulator.requestWire_.Post(std::vector<std::uint8_t>(message->begin(), message->end()), due);
}

bool CPortSimulator::Send(std::span<const std::uint8_t> bytes) {
    // RtMidi's JACK output would wait for ever on a full buffer that no
    // server empties any more.
    if (!out_ || (system_ == PortSystem::Jack && !mm::JackSystem::Instance().Alive(jackServer_, false)))
        return false;
    sendFailed_ = false;
    out_->sendMessage(bytes.data(), bytes.size());
    return !sendFailed_;
}

} // namespace sim
