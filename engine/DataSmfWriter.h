#pragma once
// A Standard MIDI File writer that is also an output device: a logical
// output that sends to it appends every system-exclusive message as a SysEx
// event, spaced as the MIDI wire and the device write's pause would space
// them. The file grows in memory.
#include "engine/MidiDevice.h"
#include "ml/SmfWriter.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class COruDataSmfWriter : public ML::CSmfWriter, public COruMidiOutDevice {
public:
    COruDataSmfWriter();

    // Stores the bytes at position; the buffer grows to position + length.
    std::size_t WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) override;
    // A system-exclusive message becomes a SysEx event with the next delta
    // (0 for the first); the delta after it follows from its length. Other
    // messages have no place in a file of data sets and are ignored. False
    // when the event could not be added.
    bool Send(std::span<const std::uint8_t> bytes) override;

    // Empties the file, the next delta becomes 0 and earlier failures are
    // forgotten.
    void ResetFile();
    const std::vector<std::uint8_t>& GetFileBytes() const { return file_; }
    // True when an event could not be added since ResetFile.
    bool SendFailed() const { return sendFailed_; }
    std::uint32_t GetNextDelta() const { return nextDelta_; }

private:
    std::vector<std::uint8_t> file_;
    std::uint32_t nextDelta_ = 0;
    bool sendFailed_ = false;
};
