// Receive latency of the input port: from the far side's send on a virtual
// device to OnLongData on the port's dispatch thread, for a 141-byte data
// set as the unit sends it. The dispatch thread is asleep when the message
// comes (a pause after each one), as it is when a reply arrives.
#include "ml/In.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class TimingIn : public ML::CIn {
public:
    ~TimingIn() override { Close(); }
    std::atomic<int> arrivals{0};
    std::atomic<Clock::rep> lastArrival{0};

protected:
    void OnLongData(const std::uint8_t*, std::uint32_t) override {
        lastArrival.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
        arrivals.fetch_add(1, std::memory_order_release);
    }
};

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

void BM_SendToOnLongData(benchmark::State& state) {
    const auto pause = std::chrono::microseconds(state.range(0));
    mm::VirtualInputDevice device("bench-latency");
    TimingIn port;
    if (!port.Open("bench-latency") || !port.Start()) {
        state.SkipWithError("the virtual device did not open");
        return;
    }
    std::vector<std::uint8_t> message(141, 0x2A);
    message.front() = 0xF0;
    message.back() = 0xF7;

    std::vector<double> microseconds;
    microseconds.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        std::this_thread::sleep_for(pause);
        const int before = port.arrivals.load(std::memory_order_acquire);
        const Clock::time_point sent = Clock::now();
        device.Send(message);
        while (port.arrivals.load(std::memory_order_acquire) == before) {}
        const Clock::time_point arrived{Clock::duration(port.lastArrival.load(std::memory_order_relaxed))};
        const std::chrono::duration<double> latency = arrived - sent;
        state.SetIterationTime(latency.count());
        microseconds.push_back(latency.count() * 1e6);
    }
    state.counters["median_us"] = Percentile(microseconds, 0.5);
    state.counters["p90_us"] = Percentile(microseconds, 0.9);
    state.counters["p99_us"] = Percentile(microseconds, 0.99);
}

BENCHMARK(BM_SendToOnLongData)
    ->Arg(1000)
    ->Arg(0)
    ->ArgName("pause_us")
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
