#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>

namespace cli {

namespace {

constexpr int kFirstShownDeviceId = 17;
constexpr int kLastShownDeviceId = 32;

std::optional<long> ParseNumber(std::string_view text, long low, long high) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseIndexList(std::string_view text) {
    std::vector<int> indexes;
    while (true) {
        const std::size_t comma = text.find(',');
        const auto value = ParseNumber(text.substr(0, comma), 0, 1000000);
        if (!value)
            return std::nullopt;
        indexes.push_back(static_cast<int>(*value));
        if (comma == std::string_view::npos)
            return indexes;
        text.remove_prefix(comma + 1);
    }
}

bool Accepts(const CommandSpec& spec, std::string_view option) {
    const bool deviceOption = option == "in" || option == "out" || option == "simulator" || option == "sim-memory" ||
                              option == "device-id" || option == "sim-corrupt-store" || option == "sim-silent-from";
    const auto& list = spec.options;
    return std::find(list.begin(), list.end(), option) != list.end() ||
           (deviceOption && std::find(list.begin(), list.end(), "device") != list.end());
}

// Stores one option's value; false with the problem in error.
bool Apply(const CommandSpec& spec, std::string_view name, std::string_view value, Arguments& a, std::string& error) {
    const std::string option = "--" + std::string(name);
    if (name == "in") {
        a.devices.input = value;
    } else if (name == "out") {
        a.devices.output = value;
    } else if (name == "sim-memory") {
        a.devices.simMemory = value;
    } else if (name == "backup") {
        if (value.empty()) {
            error = "--backup needs a file name";
            return false;
        }
        a.backup = value;
    } else if (name == "sim-corrupt-store") {
        const auto n = ParseNumber(value, 1, 1000000);
        if (!n) {
            error = "--sim-corrupt-store takes a data set number from 1";
            return false;
        }
        a.devices.simCorruptStore = static_cast<int>(*n);
    } else if (name == "sim-silent-from") {
        const auto n = ParseNumber(value, 1, 1000000);
        if (!n) {
            error = "--sim-silent-from takes a reply number from 1";
            return false;
        }
        a.devices.simSilentFrom = static_cast<int>(*n);
    } else if (name == "port-name") {
        a.portName = value;
    } else if (name == "api") {
        if (value != "alsa" && value != "jack") {
            error = "--api takes alsa or jack";
            return false;
        }
        a.api = value;
    } else if (name == "device-id") {
        const auto id = DeviceIdFromShown(value);
        if (!id) {
            error = "--device-id takes a number from 17 to 32";
            return false;
        }
        a.devices.deviceId = *id;
    } else if (name == "area") {
        if (value == "all" && spec.allAreasAllowed) {
            a.area = Arguments::kAllAreas;
        } else if (const auto n = ParseNumber(value, 1, 7)) {
            a.area = static_cast<int>(*n);
        } else {
            error = spec.allAreasAllowed ? "--area takes an area number from 1 to 7 or all"
                                         : "--area takes an area number from 1 to 7";
            return false;
        }
    } else if (name == "indexes") {
        a.indexes = ParseIndexList(value);
        if (!a.indexes) {
            error = "--indexes takes patch indexes from 0, separated by commas (0,3,7)";
            return false;
        }
    } else if (name == "index") {
        const auto n = ParseNumber(value, 0, 1000000);
        if (!n) {
            error = "--index takes a patch index from 0";
            return false;
        }
        a.index = static_cast<int>(*n);
    } else if (name == "count") {
        a.count = ParseNumber(value, 0, 1000000);
        if (!a.count) {
            error = "--count takes a number from 0 to 1000000";
            return false;
        }
    } else if (name == "library") {
        if (value.empty()) {
            error = "--library needs a file name";
            return false;
        }
        a.libraryPath = value;
    } else if (name == "limit") {
        a.limit = ParseNumber(value, 1, 1000000000);
        if (!a.limit) {
            error = "--limit takes a number from 1";
            return false;
        }
    } else if (name == "show") {
        const auto id = ParseNumber(value, 1, 0x7FFFFFFFFFFFFFFF);
        if (!id) {
            error = "--show takes a history ID (the first column of history)";
            return false;
        }
        a.showId = *id;
    } else if (name == "before") {
        if (value.empty()) {
            error = "--before needs a date";
            return false;
        }
        a.before = value;
    } else if (name == "lang") {
        if (value != "en" && value != "ja") {
            error = "--lang takes en or ja";
            return false;
        }
        a.lang = value;
    } else {
        error = "unknown option " + option;
        return false;
    }
    return true;
}

} // namespace

std::optional<std::uint8_t> DeviceIdFromShown(std::string_view text) {
    const auto shown = ParseNumber(text, kFirstShownDeviceId, kLastShownDeviceId);
    if (!shown)
        return std::nullopt;
    return static_cast<std::uint8_t>(*shown - 1);
}

bool ParseArguments(const CommandSpec& spec, std::span<const std::string_view> words, Arguments& arguments,
                    std::string& error) {
    const std::string command(spec.name);
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string_view word = words[i];
        if (!word.starts_with("--")) {
            if (arguments.files.size() == spec.maxFiles) {
                error = command + " takes " +
                        (spec.maxFiles == 0 ? std::string("no file")
                                            : "at most " + std::to_string(spec.maxFiles) + " file name" +
                                                  (spec.maxFiles > 1 ? "s" : ""));
                return false;
            }
            arguments.files.emplace_back(word);
            continue;
        }
        word.remove_prefix(2);
        std::optional<std::string_view> value;
        if (const std::size_t equals = word.find('='); equals != std::string_view::npos) {
            value = word.substr(equals + 1);
            word = word.substr(0, equals);
        }
        const std::string option = "--" + std::string(word);
        if (!Accepts(spec, word)) {
            error = command + " has no option " + option;
            return false;
        }
        if (std::find(seen.begin(), seen.end(), word) != seen.end()) {
            error = option + " is given twice";
            return false;
        }
        seen.emplace_back(word);
        if (word == "simulator" || word == "wire-speed" || word == "verify" || word == "no-library") {
            if (value) {
                error = option + " takes no value";
                return false;
            }
            if (word == "simulator")
                arguments.devices.simulator = true;
            else if (word == "no-library")
                arguments.noLibrary = true;
            else
                (word == "wire-speed" ? arguments.wireSpeed : arguments.verify) = true;
            continue;
        }
        // duplicates --library alone: the whole library, not a file.
        if (word == "library" && command == "duplicates" && !value &&
            (i + 1 == words.size() || words[i + 1].starts_with("--"))) {
            arguments.wholeLibrary = true;
            continue;
        }
        if (!value) {
            if (i + 1 == words.size()) {
                error = option + " needs a value";
                return false;
            }
            value = words[++i];
        }
        if (!Apply(spec, word, *value, arguments, error))
            return false;
    }
    if (arguments.files.size() < spec.minFiles) {
        error = command + " needs " + std::to_string(spec.minFiles) + " file name" + (spec.minFiles > 1 ? "s" : "");
        return false;
    }
    const DeviceChoice& devices = arguments.devices;
    if (devices.simulator && (!devices.input.empty() || !devices.output.empty())) {
        error = "--simulator cannot be combined with --in or --out";
        return false;
    }
    if (!devices.simMemory.empty() && !devices.simulator && command != "sim") {
        error = "--sim-memory needs --simulator";
        return false;
    }
    if (arguments.noLibrary && !arguments.libraryPath.empty()) {
        error = "--library cannot be combined with --no-library";
        return false;
    }
    if (devices.simCorruptStore != 0 && !devices.simulator) {
        error = "--sim-corrupt-store needs --simulator";
        return false;
    }
    if (devices.simSilentFrom != 0 && !devices.simulator) {
        error = "--sim-silent-from needs --simulator";
        return false;
    }
    return true;
}

} // namespace cli
