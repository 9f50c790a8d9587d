#include "engine/MidiDeviceList.h"

COruMidiInDevices& GetMidiInDevices()
{
    static COruMidiInDevices devices;
    return devices;
}

COruMidiOutDevices& GetMidiOutDevices()
{
    static COruMidiOutDevices devices;
    return devices;
}
