// The patch list control: rows and texts, sorting, refresh, the edit
// commands, in-place edits with their undo step, preview and column widths.
#include "tests/views/ViewsTestSupport.h"

#include "tests/support/CapturingTextDialog.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using viewstest::FakeConfirmation;
using viewstest::FileList;

constexpr int kNumber = 0;
constexpr int kName = 1;
constexpr int kMemo1 = 2;

TEST(PatchList, ShowsNumbersNamesMemosAndEndOfLine) {
    FileList f(60);
    ASSERT_EQ(f.list.GetColumnCount(), 6);
    EXPECT_EQ(f.list.GetColumnText(0), "Number");
    EXPECT_EQ(f.list.GetColumnText(5), "Memo4");
    EXPECT_EQ(f.list.GetItemCount(), 61);
    EXPECT_EQ(f.list.GetCellText(0, kNumber), " 1");
    EXPECT_EQ(f.list.GetCellText(59, kNumber), "60");
    EXPECT_EQ(f.list.GetCellText(60, kNumber), "End of Line");
    EXPECT_EQ(f.list.GetCellText(60, kName), "");

    // Control bytes in a name show as blanks; a memo in code page 1252.
    AsPatch(&f.Patches()[0])->Data()[CPatch::kNameOffset + 3] = 0x07;
    f.Patches()[0].SetMemo(1, "caf\xE9");
    EXPECT_EQ(f.list.GetCellText(0, kName), "P ");
    EXPECT_EQ(f.list.GetCellText(0, kMemo1), QString::fromUtf8("café"));

    // The main window's lists have no End of Line row.
    FileList main(10, false);
    EXPECT_EQ(main.list.GetItemCount(), 10);

    // An empty file: only End of Line, which cannot be edited.
    FileList empty(0);
    ASSERT_EQ(empty.list.GetItemCount(), 1);
    EXPECT_EQ(empty.list.GetCellText(0, kNumber), "End of Line");
    empty.SelectRows({0});
    EXPECT_FALSE(empty.list.BeginEdit(0, kName));
    EXPECT_FALSE(empty.list.IsEditing());
}

TEST(PatchList, HeaderClicksSortWithTiesAndKeepEndOfLineLast) {
    FileList f(5);
    for (int k = 0; k < 5; ++k)
        f.Name(k, std::vector<std::string>{"b", "A", "b", "a", "c"}[static_cast<std::size_t>(k)]);
    f.Patches()[4].SetMemo(1, "first");
    f.Patches()[0].SetMemo(1, "second");

    QHeaderView& header = *f.list.horizontalHeader();
    const auto click = [&](int column) {
        const QPoint centre(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                            header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
    };
    click(kName);
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{1, 3, 0, 2, 4, 5}));
    click(kName);
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{4, 2, 0, 3, 1, 5}));
    EXPECT_FALSE(f.list.IsSortAscending());
    click(kMemo1);
    EXPECT_TRUE(f.list.IsSortAscending());
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{1, 2, 3, 4, 0, 5}));
    EXPECT_EQ(f.list.GetCellText(5, kNumber), "End of Line");

    // A refresh after a change sorts again; SortByNumber keeps the column
    // sort for the next refresh.
    f.Patches()[2].SetMemo(1, "a");
    f.list.Refresh(false, 0);
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{1, 3, 2, 4, 0, 5}));
    f.list.SortByNumber();
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(f.list.GetSortKind(), 1);
}

TEST(PatchList, RefreshSelectsCountedRowsOnlyWhenAllExist) {
    FileList f(60, false);
    f.SelectRows({58});
    f.list.Refresh(true, 3);
    EXPECT_EQ(f.list.GetSelectedCount(), 0);

    f.SelectRows({58});
    f.list.Refresh(true, 2);
    EXPECT_EQ(f.list.GetSelectedRows(), (std::vector<int>{58, 59}));

    // Keeping the selection follows the indexes through a column sort.
    f.list.SortByColumn(kName); // P0, P1, P10, P11, ... P19, P2, ...
    f.SelectRows({1, 2});       // P1 and P10
    f.list.Refresh(true, 0);
    EXPECT_EQ(f.list.GetSelectedIndexes(), (std::vector<int>{1, 10}));
    EXPECT_EQ(f.list.GetSelectedRows(), (std::vector<int>{1, 2}));

    f.list.Refresh(false, 0);
    EXPECT_EQ(f.list.GetSelectedCount(), 0);
}

