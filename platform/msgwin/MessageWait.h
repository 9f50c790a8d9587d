#pragma once
// The blocking wait of a transfer: until a message in a range is pending on a
// queue or a deadline on a millisecond tick clock has passed.
//
// The wait sleeps on the queue's condition variable in real time, in slices
// of at most `grace`, and then asks the clock how far it moved:
// - a clock that follows real time (the system's) has moved by the slice, and
//   the wait simply goes on until its deadline;
// - a clock that did not move with real time (a test clock that only
//   advances when asked to sleep) is told to Sleep through to the deadline
//   once a real-time slice has passed without a message, so a timeout costs
//   the test at most `grace` of real time instead of the full timeout, while a
//   reply that arrives on another thread within the grace still ends the
//   wait normally.
//
// Clock is any type with GetTickCount() (milliseconds, wrapping at 2^32) and
// Sleep(milliseconds), such as ML::ITickClock.
#include "platform/msgwin/MessageQueue.h"
#include "platform/msgwin/Messages.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace msgwin {

inline constexpr std::chrono::milliseconds kDefaultWaitGrace{200};

// True as soon as a message in [first, last] is pending, false once the
// clock has reached deadline.
template <typename Clock>
bool WaitForMessages(MessageQueue& queue, UINT first, UINT last, Clock& clock, std::uint32_t deadline,
                     std::chrono::milliseconds grace = kDefaultWaitGrace) {
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    for (;;) {
        const std::uint32_t before = clock.GetTickCount();
        const auto remaining = static_cast<std::int32_t>(deadline - before);
        if (remaining <= 0)
            return queue.HasPending(first, last);
        const milliseconds slice = std::min(milliseconds(remaining), grace);
        const auto realStart = steady_clock::now();
        if (queue.WaitForRange(first, last, slice))
            return true;
        const auto realMs = std::chrono::duration_cast<milliseconds>(steady_clock::now() - realStart).count();
        const std::uint32_t moved = clock.GetTickCount() - before;
        if (static_cast<long long>(moved) * 2 < realMs) {
            const auto left = static_cast<std::int32_t>(deadline - clock.GetTickCount());
            if (left > 0)
                clock.Sleep(static_cast<std::uint32_t>(left));
        }
    }
}

} // namespace msgwin
