#pragma once
// The simulated unit as the system sees a connected unit: the virtual device
// pair "ZM-47 Simulator", plugged in for as long as this object lives. What a
// port sends to the output device goes to the unit; the unit's replies come
// in through the input device.
#include "platform/mm/virtual/VirtualDevices.h"
#include "sim/SimulatedUnit.h"
#include "sim/UnitFaults.h"

namespace sim {

class CVirtualSimulator {
public:
    CVirtualSimulator();
    ~CVirtualSimulator();
    CVirtualSimulator(const CVirtualSimulator&) = delete;
    CVirtualSimulator& operator=(const CVirtualSimulator&) = delete;

    CSimulatedUnit& Unit() { return unit_; }
    const CSimulatedUnit& Unit() const { return unit_; }
    mm::VirtualDevicePair& Devices() { return devices_; }

    // Sets the unit's faults; wire speed also holds each request for its wire
    // time before the unit sees it. Use this rather than Unit().SetFaults.
    void SetFaults(const UnitFaults& faults);

private:
    mm::VirtualDevicePair devices_; // first: outlives the unit's reply thread
    CSimulatedUnit unit_;
};

} // namespace sim
