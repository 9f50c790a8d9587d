#pragma once
// Binds logical ports to physical devices, opens them, remembers the choice
// in the profile section "MIDIConnection" and restores it, and pumps and
// waits for the traffic of an input on behalf of the requester.
#include "engine/MidiDevice.h"
#include "engine/MidiDeviceList.h"
#include "engine/MidiIn.h"
#include "engine/MidiOut.h"
#include "engine/MidiSetupState.h"
#include "ml/TickClock.h"
#include "platform/msgwin/MessageWait.h"
#include "toolkit/profile/Profile.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kNoDeviceName = "(none)";
inline constexpr const char* kUnconnectedSuffix = " (Unconnected)";

class CMidiPorts;
class COruMidiPluginRouter;
class IOruMidiDeviceFactory;
class IOruWaitObserver;

class COruMidiSetup {
public:
    // The ports whose devices it binds, the factory that makes the devices,
    // the router whose overrides come first and the text output the
    // connection state is reported to: all the engine's (CMidiEngine), none
    // owned.
    COruMidiSetup(CMidiPorts& ports, IOruMidiDeviceFactory& factory, const COruMidiPluginRouter& router,
                  GT::ATextOut& transient);
    virtual ~COruMidiSetup() = default;
    COruMidiSetup(const COruMidiSetup&) = delete;
    COruMidiSetup& operator=(const COruMidiSetup&) = delete;

    // The device of that name (a trailing " (Unconnected)" is ignored) from
    // its list, created closed through the factory and appended if there is
    // none.
    virtual COruMidiInDevice* FindOrCreateInputDevice(std::string_view name);
    virtual COruMidiOutDevice* FindOrCreateOutputDevice(std::string_view name);

    // Nothing for "(none)"; else binds the device of that name once.
    void BindInput(COruMidiIn& input, std::string_view deviceName);
    void BindOutput(COruMidiOut& output, std::string_view deviceName);

    // The plug-in router's override first, else the first device bound.
    COruMidiInDevice* DeviceOf(const COruMidiIn& input) const;
    COruMidiOutDevice* DeviceOf(const COruMidiOut& output) const;
    // The device's name, or "(none)".
    std::string DeviceName(const COruMidiIn& input) const;
    std::string DeviceName(const COruMidiOut& output) const;
    // The device's name with " (Unconnected)" while it is not open, or
    // "(none)".
    std::string DisplayName(const COruMidiIn& input) const;
    std::string DisplayName(const COruMidiOut& output) const;
    // The platform's device names, "(none)", then the port's display name
    // when it is not among them.
    std::vector<std::string> DeviceChoices(const COruMidiIn& input) const;
    std::vector<std::string> DeviceChoices(const COruMidiOut& output) const;

    // Finds the port by name; when found, sets its device id to the low 8
    // bits of deviceId and binds the device.
    void ConfigureInput(std::string_view portName, std::string_view deviceName, long deviceId);
    void ConfigureOutput(std::string_view portName, std::string_view deviceName, long deviceId);

    // Unbinds every output's devices, then deletes every input device and
    // every output device.
    void ReleaseAll();
    // Opens every device (all of them even after a failure); true when all
    // opened.
    bool OpenAll();
    // Closes every device and keeps the bindings, so that a search of all
    // ports can open what the engine had open (a port the platform lets
    // open only once); OpenAll opens them again.
    void CloseAll();
    // True when every device is open now; opens nothing.
    bool AllOpen() const;
    // Input 0 and output 0 exist and have a device.
    bool IsSetUp() const;

    // Restores the bindings and device ids, opens the devices and sets the
    // connection state quietly.
    void Load(GT::IProfile& profile);
    // Writes the twelve values of the two inputs and two outputs (as many as
    // exist). False when the profile did not take every value.
    bool Save(GT::IProfile& profile) const;

    // The requester's pump: the Pump of the input's device (nothing without
    // one).
    void PumpInput(const COruMidiIn& input) const;
    // The requester's wait between pumps: blocks, without using the CPU,
    // until MIDI traffic is pending for this thread (true) or clock has
    // reached deadline (false). See platform/msgwin/MessageWait.h for how a
    // test clock is moved on after a real-time grace without traffic.
    bool WaitForInput(ML::ITickClock& clock, std::uint32_t deadline) const;
    bool WaitForInput(ML::ITickClock& clock, std::uint32_t deadline, std::chrono::milliseconds grace) const;
    // The grace of WaitForInput without one (200 ms unless changed): a test
    // on a loaded machine whose simulated unit answers on other threads may
    // want more.
    void SetWaitGrace(std::chrono::milliseconds grace) { waitGrace_ = grace; }

    // Whoever watches the requester's waits (the program's wait window):
    // WaitForInput then waits in slices. Not owned; null for none.
    void SetWaitObserver(IOruWaitObserver* observer) { observer_ = observer; }
    IOruWaitObserver* WaitObserver() const { return observer_; }

    // The logical ports, the device factory and the connection state of
    // this setup.
    CMidiPorts& Ports() const { return *ports_; }
    IOruMidiDeviceFactory& Factory() const { return *factory_; }
    COruMidiSetupState& State() { return state_; }

    // The devices the setup has created, which it owns.
    COruMidiInDevices& InDevices() { return inDevices_; }
    COruMidiOutDevices& OutDevices() { return outDevices_; }
    const COruMidiInDevices& InDevices() const { return inDevices_; }
    const COruMidiOutDevices& OutDevices() const { return outDevices_; }

private:
    CMidiPorts* ports_;                  // not owned
    IOruMidiDeviceFactory* factory_;     // not owned
    const COruMidiPluginRouter* router_; // not owned
    IOruWaitObserver* observer_ = nullptr;
    COruMidiSetupState state_;
    COruMidiInDevices inDevices_;
    COruMidiOutDevices outDevices_;
    std::chrono::milliseconds waitGrace_ = msgwin::kDefaultWaitGrace;
};

// A transfer's check before it starts: a setup is given and it is set up.
inline bool IsSetUp(const COruMidiSetup* setup) { return setup != nullptr && setup->IsSetUp(); }
