// The main frame, the two kinds of windows and their documents: titles,
// updates, the area switch, the main window that stays, preview buttons,
// command routing and the file document's open and save.
#include "tests/app_ui/AppUiFixture.h"

#include "app/core/FontEx.h"
#include "app/ui/ComboBoxA.h"
#include "tests/support/ActiveWindow.h"
#include "app/docs/UpdateHints.h"
#include "data/LibrarianFile.h"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <set>

namespace test {
namespace {

TEST_F(AppUiTest, TitlesFollowTheWindowAndTheModifiedMark) {
    CImageFrame& image = *frame->GetImageFrame();
    EXPECT_EQ(image.windowTitle(), "Main");

    CFileFrame& file = NewFileWindow(2);
    EXPECT_EQ(file.windowTitle(), "Untitled1 ");
    file.Document()->SetModifiedFlag(true);
    EXPECT_EQ(file.windowTitle(), "Untitled1 *");
    EXPECT_EQ(frame->windowTitle(), "ZM-47 Librarian - Untitled1 *");

    frame->MdiArea().setActiveSubWindow(nullptr);
    frame->UpdateTitle();
    EXPECT_EQ(frame->windowTitle(), "ZM-47 Librarian");

    // A save clears the mark; the title keeps its blank.
    QTemporaryDir dir;
    const QString path = dir.filePath("set1.z4l");
    ASSERT_TRUE(file.Document()->OnSaveDocument(path));
    file.Document()->SetPathName(path);
    EXPECT_EQ(file.windowTitle(), "set1.z4l ");
}

TEST_F(AppUiTest, NewWindowsAreNumberedAndSaveAsProposesTheirOwnNames) {
    CFileFrame& first = NewFileWindow(1);
    CFileFrame& second = NewFileWindow(1);
    EXPECT_EQ(first.Document()->GetTitle(), "Untitled1");
    EXPECT_EQ(second.Document()->GetTitle(), "Untitled2");

    EXPECT_FALSE(second.Document()->DoFileSaveAs()); // the dialog is cancelled
    ASSERT_EQ(runner.requests.size(), 1u);
    EXPECT_EQ(runner.requests[0].fileName, "Untitled2.z4l");
    EXPECT_TRUE(runner.requests[0].flags & kFileDialogOverwritePrompt);

    // A number is not given twice in a run, even once its window is gone.
    ASSERT_TRUE(first.close());
    EXPECT_EQ(NewFileWindow(1).Document()->GetTitle(), "Untitled3");
}

TEST_F(AppUiTest, TheMainWindowRefusesToCloseUntilShutdown) {
    CImageFrame& image = *frame->GetImageFrame();
    EXPECT_FALSE(image.close());
    EXPECT_TRUE(image.isVisible());
    bool closeGreyed = false;
    for (QAction* action : image.systemMenu()->actions())
        if (action->text() == QMdiSubWindow::tr("&Close"))
            closeGreyed = !action->isEnabled();
    EXPECT_TRUE(closeGreyed);
    // Its title bar has no close button that would do nothing; a file
    // window's has one.
    const auto closeButton = [](const QMdiSubWindow& window) {
        QStyleOptionTitleBar option;
        option.initFrom(&window);
        option.titleBarFlags = window.windowFlags();
        option.titleBarState = window.windowState();
        return window.style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, &window);
    };
    EXPECT_FALSE(closeButton(image).isValid());
    EXPECT_TRUE(closeButton(NewFileWindow(1)).isValid());

