#pragma once
// Standard MIDI File chunks: what the writer and the reader share. All
// multi-byte chunk fields are big-endian; delta times and event lengths are
// variable-length quantities of at most four bytes (7 bits per byte, most
// significant group first, bit 7 set on every byte but the last).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ML {

class CSmf {
public:
    // "MThd", length 6, format, track count, division.
    struct Header {
        std::uint32_t length = 0;
        std::uint16_t format = 0;
        std::uint16_t trackCount = 0;
        std::uint16_t division = 0;
    };
    // "MTrk" and the length of the track data that follows.
    struct TrackHeader {
        std::uint32_t length = 0;
    };
    // A meta event: its type and its bytes (valid during the call only).
    struct Meta {
        std::uint8_t type = 0;
        std::span<const std::uint8_t> bytes;
    };

    static constexpr std::size_t kHeaderSize = 14;
    static constexpr std::size_t kTrackHeaderSize = 8;
    static constexpr std::uint16_t kDivision = 96;
    static constexpr std::uint8_t kEndOfTrack = 0x2F;
    // The largest value four bytes of variable-length quantity can hold.
    static constexpr std::uint32_t kMaxVariableLength = 0x0FFFFFFF;

    virtual ~CSmf() = default;

    // Tracks written so far (writer) or announced by the header (reader).
    std::size_t GetTrackCount() const { return trackCount_; }
    // The file position the next write or read uses.
    std::size_t GetPosition() const { return position_; }

protected:
    std::size_t trackCount_ = 0;
    std::size_t position_ = 0;
};

// Writes value as a variable-length quantity, leading zero groups left out;
// returns the number of bytes used, or 0 when value exceeds four bytes.
std::size_t EncodeVariableLength(std::uint32_t value, std::span<std::uint8_t, 4> out);

} // namespace ML
