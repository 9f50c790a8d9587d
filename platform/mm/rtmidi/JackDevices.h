#pragma once
// The MIDI ports of a running JACK server as devices of the backend.
#include "platform/mm/Device.h"

#include <memory>
#include <string>
#include <vector>

namespace mm {

// Appends a device for every port of fullNames ("client:port") that is not
// this program's. Inputs are the server's sending ports, outputs its
// receiving ones.
void AddJackInputs(const std::vector<std::string>& fullNames, std::vector<std::shared_ptr<InputDevice>>& devices);
void AddJackOutputs(const std::vector<std::string>& fullNames, std::vector<std::shared_ptr<OutputDevice>>& devices);

} // namespace mm
