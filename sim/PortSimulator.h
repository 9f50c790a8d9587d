#pragma once
// The simulated unit on real MIDI ports of the system, so that any program
// on the computer (this librarian included) can talk to it as to a unit on
// a MIDI interface: virtual ports of the ALSA sequencer, or ports of a
// running JACK server.
#include "sim/ReplyWorker.h"
#include "sim/SimulatedUnit.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace sim {

enum class PortSystem { Automatic, Alsa, Jack };

class CPortSimulator {
public:
    CPortSimulator();
    ~CPortSimulator();
    CPortSimulator(const CPortSimulator&) = delete;
    CPortSimulator& operator=(const CPortSimulator&) = delete;

    // Creates an input and an output port. On ALSA both carry portName under
    // the client portName; on JACK they are "<portName> In:in" and
    // "<portName> Out:out". Automatic takes JACK when a server answers, else
    // ALSA. False, with the reason in English in `error`, where that MIDI
    // system does not exist or the ports cannot be made.
    bool Open(const std::string& portName, PortSystem system, std::string& error);
    // The system the ports were made on (Alsa or Jack) after Open.
    PortSystem System() const { return system_; }
    // True once the JACK server the ports were made on has gone: the ports are gone with it, and nobody can reach the
    // unit any more. Never for ALSA's ports, which last as long as this.
    bool Lost();

    CSimulatedUnit& Unit() { return unit_; }

private:
    static void OnMessage(double timeStamp, std::vector<unsigned char>* message, void* self);
    bool Send(std::span<const std::uint8_t> bytes);
    bool OpenAlsa(const std::string& portName, std::string& error);
    bool OpenJack(const std::string& portName, std::string& error);

    // JACK objects are closed only while their server runs (see Lost);
    // those of a server that went are given up, never destroyed.
    void CloseOrAbandon();

    PortSystem system_ = PortSystem::Automatic;
    std::uint64_t jackServer_ = 0; // the server the JACK ports were made on
    std::atomic<bool> sendFailed_{false};
    std::atomic<bool> inFailed_{false}; // while opening, and what the input reports later
    std::unique_ptr<RtMidiOut> out_;    // outlives the unit's reply thread
    CSimulatedUnit unit_;
    // With wire-speed timing the requests reach the unit one wire time per
    // byte after the previous one is in, as over a cable: the ports hand
    // them over at once.
    CReplyWorker requestWire_;
    CReplyWorker::Clock::time_point requestWireFreeAt_{};
    std::unique_ptr<RtMidiIn> in_; // closed first: no message after the unit is gone
};

} // namespace sim
