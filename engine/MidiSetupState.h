#pragma once
// Whether every device could be opened at the last check, and the one-time
// report when that changes.
#include "toolkit/core/TextOut.h"

class COruMidiSetupState {
public:
    // Reports go to transient (the engine's transient text output, not
    // owned).
    explicit COruMidiSetupState(GT::ATextOut& transient) : transient_(&transient) {}
    virtual ~COruMidiSetupState() = default;
    // Stores the state without a word (start-up).
    virtual void SetQuiet(bool connected);
    // On a change shows "MIDI reconnected." (true) or "MIDI connect error."
    // (false) through the transient text output, then stores the state.
    virtual void Report(bool connected);

    bool IsConnected() const { return connected_; }

private:
    GT::ATextOut* transient_; // not owned
    bool connected_ = false;
};
