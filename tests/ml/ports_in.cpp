// The input port over a virtual device: buffers, dispatch, stop and close.
#include "ml/In.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "ports_support.h"

#include <gtest/gtest.h>

#include <latch>
#include <numeric>

namespace {

using test::RecordingIn;

std::vector<std::uint8_t> SysEx(std::size_t length, std::uint8_t fill) {
    std::vector<std::uint8_t> bytes(length, fill);
    bytes.front() = 0xF0;
    bytes.back() = 0xF7;
    return bytes;
}

class InputPort : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(port.Open("ports-in"));
        ASSERT_TRUE(port.Start());
    }
    // Sends bytes followed by a marker note; when the marker reaches its
    // handler everything before it has been dispatched, buffers re-queued.
    int QueuedAfter(const std::vector<std::uint8_t>& bytes, int calls) {
        std::atomic<int> queued{-1};
        port.onShort = [&](std::uint32_t packed) {
            if (packed == 0x7F7F90)
                queued = device.QueuedBuffers();
        };
        EXPECT_TRUE(device.Send(bytes));
        EXPECT_TRUE(device.Send({0x90, 0x7F, 0x7F}));
        EXPECT_TRUE(port.WaitForCalls(calls + 1));
        port.onShort = nullptr;
        return queued;
    }

    mm::VirtualInputDevice device{"ports-in"};
    RecordingIn port;
};

TEST_F(InputPort, ThirtyTwoBuffersAreWithThePlatformAfterStartAndAfterEachLongMessage) {
    EXPECT_EQ(device.QueuedBuffers(), 32);
    int calls = 0;
    for (int i = 0; i < 100; ++i) { // more than the 128 packets' worth
        const int queued = QueuedAfter(SysEx(40, static_cast<std::uint8_t>(i)), calls += 1);
        ++calls; // the marker
        ASSERT_EQ(queued, 32) << "after message " << i;
    }
    const auto record = port.Taken();
    ASSERT_EQ(record.longData.size(), 100u);
    EXPECT_EQ(record.longData[99], SysEx(40, 99));
}

TEST_F(InputPort, ShortMessagesErrorsAndLongErrorsReachTheirHandlers) {
    device.Send({0xB0, 0x07, 0x64, 0x08, 0x40, 0xF0, 0x41, 0x10, 0x90, 0x3C, 0x40, 0xF7});
    ASSERT_TRUE(port.WaitForCalls(5));
    const auto record = port.Taken();
    EXPECT_EQ(record.shorts, (std::vector<std::uint32_t>{0x6407B0, 0x4008B0, 0x403C90}));
    ASSERT_EQ(record.longErrors.size(), 1u);
    EXPECT_EQ(record.longErrors[0], (std::vector<std::uint8_t>{0xF0, 0x41, 0x10}));
    EXPECT_EQ(record.errors, 1);
}

TEST_F(InputPort, AMessageLongerThanABufferArrivesInConsecutivePieces) {
    const auto message = SysEx(5000, 0x11);
    EXPECT_EQ(QueuedAfter(message, 3), 32);
    const auto record = port.Taken();
    ASSERT_EQ(record.longData.size(), 3u);
    EXPECT_EQ(record.longData[0].size(), 2048u);
    EXPECT_EQ(record.longData[1].size(), 2048u);
    EXPECT_EQ(record.longData[2].size(), 904u);
    std::vector<std::uint8_t> joined;
    for (const auto& piece : record.longData)
        joined.insert(joined.end(), piece.begin(), piece.end());
    EXPECT_EQ(joined, message);
}

TEST_F(InputPort, EmptyPacketsCallNothingAndGoBackToThePlatform) {
    // More than the 32 queued buffers: none may be lost on the way.
    int calls = 0;
    for (int i = 0; i < 40; ++i) {
        device.ReturnFirstBuffer();
        ASSERT_EQ(QueuedAfter({}, calls), 32) << "after empty buffer " << i;
        ++calls;
    }
    EXPECT_TRUE(port.Taken().longData.empty());
    // The next message lands in the next packet and is handled as usual.
    EXPECT_EQ(QueuedAfter(SysEx(10, 1), calls + 1), 32);
    ASSERT_EQ(port.Taken().longData.size(), 1u);
    EXPECT_EQ(port.Taken().longData[0], SysEx(10, 1));
}

