#include "engine/MidiEngine.h"

#include "ml/UnitIdentity.h"

CMidiEngine::CMidiEngine()
    : setup(ports, factory, router, transientText), manager(ports, setup, structs, definitionErrors) {}

CMidiEngine::~CMidiEngine() { Shutdown(); }

bool CMidiEngine::ConfigurePorts(const char* unitName) {
    if (!manager.Initialize())
        return false;
    setup.ReleaseAll();
    auto& inputs = ports.inputs;
    auto& outputs = ports.outputs;
    // Default ports in place: at start-up the lists are empty, and a second
    // configuration (tests, tools) starts from the same defaults.
    inputs.assign(2, COruMidiIn());
    outputs.assign(2, COruMidiOut());
    const std::vector<std::uint8_t> modelId(ML::kModelId.begin(), ML::kModelId.end());
    inputs[0].modelId = modelId;
    inputs[0].name = unitName;
    outputs[0].modelId = modelId;
    outputs[0].name = unitName;
    inputs[1].throughOutput = &outputs[1];
    return true;
}

void CMidiEngine::Shutdown() {
    setup.ReleaseAll();
    factory.Terminate();
    manager.Shutdown();
}
