#pragma once
// What receives MIDI as a device delivers it: whole short messages, the bytes
// of a system-exclusive message in as many pieces as they arrive, and
// invalid bytes.
#include "platform/mm/MMSystem.h"

#include <cstdint>
#include <span>

namespace mm {

class MidiReceiver {
public:
    virtual ~MidiReceiver() = default;
    // status | data1 << 8 | data2 << 16
    virtual void ReceiveShort(DWORD packed) = 0;
    // The next bytes of the current system-exclusive message; the first piece
    // begins with 0xF0.
    virtual void ReceiveSysEx(std::span<const std::uint8_t> bytes) = 0;
    // The message ended: with 0xF7 (complete) or cut short by another status.
    virtual void EndSysEx(bool complete) = 0;
    virtual void ReceiveError(std::uint8_t byte) = 0;
};

} // namespace mm
