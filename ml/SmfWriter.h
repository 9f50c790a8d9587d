#pragma once
// Builds a Standard MIDI File chunk by chunk: the header, tracks of SysEx and
// meta events, each track closed with its end-of-track event and its length.
// Where the bytes go is the derived class's business (WriteAt). Every
// operation returns false when a write fell short or the call does not fit
// the file built so far (an event outside a track, a value too large for its
// field); the file is then unusable and the caller stops.
#include "ml/Smf.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace ML {

class CSmfWriter : public CSmf {
public:
    // Resets track count and position and writes the header (format 0,
    // 0 tracks, division 96) at position 0.
    bool Begin();
    // Remembers where the track starts and writes its header with length 0.
    bool BeginTrack();
    // delta, F0, the message length less one, the bytes after the leading F0.
    // The message must begin with F0.
    bool AddSysEx(std::uint32_t delta, std::span<const std::uint8_t> message);
    // delta, FF, type, length, bytes.
    bool AddMeta(std::uint32_t delta, std::uint8_t type, std::span<const std::uint8_t> bytes);
    // Appends the end-of-track event and rewrites the track header with the
    // track's length; counts the track.
    bool EndTrack();
    // Rewrites the header with the tracks written; format 1 for more than
    // one track, else 0.
    bool Finish();

    // Stores bytes at position; returns how many were stored.
    virtual std::size_t WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) = 0;

private:
    bool Append(std::span<const std::uint8_t> bytes);
    bool WriteAll(std::size_t position, std::span<const std::uint8_t> bytes);
    bool AppendEventStart(std::uint32_t delta, std::uint8_t status);
    bool AppendVariableLength(std::uint32_t value);
    bool WriteHeader(std::uint16_t format, std::uint16_t tracks);

    std::size_t trackStart_ = 0;
    bool began_ = false;
    bool inTrack_ = false;
};

} // namespace ML
