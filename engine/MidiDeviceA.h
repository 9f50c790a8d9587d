#pragma once
// The intermediate device classes. An input device's Pump runs the
// transfer's pump on the calling thread's message queue: timer messages
// dropped, paints handled, then the MIDI notifications (WM_USER to
// WM_USER + 255).
#include "engine/MidiDevice.h"

class CMidiInDeviceA : public COruMidiInDevice {
public:
    using COruMidiInDevice::COruMidiInDevice;
    void Pump() override;
};

class CMidiOutDeviceA : public COruMidiOutDevice {
public:
    using COruMidiOutDevice::COruMidiOutDevice;
};
