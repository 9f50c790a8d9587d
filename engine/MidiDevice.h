#pragma once
// Physical MIDI devices as the engine sees them, named by the product names
// the platform reports. Input devices feed one or more logical inputs;
// output devices are sent to by logical outputs.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class COruMidiIn;

class COruMidiDevice {
public:
    explicit COruMidiDevice(std::string deviceName) : name(std::move(deviceName)) {}
    virtual ~COruMidiDevice() = default;
    COruMidiDevice(const COruMidiDevice&) = delete;
    COruMidiDevice& operator=(const COruMidiDevice&) = delete;

    virtual bool Open() { return true; }
    virtual bool IsOpen() { return true; }
    // Lets go of the platform's device, for someone else to open it; Open
    // takes it again.
    virtual void CloseDevice() {}

    std::string name;
};

class COruMidiInDevice : public COruMidiDevice {
public:
    using COruMidiDevice::COruMidiDevice;
    // Handles the MIDI traffic that has arrived for this thread (the
    // requester's wait).
    virtual void Pump() = 0;

    std::vector<COruMidiIn*> boundInputs; // not owned
};

class COruMidiOutDevice : public COruMidiDevice {
public:
    using COruMidiDevice::COruMidiDevice;
    // The one way bytes reach an output device. False when they did not go
    // out: the device is closed or gone, or the platform refused them.
    virtual bool Send(std::span<const std::uint8_t> bytes) = 0;
};
