#include "engine/MidiPluginRouter.h"

#include "engine/MidiOut.h"

void COruMidiPluginRouter::OnReceive(std::span<const std::uint8_t> bytes) {
    if (toPlugin && plugin)
        plugin->Receive(bytes);
    if (loop && loopInput)
        loopInput->OnReceive(bytes);
}

bool COruMidiPluginRouter::Send(std::span<const std::uint8_t> bytes) {
    if (toPlugin && plugin)
        plugin->Receive(bytes);
    if (loop && loopOutputDevice)
        return loopOutputDevice->Send(bytes);
    return true;
}

bool COruMidiPluginRouter::InputOverride(const COruMidiIn& input, COruMidiInDevice*& device) const {
    if (loopInput != &input)
        return false;
    device = loopInputDevice;
    return true;
}

bool COruMidiPluginRouter::OutputOverride(const COruMidiOut& output, COruMidiOutDevice*& device) const {
    if (loopOutput != &output)
        return false;
    device = loopOutputDevice;
    return true;
}
