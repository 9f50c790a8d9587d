// The patch list as a drag source and drop target on its own: a press on a
// selection keeps it for a drag, a click still selects one row, the drag
// carries copies of the selected patches, and drops are taken only with a
// window to take them.
#include "tests/views/ViewsTestSupport.h"

#include "views/PatchDrop.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>

namespace viewstest {
namespace {

QPoint RowCentre(const CPatchListCtrl& list, int row) {
    return {30, list.rowViewportPosition(row) + list.rowHeight(row) / 2};
}

std::vector<int> Sorted(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

struct DragRecord {
    int runs = 0;
    CConcreteParameterArray<CPatch> patches;
    CPatchDragOrigin origin;
    Qt::DropActions actions;
    Qt::DropAction defaultAction = Qt::IgnoreAction;
};

void RecordDrags(CPatchListCtrl& list, DragRecord& record) {
    list.SetDragRunner([&record](std::unique_ptr<QMimeData> data, Qt::DropActions actions, Qt::DropAction action) {
        ++record.runs;
        EXPECT_TRUE(ReadPatchMimeData(*data, record.patches, record.origin));
        record.actions = actions;
        record.defaultAction = action;
        return Qt::IgnoreAction;
    });
}

TEST(PatchListDrag, APressOnTheSelectionKeepsItForADragAndAClickSelectsOneRow) {
    FileList file(8);
    DragRecord record;
    RecordDrags(file.list, record);
    file.SelectRows({2, 3, 5});

    // Pressed and released on a selected row without moving: that row alone.
    QTest::mousePress(file.list.viewport(), Qt::LeftButton, {}, RowCentre(file.list, 3));
    EXPECT_EQ(Sorted(file.list.GetSelectedRows()), (std::vector<int>{2, 3, 5}));
    QTest::mouseRelease(file.list.viewport(), Qt::LeftButton, {}, RowCentre(file.list, 3));
    EXPECT_EQ(file.list.GetSelectedRows(), std::vector<int>{3});
    EXPECT_EQ(record.runs, 0);

    // Moved a little less than the drag distance: still no drag.
    file.SelectRows({2, 3, 5});
    const QPoint start = RowCentre(file.list, 5);
    QTest::mousePress(file.list.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(file.list.viewport(), start + QPoint(QApplication::startDragDistance() - 1, 0));
    EXPECT_EQ(record.runs, 0);
    // Further: the three selected patches are dragged, in row order, as a
    // file's patches in the language's code page; a file's rows may move.
    QTest::mouseMove(file.list.viewport(), start + QPoint(QApplication::startDragDistance() + 2, 0));
    QTest::mouseRelease(file.list.viewport(), Qt::LeftButton, {}, start + QPoint(40, 0));
    ASSERT_EQ(record.runs, 1);
    ASSERT_EQ(record.patches.Size(), 3u);
    EXPECT_EQ(AsPatch(&record.patches[0])->GetName(), "P2");
    EXPECT_EQ(AsPatch(&record.patches[2])->GetName(), "P5");
    EXPECT_EQ(record.origin.area, 0);
    EXPECT_EQ(record.origin.codePage, CParameterListCtrl::MemoCodePage());
    EXPECT_EQ(record.actions, Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(record.defaultAction, Qt::MoveAction);
    EXPECT_EQ(Sorted(file.list.GetSelectedRows()), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(file.NameAt(2), "P2");
}

TEST(PatchListDrag, APressOffTheSelectionSelectsAsBeforeAndAnAreaOffersOnlyCopies) {
    FileList area(10, false);
    DragRecord record;
    RecordDrags(area.list, record);
    area.SelectRows({0});
    // From an unselected row the mouse selects a range, as it always did.
    QTest::mousePress(area.list.viewport(), Qt::LeftButton, {}, RowCentre(area.list, 4));
    QTest::mouseMove(area.list.viewport(), RowCentre(area.list, 6));
    QTest::mouseRelease(area.list.viewport(), Qt::LeftButton, {}, RowCentre(area.list, 6));
    EXPECT_EQ(Sorted(area.list.GetSelectedRows()), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(record.runs, 0);

    QTest::mousePress(area.list.viewport(), Qt::LeftButton, {}, RowCentre(area.list, 5));
    QTest::mouseMove(area.list.viewport(), RowCentre(area.list, 8));
    QTest::mouseRelease(area.list.viewport(), Qt::LeftButton, {}, RowCentre(area.list, 8));
    ASSERT_EQ(record.runs, 1);
    EXPECT_EQ(record.patches.Size(), 3u);
    EXPECT_EQ(record.origin.area, 1);
    EXPECT_EQ(record.actions, Qt::DropActions(Qt::CopyAction));
}

TEST(PatchListDrag, PatchesAreRefusedWithoutAWindowAndOtherDataIsLeftToTheParents) {
    FileList file(3);
    std::unique_ptr<QMimeData> patches =
        MakePatchMimeData(file.Patches(), {0}, CPatchDragOrigin{0, CParameterListCtrl::MemoCodePage()});
    QDragEnterEvent enter(RowCentre(file.list, 0), Qt::CopyAction, patches.get(), Qt::LeftButton, {});
    QApplication::sendEvent(file.list.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());

    struct Target : IPatchDropTarget {
        bool DropPatches(const CPatchDrop&) override { return true; }
    } target;
    file.list.SetDropTarget(&target);
    QDragEnterEvent again(RowCentre(file.list, 0), Qt::CopyAction, patches.get(), Qt::LeftButton, {});
    QApplication::sendEvent(file.list.viewport(), &again);
    EXPECT_TRUE(again.isAccepted());
    EXPECT_EQ(again.dropAction(), Qt::CopyAction);

    QMimeData text;
    text.setText("P0");
    QDragEnterEvent other(RowCentre(file.list, 0), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(file.list.viewport(), &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST(PatchListDrag, MemosAreTurnedIntoTheOtherCodePageOrLeftAloneWhenOneCannotBe) {
    CConcreteParameterArray<CPatch> patches;
    patches.Resize(2);
    patches[0].SetMemo(1, "plain");
    patches[1].SetMemo(2, "\x82\xa0\x82\xa2"); // two Japanese letters in 932
    EXPECT_TRUE(ConvertMemoCodePage(patches, 932, 932));
    EXPECT_FALSE(ConvertMemoCodePage(patches, 932, 1252));
    EXPECT_EQ(patches[0].GetMemo(1), "plain");
    EXPECT_EQ(patches[1].GetMemo(2), "\x82\xa0\x82\xa2");

    // A sign both code pages hold, in their own bytes: the degree sign.
    patches[1].SetMemo(2, "20\xb0");
    ASSERT_TRUE(ConvertMemoCodePage(patches, 1252, 932));
    EXPECT_EQ(patches[0].GetMemo(1), "plain");
    EXPECT_EQ(patches[1].GetMemo(2), "20\x81\x8b");
    ASSERT_TRUE(ConvertMemoCodePage(patches, 932, 1252));
    EXPECT_EQ(patches[1].GetMemo(2), "20\xb0");
}

} // namespace
} // namespace viewstest
