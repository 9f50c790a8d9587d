// zm47-cli against the simulated unit's process through JACK: the ports are
// listed under their JACK names, and identify, read, write and preview go
// through them.
#include "tests/jack/JackFixture.h"

#include <filesystem>

namespace jack_test {
namespace {

using ::testing::HasSubstr;

using CliOverJack = JackFixture;

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST_F(CliOverJack, DevicesListTheUnitsJackPortsButNotTheToolsOwn)
{
    const test::RunResult devices = Cli({"devices"});
    ASSERT_EQ(devices.status, 0) << devices.err;
    EXPECT_NE(devices.out.find("in: " + kUnitInput + "\n"), std::string::npos) << devices.out;
    EXPECT_NE(devices.out.find("out: " + kUnitOutput + "\n"), std::string::npos) << devices.out;
    EXPECT_EQ(devices.out.find("ZM-47 Librarian"), std::string::npos) << devices.out;
    EXPECT_EQ(devices.err, "");
}

TEST_F(CliOverJack, IdentifyReadWriteAndPreviewThroughJackPorts)
{
    const std::vector<std::string> unitPorts = {"--in", kUnitInput, "--out", kUnitOutput};
    auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), unitPorts.begin(), unitPorts.end());
        return Cli(arguments);
    };
    const test::RunResult identify = with({"identify"});
    EXPECT_EQ(identify.status, 0) << identify.err;

    // All 120 patches, the same as the in-process simulated unit holds.
    const std::string all = folder + "/all.z4l";
    const test::RunResult read = with({"read", all, "--area", "all"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(std::filesystem::file_size(all), 17440u);
    const std::string reference = folder + "/reference.z4l";
    ASSERT_EQ(Cli({"read", reference, "--area", "all", "--simulator"}).status, 0);
    const test::RunResult shown = Cli({"show", all});
    EXPECT_EQ(Count(shown.out, "\n"), 120);
    EXPECT_EQ(shown.out, Cli({"show", reference}).out);

    // Two patches written to a bank are there when it is read back.
    const std::string sixty = folder + "/sixty.z4l";
    ASSERT_EQ(Cli({"new", sixty, "--count", "60"}).status, 0);
    const test::RunResult write = with({"write", sixty, "--area", "2", "--indexes", "0,9"});
    ASSERT_EQ(write.status, 0) << write.err;
    const std::string back = folder + "/back.z4l";
    ASSERT_EQ(with({"read", back, "--area", "2"}).status, 0);
    const std::string bank = Cli({"show", back}).out;
    EXPECT_THAT(bank, HasSubstr("1\tINIT PATCH"));
    EXPECT_THAT(bank, HasSubstr("\n10\tINIT PATCH"));
    EXPECT_EQ(Count(bank, "INIT PATCH"), 2) << bank;

    const test::RunResult preview = with({"preview", sixty, "--index", "5"});
    EXPECT_EQ(preview.status, 0) << preview.err;

    int status = -1;
    const std::string said = StopUnit(SIGINT, &status);
    EXPECT_EQ(status, 0) << said;
    // Two patches and the temporary patch.
    EXPECT_THAT(said, HasSubstr("3 data sets stored")) << said;
}

} // namespace
} // namespace jack_test
