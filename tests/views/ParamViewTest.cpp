// The parameter view: preview buttons beside the visible rows, what a
// button sends, and the grid setting.
#include "tests/views/ViewsTestSupport.h"

#include "views/ParamView.h"
#include "views/PreviewButtonGeometry.h"
#include "views/SetGridDlg.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using viewstest::FakeConfirmation;
using viewstest::FileList;
using viewstest::TestGrid;

class TestView : public CParamView {
public:
    explicit TestView(FileList& f) : CParamView(4136, QSize(315, 40)) {
        viewstest::App();
        f.list.setParent(this);
        f.list.show();
        f.list.setGeometry(40, 8, 500, f.list.height());
        SetPreviewConfirmation(&confirmation);
        SetListCtrl(&f.list);
        resize(600, f.list.height() + 16);
        show();
        RebuildPreviewButtons();
    }
    ~TestView() override { SetListCtrl(nullptr); }

    FakeConfirmation confirmation{true};
    std::vector<int> previews;
    // The value chosen in the grid dialog (-1: none) and whether the
    // dialog then ends with Cancel.
    int gridAnswer = -1;
    bool gridCancelled = false;

protected:
    void Preview(int index) override { previews.push_back(index); }
    bool RunGridDialog(int& value) override {
        if (gridAnswer < 0)
            return false;
        value = gridAnswer;
        return !gridCancelled;
    }
};

// The list must not be deleted by the view (it belongs to the fixture).
struct ViewOverList {
    explicit ViewOverList(int count) : f(count), view(f) {}
    ~ViewOverList() { f.list.setParent(nullptr); }
    FileList f;
    TestView view;
};

TEST(PreviewButtons, AreAtLeastFourteenOrExactlyEightPixelsHigh) {
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 16)), QRect(68, 51, 20, 14));
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 15)).height(), 14);
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 24)).height(), 22);
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 10)).height(), 8);
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 13)).height(), 8);
    EXPECT_EQ(PreviewButtonRect(100, QRect(0, 50, 300, 7)).height(), 5);
}

TEST(PreviewButtons, OneBesideEachVisibleRowWithAPatch) {
    ViewOverList v(3);
    // Three patches: three buttons, none for the End of Line row.
    ASSERT_EQ(v.view.GetButtonCount(), 3);
    for (int k = 0; k < 3; ++k) {
        QRect expected;
        ASSERT_TRUE(v.view.PlaceButton(k, expected));
        EXPECT_EQ(v.view.GetButton(k)->geometry(), expected);
        EXPECT_EQ(expected.right(), v.f.list.x() - 13);
        EXPECT_TRUE(v.view.GetButton(k)->isVisible());
    }
    QRect row0;
    ASSERT_TRUE(v.f.list.GetCellRect(0, 0, row0));
    EXPECT_EQ(v.view.GetButton(0)->y(), v.f.list.viewport()->mapTo(&v.view, row0.topLeft()).y() + 1);
    QRect none;
    EXPECT_FALSE(v.view.PlaceButton(4, none));

    // A long list: every visible row gets a button, the row cut by the
    // list's bottom edge too, with its button cut alike.
    v.f.Patches().Resize(10000);
    v.f.list.Refresh(false, 0);
    const int rowHeight = v.f.list.GetRowHeight();
    v.f.list.resize(v.f.list.width(), v.f.list.height() - v.f.list.viewport()->height() % rowHeight + rowHeight / 2);
    v.view.RebuildPreviewButtons();
    ASSERT_EQ(v.f.list.viewport()->height() % rowHeight, rowHeight / 2);
    EXPECT_EQ(v.view.GetButtonCount(), v.f.list.GetCountPerPage() + 1);
    EXPECT_LT(v.view.GetButtonCount(), 40);
    const QPushButton* last = v.view.GetButton(v.view.GetButtonCount() - 1);
    const int rowsBottom = v.f.list.viewport()->mapTo(&v.view, QPoint(0, v.f.list.viewport()->height() - 1)).y();
    EXPECT_TRUE(last->isVisible());
    EXPECT_EQ(last->geometry().bottom(), rowsBottom);
    EXPECT_LT(last->height(), v.view.GetButton(0)->height());
}

