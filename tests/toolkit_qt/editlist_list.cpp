// The list itself: mouse selection modes, right click, the keys, the current
// column mark, column widths through the profile, text elision, sorting.
#include "tests/toolkit_qt/editlist_support.h"
#include "toolkit/profile/IniProfile.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using test::CellCentre;
using test::CTestList;

class EditList : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
    static void Click(CTestList& list, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, CellCentre(list, row, test::kName));
    }
};

TEST_F(EditList, ClickShiftClickAndControlClickSelect) {
    CTestList list(30);
    QSignalSpy clicked(&list, &GP::CEditListCtrl::leftClicked);
    Click(list, 2);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2}));
    EXPECT_EQ(list.GetFocusedRow(), 2);
    Click(list, 5, Qt::ShiftModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2, 3, 4, 5}));
    Click(list, 4, Qt::ControlModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2, 3, 5}));
    Click(list, 7, Qt::ControlModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2, 3, 5, 7}));
    // The toggled row is the new mark for a range.
    Click(list, 9, Qt::ShiftModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(clicked.count(), 5);
}

TEST_F(EditList, DragSelectsAndScrollsBeyondTheEdges) {
    CTestList list(40);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, CellCentre(list, 1, test::kName));
    QTest::mouseMove(list.viewport(), CellCentre(list, 4, test::kName));
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{1, 2, 3, 4}));
    // Below the list: one row further per move.
    const int page = list.GetCountPerPage();
    const QPoint below(CellCentre(list, 1, test::kName).x(), list.viewport()->height() + 5);
    QTest::mouseMove(list.viewport(), below);
    QTest::mouseMove(list.viewport(), below + QPoint(0, 5));
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_EQ(list.GetFocusedRow(), page + 1);
    EXPECT_EQ(list.GetSelectedCount(), page + 1);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, below + QPoint(0, 5));

    // A control drag gives the rows passed over the clicked row's new state
    // and keeps the others.
    list.SetTopIndex(0);
    list.SetAllSelected(false);
    list.SetRowSelected(0, true);
    list.SetRowSelected(6, true);
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(list, 3, test::kName));
    QTest::mouseMove(list.viewport(), CellCentre(list, 5, test::kName));
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{0, 3, 4, 5, 6}));
    QTest::mouseMove(list.viewport(), CellCentre(list, 4, test::kName));
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{0, 3, 4, 6}));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(list, 4, test::kName));
}

TEST_F(EditList, RightClickEditsOnlyEditableColumns) {
    CTestList list(10);
    list.SetRowSelected(2, true);
    list.SetCurrentColumn(test::kMemo);
    QSignalSpy rightClicked(&list, &GP::CEditListCtrl::rightClicked);

    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, CellCentre(list, 5, test::kNumber));
    EXPECT_EQ(list.GetCurrentColumn(), test::kMemo);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2}));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(rightClicked.count(), 1);

    // An editable column becomes current; an unselected row starts no edit.
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, CellCentre(list, 5, test::kName));
    EXPECT_EQ(list.GetCurrentColumn(), test::kName);
    EXPECT_FALSE(list.IsEditing());
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, CellCentre(list, 2, test::kLevel));
    EXPECT_EQ(list.GetCurrentColumn(), test::kLevel);
    EXPECT_TRUE(list.IsEditing());
    list.EndEdit(false);
}

