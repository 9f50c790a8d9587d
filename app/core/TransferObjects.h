#pragma once
// The start-up step that creates the device reader and writer once the ports
// exist: the reader becomes the receiver of input 0 and talks through input 0
// and output 0; the writer sends through output 0 and asks the reader for the
// identity check. Both use the state's MIDI setup and go to the librarian
// state, which owns them.
#include "ml/TickClock.h"

class CLibrarianState;
class CMidiEngine;
namespace GT {
class IProgress;
}

// False, and nothing created, while input 0 or output 0 does not exist.
// progress is not owned and may be null.
bool CreateTransferObjects(CLibrarianState& state, GT::IProgress* progress,
                           ML::ITickClock& clock = ML::SystemTickClock());

// The engine's part of the program's exit order: the reader and writer
// (DeleteTransferObjects), then the engine's Shutdown (every MIDI device, the
// device factory, the ports).
void ShutdownEngine(CLibrarianState& state, CMidiEngine& engine);
