// What the protection of a write costs the user: a write of the 60 MEMORY
// patches to the simulated unit on a 31250-baud wire, plain, with the
// read-back and with the backup first, timed one after the other in every
// iteration so that each protected write is given as a multiple of the plain
// one of the same run. Each adds one read of the same patches.
#include "cli/EngineSession.h"
#include "data/ImageData.h"
#include "engine/Writer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Seconds = std::chrono::duration<double>;

constexpr int kMemoryPatches = 60;

double Time(const std::function<bool()>& write, bool& ok) {
    const auto start = std::chrono::steady_clock::now();
    ok = write() && ok;
    return Seconds(std::chrono::steady_clock::now() - start).count();
}

void BM_WriteMemoryChecked(benchmark::State& state) {
    cli::CEngineSession session;
    cli::DeviceChoice choice;
    choice.simulator = true;
    std::string folder = (std::filesystem::temp_directory_path() / "zm47-bench-XXXXXX").string();
    if (!session.Start(choice) || ::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("the engine or the backup folder could not be set up");
        return;
    }
    session.Simulator()->SetFaults({.wireSpeed = true});
    CImageData image;
    image.FillWithNewPatches();
    std::vector<int> indexes(kMemoryPatches);
    for (int i = 0; i < kMemoryPatches; ++i)
        indexes[static_cast<std::size_t>(i)] = i;
    CWriter& writer = session.Writer();
    const CParameterArray& memory = image.GetArray(1);

    double plain = 0;
    double verified = 0;
    double backedUp = 0;
    int backup = 0;
    for (auto _ : state) {
        bool ok = true;
        const double p = Time([&] { return writer.WritePatches(0x21, indexes, memory); }, ok);
        const double v = Time([&] { return writer.WritePatches(0x21, indexes, memory, {.verify = true}); }, ok);
        const auto file = std::filesystem::path(folder) / ("backup" + std::to_string(++backup) + ".z4l");
        const double b = Time([&] { return writer.WritePatches(0x21, indexes, memory, {.backupFile = file}); }, ok);
        if (!ok) {
            state.SkipWithError("a write failed");
            break;
        }
        plain += p;
        verified += v;
        backedUp += b;
        state.SetIterationTime(p + v + b);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    const auto n = static_cast<double>(state.iterations());
    state.counters["plain_s"] = plain / n;
    state.counters["verify_s"] = verified / n;
    state.counters["backup_s"] = backedUp / n;
    state.counters["verify_x_plain"] = verified / plain;
    state.counters["backup_x_plain"] = backedUp / plain;
}

BENCHMARK(BM_WriteMemoryChecked)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
