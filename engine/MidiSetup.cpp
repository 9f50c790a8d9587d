#include "engine/MidiSetup.h"

#include "engine/MidiDeviceFactory.h"
#include "engine/MidiPortLists.h"
#include "engine/MidiPluginRouter.h"
#include "engine/Midi.h"
#include "engine/WaitObserver.h"
#include "platform/msgwin/MessageQueue.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string_view WithoutUnconnected(std::string_view name) {
    const std::string_view suffix = kUnconnectedSuffix;
    if (name.ends_with(suffix))
        name.remove_suffix(suffix.size());
    return name;
}

std::string Display(COruMidiDevice* device) {
    if (!device)
        return kNoDeviceName;
    if (device->IsOpen() || std::string_view(device->name).ends_with(kUnconnectedSuffix))
        return device->name;
    return device->name + kUnconnectedSuffix;
}

std::vector<std::string> Choices(std::vector<std::string> names, const std::string& display) {
    names.emplace_back(kNoDeviceName);
    if (std::find(names.begin(), names.end(), display) == names.end())
        names.push_back(display);
    return names;
}

// "MIDIConnection/MIDI" + key + index.
std::string ValuePath(const char* key, std::size_t index) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%d", key, static_cast<int>(index));
    return std::string("MIDIConnection/MIDI") + name;
}

// An integer as "%li" reads it; the default when the value is missing or
// holds no number.
long ReadInteger(GT::IProfile& profile, const std::string& path, long def) {
    const std::string text = profile.GetString(path, std::to_string(def));
    long value = def;
    return ParseCInteger(text, value) ? value : def;
}

template <typename Port>
bool SavePorts(GT::IProfile& profile, const COruMidiSetup& setup, const std::vector<Port>& ports, const char* key,
               const char* deviceKey, const char* idKey) {
    bool all = true;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        all = profile.WriteString(ValuePath(key, i), ports[i].name) && all;
        all = profile.WriteString(ValuePath(deviceKey, i), setup.DeviceName(ports[i])) && all;
        all = profile.WriteInt(ValuePath(idKey, i), ports[i].deviceId) && all;
    }
    return all;
}

// One slice of a watched wait: as msgwin::WaitForMessages, but back after
// kWaitSliceMs of real time at most, so that the watcher can let the windows
// run. The real time without traffic is counted across the slices of one
// wait (one deadline), so a test clock that moves only when asked to sleep
// is still moved on to the deadline after `grace`, as WaitForMessages does.
bool WaitSlice(ML::ITickClock& clock, std::uint32_t deadline, std::chrono::milliseconds grace) {
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    struct SQuiet {
        bool counting = false;
        std::uint32_t deadline = 0;
        steady_clock::time_point since;
        std::uint32_t clockAtSince = 0;
    };
    thread_local SQuiet quiet;
    msgwin::MessageQueue& queue = msgwin::MessageQueue::ForCurrentThread();
    const std::uint32_t before = clock.GetTickCount();
    const auto remaining = static_cast<std::int32_t>(deadline - before);
    if (remaining <= 0)
        return queue.HasPending(msgwin::WM_USER, msgwin::WM_USER_LAST);
    if (!quiet.counting || quiet.deadline != deadline)
        quiet = {true, deadline, steady_clock::now(), before};
    if (queue.WaitForRange(msgwin::WM_USER, msgwin::WM_USER_LAST,
                           std::min(milliseconds(remaining), milliseconds(kWaitSliceMs)))) {
        quiet.counting = false;
        return true;
    }
    const auto realMs = std::chrono::duration_cast<milliseconds>(steady_clock::now() - quiet.since).count();
    if (realMs >= grace.count()) {
        const std::uint32_t moved = clock.GetTickCount() - quiet.clockAtSince;
        if (static_cast<long long>(moved) * 2 < realMs) {
            const auto left = static_cast<std::int32_t>(deadline - clock.GetTickCount());
            if (left > 0)
                clock.Sleep(static_cast<std::uint32_t>(left));
        }
        quiet.counting = false;
    }
    return false;
}

} // namespace

COruMidiSetup::COruMidiSetup(CMidiPorts& ports, IOruMidiDeviceFactory& factory, const COruMidiPluginRouter& router,
                             GT::ATextOut& transient)
    : ports_(&ports), factory_(&factory), router_(&router), state_(transient) {}

COruMidiInDevice* COruMidiSetup::FindOrCreateInputDevice(std::string_view name) {
    name = WithoutUnconnected(name);
    auto& devices = inDevices_;
    if (COruMidiInDevice* found = devices.Find(name))
        return found;
    return devices.Append(factory_->CreateInputDevice(std::string(name)));
}

COruMidiOutDevice* COruMidiSetup::FindOrCreateOutputDevice(std::string_view name) {
    name = WithoutUnconnected(name);
    auto& devices = outDevices_;
    if (COruMidiOutDevice* found = devices.Find(name))
        return found;
    return devices.Append(factory_->CreateOutputDevice(std::string(name), *this));
}

void COruMidiSetup::BindInput(COruMidiIn& input, std::string_view deviceName) {
    if (deviceName == kNoDeviceName)
        return;
    COruMidiInDevice* device = FindOrCreateInputDevice(deviceName);
    if (!device)
        return;
    auto& bound = device->boundInputs;
    if (std::find(bound.begin(), bound.end(), &input) == bound.end())
        bound.push_back(&input);
}

void COruMidiSetup::BindOutput(COruMidiOut& output, std::string_view deviceName) {
    if (deviceName == kNoDeviceName)
        return;
    COruMidiOutDevice* device = FindOrCreateOutputDevice(deviceName);
    if (!device)
        return;
    auto& devices = output.devices;
    if (std::find(devices.begin(), devices.end(), device) == devices.end())
        devices.push_back(device);
}

