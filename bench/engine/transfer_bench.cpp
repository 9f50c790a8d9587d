// What a user waits for at the unit: Read All (120 patches) and a write of
// the 60 MEMORY patches, against the simulated unit on a 31250-baud wire,
// compared with the time the bytes alone need on that wire. Also the CPU
// time the process uses meanwhile (every thread), since waiting must not
// spin.
#include "bench/TransferSizes.h"
#include "cli/EngineSession.h"
#include "data/ImageDocument.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <vector>

namespace {

using Seconds = std::chrono::duration<double>;

using namespace bench;
constexpr double kWritePause = 0.020;

double WireSeconds(long bytes) { return Seconds(mm::kWireTimePerByte * bytes).count(); }

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// An engine bound to the simulated unit with wire-speed timing on.
struct WiredUnit {
    WiredUnit() {
        cli::DeviceChoice choice;
        choice.simulator = true;
        started = session.Start(choice);
        if (started)
            session.Simulator()->SetFaults({.wireSpeed = true});
    }
    cli::CEngineSession session;
    bool started = false;
};

// Runs one transfer per iteration; reports the time against the wire limit
// and the CPU share.
template <typename Transfer>
void Measure(benchmark::State& state, double wireLimit, Transfer transfer) {
    WiredUnit unit;
    if (!unit.started) {
        state.SkipWithError("the engine could not be set up");
        return;
    }
    double elapsed = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double cpuBefore = CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        if (!transfer(unit.session)) {
            state.SkipWithError("the transfer failed");
            return;
        }
        const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
        cpu += CpuSeconds() - cpuBefore;
        elapsed += seconds;
        state.SetIterationTime(seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["wire_limit_s"] = wireLimit;
    state.counters["x_wire_limit"] = elapsed / n / wireLimit;
    state.counters["cpu_s"] = cpu / n;
    state.counters["cpu_pct"] = 100.0 * cpu / elapsed;
}

void BM_ReadAll(benchmark::State& state) {
    const double limit = WireSeconds(long{kPatches} * (kRequestBytes + kDataSetBytes)) +
                         WireSeconds(long{kReadAllIdentityChecks} * kIdentityBytes);
    Measure(state, limit, [](cli::CEngineSession& session) {
        CImageDocument document;
        document.GetImage().FillWithNewPatches();
        std::vector<int> failed;
        return session.Reader().ReadAll(document, &failed) && failed.empty();
    });
}

void BM_WriteMemory(benchmark::State& state) {
    const double limit =
        WireSeconds(long{kMemoryPatches} * kDataSetBytes) + kMemoryPatches * kWritePause + WireSeconds(kIdentityBytes);
    CImageDocument document;
    document.GetImage().FillWithNewPatches();
    std::vector<int> indexes(kMemoryPatches);
    for (int i = 0; i < kMemoryPatches; ++i)
        indexes[static_cast<std::size_t>(i)] = i;
    Measure(state, limit, [&](cli::CEngineSession& session) {
        return session.Writer().WritePatches(0x21, indexes, document.GetArray(1));
    });
}

BENCHMARK(BM_ReadAll)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK(BM_WriteMemory)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
