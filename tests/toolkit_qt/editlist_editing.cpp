// In-place editing over several rows: commit, cancel, unchanged Enter,
// validation that keeps the editors open, spin steps, drop-downs, code-page
// refusal, the mouse presses that end an edit, replace string.
#include "tests/support/CapturingTextDialog.h"
#include "tests/toolkit_qt/editlist_support.h"
#include "toolkit/qt/PopupComboBox.h"
#include "toolkit/qt/PopupEdit.h"
#include "toolkit/qt/PopupSpinEdit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using test::CTestList;

class EditListEditing : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
    static void Select(CTestList& list, std::initializer_list<int> rows) {
        list.SetAllSelected(false);
        for (int row : rows)
            list.SetRowSelected(row, true);
    }
    static QLineEdit& Edit(GP::IPopup* popup) { return *dynamic_cast<QLineEdit*>(popup->GetWnd()); }
    static void Type(GP::IPopup* popup, const QString& text) {
        Edit(popup).selectAll();
        test::TypeText(popup->GetWnd(), text);
    }
};

TEST_F(EditListEditing, CommitReachesEveryRowSelectedIncludingThoseOutOfView) {
    CTestList list(60);
    Select(list, {1, 3, 5, 30, 45});
    ASSERT_LT(list.GetCountPerPage(), 30);
    ASSERT_TRUE(list.BeginEdit(3, test::kName));
    EXPECT_EQ(list.GetPopupCount(), 3);
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(3));
    EXPECT_EQ(list.GetPopup(30), nullptr);
    EXPECT_EQ(list.begun, (std::vector<int>{1, 3, 5, 30, 45}));

    Type(list.GetActivePopup(), "Lead Tone");
    EXPECT_EQ(list.GetPopup(1)->GetText(), "Lead Tone"); // the copies follow the typing
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);

    EXPECT_FALSE(list.IsEditing());
    for (int row : {1, 3, 5, 30, 45})
        EXPECT_EQ(list.data[row].name, "Lead Tone") << row;
    EXPECT_EQ(list.data[2].name, "Patch 2");
    ASSERT_EQ(list.stored.size(), 5u);
    EXPECT_EQ(list.stored.front().row, 1); // stored in row order
    EXPECT_EQ(list.stored.back().row, 45);
    ASSERT_EQ(list.ended.size(), 5u);
    EXPECT_TRUE(list.ended[0].committed);
    EXPECT_EQ(list.ended[0].text, "Lead Tone");
}

TEST_F(EditListEditing, EscapeAndUnchangedEnterStoreNothing) {
    CTestList list(20);
    Select(list, {2, 4, 6});
    ASSERT_TRUE(list.BeginEdit(4, test::kName));
    Type(list.GetPopup(6), "Changed"); // typing in any pop-up, Escape in another
    QTest::keyClick(list.GetPopup(2)->GetWnd(), Qt::Key_Escape);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());
    EXPECT_EQ(list.data[4].name, "Patch 4");
    ASSERT_EQ(list.ended.size(), 3u);
    for (const auto& ended : list.ended) {
        EXPECT_FALSE(ended.committed);
        EXPECT_TRUE(ended.text.isNull());
    }

    list.ended.clear();
    ASSERT_TRUE(list.BeginEdit(2, test::kName));
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());
    ASSERT_EQ(list.ended.size(), 3u);
    EXPECT_FALSE(list.ended[0].committed);
}

TEST_F(EditListEditing, RefusedNumberKeepsTheEditorsOpenUntilCorrected) {
    CTestList list(20);
    Select(list, {1, 2});
    ASSERT_TRUE(list.BeginEdit(1, test::kLevel));
    Type(list.GetActivePopup(), "200");
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_TRUE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());

    Type(list.GetActivePopup(), "abc");
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_TRUE(list.IsEditing());

    Type(list.GetActivePopup(), "42");
    EXPECT_EQ(list.GetPopup(2)->GetText(), "42");
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.data[1].level, 42);
    EXPECT_EQ(list.data[2].level, 42);
}

