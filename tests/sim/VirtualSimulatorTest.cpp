// The simulated unit as a device pair, driven through the library's own
// MIDI ports; the engine end to end is in tests/e2e.
#include "sim/VirtualSimulator.h"

#include "ml/In.h"
#include "ml/Out.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class CollectingIn final : public ML::CIn {
public:
    ~CollectingIn() override { Close(); }

    // The next complete message, or an empty one after the timeout.
    Bytes Next(std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, timeout, [&] { return !messages_.empty(); }))
            return {};
        Bytes first = messages_.front();
        messages_.erase(messages_.begin());
        return first;
    }

protected:
    void OnLongData(const std::uint8_t* data, std::uint32_t length) override {
        std::lock_guard lock(mutex_);
        messages_.emplace_back(data, data + length);
        arrived_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Bytes> messages_;
};

TEST(VirtualSimulator, WireSpeedHoldsRequestAndReplyForTheirWireTime) {
    using namespace std::chrono;
    sim::CVirtualSimulator simulator;
    simulator.SetFaults({.wireSpeed = true});
    const std::string name(sim::kSimulatorDeviceName);
    CollectingIn in;
    ML::COut out;
    ASSERT_TRUE(in.Open(name));
    ASSERT_TRUE(in.Start());
    ASSERT_TRUE(out.Open(name));
    const auto start = steady_clock::now();
    ASSERT_TRUE(out.SendLong(
        Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7}));
    EXPECT_GE(steady_clock::now() - start, microseconds(17 * 320)) << "the request's own wire time";
    EXPECT_EQ(in.Next().size(), 141u);
    EXPECT_GE(steady_clock::now() - start, microseconds((17 + 141) * 320));
}

TEST(VirtualSimulator, ExistsOnlyWhileTheObjectLives) {
    const std::string name(sim::kSimulatorDeviceName);
    ML::COut out;
    {
        sim::CVirtualSimulator simulator;
        ASSERT_TRUE(out.Open(name));
        ASSERT_TRUE(out.Close());
    }
    EXPECT_FALSE(out.Open(name));
}

} // namespace
