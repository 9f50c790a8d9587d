#pragma once
// The MIDI ports of a running JACK server as devices of the backend.
#include "platform/mm/Device.h"

#include <memory>
#include <string>
#include <vector>

namespace mm {

// Appends a device for every port of fullNames ("client:port") that is not
// this program's. Inputs are the server's sending ports, outputs its
// receiving ones. An output that is not among physicalNames (a port of
// another program) declares MIDICAPS_SELFPACED: the server hands it each
// message whole in its next period, and no cable's rate needs imitating.
// A physical port may lead to a cable, which the port still paces for.
void AddJackInputs(const std::vector<std::string>& fullNames, std::vector<std::shared_ptr<InputDevice>>& devices);
void AddJackOutputs(const std::vector<std::string>& fullNames, const std::vector<std::string>& physicalNames,
                    std::vector<std::shared_ptr<OutputDevice>>& devices);

} // namespace mm