TEST_F(EditListEditing, SpinStepMovesEveryRowOrNone) {
    CTestList list(20);
    list.data[1].level = 10;
    list.data[2].level = 50;
    list.data[3].level = 99;
    Select(list, {1, 2, 3});
    ASSERT_TRUE(list.BeginEdit(2, test::kLevel));
    QWidget* active = list.GetActivePopup()->GetWnd();

    QTest::keyPress(active, Qt::Key_Up);
    QTest::keyRelease(active, Qt::Key_Up);
    EXPECT_EQ(list.GetPopup(1)->GetText(), "11");
    EXPECT_EQ(list.GetPopup(2)->GetText(), "51");
    EXPECT_EQ(list.GetPopup(3)->GetText(), "100");

    // Row 3 would pass 100: the step is refused for all rows.
    QTest::keyPress(active, Qt::Key_Up);
    QTest::keyRelease(active, Qt::Key_Up);
    EXPECT_EQ(list.GetPopup(1)->GetText(), "11");
    EXPECT_EQ(list.GetPopup(2)->GetText(), "51");
    EXPECT_EQ(list.GetPopup(3)->GetText(), "100");

    QTest::keyPress(active, Qt::Key_Down);
    QTest::keyRelease(active, Qt::Key_Down);
    QTest::keyClick(active, Qt::Key_Return);
    EXPECT_EQ(list.data[1].level, 10);
    EXPECT_EQ(list.data[2].level, 50);
    EXPECT_EQ(list.data[3].level, 99);
    EXPECT_EQ(list.stored.size(), 3u); // a spin marks the edit as changed
}

TEST_F(EditListEditing, DropDownChoiceGoesToEveryRow) {
    CTestList list(10);
    Select(list, {0, 1});
    ASSERT_TRUE(list.BeginEdit(0, test::kType));
    auto* combo = dynamic_cast<GP::CPopupComboBox*>(list.GetActivePopup());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetText(), "Clean");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(list.GetPopup(1)->GetText(), "Drive");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(list.data[0].type, "Drive");
    EXPECT_EQ(list.data[1].type, "Drive");
}

TEST_F(EditListEditing, CharacterOutsideTheCodePageIsRefusedWithAMessage) {
    test::CapturingTextDialog dialog;
    CTestList list(5, 932);
    Select(list, {0, 1});
    ASSERT_TRUE(list.BeginEdit(0, test::kMemo));
    Type(list.GetActivePopup(), QString::fromUtf8("caf\xC3\xA9 \xE3\x81\x82"));
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_TRUE(list.IsEditing());
    EXPECT_EQ(list.data[0].memo, "memo");
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("\xC3\xA9"), std::string::npos) << dialog.shown()[0].text;

    Type(list.GetActivePopup(), QString::fromUtf8("\xE3\x81\x82")); // Japanese text is fine in 932
    QTest::keyClick(list.GetActivePopup()->GetWnd(), Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.data[1].memo, "\x82\xA0");
    EXPECT_EQ(list.GetCellText(1, test::kMemo), QString::fromUtf8("\xE3\x81\x82"));
}

TEST_F(EditListEditing, PressesElsewhereEndTheEditAndPressesOnPopupsSwitchIt) {
    test::CapturingTextDialog dialog;
    CTestList list(20);
    Select(list, {1, 2, 3});
    ASSERT_TRUE(list.BeginEdit(1, test::kName));
    QTest::mouseClick(list.GetPopup(3)->GetWnd(), Qt::LeftButton);
    EXPECT_EQ(list.GetActivePopup(), list.GetPopup(3));

    // An unchanged edit ends with cancel on a press elsewhere.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, test::CellCentre(list, 8, test::kNumber));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());

    // A changed one is committed; a refused value eats the press.
    Select(list, {1, 2});
    ASSERT_TRUE(list.BeginEdit(1, test::kMemo));
    Type(list.GetActivePopup(), QString::fromUtf8("\xC3\xA9"));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, test::CellCentre(list, 8, test::kNumber));
    EXPECT_TRUE(list.IsEditing());
    EXPECT_TRUE(list.IsRowSelected(1)); // the press did not reach the list
    EXPECT_FALSE(list.IsRowSelected(8));
    Type(list.GetActivePopup(), "ok");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, test::CellCentre(list, 8, test::kNumber));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.data[2].memo, "ok");

    // A right press elsewhere cancels even a changed edit.
    Select(list, {4});
    list.stored.clear();
    ASSERT_TRUE(list.BeginEdit(4, test::kName));
    Type(list.GetActivePopup(), "gone");
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, test::CellCentre(list, 8, test::kNumber));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());
}

