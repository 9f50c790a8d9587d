#pragma once
// The engine of one zm47-cli run, set up the way the program's start-up sets
// it up: the ports configured, the device reader and writer created, then the
// chosen devices (or the simulated unit's pair) bound to the unit's ports
// and opened. Destruction shuts the engine down in the program's exit order
// and, last, stops the simulated unit, which saves its memory file.
#include "app/core/LibrarianState.h"
#include "cli/CommandLine.h"
#include "engine/MidiEngine.h"
#include "ml/TickClock.h"
#include "sim/VirtualSimulator.h"

#include <memory>

class AReader;
class CWriter;

namespace cli {

class CEngineSession {
public:
    // clock measures the transfers' waits and the devices' pacing (a test
    // clock in tests).
    explicit CEngineSession(ML::ITickClock& clock = ML::SystemTickClock()) : clock_(clock) {}
    ~CEngineSession();
    CEngineSession(const CEngineSession&) = delete;
    CEngineSession& operator=(const CEngineSession&) = delete;

    // False when the engine could not be set up or a chosen device could not
    // be opened; the reason is then on standard error.
    bool Start(const DeviceChoice& choice);

    AReader& Reader();
    CWriter& Writer();
    // The session's MIDI engine.
    CMidiEngine& Engine() { return engine_; }
    // The session's librarian state: the reader and writer, and for windows
    // and commands run on this engine (tests) the area and the clipboard.
    CLibrarianState& State() { return state_; }
    // The simulated unit when --simulator was given, else null.
    sim::CVirtualSimulator* Simulator() { return simulator_.get(); }

private:
    bool StartSimulator(const DeviceChoice& choice);
    bool BindAndOpen(const DeviceChoice& choice);

    ML::ITickClock& clock_;
    // The engine before the state, whose reader and writer use its ports.
    CMidiEngine engine_;
    CLibrarianState state_{engine_.setup};
    std::unique_ptr<sim::CVirtualSimulator> simulator_;
    bool started_ = false;
};

} // namespace cli
