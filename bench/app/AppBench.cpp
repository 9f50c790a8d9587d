// Start-up to a shown main frame with the simulated unit answering at full
// speed (the start-up read of all 120 patches included), and opening a
// librarian file of 10,000 patches in a window. Runs offscreen in a
// temporary home, so the user's profile is never touched.
#include "app/docman/DocMan.h"
#include "app/docs/FileDoc.h"
#include "app/main/App.h"
#include "app/main/AppOptions.h"
#include "app/ui/FileFrame.h"
#include "app/ui/MainFrame.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/Patch.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

QString g_home;

CAppOptions SimulatorOptions()
{
    CAppOptions options;
    options.simulator = true;
    options.noRegister = true;
    return options;
}

// Argument 1: with the simulated unit; 0: without devices, so the start-up
// read stops at once and the difference between the two is the read.
void BM_StartUpToShownMainFrame(benchmark::State& state)
{
    CApp& app = *CApp::Instance();
    CAppOptions options = SimulatorOptions();
    options.simulator = state.range(0) != 0;
    for (auto _ : state) {
        const bool started = app.InitInstance(options);
        state.PauseTiming();
        if (!started || !app.GetMainFrame()->isVisible()) state.SkipWithError("start-up failed");
        app.ExitInstance();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownMainFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

std::string LargeFile(int count)
{
    const std::string path = (g_home + "/large.z4l").toStdString();
    CFileDocument document;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
        static_cast<CPatch&>(*patch).SetName("PATCH " + std::to_string(i));
        document.Patches().Append(std::move(patch));
    }
    return WriteLibrarianFile(path, document) ? path : std::string();
}

void BM_OpenLibrarianFileWindow(benchmark::State& state)
{
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
        for (CFileFrame* window : app.GetMainFrame()->findChildren<CFileFrame*>()) window->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    app.ExitInstance();
}
BENCHMARK(BM_OpenLibrarianFileWindow)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    char pattern[] = "/tmp/zm47-bench-app-XXXXXX";
    const char* home = ::mkdtemp(pattern);
    if (!home) return 1;
    g_home = QString::fromUtf8(home);
    ::setenv("HOME", home, 1);
    ::setenv("XDG_CONFIG_HOME", home, 1);
    ::setenv("XDG_DATA_HOME", home, 1);
    ::setenv("TMPDIR", home, 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