TEST(PatchList, ReplaceRepeatsTwoClipboardPatchesOverFiveRows) {
    FileList f(8);
    f.SelectRows({6, 7});
    f.list.CopySelected();
    ASSERT_EQ(f.list.GetClipboard().Size(), 2u);

    f.SelectRows({0, 1, 2, 3, 4, 8}); // the End of Line row does not count
    f.list.ReplaceSelected();
    f.list.Refresh(true, 0);
    const std::vector<std::string> names{f.NameAt(0), f.NameAt(1), f.NameAt(2), f.NameAt(3), f.NameAt(4), f.NameAt(5)};
    EXPECT_EQ(names, (std::vector<std::string>{"P6", "P7", "P6", "P7", "P6", "P5"}));
    EXPECT_EQ(f.Patches().Size(), 8u);
    // The rows got copies: changing one leaves the clipboard alone.
    f.Name(1, "changed");
    EXPECT_EQ(AsPatch(&f.list.GetClipboard()[1])->GetName(), "P7");
}

TEST(PatchList, ListsHandedOneClipboardShareItAndAListWithoutOneKeepsItsOwn) {
    FileList from(4);
    FileList to(2);
    to.list.SetPatchClipboard(&from.clipboard);
    from.SelectRows({3});
    from.list.CopySelected();
    ASSERT_EQ(from.clipboard.patches.Size(), 1u);
    to.SelectRows({0});
    EXPECT_EQ(to.list.InsertClipboard(), 1);
    EXPECT_EQ(to.NameAt(0), "P3");

    // Without a shared clipboard a list copies to and pastes from its own.
    CPatchListCtrl alone(1, true);
    alone.SetPatchClipboard(nullptr);
    EXPECT_EQ(alone.GetClipboard().Size(), 0u);
    EXPECT_NE(&alone.GetClipboard(), &from.list.GetClipboard());
}

TEST(PatchList, DeleteInsertInitializeAndSelectAllOnSelections) {
    FileList f(6);
    f.SelectRows({1, 3});
    f.list.CopySelected();
    f.list.DeleteSelected();
    f.list.Refresh(false, 0);
    EXPECT_EQ(f.list.GetItemCount(), 5);
    EXPECT_EQ(f.NameAt(1), "P2");

    // Inserting before a sorted list's first selected row uses its index.
    f.list.SortByColumn(kName);
    f.list.SortByColumn(kName); // descending: P5, P4, P2, P0, End of Line
    f.SelectRows({1});
    EXPECT_EQ(f.list.InsertClipboard(), 2);
    f.list.Refresh(true, 2);
    EXPECT_EQ(f.NameAt(2), "P1");
    EXPECT_EQ(f.NameAt(3), "P3");
    EXPECT_EQ(f.NameAt(4), "P4");
    EXPECT_EQ(f.list.GetSelectedIndexes(), (std::vector<int>{3, 2})); // P3 then P1 in descending order

    // With the End of Line row selected an insert appends.
    f.list.SortByNumber();
    f.SelectRows({f.list.GetItemCount() - 1});
    EXPECT_EQ(f.list.InsertClipboard(), 2);
    EXPECT_EQ(f.NameAt(6), "P1");
    EXPECT_EQ(f.NameAt(7), "P3");
    f.list.Refresh(false, 0); // sorts again: P5 P4 P3 P3 P2 P1 P1 P0, End of Line

    f.Patches()[0].SetMemo(3, "memo");
    f.SelectRows({7, 8});
    f.list.InitializeSelected();
    EXPECT_EQ(f.NameAt(0), "INIT PATCH");
    EXPECT_EQ(f.Patches()[0].GetMemo(3), "");
    EXPECT_EQ(f.Patches().Size(), 8u);

    f.list.SetAllSelected(false);
    f.list.setFocus();
    QTest::keyClick(&f.list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.list.GetSelectedCount(), 8);
    EXPECT_FALSE(f.list.IsRowSelected(8));

    // Nothing selected: nothing inserted.
    f.list.SetAllSelected(false);
    EXPECT_EQ(f.list.InsertClipboard(), 0);
}

// Types text into the active pop-up and ends the edit.
bool EditSelected(FileList& f, int row, int column, const QString& text) {
    if (!f.list.BeginEdit(row, column))
        return false;
    GP::IPopup* popup = f.list.GetActivePopup();
    if (!popup)
        return false;
    auto* editor = qobject_cast<QLineEdit*>(popup->GetWnd());
    if (!editor)
        return false;
    editor->selectAll();
    editor->insert(text); // as typed: the pop-up reports the change
    return f.list.EndEdit(true);
}

