#pragma once
// The MIDI engine of one program run: its two text outputs, the struct
// registry, the device factory, the plug-in router, the logical ports, the
// setup that binds them to devices and the manager that builds them. The
// window program's start-up, the command-line tool's session, a test or a
// benchmark makes one and hands its parts to what uses them; nothing reaches
// it through a global.
#include "engine/EngineTextOut.h"
#include "engine/MidiDeviceFactory.h"
#include "engine/MidiManager.h"
#include "engine/MidiPluginRouter.h"
#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "engine/StructRegistry.h"

class CMidiEngine {
public:
    CMidiEngine();
    // Shutdown, then the parts in the reverse of their order below.
    ~CMidiEngine();
    CMidiEngine(const CMidiEngine&) = delete;
    CMidiEngine& operator=(const CMidiEngine&) = delete;

    // The start-up configuration of the ports, shared by the window program,
    // the command-line tool and the tests: Initialize, release every device,
    // two inputs and two outputs, input 0 and output 0 named unitName with
    // the model id 00 00 45, and input 1 forwarding to output 1 (the
    // "Through" pair). False when Initialize failed.
    bool ConfigurePorts(const char* unitName = "ZM-47");
    // The engine's part of the exit order, after the reader and writer are
    // gone: every device (ReleaseAll), the device factory (Terminate), the
    // ports (the manager's Shutdown). The engine can be configured again.
    void Shutdown();

    // Where the manager reports definitions it cannot convert.
    CEngineTextOut definitionErrors;
    // Where the connection state is reported ("MIDI connect error.").
    CEngineTextOut transientText;
    COruStructRegistry structs;
    CNormalMidiDeviceFactory factory;
    COruMidiPluginRouter router;
    CMidiPorts ports;
    COruMidiSetup setup;
    COruMidiManager manager;
};
