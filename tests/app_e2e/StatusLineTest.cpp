// The status bar says what a transfer, an export or a save did, and that a
// command the user declined or that failed did nothing; the row heard last
// stays marked until the next preview, and Preview Patch (Ctrl+Space) sends
// the current row to the unit's temporary patch.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/WindowCommands.h"
#include "app/docman/FileDialogRunner.h"
#include "app/docs/FileDoc.h"
#include "app/ui/CommandIds.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "tests/support/ActiveWindow.h"
#include "toolkit/profile/Profile.h"
#include "views/PatchListCtrl.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace app_e2e;

namespace {

void Delivered() {
    App().GetSimulator()->Devices().input.WaitUntilDelivered();
    App().GetSimulator()->Unit().WaitUntilRepliesSent();
}

CPatchListCtrl& MainList(int area) { return *App().GetMainView()->GetPatchList(area); }

// The application's active window, which window shortcuts need, is set once
// the activation's events have been handled.
bool ActiveWindow(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }, 2000);
}

// Answers every file dialog with one path, or cancels it.
class AnsweringRunner : public IFileDialogRunner {
public:
    explicit AnsweringRunner(QString path) : path_(std::move(path)) {}
    CFileDialogAnswer Run(const CFileDialogRequest&) override {
        if (path_.isEmpty())
            return {};
        return {true, path_, QString(), 0};
    }

private:
    QString path_;
};

// Sets the program's file dialog answer while it lives.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(const QString& path)
        : previous_(SetFileDialogRunner(std::make_unique<AnsweringRunner>(path))) {}
    ~FileDialogAnswer() { SetFileDialogRunner(std::move(previous_)); }

private:
    std::unique_ptr<IFileDialogRunner> previous_;
};

TEST_F(AppTest, AfterWriteAllTheStatusBarSaysWhatWasWrittenVerifiedAndBackedUp) {
    ASSERT_TRUE(StartWithSimulator());
    GT::GetProfile().WriteInt("Option/WriteUser", 1);
    GT::GetProfile().WriteInt("Option/ReadUser", 1);
    ASSERT_TRUE(Frame().OnCommand(kCmdWriteAll));
    Delivered();
    const QString text = Frame().ResultText();
    const QString prefix = QStringLiteral("60 patches written to MEMORY and verified; backup ");
    ASSERT_TRUE(text.startsWith(prefix)) << text.toStdString();
    const QString backup = text.mid(prefix.size());
    EXPECT_TRUE(backup.endsWith(QStringLiteral("_MEMORY.z4l"))) << backup.toStdString();
    EXPECT_TRUE(QFile::exists(BackupFolder() + QLatin1Char('/') + backup)) << "the name is the backup's";

    // Selected rows are named; the next result replaces the last.
    MainList(1).SetAllSelected(false);
    for (int row : {1, 4, 8})
        MainList(1).SetRowSelected(row, true);
    ASSERT_TRUE(Frame().OnCommand(kCmdWriteSelected));
    Delivered();
    EXPECT_TRUE(
        Frame().ResultText().startsWith(QStringLiteral("3 patches written to MEMORY 2, 5, 9 and verified; backup ")))
        << Frame().ResultText().toStdString();
    ASSERT_TRUE(Frame().OnCommand(kCmdReadSelected));
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("3 patches read from MEMORY 2, 5, 9"));
}

TEST_F(AppTest, AWriteTheUserDeclinesOrTheUnitDoesNotAnswerSaysSoInTheStatusBar) {
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    // The rows were never read: the write asks first.
    dialogs.setAnswer(UL::kResultNo);
    Frame().OnCommand(kCmdWriteAll);
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("Write All cancelled"));
    dialogs.setAnswer(UL::kResultYes);
    Frame().OnCommand(kCmdWriteAll);
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("Write All failed"));
    GT::GetProfile().WriteInt("Option/ReadUser", 1);
    Frame().OnCommand(kCmdReadAll);
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("Read All failed"));
}

