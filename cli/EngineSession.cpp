#include "cli/EngineSession.h"

#include "app/core/LibrarianState.h"
#include "app/core/TransferObjects.h"
#include "cli/Commands.h"

#include <string>

namespace cli {

namespace {

constexpr const char* kUnitName = "ZM-47";

} // namespace

CEngineSession::~CEngineSession() {
    if (started_) {
        // The program's exit order: reader and writer, devices, factory,
        // manager.
        engine_.ports.inputs[0].receiver = nullptr;
        ShutdownEngine(state_, engine_);
    }
    simulator_.reset(); // saves its memory file when it changed
}

bool CEngineSession::Start(const DeviceChoice& choice) {
    if (choice.simulator && !StartSimulator(choice))
        return false;
    if (!engine_.ConfigurePorts(kUnitName)) {
        PrintError("Unable to create MIDI manager.");
        return false;
    }
    started_ = true;
    engine_.factory.SetDeviceClock(clock_);
    engine_.factory.Initialize();
    if (!CreateTransferObjects(state_, nullptr, clock_)) {
        PrintError("Unable to create MIDI manager.");
        return false;
    }
    return BindAndOpen(choice);
}

bool CEngineSession::StartSimulator(const DeviceChoice& choice) {
    simulator_ = std::make_unique<sim::CVirtualSimulator>();
    // The simulated unit is set up with the id the user chose, as a real
    // unit would have to be.
    simulator_->Unit().SetDeviceId(choice.deviceId);
    if (choice.simCorruptStore != 0 || choice.simSilentFrom != 0) {
        sim::UnitFaults faults;
        faults.corruptStore = choice.simCorruptStore;
        // A failed memory cell, so that sending the patch again cannot mend it.
        faults.corruptStays = true;
        faults.dropReply = choice.simSilentFrom;
        faults.dropCount = choice.simSilentFrom != 0 ? 1000000 : 1;
        simulator_->Unit().SetFaults(faults);
    }
    return choice.simMemory.empty() || simulator_->Unit().UseMemoryFile(choice.simMemory);
}

bool CEngineSession::BindAndOpen(const DeviceChoice& choice) {
    const std::string simulatorName(sim::kSimulatorDeviceName);
    const std::string& input = choice.simulator ? simulatorName : choice.input;
    const std::string& output = choice.simulator ? simulatorName : choice.output;
    COruMidiSetup& setup = engine_.setup;
    // Without a device a port stays unbound and a transfer says the devices
    // are not set up, as the program does.
    if (!input.empty())
        setup.ConfigureInput(kUnitName, input, choice.deviceId);
    if (!output.empty())
        setup.ConfigureOutput(kUnitName, output, choice.deviceId);
    const bool opened = setup.OpenAll();
    setup.State().SetQuiet(opened);
    if (opened)
        return true;
    if (!input.empty() && !setup.DeviceOf(engine_.ports.inputs[0])->IsOpen())
        PrintError("cannot open the MIDI input \"" + input + "\" (zm47-cli devices lists the devices)");
    if (!output.empty() && !setup.DeviceOf(engine_.ports.outputs[0])->IsOpen())
        PrintError("cannot open the MIDI output \"" + output + "\" (zm47-cli devices lists the devices)");
    return false;
}

AReader& CEngineSession::Reader() { return *state_.GetReader(); }

CWriter& CEngineSession::Writer() { return *state_.GetWriter(); }

} // namespace cli
