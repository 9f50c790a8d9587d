#pragma once
// The product names of the MIDI devices present, in device index order;
// devices whose capabilities cannot be read are left out.
#include <string>
#include <vector>

namespace ML {

std::vector<std::string> GetInputDeviceNames();
std::vector<std::string> GetOutputDeviceNames();

} // namespace ML
