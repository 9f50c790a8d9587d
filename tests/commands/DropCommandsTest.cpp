// Patches dragged with the mouse between the program's real windows: the
// clipboard commands' rules, one undo step in the window dropped on, a
// reason for every drop refused, and files dropped on the frame still opened.
#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/MainWindowFixture.h"

#include "app/commands/InstallCommands.h"
#include "app/docman/DocMan.h"
#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "engine/MidiEngine.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "views/PatchDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <numeric>

namespace commandstest {
namespace {

std::vector<std::string> Named(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int k = from; k <= to; ++k)
        names.push_back(prefix + std::to_string(k));
    return names;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The middle of a row in viewport coordinates; for the row count, a point
// just below the last row.
QPoint RowPoint(CParameterListCtrl& list, int row) {
    if (row < list.GetItemCount()) {
        list.EnsureRowVisible(row);
        return {30, list.rowViewportPosition(row) + list.rowHeight(row) / 2};
    }
    const int last = list.GetItemCount() - 1;
    list.EnsureRowVisible(last);
    return {30, list.rowViewportPosition(last) + list.rowHeight(last) + 3};
}

// What the desktop delivers while data is dragged onto a row and dropped
// there; then the program finishes the drop.
void DropOn(CParameterListCtrl& list, int row, const QMimeData& data, Qt::KeyboardModifiers modifiers = {}) {
    const QPoint point = RowPoint(list, row);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &enter);
    QDragMoveEvent move(point, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &move);
    QDropEvent drop(QPointF(point), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &drop);
    QCoreApplication::processEvents();
}

class DropTest : public ::testing::Test, protected test::MainWindowFixture {
protected:
    void SetUp() override {
        AppEnvironment::Get();
        GetMessageTable().SetLanguage(CMessageTable::kEnglish);
        ASSERT_NO_FATAL_FAILURE(
            Open(state, profile, fileDialogs, confirmation, QSize(1000, 800), &InstallWindowCommands));
        for (int area = 1; area <= 2; ++area) {
            CParameterArray& patches = MainData().GetArray(area);
            for (std::size_t k = 0; k < patches.Size(); ++k)
                AsPatch(&patches[k])->SetName((area == 1 ? "M" : "B") + std::to_string(k));
        }
        MainView().OnUpdate(0);
    }
    void TearDown() override {
        Close();
        GetMessageTable().SetLanguage(CMessageTable::kEnglish);
    }

    CLibrarianState& State() { return state; }
    CPatchListCtrl& MainList() { return *MainView().GetShownList(); }
    CImageDocument& MainData() { return imageTemplate->GetImageDoc()->GetDocumentData(); }
    std::vector<std::string> MainNames(int area = 1) { return NamesOf(MainData().GetArray(area)); }

