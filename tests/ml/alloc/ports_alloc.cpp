// The receive path allocates nothing: while short messages and
// system-exclusive messages flow from a virtual device through the platform's
// callback, the ring and the dispatch thread into the handlers, no global
// operator new is called by any thread.
#include "ml/In.h"
#include "tests/support/AllocationCounter.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

namespace {

using test::alloc::allocations;
using test::alloc::counting;

// Handlers that only count and check, as allocation-free as the path itself.
class CountingIn : public ML::CIn {
public:
    ~CountingIn() override { Close(); }
    std::atomic<int> shorts{0};
    std::atomic<int> longs{0};
    std::atomic<int> wrong{0};

protected:
    void OnShortMessage(std::uint32_t packed) override {
        if ((packed & 0xF0) != 0x90)
            wrong.fetch_add(1);
        shorts.fetch_add(1, std::memory_order_release);
    }
    void OnLongData(const std::uint8_t* data, std::uint32_t length) override {
        if (length != 141 || data[0] != 0xF0 || data[140] != 0xF7)
            wrong.fetch_add(1);
        longs.fetch_add(1, std::memory_order_release);
    }
};

// Spins (yielding) until value reaches target; a guard of ten seconds keeps a
// failure from hanging the run.
bool WaitFor(const std::atomic<int>& value, int target) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (value.load(std::memory_order_acquire) < target) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(ReceivePath, AllocatesNothing) {
    constexpr int kShortBatches = 10;
    constexpr int kShortsPerBatch = 1000; // fits the event ring
    constexpr int kSysExCount = 1000;
    constexpr int kSysExPerBatch = 16; // fits the 32 queued buffers

    mm::VirtualInputDevice device("alloc-in");
    CountingIn port;
    ASSERT_TRUE(port.Open("alloc-in"));
    ASSERT_TRUE(port.Start());

    std::vector<std::uint8_t> notes;
    for (int i = 0; i < kShortsPerBatch; ++i)
        notes.insert(notes.end(), {0x90, static_cast<std::uint8_t>(i & 0x7F), 0x40});
    std::vector<std::uint8_t> sysex(141 * kSysExPerBatch, 0x2A);
    for (int i = 0; i < kSysExPerBatch; ++i) {
        sysex[static_cast<std::size_t>(i) * 141] = 0xF0;
        sysex[static_cast<std::size_t>(i) * 141 + 140] = 0xF7;
    }

    bool flowed = true;
    counting = true;
    for (int batch = 1; batch <= kShortBatches && flowed; ++batch)
        flowed = device.Send(notes) && WaitFor(port.shorts, batch * kShortsPerBatch);
    for (int sent = 0; sent < kSysExCount && flowed; sent += kSysExPerBatch) {
        const int n = std::min(kSysExPerBatch, kSysExCount - sent);
        flowed =
            device.Send(std::span(sysex).first(static_cast<std::size_t>(n) * 141)) && WaitFor(port.longs, sent + n);
    }
    counting = false;

    ASSERT_TRUE(flowed);
    EXPECT_EQ(port.shorts.load(), kShortBatches * kShortsPerBatch);
    EXPECT_EQ(port.longs.load(), kSysExCount);
    EXPECT_EQ(port.wrong.load(), 0);
    EXPECT_EQ(port.DroppedEvents(), 0u);
    EXPECT_EQ(allocations.load(), 0);
}

// The counter itself works: otherwise the test above proves nothing.
TEST(ReceivePath, TheCounterSeesAnAllocation) {
    static int* volatile kept = nullptr;
    counting = true;
    kept = new int(7);
    counting = false;
    delete kept;
    EXPECT_EQ(allocations.exchange(0), 1);
}

} // namespace
