#pragma once
// The millisecond tick count and sleeping, behind an interface so that code
// that paces or times out can be run by tests on a clock they advance.
#include <cstdint>

namespace ML {

class ITickClock {
public:
    virtual ~ITickClock() = default;
    // Milliseconds since an arbitrary start; wraps after 2^32.
    virtual std::uint32_t GetTickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The system's steady clock; process-wide, created on first use.
ITickClock& SystemTickClock();

} // namespace ML
