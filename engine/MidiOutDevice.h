#pragma once
// A physical output device over an output port of the MIDI library.
#include "engine/MidiDeviceA.h"
#include "ml/Out.h"
#include "ml/TickClock.h"

#include <string>

class COruMidiSetup;

class CMidiOutDevice : public CMidiOutDeviceA, public ML::COut {
public:
    // Created closed; setup (not owned) is the one whose devices it reopens
    // before a send; clock paces and times out long messages.
    CMidiOutDevice(std::string deviceName, COruMidiSetup& setup, ML::ITickClock& clock = ML::SystemTickClock());
    ~CMidiOutDevice() override;

    bool Open() override;
    bool IsOpen() override;
    void CloseDevice() override;
    // Opens every device first (OpenAll) and reports a change of the
    // connection state (a device found closed since the last send and open
    // again counts as lost and reconnected); then sends the bytes if this
    // device is open (F0 as one long message, anything else as a short
    // message), else drops them.
    // False when the bytes were dropped or the port's send failed.
    bool Send(std::span<const std::uint8_t> bytes) override;

private:
    COruMidiSetup* setup_; // not owned
};
