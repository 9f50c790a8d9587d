#pragma once
// The arguments of one zm47-cli command: file names, the device choice and
// the area, index and other options. Parsing only checks what the command
// line alone can tell; whether a file or device exists is found out later.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Which unit a transfer talks to.
struct DeviceChoice {
    std::string input;  // --in NAME
    std::string output; // --out NAME
    bool simulator = false;
    std::string simMemory; // --sim-memory FILE.z4l
    std::uint8_t deviceId = 0x10;
    // --sim-corrupt-store N: the simulated unit stores the N-th data set it
    // receives (from 1) wrongly; 0 stores every one as it came.
    int simCorruptStore = 0;
    // --sim-silent-from N: the simulated unit answers nothing from its N-th
    // reply (from 1) on, as a unit switched off mid-transfer; 0 answers all.
    int simSilentFrom = 0;
};

struct Arguments {
    static constexpr int kAllAreas = -1;

    std::vector<std::string> files;
    DeviceChoice devices;
    std::optional<int> area;                 // 1..7, or kAllAreas
    std::optional<std::vector<int>> indexes; // --indexes 0,3,7
    std::optional<int> index;                // --index K
    std::string portName;
    std::string api;        // sim --api alsa|jack; empty: whichever is there
    bool wireSpeed = false; // sim --wire-speed
    std::string lang = "en";
    std::optional<long> count;
    bool verify = false; // --verify: read the written patches back
    std::string backup;  // --backup FILE.z4l: what a write overwrites
    // The history library: --library FILE instead of the user's; with
    // --no-library nothing is recorded. duplicates --library (no value)
    // means the whole library.
    std::string libraryPath;
    bool noLibrary = false;
    bool wholeLibrary = false;
    std::optional<long> limit;          // history --limit K
    std::optional<std::int64_t> showId; // history --show ID
    std::string before;                 // library forget --before DATE
};

// What a command accepts.
struct CommandSpec {
    std::string_view name;
    std::size_t minFiles = 0;
    std::size_t maxFiles = 0;
    // Option names without their leading "--"; "device" stands for --in,
    // --out, --simulator, --sim-memory and --device-id together.
    std::vector<std::string_view> options;
    bool allAreasAllowed = false;
};

// Fills `arguments` from the words after the command name ("--name value"
// and "--name=value" both work). False with the problem in `error`.
bool ParseArguments(const CommandSpec& spec, std::span<const std::string_view> words, Arguments& arguments,
                    std::string& error);

// The device id the setup dialog shows (17 to 32) as the id on the wire.
std::optional<std::uint8_t> DeviceIdFromShown(std::string_view text);

} // namespace cli
