#pragma once
// Names of real MIDI ports as the system shows them. The ALSA sequencer
// names a port "client:port 20:0"; the numbers at the end change whenever
// the device is plugged in again, but the device selection is stored by
// name, so they are dropped.
#include <string>
#include <string_view>

namespace mm {

// The name without a trailing " <client>:<port>" number pair; a name that is
// nothing but numbers, or has no such pair, stays as it is.
std::string CleanPortName(std::string_view name);

// The sequencer client name of this program; its own ports are not listed.
inline constexpr std::string_view kOwnClientName = "ZM-47 Librarian";
bool IsOwnPort(std::string_view cleanName);

} // namespace mm
