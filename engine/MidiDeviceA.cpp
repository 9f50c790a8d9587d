#include "engine/MidiDeviceA.h"

#include "platform/msgwin/MessageQueue.h"

void CMidiInDeviceA::Pump() { msgwin::MessageQueue::ForCurrentThread().Pump(); }
