#pragma once
// Who the unit is on MIDI: the maker's id that opens its system-exclusive
// messages, the model id of its data sets, the family code its identity reply
// carries, and the device id it answers to until told otherwise. The program
// takes them from here alone. The simulated unit writes its own copy on
// purpose (sim/SimulatedUnit.cpp), so that a wrong value here shows as a unit
// that does not answer instead of being shared by both sides of the cable.
#include <array>
#include <cstdint>

namespace ML {

inline constexpr std::uint8_t kMakerId = 0x41;
inline constexpr std::array<std::uint8_t, 3> kModelId{0x00, 0x00, 0x45};
inline constexpr std::array<std::uint8_t, 2> kFamilyCode{0x45, 0x02};
inline constexpr std::uint8_t kDefaultDeviceId = 0x10;

// Universal system-exclusive messages (identity request and reply).
inline constexpr std::uint8_t kUniversalNonRealTime = 0x7E;
inline constexpr std::uint8_t kUniversalRealTime = 0x7F;

} // namespace ML
