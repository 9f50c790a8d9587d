#pragma once
// An engine session bound to the simulated unit, on a test clock, with every
// message box recorded.
#include "cli/EngineSession.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "ml/TickClock.h"
#include "sim/VirtualSimulator.h"
#include "tests/support/CapturingTextDialog.h"
#include "tests/support/SleepingClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

using TestClock = test::SleepingClock;

using Bytes = std::vector<std::uint8_t>;

// A message as the unit received it, with the test clock's time.
struct Arrival {
    Bytes bytes;
    std::uint32_t tick;
};

inline cli::DeviceChoice SimulatorChoice() {
    cli::DeviceChoice choice;
    choice.simulator = true;
    return choice;
}

class EndToEnd : public ::testing::Test {
protected:
    void Start(const cli::DeviceChoice& choice = SimulatorChoice()) {
        session = std::make_unique<cli::CEngineSession>(clock);
        ASSERT_TRUE(session->Start(choice));
        if (sim::CVirtualSimulator* simulator = session->Simulator()) {
            // Stamp every message on its way to the unit.
            simulator->Devices().output.SetHandler([this, simulator](std::span<const std::uint8_t> bytes) {
                {
                    std::lock_guard lock(mutex);
                    arrivals.push_back({Bytes(bytes.begin(), bytes.end()), clock.GetTickCount()});
                }
                simulator->Unit().Receive(bytes);
            });
        }
    }

    sim::CVirtualSimulator& Simulator() { return *session->Simulator(); }
    sim::CSimulatedUnit& Unit() { return session->Simulator()->Unit(); }
    AReader& Reader() { return session->Reader(); }
    CWriter& Writer() { return session->Writer(); }

    std::vector<Arrival> Arrivals() {
        std::lock_guard lock(mutex);
        return arrivals;
    }
    std::vector<Bytes> DataRequestsSeen() {
        std::vector<Bytes> requests;
        for (const Arrival& a : Arrivals())
            if (a.bytes.size() == 17 && a.bytes[6] == 0x11)
                requests.push_back(a.bytes);
        return requests;
    }
    // The texts of the message boxes shown, each cut at its first line.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialog.shown())
            texts.push_back(shown.text.substr(0, shown.text.find('\n')));
        return texts;
    }

    Bytes UnitPatchBytes(int area, int index) {
        const auto patch = Unit().Patch(area, index);
        return patch ? PatchBytes(&*patch) : Bytes{};
    }
    Bytes UnitTemporaryBytes() {
        const CPatch patch = Unit().TemporaryPatch();
        return PatchBytes(&patch);
    }

    static Bytes PatchBytes(const CParameter* parameter) {
        const CPatch* patch = AsPatch(parameter);
        return patch ? Bytes(patch->Data(), patch->Data() + CPatch::kDataSize) : Bytes{};
    }

    TestClock clock;
    test::CapturingTextDialog dialog;
    std::mutex mutex;
    std::vector<Arrival> arrivals;
    std::unique_ptr<cli::CEngineSession> session; // last: ends before the rest
};

inline const std::string kUnableToReadWrite = "Unable to read/write data.";
inline const std::string kNotSetUp = "MIDI devices aren't set up correctly.";

} // namespace e2e
