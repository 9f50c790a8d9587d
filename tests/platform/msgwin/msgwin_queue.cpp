// Posted messages: hand-over between threads, the pump's ranges and order,
// and the blocking wait on a test clock.
#include "platform/msgwin/MessageQueue.h"
#include "platform/msgwin/MessageWait.h"
#include "platform/msgwin/MessageWindow.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

using namespace msgwin;

namespace {

struct Handled {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

// A clock that moves only when asked to sleep.
class ManualClock {
public:
    std::uint32_t GetTickCount() { return now.load(); }
    void Sleep(std::uint32_t milliseconds) {
        ++sleeps;
        now += milliseconds;
    }
    std::atomic<std::uint32_t> now{5000};
    std::atomic<int> sleeps{0};
};

class MessageQueueTest : public ::testing::Test {
protected:
    MessageQueue queue;
    std::vector<Handled> handled;
    MessageWindow window{queue, [this](UINT m, WPARAM w, LPARAM l) {
                             handled.push_back({m, w, l});
                             return LRESULT{0};
                         }};

    std::vector<UINT> HandledNumbers() const {
        std::vector<UINT> numbers;
        for (const auto& h : handled)
            numbers.push_back(h.message);
        return numbers;
    }
};

TEST_F(MessageQueueTest, PostsFromAnotherThreadArriveInOrderAndWakeThePostingThread) {
    std::atomic<int> wakes{0};
    std::atomic<bool> wokeOnPoster{true};
    // Only the poster and this thread exist: a wake on this thread would be wrong.
    const std::thread::id self = std::this_thread::get_id();
    queue.SetWakeHook([&] {
        ++wakes;
        if (std::this_thread::get_id() == self)
            wokeOnPoster = false;
    });
    std::thread thread([&] {
        for (int i = 0; i < 100; ++i)
            window.PostMessage(WM_USER + 1, static_cast<WPARAM>(i), -i);
    });
    thread.join();

    EXPECT_TRUE(handled.empty()) << "nothing is handled before a pump";
    EXPECT_EQ(queue.PendingCount(), 100u);
    EXPECT_EQ(queue.DispatchAll(), 100u);
    ASSERT_EQ(handled.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(handled[static_cast<std::size_t>(i)].wparam, static_cast<WPARAM>(i));
        EXPECT_EQ(handled[static_cast<std::size_t>(i)].lparam, -i);
    }
    EXPECT_EQ(wakes.load(), 100);
    EXPECT_TRUE(wokeOnPoster.load());
}

TEST_F(MessageQueueTest, PumpDropsTimersThenPaintsThenTakesTheUserRangeOnly) {
    std::vector<std::string> order;
    queue.SetPaintHook([&] { order.push_back("paint hook after " + std::to_string(handled.size())); });
    window.PostMessage(WM_TIMER, 1, 0);
    window.PostMessage(WM_USER + 1, 2, 0);
    window.PostMessage(0x0200, 3, 0); // a mouse message: not the pump's business
    window.PostMessage(WM_PAINT, 4, 0);
    window.PostMessage(WM_USER, 5, 0);
    window.PostMessage(WM_USER + 255, 6, 0);
    window.PostMessage(WM_USER + 256, 7, 0);

    EXPECT_EQ(queue.Pump(), 4u);
    EXPECT_EQ(HandledNumbers(), (std::vector<UINT>{WM_PAINT, WM_USER + 1, WM_USER, WM_USER + 255}));
    EXPECT_EQ(order, (std::vector<std::string>{"paint hook after 1"}));
    EXPECT_EQ(queue.PendingCount(), 2u) << "the timer is gone, the others outside the range stay";
    EXPECT_TRUE(queue.HasPending(0x0200, 0x0200));
    EXPECT_TRUE(queue.HasPending(WM_USER + 256, WM_USER + 256));
}

TEST_F(MessageQueueTest, AProgressPumpBelowWmUserLeavesMidiQueued) {
    window.PostMessage(WM_USER, 1, 0);
    window.PostMessage(0x0100, 2, 0);
    window.PostMessage(WM_USER + 1, 3, 0);

    EXPECT_EQ(queue.DispatchRange(0, WM_USER - 1), 1u);
    EXPECT_EQ(HandledNumbers(), (std::vector<UINT>{0x0100}));
    EXPECT_TRUE(queue.HasPending(WM_USER, WM_USER_LAST));
    queue.Pump();
    EXPECT_EQ(HandledNumbers(), (std::vector<UINT>{0x0100, WM_USER, WM_USER + 1}));
}

TEST_F(MessageQueueTest, MessagesPostedWhileHandlingAreTakenBySameDispatch) {
    int reposts = 3;
    MessageWindow chain(queue, [&](UINT, WPARAM, LPARAM) {
        if (reposts-- > 0)
            queue.Post(window, WM_USER, 0, 0);
        return LRESULT{0};
    });
    chain.PostMessage(WM_USER, 0, 0);
    EXPECT_EQ(queue.DispatchRange(WM_USER, WM_USER_LAST), 2u);
    EXPECT_EQ(queue.PendingCount(), 0u);
}

TEST_F(MessageQueueTest, DestroyingAWindowDropsItsPendingMessagesOnly) {
    {
        MessageWindow other(queue, [](UINT, WPARAM, LPARAM) { return LRESULT{0}; });
        other.PostMessage(WM_USER, 1, 0);
        window.PostMessage(WM_USER, 2, 0);
    }
    EXPECT_EQ(queue.Pump(), 1u);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0].wparam, 2u);
}

