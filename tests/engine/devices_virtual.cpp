// Physical devices against in-process virtual devices: delivery to bound
// inputs, filtered status bytes, names shown to the user, connection reports
// and the requester's wait.
#include "tests/engine/setup_support.h"

#include "platform/mm/virtual/VirtualDevices.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace test {
namespace {

// Moves only when asked to sleep.
class ManualClock : public ML::ITickClock {
public:
    std::uint32_t GetTickCount() override { return now.load(); }
    void Sleep(std::uint32_t milliseconds) override { now += milliseconds; }
    std::atomic<std::uint32_t> now{1000};
};

const Bytes kIdentityReply{0xF0, 0x7E, 0x10, 0x06, 0x02, 0x41, 0x45, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
const Bytes kNoteOn{0x90, 0x40, 0x7F};

using DeviceTest = EngineTest;

TEST_F(DeviceTest, OneDeviceFeedsEveryBoundInputInBindingOrder) {
    mm::VirtualDevicePair unit("Engine Devices Shared");
    std::vector<std::string> log;
    RecordingReceiver first("0", &log), second("1", &log);
    Input(0).receiver = &first;
    Input(1).receiver = &second;
    engine.setup.BindInput(Input(0), "Engine Devices Shared");
    engine.setup.BindInput(Input(1), "Engine Devices Shared");
    engine.setup.BindInput(Input(1), "Engine Devices Shared");
    ASSERT_EQ(engine.setup.InDevices().size(), 1u);
    EXPECT_EQ(engine.setup.DeviceOf(Input(1)), engine.setup.DeviceOf(Input(0)));
    ASSERT_TRUE(engine.setup.OpenAll());

    unit.input.Send(kNoteOn);
    unit.input.Send(kIdentityReply);
    ASSERT_TRUE(PumpUntil(Input(0), [&] { return log.size() >= 4; }));
    EXPECT_EQ(log, (std::vector<std::string>{"0", "1", "0", "1"}));
    EXPECT_EQ(first.shorts, std::vector<Bytes>{kNoteOn});
    EXPECT_EQ(second.universals, std::vector<Bytes>{kIdentityReply});
}

TEST_F(DeviceTest, SystemCommonAndRealTimeBytesNeverReachTheInputs) {
    mm::VirtualDevicePair unit("Engine Devices Filter");
    RecordingReceiver receiver;
    Input(1).receiver = &receiver;
    RecordingOutDevice& forwarded = BindRecorder(1);
    engine.setup.BindInput(Input(1), "Engine Devices Filter");
    ASSERT_TRUE(engine.setup.OpenAll());

    unit.input.Send({0xFE, 0xF8, 0xF6, 0x90, 0x40, 0xF8, 0x7F});
    ASSERT_TRUE(PumpUntil(Input(1), [&] { return receiver.Total() >= 1; }));
    unit.input.Send(kNoteOn);
    ASSERT_TRUE(PumpUntil(Input(1), [&] { return receiver.Total() >= 2; }));
    EXPECT_EQ(receiver.shorts, (std::vector<Bytes>{kNoteOn, kNoteOn}));
    EXPECT_EQ(forwarded.sent, (std::vector<Bytes>{kNoteOn, kNoteOn}));
}

TEST_F(DeviceTest, DisplayNamesAndChoicesMarkDevicesThatAreNotOpen) {
    mm::VirtualDevicePair unit("Engine Devices Names");
    engine.setup.BindInput(Input(0), "Engine Devices Names (Unconnected)");
    engine.setup.BindOutput(Output(0), "Engine Devices Gone");
    ASSERT_EQ(engine.setup.InDevices().size(), 1u);
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Engine Devices Names");
    EXPECT_EQ(engine.setup.DisplayName(Input(0)), "Engine Devices Names (Unconnected)");

    EXPECT_FALSE(engine.setup.OpenAll()) << "the output does not exist";
    EXPECT_EQ(engine.setup.DisplayName(Input(0)), "Engine Devices Names");
    EXPECT_EQ(engine.setup.DisplayName(Output(0)), "Engine Devices Gone (Unconnected)");

    const auto inputChoices = engine.setup.DeviceChoices(Input(0));
    ASSERT_GE(inputChoices.size(), 2u);
    EXPECT_EQ(inputChoices.back(), "(none)");
    EXPECT_EQ(std::count(inputChoices.begin(), inputChoices.end(), "Engine Devices Names"), 1);
    const auto outputChoices = engine.setup.DeviceChoices(Output(0));
    ASSERT_GE(outputChoices.size(), 3u);
    EXPECT_EQ(outputChoices[outputChoices.size() - 2], "(none)");
    EXPECT_EQ(outputChoices.back(), "Engine Devices Gone (Unconnected)");
    EXPECT_EQ(engine.setup.DeviceChoices(Output(1)).back(), "(none)");
}

TEST_F(DeviceTest, ConnectionLossAndReturnAreReportedOnceEach) {
    std::mutex mutex;
    std::vector<Bytes> received;
    const auto handler = [&](std::span<const std::uint8_t> bytes) {
        std::lock_guard lock(mutex);
        received.emplace_back(bytes.begin(), bytes.end());
    };
    auto device = std::make_unique<mm::VirtualOutputDevice>("Engine Devices Plug", handler);
    engine.setup.BindOutput(Output(0), "Engine Devices Plug");
    engine.setup.State().SetQuiet(engine.setup.OpenAll());

    Output(0).SendMessage(ML::CMessage(kIdentityReply));
    EXPECT_TRUE(transient.empty());

    device->Unplug();
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    EXPECT_EQ(transient, std::vector<std::string>{"MIDI connect error."});
    EXPECT_EQ(engine.setup.DisplayName(Output(0)), "Engine Devices Plug (Unconnected)");

    device = std::make_unique<mm::VirtualOutputDevice>("Engine Devices Plug", handler);
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    EXPECT_EQ(transient, (std::vector<std::string>{"MIDI connect error.", "MIDI reconnected."}));
    std::lock_guard lock(mutex);
    EXPECT_EQ(received, (std::vector<Bytes>{kIdentityReply, kNoteOn, kNoteOn}));
    EXPECT_TRUE(dialog.shown().empty());
}

// The far side restarted between two sends: no send saw it gone, yet the
// connection was lost and is made again.
TEST_F(DeviceTest, ADeviceBackBeforeTheNextSendIsReconnectedWithOneReport) {
    std::mutex mutex;
    std::vector<Bytes> received;
    const auto handler = [&](std::span<const std::uint8_t> bytes) {
        std::lock_guard lock(mutex);
        received.emplace_back(bytes.begin(), bytes.end());
    };
    auto device = std::make_unique<mm::VirtualOutputDevice>("Engine Devices Restart", handler);
    engine.setup.BindOutput(Output(0), "Engine Devices Restart");
    engine.setup.State().SetQuiet(engine.setup.OpenAll());
    Output(0).SendMessage(ML::CMessage(kIdentityReply));

    device->Unplug();
    EXPECT_FALSE(engine.setup.AllOpen());
    device = std::make_unique<mm::VirtualOutputDevice>("Engine Devices Restart", handler);
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    Output(0).SendMessage(ML::CMessage(kNoteOn));
    EXPECT_EQ(transient, std::vector<std::string>{"MIDI reconnected."});
    EXPECT_TRUE(engine.setup.AllOpen());
    std::lock_guard lock(mutex);
    EXPECT_EQ(received, (std::vector<Bytes>{kIdentityReply, kNoteOn, kNoteOn}));
}

TEST_F(DeviceTest, TheConnectionStateReportsChangesOnly) {
    COruMidiSetupState& state = engine.setup.State();
    state.SetQuiet(true);
    state.Report(false);
    state.Report(false);
    state.Report(true);
    state.Report(true);
    EXPECT_EQ(transient, (std::vector<std::string>{"MIDI connect error.", "MIDI reconnected."}));
}

TEST_F(DeviceTest, TheWaitEndsOnAReplyAndRunsOutOnATestClockWithoutSleeping) {
    mm::VirtualDevicePair unit("Engine Devices Wait");
    RecordingReceiver receiver;
    ASSERT_TRUE(ListenOnInput0(receiver, "Engine Devices Wait"));
    ManualClock clock;

    std::thread replier([&] { unit.input.Send(kIdentityReply); });
    const std::uint32_t deadline = clock.now + 3000;
    bool arrived = false;
    while (receiver.Total() == 0 && (arrived = engine.setup.WaitForInput(clock, deadline, std::chrono::seconds(5))))
        engine.setup.PumpInput(Input(0));
    replier.join();
    EXPECT_TRUE(arrived);
    EXPECT_EQ(receiver.universals, std::vector<Bytes>{kIdentityReply});
    EXPECT_LT(clock.now.load(), deadline);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(engine.setup.WaitForInput(clock, deadline, std::chrono::milliseconds(50)));
    EXPECT_EQ(clock.now.load(), deadline);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(DeviceTest, DataQueuedBeforeAnInputIsReopenedIsDroppedNotReadFromTheOldBuffers) {
    auto unit = std::make_unique<mm::VirtualInputDevice>("Engine Devices Replug");
    RecordingReceiver receiver;
    ASSERT_TRUE(ListenOnInput0(receiver, "Engine Devices Replug"));
    unit->Send(kIdentityReply);
    ASSERT_TRUE(engine.setup.WaitForInput(ML::SystemTickClock(), ML::SystemTickClock().GetTickCount() + 5000));

    // Unplugged and plugged in again before anything pumped: the next
    // OpenAll reopens the port with fresh buffers.
    unit.reset();
    unit = std::make_unique<mm::VirtualInputDevice>("Engine Devices Replug");
    ASSERT_TRUE(engine.setup.OpenAll());
    engine.setup.PumpInput(Input(0));
    EXPECT_EQ(receiver.Total(), 0u);

    unit->Send(kNoteOn);
    ASSERT_TRUE(PumpUntil(Input(0), [&] { return receiver.Total() >= 1; }));
    EXPECT_EQ(receiver.shorts, std::vector<Bytes>{kNoteOn});
}

TEST_F(DeviceTest, ReleaseAllClosesAndForgetsEveryDevice) {
    mm::VirtualDevicePair unit("Engine Devices Release");
    engine.setup.BindInput(Input(0), "Engine Devices Release");
    engine.setup.BindOutput(Output(0), "Engine Devices Release");
    ASSERT_TRUE(engine.setup.OpenAll());
    EXPECT_TRUE(engine.setup.IsSetUp());
    ASSERT_TRUE(unit.input.IsOpen());
    ASSERT_TRUE(unit.output.IsOpen());

    engine.setup.ReleaseAll();
    EXPECT_FALSE(unit.input.IsOpen());
    EXPECT_FALSE(unit.output.IsOpen());
    EXPECT_TRUE(Output(0).devices.empty());
    EXPECT_FALSE(engine.setup.IsSetUp());
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "(none)");
}

} // namespace
} // namespace test