COruMidiInDevice* COruMidiSetup::DeviceOf(const COruMidiIn& input) const {
    COruMidiInDevice* device = nullptr;
    if (router_->InputOverride(input, device))
        return device;
    for (const auto& candidate : inDevices_) {
        const auto& bound = candidate->boundInputs;
        if (std::find(bound.begin(), bound.end(), &input) != bound.end())
            return candidate.get();
    }
    return nullptr;
}

COruMidiOutDevice* COruMidiSetup::DeviceOf(const COruMidiOut& output) const {
    COruMidiOutDevice* device = nullptr;
    if (router_->OutputOverride(output, device))
        return device;
    return output.devices.empty() ? nullptr : output.devices.front();
}

std::string COruMidiSetup::DeviceName(const COruMidiIn& input) const {
    const COruMidiDevice* device = DeviceOf(input);
    return device ? device->name : kNoDeviceName;
}

std::string COruMidiSetup::DeviceName(const COruMidiOut& output) const {
    const COruMidiDevice* device = DeviceOf(output);
    return device ? device->name : kNoDeviceName;
}

std::string COruMidiSetup::DisplayName(const COruMidiIn& input) const { return Display(DeviceOf(input)); }

std::string COruMidiSetup::DisplayName(const COruMidiOut& output) const { return Display(DeviceOf(output)); }

std::vector<std::string> COruMidiSetup::DeviceChoices(const COruMidiIn& input) const {
    std::vector<std::string> names;
    factory_->ListInputDeviceNames(names);
    return Choices(std::move(names), DisplayName(input));
}

std::vector<std::string> COruMidiSetup::DeviceChoices(const COruMidiOut& output) const {
    std::vector<std::string> names;
    factory_->ListOutputDeviceNames(names);
    return Choices(std::move(names), DisplayName(output));
}

void COruMidiSetup::ConfigureInput(std::string_view portName, std::string_view deviceName, long deviceId) {
    COruMidiIn* input = ports_->FindInput(portName);
    if (!input)
        return;
    input->deviceId = static_cast<std::uint8_t>(deviceId & 0xFF);
    BindInput(*input, deviceName);
}

void COruMidiSetup::ConfigureOutput(std::string_view portName, std::string_view deviceName, long deviceId) {
    COruMidiOut* output = ports_->FindOutput(portName);
    if (!output)
        return;
    output->deviceId = static_cast<std::uint8_t>(deviceId & 0xFF);
    BindOutput(*output, deviceName);
}

void COruMidiSetup::ReleaseAll() {
    for (auto& output : ports_->outputs)
        output.devices.clear();
    inDevices_.DeleteAll();
    outDevices_.DeleteAll();
}

bool COruMidiSetup::OpenAll() {
    bool all = true;
    for (const auto& device : inDevices_)
        all = device->Open() && all;
    for (const auto& device : outDevices_)
        all = device->Open() && all;
    return all;
}

void COruMidiSetup::CloseAll() {
    for (const auto& device : inDevices_)
        device->CloseDevice();
    for (const auto& device : outDevices_)
        device->CloseDevice();
}

bool COruMidiSetup::AllOpen() const {
    for (const auto& device : inDevices_)
        if (!device->IsOpen())
            return false;
    for (const auto& device : outDevices_)
        if (!device->IsOpen())
            return false;
    return true;
}

bool COruMidiSetup::IsSetUp() const {
    const auto& inputs = ports_->inputs;
    const auto& outputs = ports_->outputs;
    return !inputs.empty() && DeviceOf(inputs[0]) != nullptr && !outputs.empty() && DeviceOf(outputs[0]) != nullptr;
}

void COruMidiSetup::Load(GT::IProfile& profile) {
    ReleaseAll();
    auto& inputs = ports_->inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string name = profile.GetString(ValuePath("In", i), inputs[i].name);
        const std::string device = profile.GetString(ValuePath("InDevice", i), kNoDeviceName);
        const long id = ReadInteger(profile, ValuePath("InTessanMessageDeviceId", i), inputs[i].deviceId);
        ConfigureInput(name, device, id);
    }
    auto& outputs = ports_->outputs;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string name = profile.GetString(ValuePath("Out", i), outputs[i].name);
        const std::string device = profile.GetString(ValuePath("OutDevice", i), kNoDeviceName);
        const long id = ReadInteger(profile, ValuePath("OutTessanMessageDeviceId", i), outputs[i].deviceId);
        ConfigureOutput(name, device, id);
    }
    state_.SetQuiet(OpenAll());
}

bool COruMidiSetup::Save(GT::IProfile& profile) const {
    const bool inputs = SavePorts(profile, *this, ports_->inputs, "In", "InDevice", "InTessanMessageDeviceId");
    const bool outputs = SavePorts(profile, *this, ports_->outputs, "Out", "OutDevice", "OutTessanMessageDeviceId");
    return inputs && outputs;
}

void COruMidiSetup::PumpInput(const COruMidiIn& input) const {
    if (COruMidiInDevice* device = DeviceOf(input))
        device->Pump();
}

bool COruMidiSetup::WaitForInput(ML::ITickClock& clock, std::uint32_t deadline) const {
    return WaitForInput(clock, deadline, waitGrace_);
}

bool COruMidiSetup::WaitForInput(ML::ITickClock& clock, std::uint32_t deadline,
                                 std::chrono::milliseconds grace) const {
    if (observer_ != nullptr)
        return WaitSlice(clock, deadline, grace);
    return msgwin::WaitForMessages(msgwin::MessageQueue::ForCurrentThread(), msgwin::WM_USER, msgwin::WM_USER_LAST,
                                   clock, deadline, grace);
}
