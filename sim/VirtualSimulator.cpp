#include "sim/VirtualSimulator.h"

#include <string>

namespace sim {

CVirtualSimulator::CVirtualSimulator()
    : devices_(std::string(kSimulatorDeviceName)),
      unit_([this](std::span<const std::uint8_t> bytes) { return devices_.input.Send(bytes); }) {
    // Connected only now that the unit exists.
    devices_.output.SetHandler([this](std::span<const std::uint8_t> bytes) { unit_.Receive(bytes); });
}

CVirtualSimulator::~CVirtualSimulator() {
    // No message may reach the unit while it is taken down.
    devices_.output.SetHandler({});
}

void CVirtualSimulator::SetFaults(const UnitFaults& faults) {
    devices_.output.SetWireSpeed(faults.wireSpeed);
    unit_.SetFaults(faults);
}

} // namespace sim
