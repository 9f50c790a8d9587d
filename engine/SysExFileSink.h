#pragma once
// An output device that is a raw system-exclusive file in memory: a logical
// output that sends to it appends each system-exclusive message as it stands,
// F0 to F7, without any framing or timing.
#include "engine/MidiDevice.h"
#include "ml/LongMessage.h"

#include <cstdint>
#include <span>
#include <vector>

class CSysExFileSink : public COruMidiOutDevice {
public:
    CSysExFileSink() : COruMidiOutDevice("SysEx file") {}

    // Anything but a whole system-exclusive message has no place in the
    // file and is refused.
    bool Send(std::span<const std::uint8_t> bytes) override {
        if (!ML::IsSystemExclusive(bytes))
            return false;
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }

    void Reset() { bytes_.clear(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};