    image.ForceClose();
    EXPECT_FALSE(image.isVisible());
}

TEST_F(AppUiTest, TheAreaSwitchShowsThatAreasListEmptiesTheClipboardAndReachesFileWindows) {
    CFileFrame& file = NewFileWindow(3);
    frame->MdiArea().setActiveSubWindow(frame->GetImageFrame());
    state.GetClipboard().GetArray(1).Resize(2);
    CComboBoxA& selector = MainView().GetAreaSelector();
    ASSERT_EQ(selector.count(), 7);
    EXPECT_EQ(selector.itemText(1), "SOUND LIBRARY: CLEAN");

    // The area already shown changes nothing.
    selector.setCurrentIndex(0);
    emit selector.activated(0);
    EXPECT_EQ(state.GetClipboard().GetArray(1).Size(), 2u);

    file.View().GetPatchList().SetRowSelected(1, true);
    selector.setCurrentIndex(2);
    emit selector.activated(2);
    EXPECT_EQ(state.GetArea(), 3);
    EXPECT_EQ(state.GetClipboard().GetArray(1).Size(), 0u);
    CPatchListCtrl* shown = MainView().GetShownList();
    ASSERT_EQ(shown, MainView().GetPatchList(3));
    EXPECT_EQ(MainView().GetListCtrl(), shown);
    EXPECT_TRUE(shown->isVisibleTo(&MainView()));
    EXPECT_FALSE(MainView().GetPatchList(1)->isVisibleTo(&MainView()));
    EXPECT_EQ(shown->GetItemCount(), 10);
    // The file window was rebuilt too (its selection is gone).
    EXPECT_EQ(file.View().GetPatchList().GetSelectedCount(), 0);

    // A change from elsewhere (start-up's "Mode") is shown in the selector.
    state.SetArea(7);
    ImageDoc().UpdateAllViews(nullptr, kHintArea);
    EXPECT_EQ(selector.GetSelectedValue(), 7);
}

TEST_F(AppUiTest, UpdatesReachTheViewsWithContentsAndFont) {
    CFileFrame& file = NewFileWindow(1);
    ImageDoc().GetDocumentData().GetArray(1).Resize(3);
    file.Document()->GetDocumentData().Patches().Resize(4);
    ImageDoc().UpdateAllViews(nullptr, kHintContents);
    file.Document()->UpdateAllViews(nullptr, kHintContents);
    EXPECT_EQ(MainView().GetShownList()->GetItemCount(), 3);
    EXPECT_EQ(file.View().GetPatchList().GetItemCount(), 5); // and the empty row

    const int normalRow = MainView().GetShownList()->GetRowHeight();
    CFontEx& font = state.GetListFont();
    font.loaded = true;
    font.systemDefault = false;
    font.description.faceName = "Monospace";
    font.description.height = -19;
    font.color = 0x0000FF; // red
    ImageDoc().UpdateAllViews(nullptr, kHintFont);
    file.Document()->UpdateAllViews(nullptr, kHintFont);
    for (QWidget* list :
         {static_cast<QWidget*>(MainView().GetShownList()), static_cast<QWidget*>(&file.View().GetPatchList())}) {
        EXPECT_EQ(list->font().pixelSize(), 19);
        EXPECT_EQ(list->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    // The rows grow with the font, and the preview buttons with them.
    for (CParamView* view : {static_cast<CParamView*>(&MainView()), static_cast<CParamView*>(&file.View())}) {
        const CParameterListCtrl& list = *view->GetListCtrl();
        EXPECT_GT(list.GetRowHeight(), normalRow);
        EXPECT_EQ(list.rowHeight(0), list.GetRowHeight());
        ASSERT_GT(view->GetButtonCount(), 0);
        EXPECT_EQ(view->GetButton(0)->height(), list.GetRowHeight() - 2);
    }
}

TEST_F(AppUiTest, TheAreaSelectorShowsItsLongestAreaWholeAndTheGroupsStandBesideIt) {
    CComboBoxA& selector = MainView().GetAreaSelector();
    ASSERT_GT(selector.count(), 1);
    int longest = 0;
    for (int i = 0; i < selector.count(); ++i)
        longest = std::max(longest, selector.fontMetrics().horizontalAdvance(selector.itemText(i)));
    // The text and the drop-down arrow beside it.
    EXPECT_GT(selector.width(), longest + selector.fontMetrics().height());
    const QRect placed = selector.geometry();
    for (const QGroupBox* group : MainView().findChildren<QGroupBox*>())
        EXPECT_GT(group->x(), placed.right()) << group->title().toStdString();
}

TEST_F(AppUiTest, ANewFileWindowOpensAtAUsableSizeAndShowsEndOfLineWhole) {
    ASSERT_NE(fileTemplate->OpenFileDoc(QString()), nullptr);
    auto* file = qobject_cast<CFileFrame*>(frame->MdiArea().activeSubWindow());
    ASSERT_NE(file, nullptr);
    const QSize area = frame->MdiArea().viewport()->size();
    EXPECT_GE(file->width(), area.width() / 3);
    EXPECT_GE(file->height(), area.height() / 2);
    EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(file->geometry()));
    // Beside the main window, which gave up the right half of the area, so
    // that its list stays in view; a second file window cascades there.
    const QRect main = frame->GetImageFrame()->geometry();
    EXPECT_FALSE(file->geometry().intersects(main));
    EXPECT_GE(main.width(), area.width() / 3);
    ASSERT_NE(fileTemplate->OpenFileDoc(QString()), nullptr);
    auto* second = qobject_cast<CFileFrame*>(frame->MdiArea().activeSubWindow());
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->geometry().intersects(main));
    EXPECT_GT(second->y(), file->y());
    EXPECT_EQ(frame->GetImageFrame()->geometry(), main);
    const CPatchListCtrl& list = file->View().GetPatchList();
    ASSERT_EQ(list.GetItemCount(), 1);
    const QString text = list.GetCellText(0, 0);
    EXPECT_EQ(text, QStringLiteral("End of Line"));
    EXPECT_EQ(GP::CEditListCtrl::ElideCellText(list.fontMetrics(), text, list.columnWidth(0)), text);
    EXPECT_GE(list.GetCountPerPage(), 8) << "room for a useful number of rows";
}

TEST_F(AppUiTest, EveryCommandHasAPromptATipAndTheToolBarPicturesThem) {
    for (int id : frame->CommandIds()) {
        const QAction* action = frame->Action(id);
        EXPECT_FALSE(action->statusTip().isEmpty()) << id;
        EXPECT_FALSE(action->toolTip().isEmpty()) << id;
    }
    for (QAction* action : frame->ToolBar().actions()) {
        if (action->isSeparator())
            continue;
        const QImage image = action->icon().pixmap(QSize(16, 16)).toImage();
        ASSERT_FALSE(image.isNull()) << action->text().toStdString();
    }
    // The librarian's own commands have pictures of their own.
    std::vector<QByteArray> own;
    for (int id : {kCmdReadAll, kCmdWriteAll, kCmdInsert, kCmdReplace, kCmdInitialize}) {
        const QImage image = frame->Action(id)->icon().pixmap(QSize(16, 16)).toImage();
        ASSERT_FALSE(image.isNull()) << id;
        own.emplace_back(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }
    EXPECT_EQ(std::set<QByteArray>(own.begin(), own.end()).size(), own.size());

    // The main window's buttons and the preview buttons explain themselves.
    EXPECT_EQ(MainView().GetCommandButton(kButtonReadAll)->statusTip(), frame->Action(kCmdReadAll)->statusTip());
    ASSERT_GT(MainView().GetButtonCount(), 0);
    const QPushButton& preview = *MainView().GetButton(0);
    EXPECT_FALSE(preview.icon().isNull());
    EXPECT_FALSE(preview.toolTip().isEmpty());
    EXPECT_FALSE(preview.statusTip().isEmpty());
}

// The items of a menu or bar as "label" or "|" for a line; a submenu as
// "label>".
QStringList Items(const QList<QAction*>& actions) {
    QStringList items;
    for (const QAction* action : actions)
        items << (action->isSeparator() ? QStringLiteral("|")
                                        : action->text() + (action->menu() ? QStringLiteral(">") : QString()));
    return items;
}

TEST_F(AppUiTest, MenusToolBarAndListMenuAreLaidOutFromTheCommandRows) {
    QStringList bar;
    QMenu* file = nullptr;
    QMenu* window = nullptr;
    for (QAction* top : frame->menuBar()->actions()) {
        bar << top->text();
        if (top->text() == QStringLiteral("&File"))
            file = top->menu();
        if (top->text() == QStringLiteral("&Window"))
            window = top->menu();
    }
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&MIDI", "&Setup", "&Window", "&Help"}));
    ASSERT_NE(file, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Items(file->actions()),
              (QStringList{"&New", "&Open...", "Open &Backup...", "&Close", "&Save", "Save &As...", "|", "D&uplicate",
                           "|", "&Import SMF...", "Export SMF All &Data...", "Export SMF S&elected Data...",
                           "Import S&ysEx...", "Expor&t SysEx>", "|", "E&xit"}));
    const QAction* exportSysEx = file->actions().at(13);
    ASSERT_NE(exportSysEx->menu(), nullptr);
    EXPECT_EQ(Items(exportSysEx->menu()->actions()), (QStringList{"&All Data...", "&Selected Data..."}));
    // The window list first, the frame's own window commands last.
    const QStringList windowItems = Items(window->actions());
    ASSERT_GE(windowItems.size(), 7);
    EXPECT_EQ(windowItems.mid(1, 6),
              (QStringList{"|", "&Cascade", "Tile &Horizontally", "Tile &Vertically", "&Arrange Icons", "|"}));

    EXPECT_EQ(Items(frame->ListMenu().actions()),
              (QStringList{"Cu&t", "&Copy", "&Insert", "&Replace", "&Delete", "I&nitialize", "|", "Replace Strin&g...",
                           "|", "Select &All", "|", "&History of This Slot..."}));
    EXPECT_EQ(Items(frame->ToolBar().actions()),
              (QStringList{"&New", "&Open...", "&Save", "|", "&Undo", "Red&o", "Cu&t", "&Copy", "&Insert", "&Replace",
                           "&Delete", "|", "ZM-47 Librarian &Manual"}));
    // Each shortcut is the one of its row, shown by the menu from the key.
    EXPECT_EQ(frame->Action(kCmdFileNew)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(frame->Action(kCmdDelete)->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(frame->Action(kCmdManual)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(
        frame->Action(kCmdRedo)->shortcuts(),
        (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_TRUE(frame->Action(kCmdFileSaveAs)->shortcut().isEmpty());
}

TEST_F(AppUiTest, PreviewButtonsFollowTheRowsAndAskFirst) {
    CFileFrame& file = NewFileWindow(3);
    CFileView& view = file.View();
    ASSERT_EQ(view.GetButtonCount(), 3); // none for the empty last row

    view.GetButton(1)->click();
    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnWriteTemporary});
    EXPECT_EQ(fileCommands->previews, std::vector<int>{1});

    confirmation.answer = false;
    view.GetButton(2)->click();
    EXPECT_EQ(fileCommands->previews, std::vector<int>{1});

    // In the main window the buttons follow a scrolled list.
    confirmation.answer = true;
    frame->MdiArea().setActiveSubWindow(frame->GetImageFrame());
    CPatchListCtrl& list = *MainView().GetShownList();
    list.SetTopIndex(5);
    MainView().RebuildPreviewButtons();
    ASSERT_GT(MainView().GetButtonCount(), 0);
    // The whole rows of the page, and the row cut by its bottom edge.
    EXPECT_LE(MainView().GetButtonCount(), list.GetCountPerPage() + 1);
    const int top = list.GetTopIndex();
    MainView().GetButton(0)->click();
    EXPECT_EQ(imageCommands->previews, std::vector<int>{top});
}

TEST_F(AppUiTest, CommandsGoToTheActiveViewAndOnlyHandledOnesAreEnabled) {
    frame->MdiArea().setActiveSubWindow(frame->GetImageFrame());
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(kCmdCut)->isEnabled());
    EXPECT_FALSE(frame->Action(kCmdFileSave)->isEnabled());
    EXPECT_FALSE(frame->Action(kCmdImportSmf)->isEnabled());
    frame->Action(kCmdCut)->trigger();
    EXPECT_EQ(imageCommands->commands, std::vector<int>{kCmdCut});

    imageCommands->enabled = false;
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(kCmdCut)->isEnabled());
    EXPECT_FALSE(frame->OnCommand(kCmdCut));

    // The main window's buttons go the same way; "Selected" follows the rows.
    imageCommands->enabled = true;
    MainView().GetCommandButton(kButtonReadAll)->click();
    EXPECT_EQ(imageCommands->commands.back(), kCmdReadAll);
    frame->UpdateCommandStates();
    EXPECT_FALSE(MainView().GetCommandButton(kButtonReadSelected)->isEnabled());
    MainView().GetShownList()->SetRowSelected(2, true);
    frame->UpdateCommandStates();
    EXPECT_TRUE(MainView().GetCommandButton(kButtonReadSelected)->isEnabled());

    NewFileWindow(1);
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(kCmdFileSave)->isEnabled());
    EXPECT_TRUE(frame->Action(kCmdCut)->isEnabled());
    frame->Action(kCmdCut)->trigger();
    EXPECT_EQ(fileCommands->commands, std::vector<int>{kCmdCut});
}

TEST_F(AppUiTest, ArrangeIconsMovesOnlyTheMinimizedWindows) {
    CFileFrame& open = NewFileWindow(1);
    CFileFrame& minimized = NewFileWindow(2);
    open.showNormal();
    open.setGeometry(40, 30, 300, 200);
    const QRect kept = open.geometry();
    minimized.showMinimized();
    minimized.move(150, 20);

    ASSERT_TRUE(frame->OnCommand(kCmdWindowArrange));
    EXPECT_EQ(open.geometry(), kept);
    EXPECT_EQ(minimized.x(), 0);
    EXPECT_EQ(minimized.geometry().bottom() + 1, frame->MdiArea().viewport()->height());
}

// Records every editing command, so the keys can be followed to the view.
class EditingCommands : public RecordingCommands {
public:
    bool HandlesCommand(int id) const override {
        return id == kCmdUndo || id == kCmdCut || id == kCmdCopy || id == kCmdInsert || id == kCmdReplace ||
               id == kCmdDelete || id == kCmdInitialize || id == kCmdSelectAll || id == kCmdDuplicate ||
               id == kCmdReplaceString;
    }
    bool IsCommandEnabled(int id) const override { return disabled.count(id) == 0; }
    std::set<int> disabled;
};

TEST_F(AppUiTest, AcceleratorsReachTheViewWhileItsListHasTheFocus) {
    frame->show();
    ASSERT_TRUE(test::MakeActive(*frame));
    frame->MdiArea().setActiveSubWindow(frame->GetImageFrame());
    auto editing = std::make_unique<EditingCommands>();
    EditingCommands& recorded = *editing;
    MainView().SetCommands(std::move(editing));
    CPatchListCtrl& list = *MainView().GetShownList();
    list.SetRowSelected(2, true);
    list.setFocus();
    frame->UpdateCommandStates();

    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_R, Qt::ControlModifier}, {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_I, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_D, Qt::ControlModifier},
        {Qt::Key_H, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(&list, key, modifiers);
    EXPECT_EQ(recorded.commands, (std::vector<int>{kCmdUndo, kCmdCut, kCmdCopy, kCmdInsert, kCmdReplace, kCmdDelete,
                                                   kCmdInitialize, kCmdSelectAll, kCmdDuplicate, kCmdReplaceString}));
}

TEST_F(AppUiTest, NoTwoCommandsShareAKey) {
    std::set<QString> keys;
    for (QAction* action : frame->actions()) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            const QString key = shortcut.toString();
            EXPECT_TRUE(keys.insert(key).second) << key.toStdString();
        }
    }
    EXPECT_EQ(keys.count(QStringLiteral("Ctrl+H")), 1u);
    // The keys the desktops use for these commands.
    const std::pair<int, const char*> expected[] = {{kCmdAppExit, "Ctrl+Q"},
                                                    {kCmdReadAll, "Ctrl+Shift+R"},
                                                    {kCmdWriteAll, "Ctrl+Shift+W"},
                                                    {kCmdPreview, "Ctrl+Space"}};
    for (const auto& [id, key] : expected)
        EXPECT_EQ(frame->Action(id)->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(key)) << id;
}

