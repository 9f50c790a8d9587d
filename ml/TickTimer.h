#pragma once
// A deadline on the millisecond tick count: started by Restart, expired once
// duration milliseconds have passed. Correct across the wrap of the count.
#include "ml/TickClock.h"

#include <cstdint>

namespace ML {

struct CTickTimer {
    explicit CTickTimer(int durationMs = 0, ITickClock& tickClock = SystemTickClock())
        : duration(durationMs), clock(&tickClock) {}

    // start := now
    void Restart() { start = clock->GetTickCount(); }
    // start + duration - now
    int Remaining() const {
        return static_cast<std::int32_t>(start + static_cast<std::uint32_t>(duration) - clock->GetTickCount());
    }
    bool Expired() const { return Remaining() <= 0; }

    int duration = 0;
    std::uint32_t start = 0xFFFFFFFF;
    ITickClock* clock; // not owned
};

} // namespace ML
