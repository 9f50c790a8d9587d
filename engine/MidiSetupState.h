#pragma once
// Whether every device could be opened at the last check, and the one-time
// report when that changes.
class COruMidiSetupState {
public:
    virtual ~COruMidiSetupState() = default;
    // Stores the state without a word (start-up).
    virtual void SetQuiet(bool connected);
    // On a change shows "MIDI reconnected." (true) or "MIDI connect error."
    // (false) through the transient text output, then stores the state.
    virtual void Report(bool connected);

    bool IsConnected() const { return connected_; }

private:
    bool connected_ = false;
};

// Created on first use.
COruMidiSetupState& GetMidiSetupState();
