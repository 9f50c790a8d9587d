#pragma once
// Sends the engine's two text outputs to windows for as long as the object
// lives: errors in MIDI definitions to the diagnostic text window (made when
// the first one arrives), connection reports ("MIDI connect error.", "MIDI
// reconnected.") to the transient pop-up over the main frame. Afterwards
// they go back to standard error.
#include "engine/EngineTextOut.h"

class QWidget;

class CMidiEngine;

class CAppTextSinks {
public:
    // engine is not owned and outlives this object.
    explicit CAppTextSinks(CMidiEngine& engine);
    ~CAppTextSinks();
    CAppTextSinks(const CAppTextSinks&) = delete;
    CAppTextSinks& operator=(const CAppTextSinks&) = delete;

    // The window the connection reports are centred over (not owned).
    void SetOwner(QWidget* owner);

private:
    CMidiEngine& engine_;
    CEngineTextOut::Sink previousDefinitionSink_;
    CEngineTextOut::Sink previousTransientSink_;
};
