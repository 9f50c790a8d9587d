#pragma once
// The engine's lists of logical ports, holding the ports by value. Each is
// sized once at start-up and not resized again until shutdown, so the
// pointers that devices, the requester and the dialogs keep stay valid.
// Index 0 is the unit, index 1 the "Through" pair.
#include "engine/MidiIn.h"
#include "engine/MidiOut.h"

#include <string_view>
#include <vector>

class CMidiPorts {
public:
    // The first port, in list order, of exactly that name; null if none.
    COruMidiIn* FindInput(std::string_view name);
    COruMidiOut* FindOutput(std::string_view name);

    std::vector<COruMidiIn> inputs;
    std::vector<COruMidiOut> outputs;
};
