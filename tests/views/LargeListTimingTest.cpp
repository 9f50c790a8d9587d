// A file window of 10,000 patches stays responsive: refresh, a sort by name
// and scrolling one page, each with the repaint of the visible rows. The
// bound is generous (sanitizer build, shared machine); the optimised figures
// come from bench/views. The measured figures are printed.
#include "tests/views/ViewsTestSupport.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The best of three runs, in milliseconds.
double BestOfThree(const std::function<void()>& step) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

TEST(LargeList, TenThousandPatchesRefreshSortAndScrollQuickly) {
    viewstest::FileList f(10000);
    for (int k = 0; k < 10000; ++k)
        f.Name(k, "Tone " + std::to_string((k * 7919) % 4001));
    f.list.Refresh(false, 0);
    f.list.resize(800, 600);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.list)); // else repaint() draws nothing

    const double refresh = BestOfThree([&] {
        f.list.SelectRange(100, 199, true);
        f.list.Refresh(true, 0);
        f.list.viewport()->repaint();
    });
    const double sort = BestOfThree([&] {
        f.list.SortByColumn(1);
        f.list.viewport()->repaint();
    });
    QScrollBar& bar = *f.list.verticalScrollBar();
    const double scroll = BestOfThree([&] {
        bar.setValue(bar.value() + f.list.GetCountPerPage());
        f.list.viewport()->repaint();
    });
    std::printf("10,000 patches: refresh %.1f ms, sort by name %.1f ms, scroll one page %.1f ms\n", refresh, sort,
                scroll);
    EXPECT_LT(refresh, 2000.0);
    EXPECT_LT(sort, 2000.0);
    EXPECT_LT(scroll, 2000.0);
    EXPECT_EQ(f.list.GetItemCount(), 10001);
    EXPECT_EQ(f.list.GetCellText(10000, 0), "End of Line");
}

} // namespace