TEST_F(EditListEditing, TabKeepsTheTypingInThePopupThatGoesToEveryRow) {
    CTestList list(20);
    list.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &list);
    Select(list, {1, 2, 3});
    ASSERT_TRUE(list.BeginEdit(1, test::kName));
    QWidget* typedInto = QApplication::focusWidget();
    ASSERT_EQ(typedInto, list.GetPopup(1)->GetWnd());

    QTest::keyClick(typedInto, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), typedInto);
    test::TypeText(QApplication::focusWidget(), "Kept");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    for (int row : {1, 2, 3})
        EXPECT_EQ(list.data[row].name, "Patch 1Kept") << row;

    // A pop-up that gets the focus another way is the one whose text counts.
    Select(list, {4, 5});
    ASSERT_TRUE(list.BeginEdit(4, test::kName));
    list.GetPopup(5)->GetWnd()->setFocus();
    Type(list.GetPopup(5), "Typed");
    QTest::keyClick(list.GetPopup(5)->GetWnd(), Qt::Key_Return);
    EXPECT_EQ(list.data[4].name, "Typed");
    EXPECT_EQ(list.data[5].name, "Typed");
}

TEST_F(EditListEditing, ScrollingCancelsTheEdit) {
    CTestList list(60);
    Select(list, {0});
    ASSERT_TRUE(list.BeginEdit(0, test::kName));
    Type(list.GetActivePopup(), "x");
    list.SetTopIndex(5);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(list.stored.empty());
}

TEST_F(EditListEditing, ReplaceStringOverSelectedRows) {
    CTestList list(10);
    list.data[1].name = "aaa aa";
    list.data[2].name = "banana";
    Select(list, {1, 2});
    list.replaceSearch = "aa";
    list.replaceWith = "b";
    list.SetCurrentColumn(test::kName);
    ASSERT_TRUE(list.CanReplaceString());
    list.ReplaceString(list.GetCurrentColumn());
    EXPECT_EQ(list.data[1].name, "ba b"); // left to right, no overlap
    EXPECT_EQ(list.data[2].name, "banana");
    EXPECT_EQ(list.data[3].name, "Patch 3");

    // The next use starts from the strings of this one; Close changes nothing.
    list.replaceAnswer = false;
    list.ReplaceString(list.GetCurrentColumn());
    EXPECT_EQ(list.replacePresetSearch, "aa");
    EXPECT_EQ(list.data[1].name, "ba b");
}

TEST_F(EditListEditing, ReplaceStringIsOfferedOnlyOnASelectedTextColumnAndNeverByAKeyOfTheList) {
    CTestList list(10);
    list.SetCurrentColumn(test::kName);
    EXPECT_FALSE(list.CanReplaceString()); // nothing selected
    Select(list, {1});
    EXPECT_TRUE(list.CanReplaceString());
    list.SetCurrentColumn(test::kLevel);
    EXPECT_FALSE(list.CanReplaceString()); // a spin column
    list.SetCurrentColumn(test::kName);
    ASSERT_TRUE(list.BeginEdit(1, test::kName));
    EXPECT_FALSE(list.CanReplaceString()); // an edit runs
    list.EndEdit(false);

    // Ctrl+R belongs to the window (Replace); the list does not take it
    // for Replace String when nobody else does.
    for (const Qt::Key key : {Qt::Key_R, Qt::Key_H})
        QTest::keyClick(&list, key, Qt::ControlModifier);
    EXPECT_TRUE(list.replacePresetSearch.isNull());
    EXPECT_EQ(list.GetSelectedRows(), std::vector<int>{1});
}

TEST_F(EditListEditing, TheContextMenuIsAskedForUnlessARightClickStartedAnEdit) {
    CTestList list(10);
    Select(list, {1});
    QSignalSpy wanted(&list, &GP::CEditListCtrl::contextMenuWanted);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&list, &request);
    EXPECT_EQ(wanted.count(), 1);
    ASSERT_TRUE(list.BeginEdit(1, test::kName));
    QApplication::sendEvent(&list, &request);
    EXPECT_EQ(wanted.count(), 1);
    list.EndEdit(false);
}

} // namespace
