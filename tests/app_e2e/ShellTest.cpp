// What the desktop hands the program: the open command of a later start or
// of the desktop, a second start with a file, and the file on the command
// line, including one that does not exist.
#include "tests/app_e2e/AppFixture.h"

#include "app/core/LibrarianState.h"
#include "app/main/AppRecentFiles.h"
#include "app/ui/FileFrame.h"
#include "engine/MidiEngine.h"
#include "messages/MessageIds.h"
#include "platform/shell/DdeCommand.h"
#include "toolkit/profile/Profile.h"

#include <QApplication>
#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

namespace app_e2e {
namespace {

using ::testing::IsEmpty;

class ShellTest : public AppTest {
protected:
    QString MakeFile(const QString& name, const std::string& patchName) {
        const QString path = temp.filePath(name);
        EXPECT_TRUE(WriteLibrarianFileOf(path, patchName, 3));
        return path;
    }
    // Message 4 naming the file that could not be opened.
    static std::string NotLoaded(const QString& path) {
        return GetMessageTable().Get(kMsgFileNotLoaded) + "\n" + path.toStdString();
    }
    std::vector<QString> OpenPaths() {
        std::vector<QString> paths;
        for (IDocManDocument* document : App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments())
            paths.push_back(document->GetPathName());
        return paths;
    }
};

TEST_F(ShellTest, OpenCommandShowsTheFrameAndOpensTheFileInAWindowTitledWithItsName) {
    ASSERT_TRUE(StartWithSimulator());
    const QString path = MakeFile(QStringLiteral("with blank.z4l"), "FROM DDE");
    Frame().showMinimized();
    EXPECT_TRUE(App().OnDDECommand(QStringLiteral("[open(\"%1\")]").arg(path)));
    EXPECT_FALSE(Frame().isMinimized());
    EXPECT_EQ(OpenPaths(), std::vector<QString>{path});
    const QList<CFileFrame*> windows = Frame().findChildren<CFileFrame*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.front()->windowTitle(), QStringLiteral("with blank.z4l "));
    // The same file again activates its window instead of opening a second.
    EXPECT_TRUE(App().OnDDECommand(QStringLiteral("[open(\"%1\")]").arg(path)));
    EXPECT_EQ(FileWindowCount(), 1u);
    EXPECT_THAT(ShownTexts(), IsEmpty());
}

TEST_F(ShellTest, CommandsOtherThanOpenAndBrokenOpenCommandsOpenNothing) {
    ASSERT_TRUE(StartWithSimulator());
    const QString path = MakeFile(QStringLiteral("a.z4l"), "A");
    for (const QString& command : {QStringLiteral("[print(\"%1\")]").arg(path), QStringLiteral("[open(\"%1").arg(path),
                                   QStringLiteral("[open(\""), QStringLiteral("[open(\"\")]"), QStringLiteral("open")})
        EXPECT_FALSE(App().OnDDECommand(command)) << command.toStdString();
    EXPECT_EQ(FileWindowCount(), 0u);
    EXPECT_THAT(ShownTexts(), IsEmpty());

    // An open command for a file that is not there is answered with the
    // reader's message and leaves no window behind.
    EXPECT_FALSE(App().OnDDECommand(QStringLiteral("[open(\"%1\")]").arg(temp.filePath(QStringLiteral("gone.z4l")))));
    EXPECT_EQ(FileWindowCount(), 0u);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{NotLoaded(temp.filePath(QStringLiteral("gone.z4l")))});
}

TEST_F(ShellTest, CommandLineFileIsOpenedAtStartUp) {
    const QString path = MakeFile(QStringLiteral("at start.z4l"), "AT START");
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("\"%1\"").arg(path)}));
    EXPECT_EQ(OpenPaths(), std::vector<QString>{path});
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(ShellTest, CommandLineFileThatCannotBeOpenedIsNamedAndTheLibrarianGoesOn) {
    // Missing, and damaged: each named in its message, and the main window
    // comes up all the same, as for a file handed to a running librarian.
    const QString damaged = temp.filePath(QStringLiteral("damaged.z4l"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("ZM4LibrarianFile0000            \0\0\0\x05", 36));
    file.write(QByteArray(124, '\0'));
    file.write(QByteArray("\0\0\0\x40 cut short", 14));
    file.close();
    for (const QString& path : {temp.filePath(QStringLiteral("missing.z4l")), damaged}) {
        dialogs.clear();
        ASSERT_TRUE(StartWithSimulator({path}));
        EXPECT_FALSE(App().HandedOver());
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{NotLoaded(path)});
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_NE(App().GetLibrarianState()->GetReader(), nullptr);
        EXPECT_EQ(FileWindowCount(), 0u);
        App().ExitInstance();
        EXPECT_EQ(App().GetMainFrame(), nullptr);
        EXPECT_EQ(App().GetMidiEngine(), nullptr);
    }
}

TEST_F(ShellTest, OpenedFilesAreOfferedInTheFileMenuAtTheNextStart) {
    ASSERT_TRUE(StartWithSimulator());
    const QString gone = MakeFile(QStringLiteral("gone & back.z4l"), "GONE");
    const QString kept = MakeFile(QStringLiteral("kept.z4l"), "KEPT");
    ASSERT_TRUE(App().OnDDECommand(MakeDdeOpenCommand(gone)));
    ASSERT_TRUE(App().OnDDECommand(MakeDdeOpenCommand(kept)));
    App().ExitInstance();
    EXPECT_EQ(GT::GetProfile().GetString("Recent File List/File1", ""), kept.toStdString());
    EXPECT_EQ(GT::GetProfile().GetString("Recent File List/File2", ""), gone.toStdString());

    ASSERT_TRUE(StartWithSimulator());
    const std::vector<QAction*> entries = App().GetRecentFiles()->Actions();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("&1 kept.z4l"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("&2 gone && back.z4l"));
    // A file that has gone is reported and leaves the list.
    ASSERT_TRUE(QFile::remove(gone));
    entries[1]->trigger();
    EXPECT_EQ(FileWindowCount(), 0u);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{NotLoaded(gone)});
    EXPECT_EQ(App().GetRecentFiles()->Paths(), QStringList{kept});
    entries[0]->trigger();
    EXPECT_EQ(OpenPaths(), std::vector<QString>{kept});
}

// Runs the real program as a second start while this one keeps handling its
// events; false when it did not end within the time.
bool RunSecondInstance(const QStringList& arguments, QProcess& process) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(ZM47_LIBRARIAN_PATH), arguments);
    if (!process.waitForStarted(10000))
        return false;
    QDeadlineTimer deadline(60000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return process.state() == QProcess::NotRunning;
}

TEST_F(ShellTest, SecondStartHandsItsFileToTheFirstAndEndsWithoutAWindow) {
    ASSERT_TRUE(StartWithSimulator());
    const QString path = MakeFile(QStringLiteral("second.z4l"), "SECOND");
    Frame().showMinimized();
    QProcess second;
    // Relative to the second start's folder: the first gets the full path.
    second.setWorkingDirectory(temp.path());
    ASSERT_TRUE(RunSecondInstance({QStringLiteral("--no-register"), QStringLiteral("second.z4l")}, second));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    QApplication::processEvents();
    EXPECT_EQ(OpenPaths(), std::vector<QString>{path});
    EXPECT_FALSE(Frame().isMinimized());
    EXPECT_THAT(ShownTexts(), IsEmpty());
}

} // namespace
} // namespace app_e2e
