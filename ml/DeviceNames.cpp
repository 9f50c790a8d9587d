#include "ml/DeviceNames.h"

#include "ml/MMReporter.h"
#include "platform/mm/MMSystem.h"

namespace ML {
namespace {

// Calls visit(index, name) for each device in index order whose
// capabilities can be read, until visit answers true; returns that index,
// or -1 when it never did.
template <class Caps, class GetCaps, class Visit>
int VisitDevices(mm::UINT count, GetCaps getCaps, AMMReporter& reporter, Visit visit) {
    for (mm::UINT i = 0; i < count; ++i) {
        Caps caps;
        if (reporter.Report(getCaps(i, &caps, sizeof caps)) && visit(caps.szPname))
            return static_cast<int>(i);
    }
    return -1;
}

int VisitInputs(const auto& visit) {
    return VisitDevices<mm::MIDIINCAPSA>(mm::midiInGetNumDevs(), mm::midiInGetDevCapsA, InputReporter(), visit);
}

int VisitOutputs(const auto& visit) {
    return VisitDevices<mm::MIDIOUTCAPSA>(mm::midiOutGetNumDevs(), mm::midiOutGetDevCapsA, OutputReporter(), visit);
}

} // namespace

std::vector<std::string> GetInputDeviceNames() {
    std::vector<std::string> names;
    VisitInputs([&](const char* name) {
        names.emplace_back(name);
        return false;
    });
    return names;
}

std::vector<std::string> GetOutputDeviceNames() {
    std::vector<std::string> names;
    VisitOutputs([&](const char* name) {
        names.emplace_back(name);
        return false;
    });
    return names;
}

int FindInputDevice(const std::string& name) {
    return VisitInputs([&](const char* found) { return name == found; });
}

int FindOutputDevice(const std::string& name) {
    return VisitOutputs([&](const char* found) { return name == found; });
}

} // namespace ML