TEST_F(MessageQueueTest, WaitOnATestClockTimesOutWithoutWaitingTheTimeout) {
    ManualClock clock;
    window.PostMessage(0x0100, 0, 0); // outside the waited range
    const auto start = std::chrono::steady_clock::now();
    const std::uint32_t deadline = clock.now + 3000;

    EXPECT_FALSE(WaitForMessages(queue, WM_USER, WM_USER_LAST, clock, deadline, std::chrono::milliseconds(20)));
    EXPECT_EQ(clock.now.load(), deadline) << "the clock was moved on to the deadline";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(MessageQueueTest, WaitEndsWhenAMessageArrivesFromAnotherThread) {
    ManualClock clock;
    const std::uint32_t deadline = clock.now + 3000;
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        window.PostMessage(WM_USER + 1, 9, 0);
    });
    // A generous grace: the reply must end the wait, not the clock.
    const bool arrived =
        WaitForMessages(queue, WM_USER, WM_USER_LAST, clock, deadline, std::chrono::milliseconds(5000));
    poster.join();

    EXPECT_TRUE(arrived);
    EXPECT_EQ(clock.sleeps.load(), 0);
    EXPECT_LT(clock.now.load(), deadline);
    EXPECT_EQ(queue.Pump(), 1u);
}

TEST_F(MessageQueueTest, WaitReturnsAtOnceWhenMidiIsAlreadyPendingOrTheDeadlinePassed) {
    ManualClock clock;
    window.PostMessage(WM_USER, 0, 0);
    EXPECT_TRUE(WaitForMessages(queue, WM_USER, WM_USER_LAST, clock, clock.now + 3000));
    queue.Pump();
    EXPECT_FALSE(WaitForMessages(queue, WM_USER, WM_USER_LAST, clock, clock.now - 1));
    EXPECT_EQ(clock.sleeps.load(), 0);
}

TEST(MessageWindowTest, AWindowOnTheThreadQueueIsPumpedByThatThread) {
    int calls = 0;
    MessageWindow window([&](UINT, WPARAM, LPARAM) { return LRESULT{++calls}; });
    std::thread([&] { window.PostMessage(WM_USER, 0, 0); }).join();
    EXPECT_EQ(&window.Queue(), &MessageQueue::ForCurrentThread());
    MessageQueue::ForCurrentThread().Pump();
    EXPECT_EQ(calls, 1);
}

} // namespace
