// Load and save of a 100,000-patch librarian file with memos, beside a plain
// read and write of the same bytes, and the heap a loaded file takes.
//
// operator new is counted while one file loads, so the memory figures are the
// heap bytes the load allocates (live afterwards and at its peak).
#include "data/LibrarianFile.h"
#include "data/Patch.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <malloc.h>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Counting is switched on only around the memory measurement, so that it
// does not slow the timed benchmarks down.
std::atomic<bool> counting{false};
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void Count(void* p) {
    if (!p || !counting.load(std::memory_order_relaxed))
        return;
    const long long now = liveBytes += static_cast<long long>(malloc_usable_size(p));
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {}
}

} // namespace

// malloc and free stand behind every new and delete of this program; GCC
// cannot see that the replaced pair matches.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    Count(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p && counting.load(std::memory_order_relaxed))
        liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
#pragma GCC diagnostic pop

namespace {

constexpr std::size_t kPatches = 100000;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zm47-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

std::filesystem::path SourceFile() { return Folder() / "source.z4l"; }

void MakeSourceFile() {
    CFileDocument document;
    for (std::size_t i = 0; i < kPatches; ++i) {
        auto patch = std::make_unique<CPatch>();
        patch->Initialize();
        for (int b = 0; b < CPatch::kNameOffset; ++b)
            patch->Data()[b] = static_cast<std::uint8_t>((i + static_cast<std::size_t>(b)) & 0x7F);
        patch->SetName("PATCH " + std::to_string(i));
        patch->SetMemo(1, "Memo 1 of patch " + std::to_string(i));
        patch->SetMemo(2, "clean rhythm");
        patch->SetMemo(4, "Recorded for the live set, second half; try it with the neck pickup");
        document.Patches().Append(std::move(patch));
    }
    if (!WriteLibrarianFile(SourceFile(), document))
        std::abort();
}

std::vector<std::uint8_t> PlainRead(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
    std::size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n <= 0)
            std::abort();
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return bytes;
}

void PlainWrite(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes, bool sync) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    if (sync)
        ::fsync(fd);
    ::close(fd);
}

void BM_PlainRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(SourceFile()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(SourceFile())));
}

void BM_Load(benchmark::State& state) {
    // Only the load is timed; closing the document afterwards is not.
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<CFileDocument>();
        state.ResumeTiming();
        if (!ReadLibrarianFile(SourceFile(), *document) || document->Patches().Size() != kPatches)
            state.SkipWithError("load failed");
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(SourceFile())));
}

void BM_PlainWrite(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = PlainRead(SourceFile());
    const bool sync = state.range(0) != 0;
    for (auto _ : state)
        PlainWrite(Folder() / "plain.z4l", bytes, sync);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Save(benchmark::State& state) {
    CFileDocument document;
    if (!ReadLibrarianFile(SourceFile(), document))
        std::abort();
    for (auto _ : state)
        if (!WriteLibrarianFile(Folder() / "saved.z4l", document))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(SourceFile())));
}

// Heap of one loaded file: what stays allocated and the peak during the load
// (the file's bytes are held while it is parsed).
void BM_LoadMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto document = std::make_unique<CFileDocument>();
        liveBytes = 0;
        peakBytes = 0;
        counting = true;
        if (!ReadLibrarianFile(SourceFile(), *document))
            state.SkipWithError("load failed");
        counting = false;
        constexpr double kMB = 1024.0 * 1024.0;
        state.counters["live_MB"] = static_cast<double>(liveBytes.load()) / kMB;
        state.counters["peak_MB"] = static_cast<double>(peakBytes.load()) / kMB;
    }
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Arg(0)->Arg(1)->ArgName("fsync")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so that main can print ratios.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median of the repetitions is used.
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                seconds[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && run.repetitions <= 1)
                seconds[name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> seconds;
};

void PrintRatio(const CRatioReporter& reporter, const char* what, const char* plain) {
    const auto a = reporter.seconds.find(what);
    const auto b = reporter.seconds.find(plain);
    if (a != reporter.seconds.end() && b != reporter.seconds.end() && b->second > 0)
        std::printf("%-8s / %-22s = %6.2f (real time)\n", what, plain, a->second / b->second);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MakeSourceFile();
    std::printf("file: %zu patches, %ju bytes\n", kPatches,
                static_cast<std::uintmax_t>(std::filesystem::file_size(SourceFile())));
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter, "BM_Load", "BM_PlainRead");
    PrintRatio(reporter, "BM_Save", "BM_PlainWrite/fsync:1");
    PrintRatio(reporter, "BM_Save", "BM_PlainWrite/fsync:0");
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
