// devices, detect and sim: what MIDI devices there are, which of them lead to
// a unit, and the simulated unit on the system's MIDI ports.
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "engine/MidiDeviceFactory.h"
#include "engine/UnitFinder.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "sim/PortSimulator.h"
#include "sim/VirtualSimulator.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace cli {

int Devices(const Arguments& arguments) {
    // With --simulator the simulated unit's pair is listed too.
    std::unique_ptr<sim::CVirtualSimulator> simulator;
    if (arguments.devices.simulator)
        simulator = std::make_unique<sim::CVirtualSimulator>();
    CNormalMidiDeviceFactory factory;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    factory.ListInputDeviceNames(inputs);
    factory.ListOutputDeviceNames(outputs);
    for (const std::string& name : inputs)
        std::printf("in: %s\n", name.c_str());
    for (const std::string& name : outputs)
        std::printf("out: %s\n", name.c_str());
    return kExitOk;
}

int Detect(const Arguments& arguments) {
    // With --simulator the in-process simulated unit is plugged in, and found
    // among the system's ports like any other.
    std::unique_ptr<sim::CVirtualSimulator> simulator;
    if (arguments.devices.simulator)
        simulator = std::make_unique<sim::CVirtualSimulator>();
    CInterruptGuard guard;
    CUnitFinder finder;
    finder.SetStopCheck(&StopRequested);
    const std::vector<SFoundUnit> found = finder.Find();
    if (StopRequested())
        return kExitFailure;
    if (found.empty()) {
        ShowMessage(finder.InputsOpened() == 0 || finder.OutputsOpened() == 0 ? kMsgNoMidiPorts : kMsgNoUnitFound);
        return kExitFailure;
    }
    // The device id as the unit's setup and --device-id show it.
    for (const SFoundUnit& unit : found)
        std::printf("in:\t%s\nout:\t%s\ndevice id:\t%d\n", unit.input.c_str(), unit.output.c_str(), unit.deviceId + 1);
    return kExitOk;
}

int RunSimulator(const Arguments& arguments) {
    const std::string portName =
        arguments.portName.empty() ? std::string(sim::kSimulatorDeviceName) : arguments.portName;
    sim::CPortSimulator simulator;
    sim::CSimulatedUnit& unit = simulator.Unit();
    unit.SetDeviceId(arguments.devices.deviceId);
    if (!arguments.devices.simMemory.empty() && !unit.UseMemoryFile(arguments.devices.simMemory))
        return kExitFailure; // the reason is already on stderr
    if (arguments.wireSpeed) {
        sim::UnitFaults timing = unit.Faults();
        timing.wireSpeed = true;
        unit.SetFaults(timing);
    }
    const sim::PortSystem system = arguments.api == "jack"   ? sim::PortSystem::Jack
                                   : arguments.api == "alsa" ? sim::PortSystem::Alsa
                                                             : sim::PortSystem::Automatic;
    std::string error;
    if (!simulator.Open(portName, system, error)) {
        PrintError(error);
        return kExitFailure;
    }
    CInterruptGuard guard;
    if (simulator.System() == sim::PortSystem::Jack)
        std::fprintf(stderr,
                     "zm47-cli: the simulated unit answers on the JACK ports \"%s In:in\" and \"%s Out:out\" as "
                     "device id %d; Ctrl-C ends\n",
                     portName.c_str(), portName.c_str(), arguments.devices.deviceId + 1);
    else
        std::fprintf(stderr,
                     "zm47-cli: the simulated unit answers on the MIDI ports \"%s\" as device id %d; Ctrl-C ends\n",
                     portName.c_str(), arguments.devices.deviceId + 1);
    while (!StopRequested()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (!unit.SaveIfChanged())
            return kExitFailure;
        if (simulator.Lost()) {
            // Its ports went with the server; nobody could reach the unit.
            std::fprintf(stderr, "zm47-cli: the JACK server has gone, and the simulated unit's ports with it; "
                                 "the simulated unit ends\n");
            return kExitFailure;
        }
    }
    std::fprintf(stderr, "zm47-cli: %d identity requests, %d data requests, %d data sets stored\n",
                 unit.IdentityRequests(), unit.DataRequests(), unit.DataSetsStored());
    return unit.SaveIfChanged() ? kExitOk : kExitFailure;
}

} // namespace cli
