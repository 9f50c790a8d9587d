#pragma once
// The status bytes of MIDI itself that the readers and writers of
// system-exclusive messages look for.
#include <cstdint>

namespace ML {

inline constexpr std::uint8_t kSysExStart = 0xF0;
inline constexpr std::uint8_t kSysExEnd = 0xF7;
// Set in a status byte, clear in a data byte.
inline constexpr std::uint8_t kStatusBit = 0x80;

} // namespace ML
