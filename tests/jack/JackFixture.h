#pragma once
// A test on a private JACK server (JACK 2's jackd, or PipeWire through its
// libjack: see PrivateJackServer) with the simulated unit running as
// zm47-cli sim, a process of its own, on JACK ports. Skipped, saying why,
// where that server is not installed.
#include "tests/support/HangReport.h"
#include "tests/support/JackServer.h"
#include "tests/support/TempFolder.h"

#include <gmock/gmock.h>

#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

namespace jack_test {

// The unit's ports as the device lists show them: the librarian's input
// is the unit's output and the other way round.
inline const std::string kUnitInput = "JACK: ZM-47 Simulator Out:out";
inline const std::string kUnitOutput = "JACK: ZM-47 Simulator In:in";
inline const std::string kCli = ZM47_CLI_PATH;

class JackFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string missing = test::PrivateJackServer::Missing();
        if (!missing.empty())
            GTEST_SKIP() << missing;
        scratch = std::make_unique<test::TempFolder>("zm47-jack");
        folder = scratch->str();
        ASSERT_FALSE(folder.empty());
        hangReport = std::make_unique<test::HangReport>(kHangLimit, [this] { return ErrorOutputs(); });
        std::string why;
        ASSERT_TRUE(server.Start(folder, why)) << why;
        memory = folder + "/sim-memory.z4l";
        StartUnit();
    }

    void TearDown() override {
        // The unit ends the way Ctrl-C ends it and the server only once its
        // ports are gone: a server stopped right after one of its clients
        // was killed leaves its entry in JACK's table of servers, which has
        // room for eight.
        if (unit && unit->Running())
            StopUnit(SIGINT);
        unit.reset();
        server.Stop();
        hangReport.reset();
        scratch.reset();
    }

    // What the server and the programs of the test said on standard error,
    // the end of each.
    std::string ErrorOutputs() const {
        std::string text;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".err")
                continue;
            const std::string said = test::ReadWholeFile(entry.path().string());
            text += "--- " + entry.path().filename().string() + ":\n" +
                    said.substr(said.size() > 2000 ? said.size() - 2000 : 0) + "\n";
        }
        return text;
    }

    // Starts the simulated unit's process and waits until its ports exist.
    // On a loaded machine a new client can fail to reach a server that has
    // only just started; the unit then ends at once and is started again.
    void StartUnit() {
        const std::vector<std::string> ports = {"ZM-47 Simulator Out:out", "ZM-47 Simulator In:in"};
        for (int attempt = 0; attempt < 3; ++attempt) {
            unit = std::make_unique<test::ChildProcess>();
            unitErr = folder + "/sim" + std::to_string(++unitStarts) + ".err";
            std::vector<std::string> argv = {kCli, "sim", "--api", "jack", "--sim-memory", memory};
            if (unitAtWireSpeed)
                argv.push_back("--wire-speed");
            if (!unitDeviceId.empty())
                argv.insert(argv.end(), {"--device-id", unitDeviceId});
            ASSERT_TRUE(unit->Start(argv, folder + "/sim.out", unitErr));
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (std::chrono::steady_clock::now() < deadline && !unit->Ended()) {
                if (test::WaitForJackPorts(ports, true, std::chrono::milliseconds(100)))
                    return;
            }
        }
        FAIL() << "the simulated unit's ports did not appear: " << test::ReadWholeFile(unitErr);
    }

    // Ends the unit's process with signal and waits until its ports are
    // gone; what it said on standard error.
    std::string StopUnit(int signal, int* status = nullptr) {
        const int ended = unit->Stop(signal, std::chrono::seconds(10));
        if (status != nullptr)
            *status = ended;
        EXPECT_TRUE(test::WaitForJackPorts({"ZM-47 Simulator Out:out", "ZM-47 Simulator In:in"}, false));
        return test::ReadWholeFile(unitErr);
    }

    test::RunResult Cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), kCli);
        return test::RunProgram(arguments, folder);
    }

    // Below CTest's limit of 120 s for these tests, far above what one takes.
    static constexpr std::chrono::seconds kHangLimit{100};

    std::unique_ptr<test::TempFolder> scratch;
    std::unique_ptr<test::HangReport> hangReport;
    std::string folder;
    std::string memory;
    test::PrivateJackServer server;
    std::unique_ptr<test::ChildProcess> unit;
    std::string unitErr;
    int unitStarts = 0;
    bool unitAtWireSpeed = false; // for the next StartUnit
    std::string unitDeviceId;     // for the next StartUnit, as shown (17 to 32); empty: the unit's default
};

} // namespace jack_test