    // A new file window with `count` patches named F0, F1, ...
    CFileView& OpenFile(int count) {
        CFileDoc* document = fileTemplate->OpenFileDoc(QString());
        EXPECT_NE(document, nullptr);
        CParameterArray& patches = document->GetDocumentData().Patches();
        patches.Resize(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k)
            AsPatch(&patches[static_cast<std::size_t>(k)])->SetName("F" + std::to_string(k));
        auto* view = dynamic_cast<CFileView*>(document->GetViews().front());
        if (auto* window = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
            window->resize(600, 500);
        view->OnUpdate(0);
        return *view;
    }
    static std::vector<std::string> FileNames(CFileView& view) {
        return NamesOf(view.GetDocument()->GetDocumentData().Patches());
    }
    static bool Modified(CFileView& view) { return view.GetDocument()->IsModified(); }
    static std::vector<int> SelectedRows(const CParameterListCtrl& list) {
        std::vector<int> rows = list.GetSelectedRows();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    static void Select(CParameterListCtrl& list, const std::vector<int>& rows) {
        list.SetAllSelected(false);
        for (int row : rows)
            list.SetRowSelected(row, true);
    }
    // The user presses on the first selected row of `from` and moves the
    // mouse away with the button held; the desktop carries the data to
    // `row` of `to`.
    static void Drag(CParameterListCtrl& from, const std::vector<int>& rows, CParameterListCtrl& to, int row,
                     Qt::KeyboardModifiers modifiers = {}) {
        Select(from, rows);
        bool ran = false;
        from.SetDragRunner([&](std::unique_ptr<QMimeData> data, Qt::DropActions, Qt::DropAction) {
            ran = true;
            DropOn(to, row, *data, modifiers);
            return Qt::CopyAction;
        });
        const QPoint start = RowPoint(from, rows.front());
        QTest::mousePress(from.viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(from.viewport(), start + QPoint(0, 3));
        QTest::mouseMove(from.viewport(), start + QPoint(0, 3 + QApplication::startDragDistance()));
        QTest::mouseRelease(from.viewport(), Qt::LeftButton, {}, start + QPoint(0, 40));
        from.SetDragRunner(nullptr);
        EXPECT_TRUE(ran) << "no drag started";
        QCoreApplication::processEvents();
    }
    void Undo(QWidget& view) {
        for (QMdiSubWindow* window : frame->MdiArea().subWindowList())
            if (window->widget() == &view || window->isAncestorOf(&view))
                frame->MdiArea().setActiveSubWindow(window);
        ASSERT_TRUE(frame->OnCommand(kCmdUndo));
    }
    std::string LastMessage() const { return messages.shown().empty() ? "" : messages.shown().back().text; }
    static std::string Text(int id) { return GetMessageTable().Get(id); }

    CMidiEngine engine;
    CLibrarianState state{engine.setup};
    QTemporaryDir dir;
    GT::CIniProfile profile{dir.filePath("profile.ini").toStdString()};
    test::CapturingTextDialog messages;
    FakeConfirmation confirmation;
    FakeFileDialogs fileDialogs;
};

TEST_F(DropTest, FilePatchesReplaceMainWindowRowsFromTheDropRowOnAndUndoInTheMainWindowTakesThemBack) {
    CFileView& file = OpenFile(4);
    Drag(file.GetPatchList(), {1, 2}, MainList(), 5);

    EXPECT_EQ(MainNames(), Join({Named("M", 0, 4), {"F1", "F2"}, Named("M", 7, 59)}));
    EXPECT_EQ(SelectedRows(MainList()), (std::vector<int>{5, 6}));
    EXPECT_EQ(MainList().GetCellText(6, 1), "F2");
    // The file the patches came from is as it was.
    EXPECT_EQ(FileNames(file), Named("F", 0, 3));
    EXPECT_FALSE(Modified(file));
    EXPECT_FALSE(file.GetDocument()->GetDocumentData().CanUndo(1));

    // The window dropped on is the active one: Undo there takes it back.
    EXPECT_EQ(frame->MdiArea().activeSubWindow(), frame->GetImageFrame());
    ASSERT_TRUE(frame->OnCommand(kCmdUndo));
    EXPECT_EQ(MainNames(), Named("M", 0, 59));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DropTest, AnAreaTakesOnlyPatchesThatFitFromTheDropRowAndOnlyThoseOfItsOwnArea) {
    CFileView& file = OpenFile(3);
    std::unique_ptr<QMimeData> three =
        MakePatchMimeData(file.GetDocument()->GetDocumentData().Patches(), {0, 1, 2}, CPatchDragOrigin{0, 1252});
    ASSERT_NE(three, nullptr);
    // A bank has ten rows: three patches fit from row 7 on, not from row 8
    // or below the last row.
    State().SetArea(2);
    MainView().OnUpdate(1);
    for (int row : {8, 10}) {
        messages.clear();
        DropOn(MainList(), row, *three);
        EXPECT_EQ(LastMessage(), Text(kMsgDropDoesNotFit)) << "row " << row;
        EXPECT_EQ(MainNames(2), Named("B", 0, 9));
        EXPECT_FALSE(MainData().CanUndo(2));
    }

    // Patches of MEMORY do not go into a bank.
    messages.clear();
    std::unique_ptr<QMimeData> memory = MakePatchMimeData(MainData().GetArray(1), {0}, CPatchDragOrigin{1, 1252});
    DropOn(MainList(), 0, *memory);
    EXPECT_EQ(LastMessage(), Text(kMsgDropOtherArea));
    EXPECT_EQ(MainNames(2), Named("B", 0, 9));

    messages.clear();
    DropOn(MainList(), 7, *three);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(MainNames(2), Join({Named("B", 0, 6), Named("F", 0, 2)}));
    EXPECT_EQ(MainNames(1), Named("M", 0, 59));
    EXPECT_TRUE(MainData().CanUndo(2));
}

TEST_F(DropTest, MainWindowRowsDroppedOnTheMainWindowCopyOverTheRowsFromTheDropRow) {
    // Rows overlapping their own place: the copies are those of before.
    Drag(MainList(), {0, 1, 2}, MainList(), 2);
    EXPECT_EQ(MainNames(), Join({{"M0", "M1", "M0", "M1", "M2"}, Named("M", 5, 59)}));
    EXPECT_EQ(SelectedRows(MainList()), (std::vector<int>{2, 3, 4}));

    // Dropped back on themselves: no change, and the undo step stays the
    // one of the copy.
    Drag(MainList(), {2, 3}, MainList(), 2);
    EXPECT_EQ(MainNames(), Join({{"M0", "M1", "M0", "M1", "M2"}, Named("M", 5, 59)}));
    Undo(MainView());
    EXPECT_EQ(MainNames(), Named("M", 0, 59));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DropTest, AFileWindowInsertsBeforeTheDropRowOrAtTheEndOfLineAndIsModified) {
    CFileView& file = OpenFile(3);
    CPatchListCtrl& list = file.GetPatchList();
    Drag(MainList(), {7, 8}, list, 1);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "M7", "M8", "F1", "F2"}));
    EXPECT_EQ(SelectedRows(list), (std::vector<int>{1, 2}));
    EXPECT_TRUE(Modified(file));
    EXPECT_EQ(MainNames(), Named("M", 0, 59));
    EXPECT_FALSE(MainData().CanUndo(1));

