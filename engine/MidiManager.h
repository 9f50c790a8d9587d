#pragma once
// The MIDI manager: builds the logical ports from element definitions and
// tears them down at the end of the run.
#include "engine/ElementDefinition.h"

#include <vector>

class CMidiPorts;
class COruMidiSetup;
class COruStructRegistry;
namespace GT {
class ATextOut;
}

class COruMidiManager {
public:
    // The engine's ports it builds, the setup whose devices it releases, the
    // registry the names are looked up in and the output failures are
    // reported to (none owned).
    COruMidiManager(CMidiPorts& ports, COruMidiSetup& setup, const COruStructRegistry& structs, GT::ATextOut& errors)
        : ports_(&ports), setup_(&setup), structs_(&structs), errors_(&errors) {}

    // Builds one input per input definition and one output per output
    // definition, then resolves their names. Reports the first failure to
    // the definition-error output and returns false; ports converted so far
    // stay. With no definitions it creates no ports and returns true.
    bool Initialize();
    // Empties both definition lists, destroys every port, then deletes every
    // physical device. Call after the devices have been released.
    void Shutdown();

    std::vector<COruElementDefinition> inputDefinitions;
    std::vector<COruElementDefinition> outputDefinitions;

private:
    CMidiPorts* ports_;                 // not owned
    COruMidiSetup* setup_;              // not owned
    const COruStructRegistry* structs_; // not owned
    GT::ATextOut* errors_;              // not owned
};
