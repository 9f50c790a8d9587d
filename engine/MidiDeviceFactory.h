#pragma once
// Creates physical devices by name and lists the names the platform offers.
#include "engine/MidiDevice.h"
#include "ml/TickClock.h"

#include <memory>
#include <string>
#include <vector>

class COruMidiSetup;

// What any MIDI device factory offers: its lifetime and the names of the
// devices the platform has.
class IMidiDeviceFactory {
public:
    virtual ~IMidiDeviceFactory() = default;
    // Called by start-up before the selection is loaded, and at exit after
    // every device has been released.
    virtual bool Initialize() = 0;
    virtual bool Terminate() = 0;
    // The product names of the input (output) devices, in device index order.
    virtual void ListInputDeviceNames(std::vector<std::string>& names) = 0;
    virtual void ListOutputDeviceNames(std::vector<std::string>& names) = 0;
};

// The engine's factory: it also makes the engine's devices by name.
class IOruMidiDeviceFactory : public IMidiDeviceFactory {
public:
    // A new device of that name, closed. An output device reopens the
    // devices of setup (which makes it) and reports the connection state
    // there before each send.
    virtual std::unique_ptr<COruMidiInDevice> CreateInputDevice(const std::string& name) = 0;
    virtual std::unique_ptr<COruMidiOutDevice> CreateOutputDevice(const std::string& name, COruMidiSetup& setup) = 0;
};

// The platform's devices: CMidiInDevice and CMidiOutDevice.
class CNormalMidiDeviceFactory : public IOruMidiDeviceFactory {
public:
    bool Initialize() override { return true; }
    bool Terminate() override { return true; }
    void ListInputDeviceNames(std::vector<std::string>& names) override;
    void ListOutputDeviceNames(std::vector<std::string>& names) override;
    std::unique_ptr<COruMidiInDevice> CreateInputDevice(const std::string& name) override;
    std::unique_ptr<COruMidiOutDevice> CreateOutputDevice(const std::string& name, COruMidiSetup& setup) override;

    // The clock given to the devices created from now on (the system's by
    // default): tests and benchmarks pace and time out on their own clock.
    void SetDeviceClock(ML::ITickClock& clock) { clock_ = &clock; }
    ML::ITickClock& DeviceClock() const { return *clock_; }

private:
    ML::ITickClock* clock_ = &ML::SystemTickClock(); // not owned
};
