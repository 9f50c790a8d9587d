// What a user waits for in a file window of 10,000 patches: a refresh after
// an edit command, a sort by name from a header click, and scrolling one
// page; each with the repaint of the visible rows.
#include "app/core/LibrarianState.h"
#include "data/FileDocument.h"
#include "data/Patch.h"
#include "views/PatchListCtrl.h"

#include <QApplication>
#include <QScrollBar>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kPatches = 10000;
constexpr int kNameColumn = 1;

// A shown file list over patches whose names and memos repeat in no simple
// order, so a sort has real work to do.
struct BigFileList {
    BigFileList() : list(1, true) {
        CParameterArray& patches = document.Patches();
        patches.Resize(kPatches);
        unsigned seed = 12345;
        for (int k = 0; k < kPatches; ++k) {
            seed = seed * 1103515245u + 12345u;
            const std::string name = "Tone " + std::to_string((seed >> 8) % 4000) + " " + std::to_string(k % 7);
            AsPatch(&patches[static_cast<std::size_t>(k)])->SetName(name);
            patches[static_cast<std::size_t>(k)].SetMemo(1, "memo " + std::to_string(seed % 977));
        }
        list.SetPatchArray(&patches);
        list.SetDocument(&document);
        list.FillColumns();
        list.Refresh(false, 0);
        list.resize(800, 600);
        list.show();
        // Until the window is exposed a repaint draws nothing.
        for (int k = 0; k < 100 && !(list.windowHandle() && list.windowHandle()->isExposed()); ++k)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    void Paint() { list.viewport()->repaint(); }

    CFileDocument document;
    CPatchListCtrl list;
};

BigFileList& List() {
    static BigFileList* list = new BigFileList; // lives until the process ends
    return *list;
}

void BM_Refresh(benchmark::State& state) {
    BigFileList& f = List();
    f.list.SortByNumber();
    for (auto _ : state) {
        f.list.SelectRange(100, 199, true);
        f.list.Refresh(true, 0);
        f.Paint();
    }
    state.counters["rows"] = f.list.GetItemCount();
}
BENCHMARK(BM_Refresh)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state) {
    BigFileList& f = List();
    for (auto _ : state) {
        f.list.SortByColumn(kNameColumn); // ascending, then descending, ...
        f.Paint();
    }
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state) {
    BigFileList& f = List();
    QScrollBar& bar = *f.list.verticalScrollBar();
    bar.setValue(0);
    for (auto _ : state) {
        const int next = bar.value() + f.list.GetCountPerPage();
        bar.setValue(next > bar.maximum() ? 0 : next);
        f.Paint();
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
