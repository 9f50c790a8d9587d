#include "ml/TickClock.h"

#include <chrono>
#include <thread>

namespace ML {

namespace {

class CSystemTickClock final : public ITickClock {
public:
    std::uint32_t GetTickCount() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    void Sleep(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

} // namespace

ITickClock& SystemTickClock() {
    static CSystemTickClock clock;
    return clock;
}

} // namespace ML
