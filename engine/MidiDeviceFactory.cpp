#include "engine/MidiDeviceFactory.h"

#include "engine/MidiInDevice.h"
#include "engine/MidiOutDevice.h"
#include "ml/DeviceNames.h"

void CNormalMidiDeviceFactory::ListInputDeviceNames(std::vector<std::string>& names) {
    names = ML::GetInputDeviceNames();
}

void CNormalMidiDeviceFactory::ListOutputDeviceNames(std::vector<std::string>& names) {
    names = ML::GetOutputDeviceNames();
}

std::unique_ptr<COruMidiInDevice> CNormalMidiDeviceFactory::CreateInputDevice(const std::string& name) {
    return std::make_unique<CMidiInDevice>(name, *clock_);
}

std::unique_ptr<COruMidiOutDevice> CNormalMidiDeviceFactory::CreateOutputDevice(const std::string& name,
                                                                                COruMidiSetup& setup) {
    return std::make_unique<CMidiOutDevice>(name, setup, *clock_);
}
