#pragma once
// Reads a Standard MIDI File of any format event by event and hands the
// events to hooks that a derived class overrides. Where the bytes come from is
// the derived class's business (Read). Tracks end at their end-of-track
// event; the length fields are never trusted, and nothing is allocated ahead
// of bytes that have actually been read.
#include "ml/LongMessage.h"
#include "ml/ShortMessage.h"
#include "ml/Smf.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ML {

class CSmfReader : public CSmf {
public:
    // Parses from position 0. False when the file is not an SMF, a read falls
    // short (truncated data, a track without end-of-track), a variable-length
    // quantity runs past four bytes, or a hook returns false. SysEx events
    // that are not well-formed system-exclusive messages are dropped and
    // reading goes on.
    bool ParseSmf();

    // The hooks; each returns true to go on. The base accepts everything.
    virtual bool OnHeader(const Header& header);
    virtual bool OnTrack(const TrackHeader& trackHeader, std::size_t trackIndex);
    virtual bool OnChannelMessage(std::uint32_t delta, const CShortMessage& message);
    virtual bool OnSysEx(std::uint32_t delta, const CLongMessage& message);
    virtual bool OnMeta(std::uint32_t delta, const Meta& meta);

    // Copies up to out.size() bytes from position into out; returns how many
    // were copied (fewer at the end of the data, 0 at or past it).
    virtual std::size_t Read(std::span<std::uint8_t> out, std::size_t position) = 0;

private:
    bool ReadExact(std::span<std::uint8_t> out);
    bool ReadByte(std::uint8_t& byte);
    bool ReadVariableLength(std::uint32_t& value);
    // Fills payload_ with prefix (if any) and then length bytes of the file.
    bool ReadPayload(std::uint32_t length, std::span<const std::uint8_t> prefix);
    bool ParseHeader();
    bool ParseTrack(std::size_t trackIndex);
    bool ParseEvent(bool& endOfTrack);
    bool ParseSysEx(std::uint32_t delta, std::uint8_t status);
    bool ParseMeta(std::uint32_t delta, bool& endOfTrack);
    bool ParseChannelMessage(std::uint32_t delta, std::uint8_t status, std::uint8_t data1);

    std::vector<std::uint8_t> payload_;
    CLongMessage sysEx_;
    std::uint8_t runningStatus_ = 0;
};

} // namespace ML
