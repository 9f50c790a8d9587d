#include "engine/MidiManager.h"

#include "engine/EngineTextOut.h"
#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "ml/UnitIdentity.h"

namespace {

// Reports the attributes a port did not understand: its name, then each
// attribute name followed by a comma and a blank, then a line feed.
void ReportLeftAttributes(const std::string& portName, const OruAttributes& left) {
    auto& out = GetDefinitionErrorOut();
    out.Printf("Midi %s unknown tags. : ", portName.c_str());
    for (const auto& attribute : left)
        out.Printf("%s, ", attribute.first.c_str());
    out.Printf("\n");
}

template <typename Port>
bool ConvertDefinitions(const std::vector<COruElementDefinition>& definitions, std::vector<Port>& ports,
                        const char* failureFormat) {
    ports.resize(definitions.size());
    for (std::size_t j = 0; j < definitions.size(); ++j) {
        OruAttributes attributes = definitions[j].attributes;
        if (!ports[j].ParseAttributes(attributes)) {
            GetDefinitionErrorOut().Printf(failureFormat, definitions[j].name.c_str());
            return false;
        }
        if (!attributes.empty()) {
            ReportLeftAttributes(ports[j].name, attributes);
            return false;
        }
    }
    return true;
}

template <typename Port>
bool ResolvePorts(std::vector<Port>& ports, const char* failureFormat) {
    for (auto& port : ports) {
        if (!port.Resolve()) {
            GetDefinitionErrorOut().Printf(failureFormat, port.name.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

bool COruMidiManager::Initialize() {
    return ConvertDefinitions(inputDefinitions, GetMidiInputs(),
                              "Unable to convert element definitions %s to MIDI input.\n") &&
           ConvertDefinitions(outputDefinitions, GetMidiOutputs(),
                              "Unable to convert element definitions %s to MIDI output.\n") &&
           ResolvePorts(GetMidiInputs(), "Unable to create MIDI input %s.\n") &&
           ResolvePorts(GetMidiOutputs(), "Unable to create MIDI output %s.\n");
}

void COruMidiManager::Shutdown() {
    inputDefinitions.clear();
    outputDefinitions.clear();
    GetMidiInputs().clear();
    GetMidiOutputs().clear();
    GetMidiSetup().ReleaseAll();
}

COruMidiManager& GetMidiManager() {
    static COruMidiManager manager;
    return manager;
}

bool ConfigureEnginePorts(const char* unitName) {
    if (!GetMidiManager().Initialize())
        return false;
    GetMidiSetup().ReleaseAll();
    auto& inputs = GetMidiInputs();
    auto& outputs = GetMidiOutputs();
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
