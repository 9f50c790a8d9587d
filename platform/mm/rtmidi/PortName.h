#pragma once
// Names of real MIDI ports as the system shows them and as the device lists
// show them.
//
// The ALSA sequencer names a port "client:port 20:0"; the numbers at the end
// change whenever the device is plugged in again, but the device selection
// is stored by name, so they are left out of the listed name. They are the
// port's identity while it is open: an open port whose numbers have gone
// from the sequencer's list has been unplugged, even if a port of the same
// name is back; so has one that lost the subscription made for it.
//
// JACK ports are listed as "JACK: " and their full name "client:port", which
// the server keeps unique.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mm {

// The name without a trailing " <client>:<port>" number pair; a name that is
// nothing but numbers, or has no such pair, stays as it is.
std::string CleanPortName(std::string_view name);

// The client name of this program's own connections. JACK gives a second
// client of the same name a "-01" (and so on) after it.
inline constexpr std::string_view kOwnClientName = "ZM-47 Librarian";
// True for a port ("client:port", ALSA name cleaned) of this program.
bool IsOwnPort(std::string_view name);

// The listed name of the occurrence-th (from 0) ALSA port of a clean name:
// the name itself, then "name (2)", "name (3)" for twins.
std::string AlsaListedName(const std::string& cleanName, int occurrence);
// True when the port opened under rawName (with its numbers) is still in the
// sequencer's list of raw port names.
bool AlsaPortPresent(const std::vector<std::string>& rawNames, std::string_view rawName);
// The "client:port" numbers at the end of an ALSA port's raw name; empty
// when it has none.
std::string AlsaAddress(std::string_view rawName);
// Whether an open ALSA connection still reaches the port opened under
// rawName: the sequencer still lists the port under those numbers, and the
// subscription made for it (ownRaw, the raw name of this program's port) is
// still among the port's subscribers. A device plugged in again can come
// back under the same numbers, but without the subscription. Where the
// subscribers could not be asked (none) or this program's port was not seen
// (ownRaw empty), the numbers decide alone.
bool AlsaConnectionStands(const std::vector<std::string>& rawNames, std::string_view rawName, std::string_view ownRaw,
                          const std::optional<std::vector<std::string>>& subscribers);

inline constexpr std::string_view kJackPrefix = "JACK: ";
std::string JackListedName(std::string_view fullName);
// The full JACK port name of a listed name; empty for a name that is not a
// JACK port's.
std::string JackFullName(std::string_view listedName);
// The port of this program that a connection made to a port added: the
// entry of `after` not in `before` that belongs to this program; empty when
// there is none.
std::string NewOwnConnection(const std::vector<std::string>& before, const std::vector<std::string>& after);

} // namespace mm
