#pragma once
// The plug-in router: at the same time a logical input and a physical output
// device, so that software can stand in for a hardware device. Its device
// lookups are consulted before the device lists. Nothing is attached in the
// librarian: with its fields null and flags clear it stays passive.
#include "engine/MidiDevice.h"
#include "engine/MidiIn.h"

#include <cstdint>
#include <span>

class COruMidiInDevice;
class COruMidiOut;

// What the router can hand traffic to in both directions.
class IOruMidiPlugin {
public:
    virtual ~IOruMidiPlugin() = default;
    virtual void Receive(std::span<const std::uint8_t> bytes) = 0;
};

class COruMidiPluginRouter : public COruMidiIn, public COruMidiOutDevice {
public:
    COruMidiPluginRouter() : COruMidiIn(), COruMidiOutDevice(std::string()) {}

    // As an input: to the plug-in (to-plug-in flag), then to the loop
    // input's OnReceive (loop flag).
    void OnReceive(std::span<const std::uint8_t> bytes) override;
    // As an output device: to the plug-in (to-plug-in flag), then to the
    // loop output device's Send (loop flag), whose result it returns.
    bool Send(std::span<const std::uint8_t> bytes) override;

    // True, with the loop input device, when input is the loop input.
    bool InputOverride(const COruMidiIn& input, COruMidiInDevice*& device) const;
    // True, with the loop output device, when output is the loop output.
    bool OutputOverride(const COruMidiOut& output, COruMidiOutDevice*& device) const;

    IOruMidiPlugin* plugin = nullptr;              // not owned
    COruMidiIn* loopInput = nullptr;               // not owned
    COruMidiInDevice* loopInputDevice = nullptr;   // not owned
    COruMidiOut* loopOutput = nullptr;             // not owned
    COruMidiOutDevice* loopOutputDevice = nullptr; // not owned
    bool toPlugin = false;
    bool loop = false;
};