TEST_F(InputPort, StopTakesEveryBufferBackAndStartWorksAgain) {
    EXPECT_EQ(QueuedAfter(SysEx(10, 1), 1), 32);
    ASSERT_TRUE(port.Stop());
    EXPECT_FALSE(port.IsRunning());
    EXPECT_EQ(device.QueuedBuffers(), 0);
    EXPECT_TRUE(port.Stop()); // not running: nothing to do
    device.Send({0x90, 0x01, 0x01});
    device.WaitUntilDelivered();

    ASSERT_TRUE(port.Start());
    EXPECT_EQ(device.QueuedBuffers(), 32);
    EXPECT_EQ(QueuedAfter(SysEx(10, 2), 3), 32);
    const auto record = port.Taken();
    ASSERT_EQ(record.longData.size(), 2u);
    EXPECT_EQ(record.longData[1], SysEx(10, 2));
    EXPECT_EQ(record.shorts.size(), 2u); // the markers; the note sent while stopped is gone
}

// Stopping while long messages stream in: the dispatch thread may re-queue a
// buffer after the device was reset; none may stay with the device, or the
// device could not be closed.
TEST_F(InputPort, StoppingDuringTrafficLeavesNoBufferWithTheDevice) {
    std::vector<std::uint8_t> burst;
    for (int i = 0; i < 24; ++i) {
        const auto message = SysEx(20, static_cast<std::uint8_t>(i));
        burst.insert(burst.end(), message.begin(), message.end());
    }
    for (int round = 0; round < 200; ++round) {
        ASSERT_TRUE(port.Start());
        device.Send(burst);
        std::this_thread::yield();
        port.Stop();
        ASSERT_EQ(device.QueuedBuffers(), 0) << "round " << round;
    }
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(device.IsOpen());
}

TEST_F(InputPort, EventsBeyondAFullRingAreDroppedNotOverwritten) {
    std::latch entered(1);
    std::latch release(1);
    port.onShort = [&](std::uint32_t packed) {
        if (packed == 0x0190) { // the first note holds the dispatch thread
            entered.count_down();
            release.wait();
        }
    };
    device.Send({0x90, 0x01, 0x00});
    entered.wait();
    std::vector<std::uint8_t> notes;
    for (int i = 0; i < 3000; ++i)
        notes.insert(notes.end(), {0x90, static_cast<std::uint8_t>(0x10 + i % 64), 0x40});
    device.Send(notes);
    device.WaitUntilDelivered();
    constexpr int kRoom = ML::CIn::CEventRing::kSize - 1 - ML::CIn::CEventRing::kLongReserve;
    EXPECT_EQ(port.DroppedEvents(), 3000u - kRoom);
    release.count_down();
    ASSERT_TRUE(port.WaitForCalls(1 + kRoom));
    port.onShort = nullptr;
    const auto record = port.Taken();
    ASSERT_EQ(record.shorts.size(), 1u + kRoom);
    for (int i = 0; i < kRoom; ++i)
        ASSERT_EQ(record.shorts[static_cast<std::size_t>(i + 1)], 0x400090u | static_cast<std::uint32_t>(0x10 + i % 64)
                                                                                  << 8);
}

// A burst of short system-exclusive messages with clock bytes among them,
// faster than the port takes them: clock bytes are dropped, but every
// message that found a buffer arrives with its own bytes, and so does the
// reply that comes after the burst.
TEST_F(InputPort, AFullRingNeverPairsLongDataWithAnotherMessagesPacket) {
    std::latch entered(1);
    std::latch release(1);
    port.onShort = [&](std::uint32_t packed) {
        if (packed == 0x0190) {
            entered.count_down();
            release.wait();
        }
    };
    device.Send({0x90, 0x01, 0x00});
    entered.wait();
    std::vector<std::uint8_t> burst;
    for (int i = 0; i < 2100; ++i)
        burst.push_back(0xF8);
    for (int i = 0; i < 24; ++i) {
        for (std::uint8_t b : SysEx(12, static_cast<std::uint8_t>(i))) {
            burst.push_back(b);
            burst.push_back(0xF8);
        }
    }
    device.Send(burst);
    device.WaitUntilDelivered();
    const int clocks = 2100 + 24 * 12;
    ASSERT_GT(port.DroppedEvents(), 0u);
    const int clocksIn = clocks - static_cast<int>(port.DroppedEvents());
    release.count_down();
    ASSERT_TRUE(port.WaitForCalls(1 + clocksIn + 24));

    const auto reply = SysEx(141, 0x55);
    ASSERT_TRUE(device.Send(reply));
    ASSERT_TRUE(port.WaitForCalls(1 + clocksIn + 25));
    port.onShort = nullptr;
    const auto record = port.Taken();
    ASSERT_EQ(record.longData.size(), 25u);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(record.longData[static_cast<std::size_t>(i)], SysEx(12, static_cast<std::uint8_t>(i)));
    EXPECT_EQ(record.longData[24], reply);
}

