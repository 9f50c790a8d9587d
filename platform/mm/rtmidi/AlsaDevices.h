#pragma once
// The ports of the ALSA sequencer as devices of the backend.
#include "platform/mm/Device.h"

#include <memory>
#include <string>
#include <vector>

namespace mm {

// Index of the occurrence-th port (from 0) whose clean name is name in a
// list of raw port names, this program's own ports skipped; -1 when there
// is none.
int FindAlsaPort(const std::vector<std::string>& rawNames, const std::string& name, int occurrence);

// Appends a device for every port of rawNames that is not this program's,
// twins under names of their own.
void AddAlsaInputs(const std::vector<std::string>& rawNames, std::vector<std::shared_ptr<InputDevice>>& devices);
void AddAlsaOutputs(const std::vector<std::string>& rawNames, std::vector<std::shared_ptr<OutputDevice>>& devices);

} // namespace mm
