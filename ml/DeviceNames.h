#pragma once
// The product names of the MIDI devices present, in device index order;
// devices whose capabilities cannot be read are left out (and reported).
#include <string>
#include <vector>

namespace ML {

std::vector<std::string> GetInputDeviceNames();
std::vector<std::string> GetOutputDeviceNames();

// The lowest device index whose product name is exactly name; -1 for none.
int FindInputDevice(const std::string& name);
int FindOutputDevice(const std::string& name);

} // namespace ML