TEST_F(AppUiTest, CtrlRIsReplaceOnlyAndReplaceStringIsAnEditCommandOfItsOwn) {
    frame->show();
    ASSERT_TRUE(test::MakeActive(*frame));
    frame->MdiArea().setActiveSubWindow(frame->GetImageFrame());
    auto editing = std::make_unique<EditingCommands>();
    EditingCommands& recorded = *editing;
    recorded.disabled = {kCmdReplace}; // the clipboard is empty
    MainView().SetCommands(std::move(editing));
    CPatchListCtrl& list = *MainView().GetShownList();
    list.SetRowSelected(2, true);
    list.SetCurrentColumn(1); // the name
    list.setFocus();
    frame->UpdateCommandStates();

    // Whatever dialog opens is noted and closed.
    QStringList dialogs;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&dialogs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogs << modal->windowTitle();
            modal->close();
        }
    });
    closer.start();
    QTest::keyClick(&list, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(',').toStdString();
    EXPECT_TRUE(recorded.commands.empty());

    QAction* replaceString = frame->Action(kCmdReplaceString);
    ASSERT_NE(replaceString, nullptr);
    EXPECT_FALSE(replaceString->statusTip().isEmpty());
    EXPECT_FALSE(replaceString->toolTip().isEmpty());
    bool inEditMenu = false;
    for (QObject* object : replaceString->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(object))
            inEditMenu = inEditMenu || menu->actions().contains(frame->Action(kCmdCut));
    EXPECT_TRUE(inEditMenu);

    // The list's context menu offers it with the other edit commands.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&list, &request);
    QMenu& menu = frame->ListMenu();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.actions().contains(replaceString));
    EXPECT_TRUE(replaceString->isEnabled());
    EXPECT_FALSE(frame->Action(kCmdReplace)->isEnabled());
    menu.close();
    replaceString->trigger();
    EXPECT_EQ(recorded.commands, std::vector<int>{kCmdReplaceString});
}