TEST(PatchList, InPlaceEditsStoreNamesAndMemosWithOneUndoStep) {
    FileList f(3);
    QSignalSpy modified(&f.list, &CParameterListCtrl::modified);
    f.SelectRows({0, 2});
    ASSERT_TRUE(EditSelected(f, 0, kName, "ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(f.NameAt(0), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(f.NameAt(2), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(f.NameAt(1), "P1");
    EXPECT_EQ(modified.count(), 1);
    ASSERT_TRUE(f.document.CanUndo(1));
    f.document.Undo(1);
    EXPECT_EQ(f.NameAt(0), "P0");
    EXPECT_EQ(f.NameAt(2), "P2");

    const std::string longMemo(120, 'm');
    f.list.Refresh(false, 0);
    f.SelectRows({1});
    ASSERT_TRUE(EditSelected(f, 1, kMemo1, QString::fromStdString(longMemo) + QString::fromUtf8("é")));
    EXPECT_EQ(f.Patches()[1].GetMemo(1), longMemo + "\xE9");
}

TEST(PatchList, AnEditWhileSortedEndsOnceForEachRowWithItsNewText) {
    FileList f(4);
    f.list.SortByColumn(kName);
    f.SelectRows({1, 3});
    const std::vector<int> indexes = f.list.GetSelectedIndexes();
    QSignalSpy ended(&f.list, &GP::CEditListCtrl::endLabelEdit);
    ASSERT_TRUE(EditSelected(f, 1, kName, "A"));
    EXPECT_FALSE(f.list.IsEditing());
    ASSERT_EQ(ended.count(), 2);
    for (const QList<QVariant>& signal : ended) {
        EXPECT_EQ(signal.at(1).toInt(), kName);
        EXPECT_TRUE(signal.at(2).toBool());
        EXPECT_EQ(signal.at(3).toString(), "A");
    }
    // The edited patches sort first now and stay selected.
    EXPECT_EQ(f.list.GetSelectedRows(), (std::vector<int>{0, 1}));
    EXPECT_EQ(f.list.GetSelectedIndexes(), indexes);
    EXPECT_EQ(f.NameAt(indexes[0]), "A");
    EXPECT_EQ(f.NameAt(indexes[1]), "A");
}

TEST(PatchList, CharactersTheTextCannotHoldAreRefusedAndNothingStored) {
    FileList f(2);
    test::CapturingTextDialog dialog;
    f.SelectRows({0, 1});
    EXPECT_FALSE(EditSelected(f, 0, kMemo1, QString::fromUtf8("日本")));
    EXPECT_TRUE(f.list.IsEditing()); // the editor stays open
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("日"), std::string::npos);
    EXPECT_TRUE(f.list.EndEdit(false));
    EXPECT_EQ(f.Patches()[0].GetMemo(1), "");
    EXPECT_EQ(f.Patches()[1].GetMemo(1), "");
    EXPECT_FALSE(f.document.CanUndo(1)); // a refused edit records no undo step

    // A name editor takes only what the unit can show, as it is typed, and
    // at most 16 characters.
    dialog.clear();
    ASSERT_TRUE(f.list.BeginEdit(0, kName));
    auto* editor = qobject_cast<QLineEdit*>(f.list.GetActivePopup()->GetWnd());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insert(QString::fromUtf8("Crème"));
    EXPECT_EQ(editor->text(), "P0") << "the whole insert is refused";
    editor->selectAll();
    editor->insert(QStringLiteral("Creme brulee: 16 + more"));
    EXPECT_EQ(editor->text(), "Creme brulee: 16");
    EXPECT_TRUE(f.list.EndEdit(true));
    EXPECT_EQ(f.NameAt(0), "Creme brulee: 16");
    EXPECT_TRUE(dialog.shown().empty());
}

// A list whose replace dialog answers at once.
class ReplacingList : public CPatchListCtrl {
public:
    ReplacingList() : CPatchListCtrl(1, true) {}
    QString search;
    QString replacement;

protected:
    bool RunReplaceDialog(QString& s, QString& r) override {
        s = search;
        r = replacement;
        return !search.isEmpty();
    }
};

TEST(PatchList, ReplaceStringIsOneUndoableChangeAndSortsAgain) {
    viewstest::App();
    CFileDocument document;
    document.Patches().Resize(4);
    for (int k = 0; k < 4; ++k)
        AsPatch(&document.Patches()[static_cast<std::size_t>(k)])->SetName("Patch " + std::to_string(k));
    ReplacingList list;
    QSignalSpy modified(&list, &CParameterListCtrl::modified);
    list.SetPatchArray(&document.Patches());
    list.SetDocument(&document);
    list.FillColumns();
    list.Refresh(false, 0);
    list.SortByColumn(kName);
    list.SetRowSelected(0, true);
    list.SetRowSelected(2, true);

    list.ReplaceString(kName); // the dialog is cancelled: nothing changes
    EXPECT_FALSE(document.CanUndo(1));

    list.search = "Patch";
    list.replacement = "Z";
    list.ReplaceString(kName);
    const auto name = [&](int k) { return AsPatch(&document.Patches()[static_cast<std::size_t>(k)])->GetName(); };
    EXPECT_EQ(name(0), "Z 0");
    EXPECT_EQ(name(2), "Z 2");
    EXPECT_EQ(name(1), "Patch 1");
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(list.GetItemData(3), 2); // sorted again: Patch 1, Patch 3, Z 0, Z 2
    ASSERT_TRUE(document.CanUndo(1));
    document.Undo(1);
    EXPECT_EQ(name(0), "Patch 0");
    EXPECT_EQ(name(2), "Patch 2");
}

TEST(PatchList, EditsAndReplacesWithEndOfLineSelectedMarkTheFileAndSortAgain) {
    FileList f(3);
    QSignalSpy modified(&f.list, &CParameterListCtrl::modified);
    f.list.SortByColumn(kName);
    // Row 1, then Shift+End: the selection runs down to "End of Line".
    f.list.SetFocusedRow(0);
    QTest::keyClick(&f.list, Qt::Key_Down);
    QTest::keyClick(&f.list, Qt::Key_End, Qt::ShiftModifier);
    ASSERT_FALSE(f.list.IsRowSelected(0));
    ASSERT_TRUE(f.list.IsRowSelected(3));
    ASSERT_TRUE(EditSelected(f, 1, kName, "A"));
    EXPECT_EQ(f.NameAt(1), "A");
    EXPECT_EQ(f.NameAt(2), "A");
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(f.RowIndexes(), (std::vector<int>{1, 2, 0, 3})) << "sorted again, End of Line last";
    EXPECT_TRUE(f.document.CanUndo(1));

    // The same through Replace String, everything selected.
    ReplacingList list;
    QSignalSpy replaced(&list, &CParameterListCtrl::modified);
    list.SetPatchArray(&f.Patches());
    list.SetDocument(&f.document);
    list.FillColumns();
    list.Refresh(false, 0);
    for (int row = 0; row < list.GetItemCount(); ++row)
        list.SetRowSelected(row, true);
    list.search = "P";
    list.replacement = "Q";
    list.ReplaceString(kName);
    EXPECT_EQ(f.NameAt(0), "Q0");
    EXPECT_EQ(replaced.count(), 1);
}

TEST(PatchList, DoubleClickPreviewsOnlyAfterConfirmation) {
    FileList f(5);
    QSignalSpy previews(&f.list, &CParameterListCtrl::previewRequested);
    FakeConfirmation refuse(false);
    f.list.SetPreviewConfirmation(&refuse);
    QRect cell;
    ASSERT_TRUE(f.list.GetCellRect(3, kName, cell));
    QTest::mouseDClick(f.list.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(refuse.asked, 1);
    EXPECT_EQ(previews.count(), 0);

    FakeConfirmation confirm(true);
    f.list.SetPreviewConfirmation(&confirm);
    f.list.SortByColumn(kName);
    f.list.SortByColumn(kName); // descending: row 3 shows P1
    QTest::mouseDClick(f.list.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(previews.count(), 1);
    EXPECT_EQ(previews[0][0].toInt(), 1);

    // The End of Line row holds no patch: no question, nothing sent.
    ASSERT_TRUE(f.list.GetCellRect(5, kName, cell));
    QTest::mouseDClick(f.list.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(confirm.asked, 1);
    EXPECT_EQ(previews.count(), 1);
}

TEST(PatchList, TellsItsParentAfterScrollsAndNavigationKeys) {
    FileList f(200);
    QSignalSpy moved(&f.list, &CParameterListCtrl::scrolledOrNavigated);
    f.list.setFocus();
    f.SelectRows({0});
    f.list.SetFocusedRow(0);
    QTest::keyClick(&f.list, Qt::Key_Down);
    EXPECT_GE(moved.count(), 1);
    moved.clear();
    f.list.verticalScrollBar()->setValue(30);
    EXPECT_GE(moved.count(), 1);
    EXPECT_EQ(f.list.GetTopIndex(), 30);
}

TEST(PatchList, ColumnWidthsAreKeptInTheProfile) {
    FileList f(1);
    f.list.setColumnWidth(kName, 123);
    f.list.setColumnWidth(kMemo1, 77);
    ASSERT_TRUE(f.list.SaveColumnWidths());
    const std::string stored = f.profile.GetString("PatchListCtrl/ColumnWidth", "");
    EXPECT_NE(stored.find(",123,77,"), std::string::npos) << stored;

    CPatchListCtrl other(1, true);
    other.SetProfile(&f.profile);
    other.SetPatchArray(&f.Patches());
    other.FillColumns();
    EXPECT_EQ(other.columnWidth(kName), 123);
    EXPECT_EQ(other.columnWidth(kMemo1), 77);
}

// The text a cell shows in its column's width, as the list draws it.
QString DrawnText(const CParameterListCtrl& list, int row, int column) {
    bool elided = false;
    const QString text = list.GetCellText(row, column);
    const QString drawn =
        GP::CEditListCtrl::ElideCellText(list.fontMetrics(), text, list.columnWidth(column), &elided);
    return elided ? drawn : text;
}

int ColumnsWidth(const CParameterListCtrl& list) {
    int width = 0;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        width += list.columnWidth(column);
    return width;
}

TEST(PatchListColumns, UntilSizedTheyShowWholeNamesAndEndOfLineAndFillTheList) {
    FileList f(3);
    f.Name(0, "WWWWWWWWWWWWWWWW");
    f.Name(1, "Glass Chorus Pad");
    f.Patches()[2].SetMemo(4, "memo");
    ASSERT_TRUE(f.list.HasFittedColumns());
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(DrawnText(f.list, row, kName), f.list.GetCellText(row, kName)) << row;
    EXPECT_EQ(DrawnText(f.list, 3, kNumber), "End of Line");
    // The memos share the rest and the last column reaches the right edge.
    f.list.resize(1400, f.list.height());
    EXPECT_EQ(ColumnsWidth(f.list), f.list.viewport()->width());
    EXPECT_EQ(f.list.columnWidth(kMemo1), f.list.columnWidth(kMemo1 + 1));

    // A wider list widens the memos, not the number and the name.
    const int name = f.list.columnWidth(kName);
    const int memo = f.list.columnWidth(kMemo1);
    f.list.resize(f.list.width() + 400, f.list.height());
    EXPECT_EQ(f.list.columnWidth(kName), name);
    EXPECT_EQ(f.list.columnWidth(kMemo1), memo + 100);
    EXPECT_EQ(ColumnsWidth(f.list), f.list.viewport()->width());

    // Fitted widths are not stored, so they keep following the list.
    EXPECT_TRUE(f.list.SaveColumnWidths());
    EXPECT_EQ(f.profile.GetString("PatchListCtrl/ColumnWidth", "none"), "none");
}

TEST(PatchListColumns, FollowTheFontUntilTheUserSizesOneThenTheStoredWidthsWin) {
    FileList f(1);
    f.Name(0, "MMMMMMMMMMMMMMMM");
    QFont large = f.list.font();
    large.setPixelSize(30);
    f.list.setFont(large);
    EXPECT_EQ(DrawnText(f.list, 0, kName), f.list.GetCellText(0, kName));
    EXPECT_EQ(DrawnText(f.list, 1, kNumber), "End of Line");

    // The user drags a column border: every width is stored from then on.
    f.list.horizontalHeader()->resizeSection(kMemo1, 61);
    EXPECT_FALSE(f.list.HasFittedColumns());
    ASSERT_TRUE(f.list.SaveColumnWidths());
    CPatchListCtrl other(1, false);
    other.SetProfile(&f.profile);
    other.SetPatchArray(&f.Patches());
    other.FillColumns();
    other.resize(900, 300);
    EXPECT_FALSE(other.HasFittedColumns());
    EXPECT_EQ(other.columnWidth(kMemo1), 61);
    EXPECT_EQ(other.columnWidth(kName), f.list.columnWidth(kName));
}

TEST(PatchListRows, FollowTheListFontAndTellTheView) {
    FileList f(5);
    QSignalSpy changed(&f.list, &GP::CEditListCtrl::rowHeightChanged);
    const int normal = f.list.GetRowHeight();
    QFont font = f.list.font();
    font.setPixelSize(40);
    f.list.setFont(font);
    EXPECT_GE(f.list.GetRowHeight(), 40);
    EXPECT_EQ(f.list.rowHeight(2), f.list.GetRowHeight());
    EXPECT_EQ(changed.count(), 1);
    font.setPixelSize(8);
    f.list.setFont(font);
    EXPECT_LT(f.list.GetRowHeight(), normal);
    EXPECT_EQ(f.list.rowHeight(4), f.list.GetRowHeight());
}

} // namespace
