// Start-up to a shown main frame with the simulated unit answering at full
// speed (the start-up read of all 120 patches included), start-up to the
// main window showing the unit's last known state with 10,000 states in the
// history library (before the start-up read), and opening a librarian file
// of 10,000 patches in a window. Runs offscreen in a temporary home, so the
// user's profile and library are never touched.
#include "app/docman/DocMan.h"
#include "app/docs/FileDoc.h"
#include "app/main/App.h"
#include "app/main/AppOptions.h"
#include "app/ui/FileFrame.h"
#include "app/ui/ImageView.h"
#include "app/docs/ImageDoc.h"
#include "data/UnitProvenance.h"
#include "app/ui/MainFrame.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/Patch.h"
#include "library/Library.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

QString g_home;

CAppOptions SimulatorOptions() {
    CAppOptions options;
    options.simulator = true;
    options.noRegister = true;
    return options;
}

// Argument 1: with the simulated unit; 0: without devices, so the start-up
// read stops at once and the difference between the two is the read.
void BM_StartUpToShownMainFrame(benchmark::State& state) {
    CApp& app = *CApp::Instance();
    CAppOptions options = SimulatorOptions();
    options.simulator = state.range(0) != 0;
    for (auto _ : state) {
        const bool started = app.InitInstance(options);
        state.PauseTiming();
        if (!started || !app.GetMainFrame()->isVisible())
            state.SkipWithError("start-up failed");
        app.ExitInstance();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownMainFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

// A library holding `count` states of the unit: reads of all seven areas in
// turn, each changing one patch, so that the last known state is taken from
// many states.
bool MakeHistory(int count) {
    const std::filesystem::path path = CLibrary::DefaultPath();
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path.string() + suffix, ignored);
    if (count == 0)
        return true;
    std::unique_ptr<CLibrary> library = CLibrary::Open(path);
    if (!library)
        return false;
    CImageData image;
    image.FillWithNewPatches();
    for (int n = 0; n < count; ++n) {
        const int area = 1 + n % 7;
        CParameterArray& patches = image.GetArray(area);
        auto* patch = AsPatch(patches.At(static_cast<std::size_t>(n) % patches.Size()));
        patch->SetName("STATE " + std::to_string(n));
        if (library->RecordUnitState(area, EUnitEvent::kRead, {}, patches, EVerify::kNotChecked,
                                     static_cast<std::time_t>(1700000000 + n)) == 0)
            return false;
    }
    return library->StateCount() == count;
}

// Argument: the states in the library (0: none, for comparison). Timed from
// the start of start-up to the moment the main frame is on screen with the
// last known state, before the start-up read (which then runs untimed).
void BM_StartUpToLastKnownState(benchmark::State& state) {
    CApp& app = *CApp::Instance();
    if (!MakeHistory(static_cast<int>(state.range(0)))) {
        state.SkipWithError("could not make the library");
        return;
    }
    using Clock = std::chrono::steady_clock;
    Clock::time_point shown;
    bool remembered = false;
    app.SetStartUpShown([&] {
        shown = Clock::now();
        CImageView* view = app.GetMainView();
        remembered = view && view->GetDocument().GetDocumentData().GetProvenance()->IsReading(1);
    });
    for (auto _ : state) {
        const Clock::time_point started = Clock::now();
        const bool ok = app.InitInstance(SimulatorOptions());
        state.SetIterationTime(std::chrono::duration<double>(shown - started).count());
        if (!ok || (state.range(0) > 0 && !remembered))
            state.SkipWithError("no last known state shown");
        app.ExitInstance();
        QApplication::processEvents();
    }
    app.SetStartUpShown({});
    MakeHistory(0);
}
BENCHMARK(BM_StartUpToLastKnownState)
    ->Arg(0)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

std::string LargeFile(int count) {
    const std::string path = (g_home + "/large.z4l").toStdString();
    CFileDocument document;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
        static_cast<CPatch&>(*patch).SetName("PATCH " + std::to_string(i));
        document.Patches().Append(std::move(patch));
    }
    return WriteLibrarianFile(path, document) ? path : std::string();
}

void BM_OpenLibrarianFileWindow(benchmark::State& state) {
    CApp& app = *CApp::Instance();
    const std::string path = LargeFile(static_cast<int>(state.range(0)));
    if (path.empty() || !app.InitInstance(SimulatorOptions())) {
        state.SkipWithError("set-up failed");
        app.ExitInstance();
        return;
    }
    for (auto _ : state) {
        IDocManDocument* document = app.GetDocMan()->OpenDocumentFile(QString::fromStdString(path));
        // The window has been laid out and painted once.
        QApplication::processEvents();
        state.PauseTiming();
        auto* file = dynamic_cast<CFileDoc*>(document);
        if (!file || file->GetDocumentData().Patches().Size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("open failed");
        for (CFileFrame* window : app.GetMainFrame()->findChildren<CFileFrame*>())
            window->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    app.ExitInstance();
}
BENCHMARK(BM_OpenLibrarianFileWindow)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    char pattern[] = "/tmp/zm47-bench-app-XXXXXX";
    const char* home = ::mkdtemp(pattern);
    if (!home)
        return 1;
    g_home = QString::fromUtf8(home);
    ::setenv("HOME", home, 1);
    ::setenv("XDG_CONFIG_HOME", home, 1);
    ::setenv("XDG_DATA_HOME", home, 1);
    ::setenv("TMPDIR", home, 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        CApp app(argc, argv);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    QDir(g_home).removeRecursively();
    return status;
}
