#pragma once
// Milliseconds that pass only when someone sleeps: a sleep moves the clock at
// once and gives up at most a millisecond of real time, so that loops which
// poll while sleeping (a port waiting for its dispatch thread to end) still
// let other threads run.
#include "ml/TickClock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace test {

class SleepingClock final : public ML::ITickClock {
public:
    std::uint32_t GetTickCount() override { return now_.load(); }
    void Sleep(std::uint32_t milliseconds) override {
        now_ += milliseconds;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<std::uint32_t>(milliseconds, 1)));
    }

private:
    std::atomic<std::uint32_t> now_{100000};
};

} // namespace test
