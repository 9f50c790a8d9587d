#include "ml/DeviceNames.h"

#include "ml/MMReporter.h"
#include "platform/mm/MMSystem.h"

namespace ML {

std::vector<std::string> GetInputDeviceNames()
{
    std::vector<std::string> names;
    const mm::UINT count = mm::midiInGetNumDevs();
    for (mm::UINT i = 0; i < count; ++i) {
        mm::MIDIINCAPSA caps;
        if (InputReporter().Report(mm::midiInGetDevCapsA(i, &caps, sizeof caps))) names.emplace_back(caps.szPname);
    }
    return names;
}

std::vector<std::string> GetOutputDeviceNames()
{
    std::vector<std::string> names;
    const mm::UINT count = mm::midiOutGetNumDevs();
    for (mm::UINT i = 0; i < count; ++i) {
        mm::MIDIOUTCAPSA caps;
        if (OutputReporter().Report(mm::midiOutGetDevCapsA(i, &caps, sizeof caps))) names.emplace_back(caps.szPname);
    }
    return names;
}

} // namespace ML
