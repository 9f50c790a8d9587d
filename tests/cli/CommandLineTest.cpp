// What the command line alone decides: values, ranges, conflicts.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using cli::Arguments;
using cli::CommandSpec;

const CommandSpec kRead{"read", 1, 1, {"device", "area"}, true};
const CommandSpec kWrite{"write", 1, 1, {"device", "area", "indexes"}};

bool Parse(const CommandSpec& spec, std::vector<std::string_view> words, Arguments& arguments, std::string& error) {
    return cli::ParseArguments(spec, words, arguments, error);
}

TEST(CommandLine, ReadsFilesDevicesAndAreas) {
    Arguments a;
    std::string error;
    ASSERT_TRUE(Parse(kRead, {"--area", "all", "out.z4l", "--simulator", "--sim-memory=mem.z4l", "--device-id", "18"},
                      a, error))
        << error;
    EXPECT_EQ(a.files, std::vector<std::string>{"out.z4l"});
    EXPECT_EQ(a.area, Arguments::kAllAreas);
    EXPECT_TRUE(a.devices.simulator);
    EXPECT_EQ(a.devices.simMemory, "mem.z4l");
    EXPECT_EQ(a.devices.deviceId, 0x11);

    Arguments b;
    ASSERT_TRUE(
        Parse(kWrite, {"in.z4l", "--area=3", "--indexes", "0,3,7", "--in", "Port A", "--out", "Port B"}, b, error));
    EXPECT_EQ(b.area, 3);
    EXPECT_EQ(b.indexes, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(b.devices.input, "Port A");
    EXPECT_EQ(b.devices.output, "Port B");
    EXPECT_EQ(b.devices.deviceId, 0x10);
}

TEST(CommandLine, TheSimulatedUnitsMidiSystemAndTiming) {
    const CommandSpec sim{"sim", 0, 0, {"api", "port-name", "sim-memory", "device-id", "wire-speed"}};
    Arguments a;
    std::string error;
    ASSERT_TRUE(Parse(sim, {"--api", "jack", "--wire-speed"}, a, error)) << error;
    EXPECT_EQ(a.api, "jack");
    EXPECT_TRUE(a.wireSpeed);
    Arguments b;
    ASSERT_TRUE(Parse(sim, {"--api=alsa"}, b, error)) << error;
    EXPECT_EQ(b.api, "alsa");
    EXPECT_FALSE(b.wireSpeed);
    for (const std::vector<std::string_view>& words :
         {std::vector<std::string_view>{"--api", "oss"}, {"--api"}, {"--wire-speed=yes"}}) {
        Arguments c;
        EXPECT_FALSE(Parse(sim, words, c, error)) << words[0];
    }
}

TEST(CommandLine, RefusesWhatCannotBeMeant) {
    const std::vector<std::vector<std::string_view>> bad{
        {"--area", "all"},                 // no file
        {"a.z4l", "b.z4l", "--area", "1"}, // two files
        {"a.z4l", "--area", "8"},          // no area 8
        {"a.z4l", "--area", "0"},
        {"a.z4l", "--area", "1x"},
        {"a.z4l", "--area"},                           // value missing
        {"a.z4l", "--area", "1", "--area", "2"},       // twice
        {"a.z4l", "--area", "1", "--device-id", "16"}, // below the dialog's 17
        {"a.z4l", "--area", "1", "--device-id", "33"},
        {"a.z4l", "--area", "1", "--simulator", "--in", "X"}, // two kinds of device
        {"a.z4l", "--area", "1", "--sim-memory", "m.z4l"},    // memory without the simulator
        {"a.z4l", "--area", "1", "--simulator=yes"},
        {"a.z4l", "--area", "1", "--indexes", "1"}, // not an option of read
        {"a.z4l", "--area", "1", "--bogus"},
    };
    for (const auto& words : bad) {
        Arguments a;
        std::string error;
        EXPECT_FALSE(Parse(kRead, words, a, error)) << words.size();
        EXPECT_FALSE(error.empty());
    }
    Arguments a;
    std::string error;
    EXPECT_FALSE(Parse(kWrite, {"a.z4l", "--area", "all"}, a, error)) << "all is for read only";
    EXPECT_FALSE(Parse(kWrite, {"a.z4l", "--area", "1", "--indexes", "0,,3"}, a, error));
    EXPECT_FALSE(Parse(kWrite, {"a.z4l", "--area", "1", "--indexes", "-1"}, a, error));
}

TEST(CommandLine, DeviceIdIsTheNumberTheSetupShows) {
    EXPECT_EQ(cli::DeviceIdFromShown("17"), 0x10);
    EXPECT_EQ(cli::DeviceIdFromShown("32"), 0x1F);
    EXPECT_FALSE(cli::DeviceIdFromShown("0x11"));
    EXPECT_FALSE(cli::DeviceIdFromShown(""));
}

} // namespace

TEST(CommandLine, TheHistoryLibraryOptions) {
    const CommandSpec duplicates{"duplicates", 0, 1, {"library"}};
    const CommandSpec history{"history", 0, 0, {"area", "limit", "show", "library"}};
    const CommandSpec read{"read", 1, 1, {"device", "area", "library", "no-library"}, true};
    std::string error;

    // duplicates --library alone means the whole library; with a value it
    // names the library file, as for every other command.
    Arguments whole;
    ASSERT_TRUE(Parse(duplicates, {"--library"}, whole, error)) << error;
    EXPECT_TRUE(whole.wholeLibrary);
    EXPECT_TRUE(whole.libraryPath.empty());
    Arguments named;
    ASSERT_TRUE(Parse(duplicates, {"--library", "my.sqlite"}, named, error)) << error;
    EXPECT_FALSE(named.wholeLibrary);
    EXPECT_EQ(named.libraryPath, "my.sqlite");
    Arguments before;
    EXPECT_FALSE(Parse(duplicates, {"--library", "--library=x.sqlite"}, before, error));
    Arguments elsewhere;
    EXPECT_FALSE(Parse(history, {"--library"}, elsewhere, error));
    EXPECT_EQ(error, "--library needs a value");

    Arguments shown;
    ASSERT_TRUE(Parse(history, {"--show", "12", "--limit=3", "--area", "2"}, shown, error)) << error;
    EXPECT_EQ(shown.showId, 12);
    EXPECT_EQ(shown.limit, 3);
    for (std::vector<std::string_view> bad :
         {std::vector<std::string_view>{"--show", "0"}, {"--show", "x"}, {"--limit", "0"}, {"--limit", "-1"}}) {
        Arguments a;
        EXPECT_FALSE(Parse(history, bad, a, error)) << bad[0] << " " << bad[1];
    }

    Arguments off;
    ASSERT_TRUE(Parse(read, {"out.z4l", "--area", "1", "--no-library"}, off, error)) << error;
    EXPECT_TRUE(off.noLibrary);
    Arguments both;
    EXPECT_FALSE(Parse(read, {"out.z4l", "--area", "1", "--no-library", "--library", "x"}, both, error));
    EXPECT_EQ(error, "--library cannot be combined with --no-library");
    Arguments valued;
    EXPECT_FALSE(Parse(read, {"out.z4l", "--no-library=yes"}, valued, error));
}