    // On "End of Line" and below it they go at the end.
    Drag(MainList(), {0}, list, list.GetItemCount() - 1);
    Drag(MainList(), {59}, list, list.GetItemCount());
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "M7", "M8", "F1", "F2", "M0", "M59"}));
    EXPECT_EQ(list.GetItemCount(), 8);

    // One undo step: the last drop.
    Undo(file);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "M7", "M8", "F1", "F2", "M0"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DropTest, RowsDraggedWithinAFileWindowMoveAsOneUndoStepAndCtrlCopiesThem) {
    CFileView& file = OpenFile(6);
    CPatchListCtrl& list = file.GetPatchList();
    Drag(list, {0, 1}, list, 4);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F2", "F3", "F0", "F1", "F4", "F5"}));
    EXPECT_EQ(SelectedRows(list), (std::vector<int>{2, 3}));
    EXPECT_TRUE(Modified(file));
    Undo(file);
    EXPECT_EQ(FileNames(file), Named("F", 0, 5));

    // Rows apart gather at the drop row; to "End of Line" they go last.
    Drag(list, {0, 2}, list, list.GetItemCount() - 1);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F1", "F3", "F4", "F5", "F0", "F2"}));
    Drag(list, {4, 5}, list, 0);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "F2", "F1", "F3", "F4", "F5"}));

    // Dropped where they are (on themselves or just after): nothing changes,
    // not even the undo step.
    for (int row : {0, 1, 2}) {
        Drag(list, {0, 1}, list, row);
        EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "F2", "F1", "F3", "F4", "F5"})) << "row " << row;
    }
    Undo(file);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F1", "F3", "F4", "F5", "F0", "F2"}));

    Drag(list, {0, 1}, list, 3, Qt::ControlModifier);
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F1", "F3", "F4", "F1", "F3", "F5", "F0", "F2"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DropTest, AMoveInASortedFileIsRefusedWithTheReasonAndCopiesStillGoIn) {
    CFileView& file = OpenFile(4);
    CPatchListCtrl& list = file.GetPatchList();
    list.SortByColumn(1);
    list.SortByColumn(1); // names descending: F3, F2, F1, F0
    ASSERT_FALSE(list.IsInIndexOrder());
    Drag(list, {0}, list, 3);
    EXPECT_EQ(LastMessage(), Text(kMsgDropMoveSorted));
    EXPECT_EQ(FileNames(file), Named("F", 0, 3));
    EXPECT_FALSE(Modified(file));

    messages.clear();
    Drag(MainList(), {3}, list, 0);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"F0", "F1", "F2", "M3", "F3"}));
    // Sorted by number ascending, rows are in the file's order again.
    list.SortByColumn(0);
    EXPECT_TRUE(list.IsInIndexOrder());
}

