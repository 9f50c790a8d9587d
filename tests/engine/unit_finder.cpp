// Finding the unit among the system's ports with in-process virtual devices:
// a unit behind ports whose names say nothing, beside a silent output named
// like the unit's input, a loop that echoes the request, and a device of
// another family that answers too; checking a chosen pair; cancelling; and
// the engine's own devices letting go of a port that opens only once.
#include "engine/UnitFinder.h"
#include "tests/engine/answering_unit.h"
#include "tests/engine/setup_support.h"

#include "platform/mm/virtual/VirtualDevices.h"

#include <gmock/gmock.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace test {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

using UnitFinderTest = EngineTest;

TEST_F(UnitFinderTest, FindsTheOutputThatReachesTheUnitWhateverThePortsAreCalled) {
    // The output named most like the answering input is silent and asked
    // first; a loop sends every request straight back; a device of another
    // family answers as well. Only the unit's pair is found, with its id.
    mm::VirtualOutputDevice lookalike("Finder Desk In");
    mm::VirtualDevicePair loop("Finder Loop");
    loop.output.SetHandler([&](std::span<const std::uint8_t> bytes) { loop.input.Send(bytes); });
    AnsweringUnit other("Finder Other In", "Finder Other Out", 0x10, UnitIdentityReply(0x10, 0x12, 0x34));
    AnsweringUnit unit("Finder Desk In 2", "Finder Cable B", 0x13);

    std::vector<SUnitFinderStep> steps;
    CUnitFinder finder;
    finder.SetStepCallback([&](const SUnitFinderStep& step) { steps.push_back(step); });
    const std::vector<SFoundUnit> found = finder.Find();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (SFoundUnit{"Finder Desk In 2", "Finder Cable B", 0x13}));
    EXPECT_GE(finder.InputsOpened(), 3);
    EXPECT_GE(finder.OutputsOpened(), 4);
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, SUnitFinderStep::kAskingAll);
    EXPECT_EQ(steps[1].kind, SUnitFinderStep::kAskingOne);
    EXPECT_EQ(steps[1].port, "Finder Desk In");
    EXPECT_EQ(steps.back().port, "Finder Cable B");
    EXPECT_EQ(steps.back().count, finder.OutputsOpened());
}

TEST_F(UnitFinderTest, TwoUnitsAreBothFoundAndNothingAnsweringFindsNothingWithinTheBudget) {
    {
        AnsweringUnit first("Finder Two A In", "Finder Two A Out", 0x10);
        AnsweringUnit second("Finder Two B In", "Finder Two B Out", 0x1F);
        CUnitFinder finder;
        const std::vector<SFoundUnit> found = finder.Find();
        EXPECT_THAT(found, ::testing::ElementsAre(SFoundUnit{"Finder Two A In", "Finder Two A Out", 0x10},
                                                  SFoundUnit{"Finder Two B In", "Finder Two B Out", 0x1F}));
    }
    AnsweringUnit off("Finder Off In", "Finder Off Out", 0x10);
    off.silent = true;
    CUnitFinder finder;
    const auto start = Clock::now();
    EXPECT_TRUE(finder.Find(milliseconds(800)).empty());
    EXPECT_LT(Clock::now() - start, milliseconds(2000));
    EXPECT_GE(finder.OutputsOpened(), 1);
}

TEST_F(UnitFinderTest, ACancelFromAnotherThreadEndsTheSearchSoon) {
    AnsweringUnit off("Finder Cancel In", "Finder Cancel Out", 0x10);
    off.silent = true;
    CUnitFinder finder;
    std::thread canceller([&] {
        std::this_thread::sleep_for(milliseconds(100));
        finder.Cancel();
    });
    const auto start = Clock::now();
    EXPECT_TRUE(finder.Find(milliseconds(5000)).empty());
    canceller.join();
    EXPECT_LT(Clock::now() - start, milliseconds(900));
    EXPECT_TRUE(finder.Cancelled());
}

