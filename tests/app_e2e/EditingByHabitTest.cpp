// Editing as the desktops do it, in the running program: F2 and Enter edit
// the cell clicked, beside the right click on a selected row.
#include "tests/app_e2e/AppFixture.h"

#include "tests/support/ActiveWindow.h"
#include "toolkit/qt/Popup.h"
#include "views/PatchListCtrl.h"

#include <QLineEdit>
#include <QTest>

using namespace app_e2e;

namespace {

CPatchListCtrl& MainList(int area) { return *App().GetMainView()->GetPatchList(area); }

QPoint CellCentre(CPatchListCtrl& list, int row, int column) {
    return list.visualRect(list.model()->index(row, column)).center();
}

// The line edit the list's edit types into, or nullptr.
QLineEdit* ActiveEditor(CPatchListCtrl& list) {
    GP::IPopup* popup = list.GetActivePopup();
    return popup ? qobject_cast<QLineEdit*>(popup->GetWnd()) : nullptr;
}

// Clicks the name of the row, then starts editing it with the key.
QLineEdit* EditNameWith(CPatchListCtrl& list, int row, Qt::Key key) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCentre(list, row, 1));
    QTest::keyClick(&list, key);
    return ActiveEditor(list);
}

TEST_F(AppTest, F2OnAClickedRowOpensTheNameEditorAndRenamesThePatch) {
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_TRUE(test::MakeActive(Frame()));
    CPatchListCtrl& list = MainList(1);
    // A memo was current: the click makes the name the current cell.
    list.SetCurrentColumn(3);
    QLineEdit* editor = EditNameWith(list, 6, Qt::Key_F2);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(list.GetCurrentColumn(), 1);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Fresh Name"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(MainPatchName(1, 6), "Fresh Name");

    // Enter does the same; Escape leaves the name as it was.
    editor = EditNameWith(list, 2, Qt::Key_Return);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("xyz"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(MainPatchName(1, 2).find("xyz"), std::string::npos);
}

TEST_F(AppTest, ARightClickOnASelectedRowStillEditsIt) {
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_TRUE(test::MakeActive(Frame()));
    CPatchListCtrl& list = MainList(1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCentre(list, 4, 1));
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, CellCentre(list, 4, 1));
    QLineEdit* editor = ActiveEditor(list);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("By Right Click"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(MainPatchName(1, 4), "By Right Click");
}

} // namespace
