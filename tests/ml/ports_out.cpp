// The output port over a virtual device, on a clock the test drives.
#include "ml/DeviceNames.h"
#include "ml/Out.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "ports_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::uint8_t> SysEx(std::size_t length, std::uint8_t fill) {
    std::vector<std::uint8_t> bytes(length, fill);
    bytes.front() = 0xF0;
    bytes.back() = 0xF7;
    return bytes;
}

class OutputPort : public testing::Test {
protected:
    void SetUp() override {
        device.SetHandler([this](std::span<const std::uint8_t> bytes) {
            received.emplace_back(bytes.begin(), bytes.end());
            receivedAt.push_back(clock.GetTickCount());
        });
        ASSERT_TRUE(port.Open("ports-out"));
    }

    mm::VirtualOutputDevice device{"ports-out"};
    test::FakeTickClock clock;
    ML::COut port{clock};
    std::vector<std::vector<std::uint8_t>> received;
    std::vector<std::uint32_t> receivedAt;
};

TEST_F(OutputPort, ShortAndLongMessagesReachTheDevice) {
    EXPECT_TRUE(port.SendShort(0x403C90));
    const auto message = SysEx(141, 0x2A);
    EXPECT_TRUE(port.SendLong(message));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], (std::vector<std::uint8_t>{0x90, 0x3C, 0x40}));
    EXPECT_EQ(received[1], message);
}

TEST_F(OutputPort, AMessageLongerThanThePacketGrowsIt) {
    const auto big = SysEx(5000, 0x33);
    EXPECT_TRUE(port.SendLong(big));
    const auto small = SysEx(20, 0x44);
    EXPECT_TRUE(port.SendLong(small.data(), static_cast<std::uint32_t>(small.size())));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], big);
    EXPECT_EQ(received[1], small);
}

TEST_F(OutputPort, ConsecutiveLongMessagesAreSpacedByTheirWireTime) {
    port.SetExtraGap(0);
    EXPECT_TRUE(port.SendLong(SysEx(1250, 1)));
    EXPECT_TRUE(port.SendLong(SysEx(1250, 2)));
    ASSERT_EQ(receivedAt.size(), 2u);
    EXPECT_EQ(receivedAt[1] - receivedAt[0], 400u); // 1250 * 1000 / 3125
    const auto sleeps = clock.Sleeps();
    ASSERT_EQ(sleeps.size(), 1u);
    EXPECT_EQ(sleeps[0].milliseconds, 400u);

    // Time that has passed counts towards the wait; the extra gap adds to it.
    port.SetExtraGap(20);
    clock.Set(clock.GetTickCount() + 100);
    EXPECT_TRUE(port.SendLong(SysEx(1250, 3)));
    EXPECT_EQ(receivedAt[2] - receivedAt[1], 400u);
    EXPECT_TRUE(port.SendLong(SysEx(10, 4)));
    EXPECT_EQ(receivedAt[3] - receivedAt[2], 420u);
}

// A device that times its own delivery (a program's port on a JACK server)
// gets each message as soon as the previous one is done: the port adds no
// cable time of its own, only the extra gap.
TEST_F(OutputPort, ADeviceThatTimesItsOwnDeliveryIsNotPacedAgain) {
    mm::VirtualOutputDevice paced(
        "ports-out-paced", [this](std::span<const std::uint8_t>) { receivedAt.push_back(clock.GetTickCount()); });
    paced.DeclareSelfPaced(true);
    ASSERT_TRUE(port.Open("ports-out-paced"));
    port.SetExtraGap(0);
    EXPECT_TRUE(port.SendLong(SysEx(1250, 1)));
    EXPECT_TRUE(port.SendLong(SysEx(1250, 2)));
    EXPECT_TRUE(port.SendLong(SysEx(17, 3)));
    ASSERT_EQ(receivedAt.size(), 3u);
    EXPECT_EQ(receivedAt[2], receivedAt[0]);
    EXPECT_TRUE(clock.Sleeps().empty());

    port.SetExtraGap(20);
    EXPECT_TRUE(port.SendLong(SysEx(1250, 4)));
    EXPECT_TRUE(port.SendLong(SysEx(1250, 5)));
    ASSERT_EQ(receivedAt.size(), 5u);
    EXPECT_EQ(receivedAt[4] - receivedAt[3], 20u);

    // Back on a device that declares nothing, the cable time is waited again.
    port.SetExtraGap(0);
    ASSERT_TRUE(port.Open("ports-out"));
    received.clear();
    receivedAt.clear();
    EXPECT_TRUE(port.SendLong(SysEx(1250, 6)));
    EXPECT_TRUE(port.SendLong(SysEx(1250, 7)));
    ASSERT_EQ(receivedAt.size(), 2u);
    EXPECT_EQ(receivedAt[1] - receivedAt[0], 400u);
}

