#pragma once
// The simulated unit of --simulator: the device pair "ZM-47 Simulator" is
// offered as a MIDI device for as long as this object lives, and it is bound
// to the unit's ports at start-up when the user has not chosen devices yet,
// so that the first read fills the main window without hardware.
#include "sim/VirtualSimulator.h"

#include <memory>
#include <string>

class COruMidiSetup;
namespace GT {
class IProfile;
}

class CStartUpSimulator {
public:
    CStartUpSimulator();
    ~CStartUpSimulator();
    CStartUpSimulator(const CStartUpSimulator&) = delete;
    CStartUpSimulator& operator=(const CStartUpSimulator&) = delete;

    // Keeps the unit's memory in the file. False, with "The file could not be
    // loaded." shown, when it exists and cannot be read: the unit then keeps
    // its factory patches and the file is left alone.
    bool UseMemoryFile(const std::string& path);

    // After the device selection was loaded: when the profile names no device
    // for the unit's ports, binds the simulated unit to both in setup and
    // opens it. True when it was bound.
    bool BindIfNothingChosen(COruMidiSetup& setup, GT::IProfile& profile, const char* unitName);

    sim::CVirtualSimulator& Simulator() { return *simulator_; }

private:
    std::unique_ptr<sim::CVirtualSimulator> simulator_;
};
