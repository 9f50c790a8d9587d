#pragma once
// The MIDI manager: builds the logical ports from element definitions and
// tears everything down at the end of the run.
#include "engine/ElementDefinition.h"

#include <vector>

class COruMidiManager {
public:
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
};

// Created on first use.
COruMidiManager& GetMidiManager();

// The start-up configuration of the ports, shared by the window program, the
// command-line tool and the tests: Initialize, release every device, two
// inputs and two outputs, input 0 and output 0 named unitName with the model
// id 00 00 45, and input 1 forwarding to output 1 (the "Through" pair).
// False when Initialize failed.
bool ConfigureEnginePorts(const char* unitName = "ZM-47");
