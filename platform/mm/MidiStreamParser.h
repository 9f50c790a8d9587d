#pragma once
// Splits a MIDI byte stream as it comes off the wire into messages: running
// status, system common and real-time messages (real-time bytes may appear
// inside any other message), system exclusive ended by 0xF7 or by the next
// status. Stray data bytes and undefined status bytes are errors.
#include "platform/mm/MidiReceiver.h"

#include <cstdint>
#include <span>

namespace mm {

// The length of the short message that starts with status (1 to 3), or 0
// when status does not start a short message (data bytes, 0xF0, 0xF4, 0xF5,
// 0xF7).
int ShortMessageLength(std::uint8_t status);

class MidiStreamParser {
public:
    void Feed(std::span<const std::uint8_t> bytes, MidiReceiver& receiver);
    // Forgets any message in progress.
    void Reset();

private:
    void Status(std::uint8_t byte, MidiReceiver& receiver);
    void Data(std::uint8_t byte, MidiReceiver& receiver);

    std::uint8_t running_ = 0; // status of the message being collected
    std::uint8_t data_[2] = {};
    int have_ = 0; // data bytes collected
    bool inSysEx_ = false;
};

} // namespace mm
