// Read All (120 patches) over JACK: this process is the librarian's engine,
// the simulated unit runs as zm47-cli sim, a process of its own, on a
// private server at 48 kHz with periods of the benchmark's argument in
// frames (1024: 21.3 ms, 128: 2.67 ms, 32: 0.67 ms). The server is JACK 2's
// jackd with the dummy driver, or with ZM47_TEST_SERVER=pipewire and
// PipeWire's libjack on LD_LIBRARY_PATH (as the tests run it) a private
// PipeWire, its period fixed on that server. A request and its answer each
// wait for a period, so shorter periods come nearer the wire.
// - On a desktop's PipeWire (PipeWire only): the period is not fixed on the
//   server but left to its clients, as a desktop runs it (1024 frames
//   unless a client asks otherwise), and the librarian asks for what it
//   needs while the transfer runs.
// - At wire speed (the unit answers as fast as a 31250-baud cable):
//   x_wire_limit, the time against the time the bytes alone need.
// - At full speed: patches per second, and the median time from one patch
//   to the next in JACK periods (a request and its data set through the
//   server and both processes).
// - cpu_pct: the CPU time of this process (every thread) against the time
//   the transfer took.
#include "bench/TransferSizes.h"
#include "cli/EngineSession.h"
#include "data/ImageDocument.h"
#include "engine/Reader.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "tests/support/JackServer.h"
#include "toolkit/core/ForwardingProgress.h"

#include <benchmark/benchmark.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

using namespace bench;
constexpr double kSampleRate = 48000;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Notes when each patch's transfer starts: the reader names the patch
// before it asks for it.
class PatchClock : public GT::CForwardingProgress {
public:
    PatchClock() : CForwardingProgress(nullptr) {}
    bool SetText(std::string_view) override {
        starts.push_back(Clock::now());
        return true;
    }

    std::vector<Clock::time_point> starts;
};

double MedianGap(const std::vector<Clock::time_point>& starts, Clock::time_point end) {
    std::vector<double> gaps;
    for (std::size_t i = 0; i < starts.size(); ++i)
        gaps.push_back(Seconds((i + 1 < starts.size() ? starts[i + 1] : end) - starts[i]).count());
    if (gaps.empty())
        return 0;
    std::nth_element(gaps.begin(), gaps.begin() + static_cast<long>(gaps.size() / 2), gaps.end());
    return gaps[gaps.size() / 2];
}

// A private server, the unit's process and an engine bound to its ports.
struct UnitOverJack {
    UnitOverJack(bool wireSpeed, unsigned periodFrames, bool fixedPeriod) {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/zm47-bench-jack-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        folder = pattern;
        server.SetFixedPeriod(fixedPeriod);
        if (!server.Start(folder, problem, periodFrames))
            return;
        std::vector<std::string> argv = {ZM47_CLI_PATH, "sim", "--api", "jack"};
        if (wireSpeed)
            argv.push_back("--wire-speed");
        if (!unit.Start(argv, folder + "/sim.out", folder + "/sim.err") ||
            !test::WaitForJackPorts({"ZM-47 Simulator Out:out", "ZM-47 Simulator In:in"}, true)) {
            problem = "the simulated unit's process did not start: " + test::ReadWholeFile(folder + "/sim.err");
            return;
        }
        cli::DeviceChoice choice;
        choice.input = "JACK: ZM-47 Simulator Out:out";
        choice.output = "JACK: ZM-47 Simulator In:in";
        session = std::make_unique<cli::CEngineSession>();
        if (!session->Start(choice)) {
            problem = "the engine could not open the unit's JACK ports";
            return;
        }
        ready = true;
    }
    ~UnitOverJack() {
        session.reset();
        // The server only once the unit's ports are gone: see the tests' fixture.
        unit.Stop(SIGINT, std::chrono::seconds(5));
        test::WaitForJackPorts({"ZM-47 Simulator Out:out", "ZM-47 Simulator In:in"}, false);
        server.Stop();
        if (!folder.empty())
            std::filesystem::remove_all(folder);
    }

    std::string folder;
    std::string problem;
    test::PrivateJackServer server;
    test::ChildProcess unit;
    std::unique_ptr<cli::CEngineSession> session;
    bool ready = false;
};

void ReadAll(benchmark::State& state, bool wireSpeed, bool fixedPeriod = true) {
    const std::string missing = test::PrivateJackServer::Missing();
    if (!missing.empty()) {
        state.SkipWithError(missing.c_str());
        return;
    }
    const bool pipeWire = test::PrivateJackServer::PipeWireChosen();
    if (!fixedPeriod && !pipeWire) {
        state.SkipWithError("a desktop's period is PipeWire's (ZM47_TEST_SERVER=pipewire)");
        return;
    }
    state.SetLabel(pipeWire ? "pipewire" : "jackd");
    const auto periodFrames = static_cast<unsigned>(state.range(0));
    UnitOverJack jack(wireSpeed, periodFrames, fixedPeriod);
    if (!jack.ready) {
        state.SkipWithError(jack.problem.c_str());
        return;
    }
    double elapsed = 0;
    double cpu = 0;
    double medianGap = 0;
    for (auto _ : state) {
        PatchClock patches;
        jack.session->Reader().SetProgress(&patches);
        CImageDocument document;
        document.GetImage().FillWithNewPatches();
        std::vector<int> failed;
        const double cpuBefore = CpuSeconds();
        const auto start = Clock::now();
        const bool read = jack.session->Reader().ReadAll(document, &failed) && failed.empty();
        const auto end = Clock::now();
        jack.session->Reader().SetProgress(nullptr);
        if (!read) {
            state.SkipWithError("Read All failed");
            return;
        }
        const double seconds = Seconds(end - start).count();
        cpu += CpuSeconds() - cpuBefore;
        elapsed += seconds;
        medianGap += MedianGap(patches.starts, end);
        state.SetIterationTime(seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    const double wireLimit = Seconds(mm::kWireTimePerByte * (long{kPatches} * (kRequestBytes + kDataSetBytes) +
                                                             long{kReadAllIdentityChecks} * kIdentityBytes))
                                 .count();
    const double period = periodFrames / kSampleRate;
    if (wireSpeed)
        state.counters["x_wire_limit"] = elapsed / n / wireLimit;
    state.counters["patches_per_s"] = kPatches * n / elapsed;
    state.counters["median_patch_periods"] = medianGap / n / period;
    state.counters["median_patch_ms"] = medianGap / n * 1000;
    state.counters["period_ms"] = period * 1000;
    state.counters["cpu_pct"] = 100.0 * cpu / elapsed;
}

void BM_ReadAllOverJackWireSpeed(benchmark::State& state) { ReadAll(state, true); }
void BM_ReadAllOverJackFullSpeed(benchmark::State& state) { ReadAll(state, false); }
void BM_ReadAllOnDesktopPipeWireWireSpeed(benchmark::State& state) { ReadAll(state, true, false); }

BENCHMARK(BM_ReadAllOverJackWireSpeed)
    ->Arg(1024)
    ->Arg(256)
    ->Arg(128)
    ->Arg(32)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_ReadAllOverJackFullSpeed)
    ->Arg(128)
    ->Arg(32)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
// The argument is the period the desktop runs at before the transfer.
BENCHMARK(BM_ReadAllOnDesktopPipeWireWireSpeed)->Arg(1024)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