TEST_F(AppUiTest, ClosingAFileWindowClosesItsDocumentAndAModifiedOneAsksFirst) {
    CFileFrame& file = NewFileWindow(1);
    file.Document()->SetModifiedFlag(true);
    messages.setAnswer(UL::kResultOther); // Cancel
    EXPECT_FALSE(file.close());
    EXPECT_EQ(fileTemplate->GetDocuments().size(), 1u);

    messages.setAnswer(UL::kResultNo);
    EXPECT_TRUE(file.close());
    EXPECT_TRUE(fileTemplate->GetDocuments().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->MdiArea().subWindowList().size(), 1);
}

TEST_F(AppUiTest, TheMainDocumentStartsWithEveryAreaFull) {
    const CImageDocument& data = ImageDoc().GetDocumentData();
    EXPECT_EQ(data.GetArray(1).Size(), 60u);
    for (int n = 2; n <= 7; ++n)
        EXPECT_EQ(data.GetArray(n).Size(), 10u);
}

class FileDocTest : public ::testing::Test {
protected:
    void SetUp() override { WindowsApp(); }
    TempProfile profile;
    CapturingTextDialog messages;
    QTemporaryDir dir;
};

TEST_F(FileDocTest, AFailedOpenLeavesNoDocumentAndStoresNothing) {
    CFileDoc document(*profile);
    EXPECT_FALSE(document.OnOpenDocument(dir.filePath("missing.z4l")));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(profile->GetString("Document/InitialDirectory", "-"), "-");

    // Through the template no window is left either.
    CMidiEngine engine;
    CLibrarianState state(engine.setup);
    CMainFrame frame(state, *profile);
    ASSERT_TRUE(frame.Create());
    NoDialogRunner runner;
    CDocMan docMan(*profile, runner);
    CFileDocTemplate files(frame, docMan);
    EXPECT_EQ(files.OpenFileDoc(dir.filePath("missing.z4l")), nullptr);
    EXPECT_TRUE(files.GetDocuments().empty());
    EXPECT_TRUE(frame.MdiArea().subWindowList().isEmpty());
}

TEST_F(FileDocTest, OpenAndSaveClearTheMarkAndRememberTheFolder) {
    const QString path = dir.filePath("three.z4l");
    {
        CFileDoc source(*profile);
        source.GetDocumentData().Patches().Resize(3);
        source.SetModifiedFlag(true);
        ASSERT_TRUE(source.OnSaveDocument(path));
        EXPECT_FALSE(source.IsModified());
    }
    const std::string folder = profile->GetString("Document/InitialDirectory", "");
    EXPECT_NE(folder, "");
    EXPECT_NE(folder.find(dir.path().toStdString()), std::string::npos);

    profile->WriteString("Document/InitialDirectory", "elsewhere");
    CFileDoc document(*profile);
    document.SetModifiedFlag(true);
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetDocumentData().Patches().Size(), 3u);
    EXPECT_EQ(profile->GetString("Document/InitialDirectory", ""), folder);

    // A failed save (no such folder) keeps the mark and the folder.
    document.SetModifiedFlag(true);
    EXPECT_FALSE(document.OnSaveDocument(dir.filePath("no/such/folder/x.z4l")));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(profile->GetString("Document/InitialDirectory", ""), folder);
}

} // namespace
} // namespace test