TEST_F(DropTest, UnreadableDataAndMemosTheLanguageCannotHoldAreRefusedWithTheReason) {
    CFileView& file = OpenFile(2);
    QMimeData garbage;
    garbage.setData(QString::fromLatin1(kPatchMimeType), QByteArray("ZM47-PATCHES-001 cut short"));
    DropOn(file.GetPatchList(), 0, garbage);
    EXPECT_EQ(LastMessage(), Text(kMsgDropUnreadable));
    EXPECT_EQ(FileNames(file), Named("F", 0, 1));

    // Patches dragged from a program running in Japanese into one running
    // in English: memos are turned into the English code page where they
    // can be, and refused where they cannot.
    CConcreteParameterArray<CPatch> japanese;
    japanese.Resize(2);
    AsPatch(&japanese[0])->SetName("JP0");
    japanese[0].SetMemo(1, "plain");
    japanese[1].SetMemo(1, "\x82\xa0"); // HIRAGANA LETTER A
    messages.clear();
    DropOn(file.GetPatchList(), 0, *MakePatchMimeData(japanese, {0, 1}, CPatchDragOrigin{0, 932}));
    EXPECT_EQ(LastMessage(), Text(kMsgDropMemoCodePage));
    EXPECT_EQ(FileNames(file), Named("F", 0, 1));

    messages.clear();
    DropOn(file.GetPatchList(), 0, *MakePatchMimeData(japanese, {0}, CPatchDragOrigin{0, 932}));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(FileNames(file), (std::vector<std::string>{"JP0", "F0", "F1"}));

    // The other way round, and the reason given in Japanese.
    GetMessageTable().SetLanguage(CMessageTable::kJapanese);
    CConcreteParameterArray<CPatch> english;
    english.Resize(1);
    english[0].SetMemo(2, "caf\xe9");
    DropOn(file.GetPatchList(), 0, *MakePatchMimeData(english, {0}, CPatchDragOrigin{0, 1252}));
    EXPECT_EQ(LastMessage(), Text(kMsgDropMemoCodePage));
    EXPECT_NE(LastMessage(), "");
    japanese[1].SetMemo(3, "\x82\xa0");
    messages.clear();
    DropOn(file.GetPatchList(), 3, *MakePatchMimeData(japanese, {1}, CPatchDragOrigin{0, 932}));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(file.GetDocument()->GetDocumentData().Patches()[3].GetMemo(3), "\x82\xa0");
}

TEST_F(DropTest, WhileDraggedOverAListTheStatusBarSaysWhatADropWouldDo) {
    CFileView& file = OpenFile(3);
    std::unique_ptr<QMimeData> two = MakePatchMimeData(MainData().GetArray(1), {0, 1}, CPatchDragOrigin{1, 1252});
    const auto hover = [&two](CParameterListCtrl& list, int row) {
        const QPoint point = RowPoint(list, row);
        QDragEnterEvent enter(point, Qt::CopyAction, two.get(), Qt::LeftButton, {});
        QApplication::sendEvent(list.viewport(), &enter);
        QDragMoveEvent move(point, Qt::CopyAction, two.get(), Qt::LeftButton, {});
        QApplication::sendEvent(list.viewport(), &move);
    };
    const auto hint = [this] { return frame->StatusBarPane().currentMessage().toStdString(); };
    hover(MainList(), 57);
    EXPECT_EQ(hint(), "Drop to overwrite the framed patches with the 2 dragged ones.");
    hover(MainList(), 59);
    EXPECT_EQ(hint(), "The 2 dragged patches do not fit from here to the end of the area.");
    hover(file.GetPatchList(), 1);
    EXPECT_EQ(hint(), "Drop to insert the 2 dragged patches before number 2.");
    hover(file.GetPatchList(), 3);
    EXPECT_EQ(hint(), "Drop to add the 2 dragged patches at the end.");
    QDragLeaveEvent leave;
    QApplication::sendEvent(file.GetPatchList().viewport(), &leave);
    EXPECT_EQ(hint(), "");
}

TEST_F(DropTest, FilesDroppedOnAPatchListStillReachTheFrame) {
    CFileView& file = OpenFile(2);
    QSignalSpy dropped(frame.get(), &CMainFrame::filesDropped);
    QMimeData files;
    const QString path = dir.filePath("dropped.z4l");
    files.setUrls({QUrl::fromLocalFile(path)});
    DropOn(file.GetPatchList(), 0, files);
    DropOn(MainList(), 3, files);
    ASSERT_EQ(dropped.count(), 2);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(), QStringList{path});
    EXPECT_EQ(FileNames(file), Named("F", 0, 1));
    EXPECT_EQ(MainNames(), Named("M", 0, 59));
}

} // namespace
} // namespace commandstest
