#include "engine/MidiPortLists.h"

COruMidiIn* CMidiPorts::FindInput(std::string_view name) {
    for (auto& input : inputs)
        if (input.name == name)
            return &input;
    return nullptr;
}

COruMidiOut* CMidiPorts::FindOutput(std::string_view name) {
    for (auto& output : outputs)
        if (output.name == name)
            return &output;
    return nullptr;
}