TEST(PreviewButtons, ButtonKPreviewsTheRowTopPlusK) {
    ViewOverList v(60);
    v.f.list.verticalScrollBar()->setValue(17);
    ASSERT_EQ(v.f.list.GetTopIndex(), 17);
    v.view.GetButton(2)->click();
    EXPECT_EQ(v.view.previews, std::vector<int>{19});

    // Rows follow a sort: the button sends the patch its row shows.
    v.f.list.SortByColumn(0);
    v.f.list.SortByColumn(0); // descending numbers: row r shows 59 - r
    v.view.OnPreviewButton(CParamView::kFirstButtonId + 2);
    EXPECT_EQ(v.view.previews.back(), 59 - 19);

    // Refused: nothing sent.
    v.view.confirmation.answer = false;
    v.view.OnPreviewButton(CParamView::kFirstButtonId + 1);
    EXPECT_EQ(v.view.previews.size(), 2u);
    EXPECT_EQ(v.view.confirmation.asked, 3);
}

TEST(PreviewButtons, AClickLeavesTheKeysInTheListAndTheKeyboardKeepsTheButton) {
    ViewOverList v(5);
    QLineEdit elsewhere(&v.view);
    elsewhere.show();
    v.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v.view));
    // The question took the focus and gave it back to somewhere else.
    elsewhere.setFocus();
    ASSERT_TRUE(elsewhere.hasFocus());
    QTest::mouseClick(v.view.GetButton(1), Qt::LeftButton);
    EXPECT_EQ(v.view.previews, std::vector<int>{1});
    EXPECT_TRUE(v.f.list.hasFocus()) << "F2 and Ctrl+Space work on at once";

    v.view.GetButton(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(v.view.GetButton(2), Qt::Key_Space);
    EXPECT_EQ(v.view.previews.back(), 2);
    EXPECT_TRUE(v.view.GetButton(2)->hasFocus());
}

TEST(PreviewButtons, NothingIsSentBesideRowsWithoutAPatch) {
    ViewOverList v(3);
    // Row 3 is End of Line, row 4 does not exist: no question, nothing sent.
    v.view.OnPreviewButton(CParamView::kFirstButtonId + 3);
    v.view.OnPreviewButton(CParamView::kFirstButtonId + 4);
    EXPECT_TRUE(v.view.previews.empty());
    EXPECT_EQ(v.view.confirmation.asked, 0);

    // Without a confirmation to ask, nothing is sent either.
    v.view.SetPreviewConfirmation(nullptr);
    v.view.OnPreviewButton(CParamView::kFirstButtonId);
    EXPECT_TRUE(v.view.previews.empty());
}

TEST(GridSetting, OkTurnsGridLinesOnInEveryViewAndCancelChangesNothing) {
    ViewOverList main(5);
    ViewOverList file(5);
    TestGrid grid;
    main.view.SetGridSetting(&grid);
    file.view.SetGridSetting(&grid);
    main.view.ApplyGridLines();
    file.view.ApplyGridLines();

    main.view.gridAnswer = 1;
    main.view.OnSetUpGrid();
    EXPECT_EQ(grid.GetGridSwitch(), 1);
    EXPECT_TRUE(main.f.list.GetGridLines());
    EXPECT_TRUE(file.f.list.GetGridLines());

    // "Off" chosen, then Cancel: the lines stay on everywhere.
    main.view.gridAnswer = 0;
    main.view.gridCancelled = true;
    main.view.OnSetUpGrid();
    EXPECT_EQ(grid.GetGridSwitch(), 1);
    EXPECT_TRUE(main.f.list.GetGridLines());
    EXPECT_TRUE(file.f.list.GetGridLines());

    file.view.ApplyGridSetting(0);
    EXPECT_FALSE(file.f.list.GetGridLines());
}

TEST(GridSetting, DialogShowsAndReturnsTheChosenValue) {
    viewstest::App();
    CSetGridDlg dialog;
    EXPECT_EQ(dialog.GetValue(), -1);
    dialog.SetValue(5);
    EXPECT_TRUE(dialog.OnButton().isChecked());
    dialog.OffButton().setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.GetValue(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Set Up Grid");
}

} // namespace
