// The history library under the loads a long-time user gives it:
// - recording the whole unit (seven area states, 120 patches) after a read,
//   unchanged and with one patch edited;
// - the last known state of every area with 10,000 states in the library;
// - find over 1,000,000 distinct patches, through the trigram index and, for
//   comparison, by scanning the same texts in a plain table;
// - the growth of the file over 1,000 reads of an unchanged unit (printed
//   once, not timed).
//
// The million-patch library takes a while to make, so it is kept in the
// temporary folder (zm47-bench-million.sqlite) and made again only when
// missing.
#include "data/ParameterAddress.h"
#include "library/Library.h"
#include "library/Sqlite.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path TempPath(const std::string& name) { return fs::temp_directory_path() / name; }

void RemoveLibrary(const fs::path& path) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(path.string() + suffix, ignored);
}

CPatch MakePatch(std::uint64_t seed, const std::string& name) {
    CPatch patch;
    patch.Initialize();
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ULL + 1;
    for (int i = 0; i < CPatch::kDataSize; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        patch.Data()[i] = static_cast<std::uint8_t>(x & 0x7F);
    }
    patch.SetName(name);
    return patch;
}

// The unit's 120 patches, area by area.
struct CUnit {
    CImageData image;
    CUnit() {
        image.FillWithNewPatches();
        int n = 0;
        for (int area = 1; area <= 7; ++area) {
            CParameterArray& patches = image.GetArray(area);
            for (std::size_t i = 0; i < patches.Size(); ++i, ++n)
                patches[i] = MakePatch(static_cast<std::uint64_t>(n), "Unit " + std::to_string(n));
        }
    }
    void RecordRead(CLibrary& library, std::time_t when) {
        for (int area = 1; area <= 7; ++area)
            library.RecordUnitState(area, EUnitEvent::kRead, {}, image.GetArray(area), EVerify::kNotChecked, when);
    }
};

std::uintmax_t CheckpointedSize(CLibrary& library) {
    ExecSql(library.Handle(), "PRAGMA wal_checkpoint(TRUNCATE)");
    return fs::file_size(library.Path());
}

void BM_RecordUnchangedUnit(benchmark::State& state) {
    const fs::path path = TempPath("zm47-bench-record.sqlite");
    RemoveLibrary(path);
    auto library = CLibrary::Open(path);
    CUnit unit;
    unit.RecordRead(*library, 1);
    for (auto _ : state)
        unit.RecordRead(*library, 2);
    state.SetLabel("7 area states, 120 patches");
    library.reset();
    RemoveLibrary(path);
}
BENCHMARK(BM_RecordUnchangedUnit)->Unit(benchmark::kMillisecond);

void BM_RecordUnitWithOneEdit(benchmark::State& state) {
    const fs::path path = TempPath("zm47-bench-record-edit.sqlite");
    RemoveLibrary(path);
    auto library = CLibrary::Open(path);
    CUnit unit;
    std::uint64_t seed = 1000;
    for (auto _ : state) {
        unit.image.GetArray(1)[5] = MakePatch(++seed, "Edited");
        unit.RecordRead(*library, 2);
    }
    state.SetLabel("7 area states, one new patch each time");
    library.reset();
    RemoveLibrary(path);
}
BENCHMARK(BM_RecordUnitWithOneEdit)->Unit(benchmark::kMillisecond);

void BM_LastKnownStateOf10000States(benchmark::State& state) {
    const fs::path path = TempPath("zm47-bench-last-known.sqlite");
    RemoveLibrary(path);
    auto library = CLibrary::Open(path);
    CUnit unit;
    // 10,000 states: whole reads, with an edit every tenth read, then a
    // last read of MEMORY alone so the banks' newest states lie further back.
    std::uint64_t seed = 5000;
    for (int read = 0; read < 1428; ++read) {
        if (read % 10 == 0)
            unit.image.GetArray(1 + read % 7)[0] = MakePatch(++seed, "Edit");
        unit.RecordRead(*library, read);
    }
    library->RecordUnitState(1, EUnitEvent::kRead, {}, unit.image.GetArray(1), EVerify::kNotChecked, 99999);
    library.reset();
    for (auto _ : state) {
        // As a start-up does: open the library, then each area's last state.
        auto opened = CLibrary::Open(path);
        for (int area = 1; area <= 7; ++area)
            benchmark::DoNotOptimize(opened->LastKnownState(area));
    }
    state.SetLabel("open + 7 areas");
    RemoveLibrary(path);
}
BENCHMARK(BM_LastKnownStateOf10000States)->Unit(benchmark::kMillisecond);

