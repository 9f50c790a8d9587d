#pragma once
// The simulated unit on real virtual MIDI ports of the system's MIDI
// sequencer, so that any program on the computer (this librarian included)
// can talk to it as to a unit on a MIDI interface.
#include "sim/SimulatedUnit.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace sim {

class CPortSimulator {
public:
    CPortSimulator();
    ~CPortSimulator();
    CPortSimulator(const CPortSimulator&) = delete;
    CPortSimulator& operator=(const CPortSimulator&) = delete;

    // Creates an input and an output port of this name. False, with the
    // reason in English in `error`, where no MIDI system exists or the ports
    // cannot be made.
    bool Open(const std::string& portName, std::string& error);

    CSimulatedUnit& Unit() { return unit_; }

private:
    static void OnMessage(double timeStamp, std::vector<unsigned char>* message, void* self);
    bool Send(std::span<const std::uint8_t> bytes);

    std::atomic<bool> sendFailed_{false};
    std::unique_ptr<RtMidiOut> out_; // outlives the unit's reply thread
    CSimulatedUnit unit_;
    std::unique_ptr<RtMidiIn> in_; // closed first: no message after the unit is gone
};

} // namespace sim
