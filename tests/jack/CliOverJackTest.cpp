// zm47-cli against the simulated unit's process through JACK: the ports are
// listed under their JACK names, and identify, read, write and preview go
// through them.
#include "tests/jack/JackFixture.h"

#include <chrono>
#include <filesystem>

namespace jack_test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class CliOverJack : public JackFixture {
protected:
    // Starts a Read All into path from the unit answering at wire speed,
    // which takes seconds, and waits until it is under way.
    void StartReadAllAtWireSpeed(test::ChildProcess& reader, const std::string& path, const std::string& errPath) {
        StopUnit(SIGINT);
        unitAtWireSpeed = true;
        StartUnit();
        ASSERT_TRUE(reader.Start({kCli, "read", path, "--area", "all", "--in", kUnitInput, "--out", kUnitOutput},
                                 folder + "/read.out", errPath));
        ASSERT_TRUE(test::PollUntil(
            [&] { return test::ReadWholeFile(errPath).find("MEMORY  3: reading") != std::string::npos; },
            std::chrono::seconds(30)))
            << test::ReadWholeFile(errPath);
    }
};

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST_F(CliOverJack, DevicesListTheUnitsJackPortsButNotTheToolsOwn) {
    const test::RunResult devices = Cli({"devices"});
    ASSERT_EQ(devices.status, 0) << devices.err;
    EXPECT_NE(devices.out.find("in: " + kUnitInput + "\n"), std::string::npos) << devices.out;
    EXPECT_NE(devices.out.find("out: " + kUnitOutput + "\n"), std::string::npos) << devices.out;
    EXPECT_EQ(devices.out.find("ZM-47 Librarian"), std::string::npos) << devices.out;
    EXPECT_EQ(devices.err, "");
}

TEST_F(CliOverJack, IdentifyReadWriteAndPreviewThroughJackPorts) {
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

    // Two patches written to a bank are there when it is read back. The
    // write is verified: a JACK server that misses periods on a loaded
    // machine drops the MIDI events they carried, and a verified write sends
    // a patch lost that way again.
    const std::string sixty = folder + "/sixty.z4l";
    ASSERT_EQ(Cli({"new", sixty, "--count", "60"}).status, 0);
    const test::RunResult write = with({"write", sixty, "--area", "2", "--indexes", "0,9", "--verify"});
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
    // Two patches and the temporary patch, and any patch sent again.
    const std::size_t stored = said.find(" data sets stored");
    ASSERT_NE(stored, std::string::npos) << said;
    const std::size_t number = said.rfind(' ', stored - 1) + 1;
    EXPECT_GE(std::stoi(said.substr(number, stored - number)), 3) << said;
}

// detect finds the unit's JACK ports and its device id with no port name
// given, within its 3 s, in the form a script can take apart; what it found
// works for identify. Without the unit it fails, saying why.
TEST_F(CliOverJack, DetectFindsTheUnitsJackPortsAndDeviceIdWithoutAPortName) {
    StopUnit(SIGINT);
    unitDeviceId = "21";
    StartUnit();

    const auto start = std::chrono::steady_clock::now();
    const test::RunResult detect = Cli({"detect"});
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(detect.status, 0) << detect.err;
    EXPECT_EQ(detect.out, "in:\t" + kUnitInput + "\nout:\t" + kUnitOutput + "\ndevice id:\t21\n");
    EXPECT_EQ(detect.err, "");
    EXPECT_LT(took, std::chrono::seconds(3));

    const test::RunResult identify = Cli({"identify", "--in", kUnitInput, "--out", kUnitOutput, "--device-id", "21"});
    EXPECT_EQ(identify.status, 0) << identify.err;

    StopUnit(SIGINT);
    const test::RunResult nobody = Cli({"detect"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_EQ(nobody.out, "");
    // With the unit's ports gone the server may have no MIDI port left.
    const bool why = nobody.err.find("No ZM-47 answered on any MIDI port") != std::string::npos ||
                     nobody.err.find("No MIDI port could be opened") != std::string::npos;
    EXPECT_TRUE(why) << nobody.err;
}

// The server ends in the middle of a Read All (the unit answers at wire
// speed, so the read takes seconds): the read fails and says why, nothing
// is written, and the unit's process ends too, saying why. Once a server
// runs again with the unit on it, a read goes through.
TEST_F(CliOverJack, AServerThatEndsMidReadFailsItAndTheNextServerIsUsed) {
    const std::string cut = folder + "/cut.z4l";
    const std::string readErr = folder + "/cut.err";
    test::ChildProcess reader;
    StartReadAllAtWireSpeed(reader, cut, readErr);
    ASSERT_FALSE(HasFatalFailure());
    server.Stop();

    const int status = reader.Wait(std::chrono::seconds(60));
    const std::string said = test::ReadWholeFile(readErr);
    EXPECT_EQ(status, 1) << said;
    EXPECT_THAT(said, HasSubstr("MIDI connect error."));
    EXPECT_THAT(said, Not(HasSubstr("Sanitizer")));
    EXPECT_FALSE(std::filesystem::exists(cut));
    EXPECT_EQ(unit->Wait(std::chrono::seconds(10)), 1);
    EXPECT_THAT(test::ReadWholeFile(unitErr), HasSubstr("the JACK server has gone"));

    std::string why;
    ASSERT_TRUE(server.Start(folder, why)) << why;
    unitAtWireSpeed = false;
    StartUnit();
    const std::string all = folder + "/all.z4l";
    const test::RunResult read = Cli({"read", all, "--area", "all", "--in", kUnitInput, "--out", kUnitOutput});
    ASSERT_EQ(read.status, 0) << read.err;
    const std::string reference = folder + "/reference.z4l";
    ASSERT_EQ(Cli({"read", reference, "--area", "all", "--simulator"}).status, 0);
    EXPECT_EQ(test::ReadWholeFile(all), test::ReadWholeFile(reference));
}

// The server stops answering in the middle of a Read All (its process is
// stopped, as a hung server stands): the read fails within seconds, says
// why and writes nothing, instead of waiting on the server for ever. Once
// the server goes on, a read goes through.
TEST_F(CliOverJack, AServerThatStopsAnsweringFailsTheReadWithinSecondsAndTheNextReadGoesThrough) {
    const std::string cut = folder + "/cut.z4l";
    const std::string readErr = folder + "/cut.err";
    test::ChildProcess reader;
    StartReadAllAtWireSpeed(reader, cut, readErr);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(server.Pause(true));
    const auto stopped = std::chrono::steady_clock::now();
    const int status = reader.Wait(std::chrono::seconds(60));
    const auto took = std::chrono::steady_clock::now() - stopped;
    ASSERT_TRUE(server.Pause(false));

    const std::string said = test::ReadWholeFile(readErr);
    EXPECT_EQ(status, 1) << said;
    EXPECT_LT(took, std::chrono::seconds(30));
    EXPECT_THAT(said, HasSubstr("No file was written."));
    EXPECT_THAT(said, Not(HasSubstr("Sanitizer")));
    EXPECT_FALSE(std::filesystem::exists(cut));

    const std::string bank = folder + "/bank.z4l";
    const test::RunResult read = Cli({"read", bank, "--area", "2", "--in", kUnitInput, "--out", kUnitOutput});
    EXPECT_EQ(read.status, 0) << read.err;
}

} // namespace
} // namespace jack_test
