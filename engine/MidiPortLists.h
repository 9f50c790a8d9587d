#pragma once
// The process-wide lists of logical ports, holding the ports by value. Each
// is sized once at start-up and not resized again until shutdown, so the
// pointers that devices, the requester and the dialogs keep stay valid.
// Index 0 is the unit, index 1 the "Through" pair.
#include "engine/MidiIn.h"
#include "engine/MidiOut.h"

#include <string_view>
#include <vector>

// Both created on first use, empty.
std::vector<COruMidiIn>& GetMidiInputs();
std::vector<COruMidiOut>& GetMidiOutputs();

// The first port, in list order, of exactly that name; null if none.
COruMidiIn* FindInput(std::string_view name);
COruMidiOut* FindOutput(std::string_view name);