TEST_F(UnitFinderTest, CheckTimesTheAnswerAndSaysWhyNot) {
    AnsweringUnit unit("Finder Check In", "Finder Check Out", 0x14);
    CUnitFinder finder;
    const SPairCheck answered = finder.Check("Finder Check In", "Finder Check Out", 0x14);
    EXPECT_EQ(answered.result, SPairCheck::kAnswered);
    EXPECT_GE(answered.milliseconds, 0);
    EXPECT_LT(answered.milliseconds, 1000);

    // Set to another device id, the unit still says which.
    const SPairCheck other = finder.Check("Finder Check In", "Finder Check Out", 0x10);
    EXPECT_EQ(other.result, SPairCheck::kOtherDeviceId);
    EXPECT_EQ(other.deviceId, 0x14);

    mm::VirtualDevicePair quiet("Finder Check Quiet");
    EXPECT_EQ(finder.Check("Finder Check Quiet", "Finder Check Quiet", 0x10, milliseconds(150)).result,
              SPairCheck::kNoAnswer);
    EXPECT_EQ(finder.Check("Finder Check Nowhere", "Finder Check Out", 0x14).result, SPairCheck::kInputUnavailable);
    EXPECT_EQ(finder.Check("Finder Check In", "Finder Check Nowhere", 0x14).result, SPairCheck::kOutputUnavailable);
    EXPECT_EQ(unit.requests, 2);
}

TEST_F(UnitFinderTest, TheEnginesDevicesLetGoOfTheUnitsPortsForTheSearchAndTakeThemBack) {
    // Virtual ports open only once, as many platforms' ports do.
    AnsweringUnit unit("Finder Held In", "Finder Held Out", 0x10);
    engine.setup.BindInput(Input(0), "Finder Held In");
    engine.setup.BindOutput(Output(0), "Finder Held Out");
    ASSERT_TRUE(engine.setup.OpenAll());
    CUnitFinder finder;
    EXPECT_EQ(finder.Check("Finder Held In", "Finder Held Out", 0x10).result, SPairCheck::kInputUnavailable);

    engine.setup.CloseAll();
    EXPECT_FALSE(engine.setup.AllOpen());
    EXPECT_EQ(finder.Check("Finder Held In", "Finder Held Out", 0x10).result, SPairCheck::kAnswered);
    EXPECT_TRUE(engine.setup.OpenAll());
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Finder Held In");
    EXPECT_TRUE(unit.in.IsOpen());
}

TEST(UnitFinderBytes, OnlyTheUnitsIdentityReplyCounts) {
    EXPECT_EQ(CUnitFinder::IdentityReplyDeviceId(UnitIdentityReply(0x1A)), std::optional<std::uint8_t>(0x1A));
    EXPECT_EQ(CUnitFinder::IdentityReplyDeviceId(UnitIdentityReply(0x10, 0x45, 0x03)), std::nullopt);
    Bytes otherMaker = UnitIdentityReply(0x10);
    otherMaker[5] = 0x43;
    EXPECT_EQ(CUnitFinder::IdentityReplyDeviceId(otherMaker), std::nullopt);
    Bytes cut = UnitIdentityReply(0x10);
    cut.erase(cut.begin() + 9);
    EXPECT_EQ(CUnitFinder::IdentityReplyDeviceId(cut), std::nullopt);
    EXPECT_EQ(CUnitFinder::IdentityReplyDeviceId(CUnitFinder::IdentityRequest(0x7F)), std::nullopt);
    EXPECT_EQ(CUnitFinder::IdentityRequest(0x11), (Bytes{0xF0, 0x7E, 0x11, 0x06, 0x01, 0xF7}));

    const std::vector<std::string> outputs{"Midi Through Port-0", "JACK: synth:in", "JACK: ZM-47 Simulator In:in",
                                           "UM-ONE"};
    EXPECT_EQ(CUnitFinder::OutputOrder(outputs, {"JACK: ZM-47 Simulator Out:out"}),
              (std::vector<std::size_t>{2, 1, 0, 3}));
    EXPECT_EQ(CUnitFinder::OutputOrder(outputs, {"UM-ONE"}), (std::vector<std::size_t>{3, 0, 1, 2}));
}

} // namespace
} // namespace test