TEST_F(EditList, KeysMoveColumnsRowsAndStartEditing) {
    CTestList list(30);
    list.setFocus();
    list.SetCurrentColumn(test::kName);
    EXPECT_EQ(list.model()->headerData(test::kName, Qt::Horizontal).toString(), "*Name");
    EXPECT_EQ(list.model()->headerData(test::kNumber, Qt::Horizontal).toString(), "Number");

    QTest::keyClick(&list, Qt::Key_Left); // Number is not editable
    EXPECT_EQ(list.GetCurrentColumn(), test::kName);
    QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(list.GetCurrentColumn(), test::kLevel);
    QTest::keyClick(&list, 'l');
    EXPECT_EQ(list.GetCurrentColumn(), test::kType);
    QTest::keyClick(&list, 'h');
    EXPECT_EQ(list.GetCurrentColumn(), test::kLevel);
    test::TypeText(&list, "$");
    EXPECT_EQ(list.GetCurrentColumn(), test::kMemo);
    for (const char* key : {"^", "_", "|"}) {
        list.SetCurrentColumn(test::kMemo);
        test::TypeText(&list, key);
        EXPECT_EQ(list.GetCurrentColumn(), test::kNumber) << key;
    }
    EXPECT_EQ(list.model()->headerData(test::kMemo, Qt::Horizontal).toString(), "Memo");

    list.SetFocusedRow(3);
    list.SetSelectionMark(3);
    QTest::keyClick(&list, 'j');
    test::TypeText(&list, "J");
    EXPECT_EQ(list.GetFocusedRow(), 5);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{5}));
    QTest::keyClick(&list, 'k');
    EXPECT_EQ(list.GetFocusedRow(), 4);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{4, 5, 6}));

    // Enter on a non-editable current column does nothing; on an editable
    // one it edits the current cell: the focused row, which is selected.
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    list.SetCurrentColumn(test::kName);
    QTest::keyClick(&list, Qt::Key_Return);
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(6));
    EXPECT_EQ(list.GetPopupCount(), 3);
    // While editing the letters are typed, not commands.
    test::TypeText(list.GetActivePopup()->GetWnd(), "$jl");
    EXPECT_EQ(list.GetCurrentColumn(), test::kName);
    EXPECT_TRUE(list.GetActivePopup()->GetText().endsWith("$jl"));
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Escape);
}

TEST_F(EditList, F2EditsTheCurrentCellWhichAClickOnAnEditableCellChooses) {
    CTestList list(30);
    list.setFocus();
    list.SetCurrentColumn(test::kMemo);
    Click(list, 7);
    EXPECT_EQ(list.GetCurrentColumn(), test::kName);
    QTest::keyClick(&list, Qt::Key_F2);
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(7));
    EXPECT_EQ(list.GetPopupCount(), 1);
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Escape);
    ASSERT_FALSE(list.IsEditing());

    // A click on a cell that cannot be edited leaves the current column.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCentre(list, 2, test::kNumber));
    EXPECT_EQ(list.GetCurrentColumn(), test::kName);

    // With several rows selected F2 edits them all from the focused one;
    // with none, the focused row is selected and edited, brought into view
    // first.
    Click(list, 3);
    Click(list, 5, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_F2);
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(5));
    EXPECT_EQ(list.GetPopupCount(), 3);
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Escape);
    list.SetAllSelected(false);
    list.SetFocusedRow(25);
    QTest::keyClick(&list, Qt::Key_F2);
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{25}));
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(25));
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Escape);
}

TEST_F(EditList, ColumnsKeepTheCurrentColumnAcrossInsertAndDelete) {
    CTestList list(3);
    list.SetCurrentColumn(test::kLevel);
    GP::SELVColumn extra;
    list.InsertColumn(0, "Extra", extra, 30);
    EXPECT_EQ(list.GetCurrentColumn(), test::kLevel + 1);
    EXPECT_EQ(list.GetColumnText(test::kLevel + 1), "Level");
    list.DeleteColumn(0);
    EXPECT_EQ(list.GetCurrentColumn(), test::kLevel);
    list.DeleteColumn(test::kLevel);
    EXPECT_EQ(list.GetCurrentColumn(), -1);
    list.SetCurrentColumn(99);
    EXPECT_EQ(list.GetCurrentColumn(), list.GetColumnCount() - 1);
}

