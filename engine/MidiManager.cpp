#include "engine/MidiManager.h"

#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "toolkit/core/TextOut.h"

namespace {

// Reports the attributes a port did not understand: its name, then each
// attribute name followed by a comma and a blank, then a line feed.
void ReportLeftAttributes(GT::ATextOut& out, const std::string& portName, const OruAttributes& left) {
    out.Printf("Midi %s unknown tags. : ", portName.c_str());
    for (const auto& attribute : left)
        out.Printf("%s, ", attribute.first.c_str());
    out.Printf("\n");
}

template <typename Port>
bool ConvertDefinitions(GT::ATextOut& out, const std::vector<COruElementDefinition>& definitions,
                        std::vector<Port>& ports, const char* failureFormat) {
    ports.resize(definitions.size());
    for (std::size_t j = 0; j < definitions.size(); ++j) {
        OruAttributes attributes = definitions[j].attributes;
        if (!ports[j].ParseAttributes(attributes, out)) {
            out.Printf(failureFormat, definitions[j].name.c_str());
            return false;
        }
        if (!attributes.empty()) {
            ReportLeftAttributes(out, ports[j].name, attributes);
            return false;
        }
    }
    return true;
}

template <typename Port>
bool ResolvePorts(const SPortLookUp& lookUp, std::vector<Port>& ports, const char* failureFormat) {
    for (auto& port : ports) {
        if (!port.Resolve(lookUp)) {
            lookUp.errors.Printf(failureFormat, port.name.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

bool COruMidiManager::Initialize() {
    const SPortLookUp lookUp{*structs_, *ports_, *errors_};
    return ConvertDefinitions(*errors_, inputDefinitions, ports_->inputs,
                              "Unable to convert element definitions %s to MIDI input.\n") &&
           ConvertDefinitions(*errors_, outputDefinitions, ports_->outputs,
                              "Unable to convert element definitions %s to MIDI output.\n") &&
           ResolvePorts(lookUp, ports_->inputs, "Unable to create MIDI input %s.\n") &&
           ResolvePorts(lookUp, ports_->outputs, "Unable to create MIDI output %s.\n");
}

void COruMidiManager::Shutdown() {
    inputDefinitions.clear();
    outputDefinitions.clear();
    ports_->inputs.clear();
    ports_->outputs.clear();
    setup_->ReleaseAll();
}
