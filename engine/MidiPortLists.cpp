#include "engine/MidiPortLists.h"

std::vector<COruMidiIn>& GetMidiInputs() {
    static std::vector<COruMidiIn> inputs;
    return inputs;
}

std::vector<COruMidiOut>& GetMidiOutputs() {
    static std::vector<COruMidiOut> outputs;
    return outputs;
}

COruMidiIn* FindInput(std::string_view name) {
    for (auto& input : GetMidiInputs())
        if (input.name == name)
            return &input;
    return nullptr;
}

COruMidiOut* FindOutput(std::string_view name) {
    for (auto& output : GetMidiOutputs())
        if (output.name == name)
            return &output;
    return nullptr;
}