TEST_F(OutputPort, ACompletionThatNeverComesResetsTheDeviceAfter2000ms) {
    test::RecordingReporter reporter(test::RecordingReporter::kOutput);
    device.HoldLongMessages(true);
    const std::uint32_t before = clock.GetTickCount();
    EXPECT_FALSE(port.SendLong(SysEx(10, 1)));
    const std::uint32_t waited = clock.GetTickCount() - before;
    EXPECT_GE(waited, 2000u);
    EXPECT_LT(waited, 2000u + 2 * ML::COut::kCompletionPollMs);
    EXPECT_EQ(device.Resets(), 1);
    EXPECT_TRUE(reporter.Failures().empty()); // the reset returned the buffer: unprepared cleanly
    // The port goes on working once the device does.
    device.HoldLongMessages(false);
    EXPECT_TRUE(port.SendLong(SysEx(10, 2)));
}

TEST_F(OutputPort, AClosedPortSucceedsAtEverythingButALongMessage) {
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(port.SendShort(0x403C90));
    const std::uint32_t before = clock.GetTickCount();
    EXPECT_FALSE(port.SendLong(SysEx(10, 1)));
    EXPECT_GE(clock.GetTickCount() - before, 2000u);
    EXPECT_TRUE(received.empty());
}

TEST_F(OutputPort, FailuresOfTheDeviceAreReported) {
    test::RecordingReporter reporter(test::RecordingReporter::kOutput);
    device.Unplug();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.SendShort(0x403C90));
    EXPECT_FALSE(port.SendLong(SysEx(10, 1)));
    EXPECT_EQ(reporter.Failures(),
              (std::vector<mm::MMRESULT>{mm::MMSYSERR_NODRIVER, mm::MMSYSERR_NODRIVER, mm::MMSYSERR_NODRIVER}));
}

TEST_F(OutputPort, OpeningAgainClosesTheOpenDeviceFirst) {
    mm::VirtualOutputDevice other("ports-out-other");
    ASSERT_TRUE(port.Open("ports-out-other"));
    EXPECT_FALSE(device.IsOpen());
    EXPECT_TRUE(other.IsOpen());
}

TEST(OutputPortOpen, TwoDevicesOfOneNameOpenTheLowerIndex) {
    mm::VirtualOutputDevice first("ports-out-twin");
    mm::VirtualOutputDevice second("ports-out-twin");
    ML::COut port;
    ASSERT_TRUE(port.Open("ports-out-twin"));
    EXPECT_TRUE(first.IsOpen());
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(port.Open("ports-out-nowhere"));
    EXPECT_FALSE(first.IsOpen());
    EXPECT_FALSE(port.IsOpen());
}

TEST(DeviceNames, ListThePresentDevicesInIndexOrder) {
    mm::VirtualDevicePair a("names-a");
    mm::VirtualInputDevice b("names-b");
    const auto inputs = ML::GetInputDeviceNames();
    const auto outputs = ML::GetOutputDeviceNames();
    const auto ia = std::find(inputs.begin(), inputs.end(), "names-a");
    ASSERT_NE(ia, inputs.end());
    ASSERT_NE(ia + 1, inputs.end());
    EXPECT_EQ(*(ia + 1), "names-b");
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), "names-a"), 1);
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), "names-b"), 0);
}

} // namespace