TEST_F(EditList, ColumnWidthsRoundTripThroughTheProfile) {
    QTemporaryDir dir;
    GT::CIniProfile profile(dir.filePath("profile.ini").toStdString());
    {
        CTestList list(1);
        list.setColumnWidth(test::kName, 133);
        ASSERT_TRUE(list.SaveColumnWidths(profile, "PatchListCtrl", "ColumnWidth"));
    }
    EXPECT_EQ(profile.GetString("PatchListCtrl/ColumnWidth", ""), "50,133,60,80,120");

    CTestList list(1);
    for (int i = 0; i < list.GetColumnCount(); ++i)
        list.setColumnWidth(i, 7);
    EXPECT_TRUE(list.LoadColumnWidths(profile, "PatchListCtrl", "ColumnWidth"));
    EXPECT_EQ(list.GetColumnWidthsText(), "50,133,60,80,120");

    // Missing, empty or unreadable entries give the column its default width.
    list.SetColumnWidthsText("41,,x,-5");
    EXPECT_EQ(list.GetColumnWidthsText(), "41,120,60,80,120");
    list.SetDefaultColumnWidth(test::kMemo, 99);
    EXPECT_FALSE(list.LoadColumnWidths(profile, "PatchListCtrl", "Missing"));
    EXPECT_EQ(list.GetColumnWidthsText(), "50,120,60,80,99");
}

TEST(EditListElide, TextIsCutWithDotsOnlyWhenItDoesNotFit) {
    test::EnsureApplication();
    const QFontMetrics metrics(QApplication::font());
    const QString text = "Clean Crunch Lead";
    const int exact = metrics.horizontalAdvance(text) + 2 * metrics.horizontalAdvance(' ');
    bool elided = true;
    EXPECT_EQ(GP::CEditListCtrl::ElideCellText(metrics, text, exact, &elided), text);
    EXPECT_FALSE(elided);

    const QString cut = GP::CEditListCtrl::ElideCellText(metrics, text, exact - 1, &elided);
    EXPECT_TRUE(elided);
    ASSERT_TRUE(cut.endsWith("..."));
    EXPECT_TRUE(text.startsWith(cut.chopped(3)));
    EXPECT_LE(metrics.horizontalAdvance(cut) + 2 * metrics.horizontalAdvance(' '), exact - 1);
    EXPECT_EQ(GP::CEditListCtrl::ElideCellText(metrics, text, 0), "...");
}

TEST_F(EditList, SortingKeepsSelectionAndFocusWithTheirItems) {
    CTestList list(6);
    list.SetRowSelected(1, true);
    list.SetRowSelected(4, true);
    list.SetFocusedRow(4);
    list.SortItems([](std::intptr_t a, std::intptr_t b) { return a > b; }); // reversed
    EXPECT_EQ(list.GetItemData(0), 5);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{1, 4})); // items 4 and 1
    EXPECT_EQ(list.GetItemData(list.GetFocusedRow()), 4);
    EXPECT_EQ(list.GetCellText(0, test::kName), "Patch 5");
}

TEST_F(EditList, TenThousandRowsAreCheapToFillSortSelectAndScroll) {
    CTestList list(10);
    QElapsedTimer timer;
    timer.start();
    list.SetItemCount(10000);
    list.data.resize(10000, test::Row{"Patch", 1, "Clean", "memo"});
    QApplication::processEvents();
    const qint64 fill = timer.nsecsElapsed();
    timer.restart();
    list.SortItems([](std::intptr_t a, std::intptr_t b) { return a % 97 < b % 97; });
    const qint64 sort = timer.nsecsElapsed();
    timer.restart();
    list.SetTopIndex(list.GetTopIndex() + list.GetCountPerPage());
    list.viewport()->repaint();
    const qint64 page = timer.nsecsElapsed();
    std::printf("10,000 rows: fill %.2f ms, sort %.2f ms, page scroll with repaint %.2f ms\n", fill / 1e6, sort / 1e6,
                page / 1e6);
    // Generous bounds: the figures are printed; this only catches work that
    // grows with the rows where it should not.
    EXPECT_LT(fill / 1e6, 500.0);
    EXPECT_LT(sort / 1e6, 500.0);
    EXPECT_LT(page / 1e6, 500.0);

    list.SetAllSelected(true);
    EXPECT_EQ(list.GetSelectedCount(), 10000);
    list.SelectRange(100, 199, false);
    EXPECT_EQ(list.GetSelectedCount(), 9900);
}

} // namespace
