#include "app/main/StartUpSimulator.h"

#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "toolkit/profile/Profile.h"

namespace {

// The profile entries of the unit's device choice (input 0 and output 0).
constexpr const char* kInputDevicePath = "MIDIConnection/MIDIInDevice0";
constexpr const char* kOutputDevicePath = "MIDIConnection/MIDIOutDevice0";
constexpr const char* kMissing = "\x01";

bool IsStored(GT::IProfile& profile, const char* path) { return profile.GetString(path, kMissing) != kMissing; }

} // namespace

CStartUpSimulator::CStartUpSimulator() : simulator_(std::make_unique<sim::CVirtualSimulator>()) {}

// Unplugs the device pair and saves the memory file when it changed; the
// engine has released its devices by then.
CStartUpSimulator::~CStartUpSimulator() = default;

bool CStartUpSimulator::UseMemoryFile(const std::string& path) { return simulator_->Unit().UseMemoryFile(path); }

bool CStartUpSimulator::BindIfNothingChosen(COruMidiSetup& setup, GT::IProfile& profile, const char* unitName) {
    if (IsStored(profile, kInputDevicePath) || IsStored(profile, kOutputDevicePath))
        return false;
    auto& inputs = setup.Ports().inputs;
    auto& outputs = setup.Ports().outputs;
    if (inputs.empty() || outputs.empty())
        return false;
    const std::string name(sim::kSimulatorDeviceName);
    setup.ConfigureInput(unitName, name, inputs[0].deviceId);
    setup.ConfigureOutput(unitName, name, outputs[0].deviceId);
    setup.State().SetQuiet(setup.OpenAll());
    return true;
}