TEST_F(AppTest, ExportsAndSavesSayWhereThePatchesWentAndACancelledDialogSaysSo) {
    ASSERT_TRUE(StartWithSimulator());
    const QString smf = temp.filePath(QStringLiteral("memory.mid"));
    {
        const FileDialogAnswer answer(smf);
        ASSERT_TRUE(Frame().OnCommand(kCmdExportSmfAll));
    }
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("60 patches saved to memory.mid"));
    {
        const FileDialogAnswer answer{QString()};
        Frame().OnCommand(kCmdExportSysExAll);
    }
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("Export SysEx All Data cancelled"));

    // A file window of the main window's patches, saved.
    ASSERT_TRUE(Frame().OnCommand(kCmdDuplicate));
    const QString file = temp.filePath(QStringLiteral("copy.z4l"));
    {
        const FileDialogAnswer answer(file);
        ASSERT_TRUE(Frame().OnCommand(kCmdFileSave));
    }
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("60 patches saved to copy.z4l"));
    {
        const FileDialogAnswer answer{QString()};
        Frame().OnCommand(kCmdFileSaveAs);
    }
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("Save As cancelled"));
}

TEST_F(AppTest, TheStatusBarSpeaksJapaneseInTheJapaneseWindows) {
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    GT::GetProfile().WriteInt("Option/ReadUser", 1);
    ASSERT_TRUE(Frame().OnCommand(kCmdReadAll));
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("60 個のパッチを読み込みました（MEMORY）"));
}

TEST_F(AppTest, CtrlSpacePreviewsTheCurrentRowAndItStaysMarkedUntilTheNextPreview) {
    ASSERT_TRUE(StartWithSimulator());
    GT::GetProfile().WriteInt("Option/WriteTemporary", 1);
    ASSERT_TRUE(test::MakeActive(Frame()));
    CPatchListCtrl& list = MainList(1);
    AsPatch(MainData().GetArray(1).At(3))->SetName("Heard Here");
    list.setFocus();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(3, 1)).center());
    ASSERT_EQ(list.GetFocusedRow(), 3);
    Frame().UpdateCommandStates(); // as the idle timer does
    ASSERT_TRUE(ActiveWindow(Frame()));
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    Delivered();
    EXPECT_EQ(App().GetSimulator()->Unit().TemporaryPatch().GetName(), "Heard Here");
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("MEMORY 4 sent to the temporary patch"));
    EXPECT_TRUE(list.GetRowLook(3).strong);
    EXPECT_FALSE(list.GetRowLook(2).strong);
    App().GetMainView()->RebuildPreviewButtons();
    ASSERT_NE(App().GetMainView()->GetButton(3), nullptr);
    EXPECT_TRUE(App().GetMainView()->GetButton(3)->isChecked()) << "its preview button stays pressed";
    EXPECT_FALSE(App().GetMainView()->GetButton(2)->isChecked());

    // A preview from a file window moves the mark there; the file window
    // names its patch by the file.
    ASSERT_TRUE(Frame().OnCommand(kCmdDuplicate));
    auto* file = qobject_cast<CFileFrame*>(Frame().MdiArea().activeSubWindow());
    ASSERT_NE(file, nullptr);
    CPatchListCtrl& fileList = file->View().GetPatchList();
    fileList.SetFocusedRow(5);
    ASSERT_TRUE(Frame().OnCommand(kCmdPreview));
    Delivered();
    EXPECT_EQ(Frame().ResultText(), file->Document()->GetTitle() + QStringLiteral(" 6 sent to the temporary patch"));
    EXPECT_TRUE(fileList.GetRowLook(5).strong);
    EXPECT_FALSE(list.GetRowLook(3).strong) << "only the row heard last is marked";
}

TEST_F(AppTest, ThePreviewButtonsAreReachedWithTabAndPressedWithSpace) {
    ASSERT_TRUE(StartWithSimulator());
    GT::GetProfile().WriteInt("Option/WriteTemporary", 1);
    ASSERT_TRUE(test::MakeActive(Frame()));
    AsPatch(MainData().GetArray(1).At(0))->SetName("First Button");
    QPushButton* button = App().GetMainView()->GetButton(0);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    Delivered();
    EXPECT_EQ(App().GetSimulator()->Unit().TemporaryPatch().GetName(), "First Button");
}

} // namespace