const fs::path& MillionLibrary() {
    static const fs::path path = [] {
        const fs::path made = TempPath("zm47-bench-million.sqlite");
        if (fs::exists(made))
            return made;
        RemoveLibrary(made);
        auto library = CLibrary::Open(made);
        // A thousand files of a thousand distinct patches each.
        ExecSql(library->Handle(), "PRAGMA synchronous=OFF");
        for (int file = 0; file < 1000; ++file) {
            CConcreteParameterArray<CPatch> patches;
            for (int i = 0; i < 1000; ++i) {
                const std::uint64_t n = static_cast<std::uint64_t>(file) * 1000 + static_cast<std::uint64_t>(i);
                CPatch patch = MakePatch(n, "P" + std::to_string(n * 7919 % 10000000));
                if (i % 100 == 0)
                    patch.SetMemo(1, "memo " + std::to_string(n));
                patches.Append(patch.Clone());
            }
            library->RecordFile("/bench/file" + std::to_string(file) + ".z4l", EFileEvent::kAdded, patches, file);
        }
        ExecSql(library->Handle(), "CREATE TABLE plain_search AS SELECT rowid AS id, text FROM patch_search");
        return made;
    }();
    return path;
}

void BM_FindInMillionPatches(benchmark::State& state, std::string text) {
    auto library = CLibrary::Open(MillionLibrary());
    std::size_t found = 0;
    for (auto _ : state)
        found = library->Find(text).size();
    state.counters["found"] = static_cast<double>(found);
    state.counters["patches"] = static_cast<double>(library->PatchCount());
}
BENCHMARK_CAPTURE(BM_FindInMillionPatches, rare_name, std::string("P1234567"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindInMillionPatches, memo, std::string("memo 4242"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindInMillionPatches, absent, std::string("no such patch"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindInMillionPatches, two_letters, std::string("zq"))->Unit(benchmark::kMillisecond);

// The same search without the trigram index: LIKE over a plain table of the
// same texts.
void BM_ScanMillionPatchesWithoutIndex(benchmark::State& state) {
    auto library = CLibrary::Open(MillionLibrary());
    CSqlStatement scan(library->Handle(), "SELECT id FROM plain_search WHERE text LIKE '%P1234567%'");
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        while (scan.Step() == SQLITE_ROW)
            ++found;
        scan.Reset();
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_ScanMillionPatchesWithoutIndex)->Unit(benchmark::kMillisecond);

// Not timed: how much 1,000 reads of an unchanged unit add to the file.
void PrintGrowth() {
    const fs::path path = TempPath("zm47-bench-growth.sqlite");
    RemoveLibrary(path);
    auto library = CLibrary::Open(path);
    CUnit unit;
    unit.RecordRead(*library, 0);
    const auto before = CheckpointedSize(*library);
    for (int read = 1; read <= 1000; ++read)
        unit.RecordRead(*library, read);
    const auto afterWhole = CheckpointedSize(*library);
    for (int read = 1; read <= 1000; ++read)
        library->RecordUnitState(1, EUnitEvent::kRead, {}, unit.image.GetArray(1), EVerify::kNotChecked, read);
    const auto afterMemory = CheckpointedSize(*library);
    std::printf("growth over 1,000 reads of the whole unit (7,000 area states): %ju bytes\n", afterWhole - before);
    std::printf("growth over 1,000 reads of MEMORY alone (1,000 states): %ju bytes\n", afterMemory - afterWhole);
    library.reset();
    RemoveLibrary(path);
}

} // namespace

int main(int argc, char** argv) {
    PrintGrowth();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