TEST_F(InputPort, CloseIsSafeTwiceAndTheDeviceIsFreeAgain) {
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.DispatchOne());
}

TEST_F(InputPort, OpeningAgainClosesTheOpenDeviceFirst) {
    mm::VirtualInputDevice other("ports-in-other");
    ASSERT_TRUE(port.Open("ports-in-other"));
    EXPECT_FALSE(device.IsOpen());
    EXPECT_TRUE(other.IsOpen());
    EXPECT_FALSE(port.IsRunning());
}

TEST_F(InputPort, AnUnpluggedDeviceIsNoLongerOpen) {
    device.Unplug();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(port.Close());
}

TEST(InputPortOpen, TwoDevicesOfOneNameOpenTheLowerIndex) {
    mm::VirtualInputDevice first("ports-twin");
    mm::VirtualInputDevice second("ports-twin");
    RecordingIn port;
    ASSERT_TRUE(port.Open("ports-twin"));
    EXPECT_TRUE(first.IsOpen());
    EXPECT_FALSE(second.IsOpen());
}

TEST(InputPortOpen, FailuresLeaveThePortClosed) {
    mm::VirtualInputDevice device("ports-failing");
    RecordingIn port;
    EXPECT_FALSE(port.Open("ports-nowhere"));
    EXPECT_FALSE(port.Open("PORTS-FAILING")); // names match exactly
    device.FailOpens(mm::MMSYSERR_NOMEM);
    test::RecordingReporter reporter(test::RecordingReporter::kInput);
    EXPECT_FALSE(port.Open("ports-failing"));
    EXPECT_EQ(reporter.Failures(), std::vector<mm::MMRESULT>{mm::MMSYSERR_NOMEM});
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Start());
    EXPECT_TRUE(port.Close());
}

TEST(InputPortDispatch, AnEmptyRingCallsNothing) {
    RecordingIn port;
    EXPECT_FALSE(port.DispatchOne());
    EXPECT_EQ(port.Taken().total(), 0);
    EXPECT_TRUE(port.Stop());
    EXPECT_TRUE(port.Close());
}

// A port whose first short message blocks its handler until the test lets
// it go. The handler keeps what it needs in locals: after the wait its port
// may be gone.
struct Gate {
    std::latch entered{1};
    std::latch release{1};
    std::atomic<bool> done{false};
};

class StuckIn : public RecordingIn {
public:
    StuckIn(ML::ITickClock& clock, Gate& gate) : RecordingIn(clock), gate_(&gate) {}
    ~StuckIn() override { Close(); }

protected:
    void OnShortMessage(std::uint32_t) override {
        Gate* gate = gate_;
        if (gate->entered.try_wait())
            return; // only the first one blocks
        gate->entered.count_down();
        gate->release.wait();
        gate->done = true;
    }

private:
    Gate* gate_;
};

// A handler that does not return: Stop gives up after 4000 ms (on the test's
// clock), reports it, and the thread, once the handler returns, touches
// neither the port nor freed memory (the sanitizers watch this).
TEST(InputPortStop, ADispatchThreadStuckInAHandlerIsLeftBehindSafely) {
    mm::VirtualInputDevice device("ports-stuck");
    test::FakeTickClock clock;
    test::RecordingReporter reporter(test::RecordingReporter::kOutput);
    Gate gate;
    {
        StuckIn port(clock, gate);
        ASSERT_TRUE(port.Open("ports-stuck"));
        ASSERT_TRUE(port.Start());
        device.Send({0x90, 0x3C, 0x40, 0xF0, 0x01, 0xF7});
        gate.entered.wait();
        device.WaitUntilDelivered();

        const std::uint32_t before = clock.GetTickCount();
        EXPECT_FALSE(port.Stop());
        EXPECT_GE(clock.GetTickCount() - before, 4000u);
        EXPECT_EQ(reporter.Failures(), std::vector<mm::MMRESULT>{mm::MMSYSERR_HANDLEBUSY});
        EXPECT_EQ(device.QueuedBuffers(), 0);

        // The port is usable again at once, with a fresh set of packets.
        ASSERT_TRUE(port.Start());
        EXPECT_EQ(device.QueuedBuffers(), 32);
        device.Send({0xF0, 0x02, 0xF7});
        ASSERT_TRUE(port.WaitForCalls(1));
        EXPECT_EQ(port.Taken().longData.back(), (std::vector<std::uint8_t>{0xF0, 0x02, 0xF7}));
    }
    EXPECT_FALSE(gate.done);
    gate.release.count_down();
    // Let the left-behind thread finish before the gate goes.
    for (int i = 0; i < 5000 && !gate.done; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(gate.done);
}

} // namespace
