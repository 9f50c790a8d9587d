// Start-up through the real windows against the simulated unit: what the main
// window shows after the start-up read, with and without the initial data
// file, with a unit that does not answer, and what shutdown leaves behind.
#include "tests/app_e2e/AppFixture.h"

#include "app/core/LibrarianState.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ImageFrame.h"
#include "engine/EngineTextOut.h"
#include "engine/MidiPortLists.h"
#include "messages/MessageIds.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "platform/shell/FileType.h"
#include "sim/FactoryPatches.h"
#include "toolkit/qt/MDIFrameWndEx.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace app_e2e {
namespace {

using ::testing::Contains;
using ::testing::IsEmpty;

TEST_F(AppTest, StartUpReadFillsEveryAreaOfTheMainWindowFromTheUnit)
{
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_THAT(ShownTexts(), IsEmpty());
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_NE(App().GetMainView(), nullptr);
    const sim::CSimulatedUnit& unit = App().GetSimulator()->Unit();
    for (int area = 1; area <= 7; ++area) {
        const std::size_t count = area == 1 ? 60 : 10;
        ASSERT_EQ(MainData().GetArray(area).Size(), count) << "area " << area;
        for (int index : {0, static_cast<int>(count) - 1})
            EXPECT_EQ(MainPatchName(area, index), unit.Patch(area, index)->GetName()) << area << "/" << index;
    }
    EXPECT_NE(MainPatchName(1, 0), "INIT TEST");
    EXPECT_NE(App().GetLibrarianState()->GetReader(), nullptr);
    EXPECT_NE(App().GetLibrarianState()->GetWriter(), nullptr);
}

TEST_F(AppTest, SilentUnitIsReportedOnceAndTheMainWindowKeepsTheInitialPatches)
{
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{GetMessageTable().Get(kMsgUnableToReadWrite)});
    EXPECT_TRUE(Frame().isVisible());
    for (int area = 1; area <= 7; ++area) EXPECT_EQ(MainPatchName(area, 0), "INIT TEST") << "area " << area;
    EXPECT_EQ(MainData().GetArray(1).Size(), 60u);
}

TEST_F(AppTest, MissingInitialDataFileIsReportedAndStartUpGoesOnWithInitPatches)
{
    App().SetInitialDataPath(temp.filePath(QStringLiteral("Script/ZM4L/InitialData.z4l")).toStdString());
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_THAT(ShownTexts(), Contains("Unable to read initial file."));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
    EXPECT_EQ(MainPatchName(1, 0), "INIT PATCH");
    EXPECT_EQ(MainPatchName(7, 9), "INIT PATCH");
}

TEST_F(AppTest, AStoredDeviceChoiceIsKeptInsteadOfTheSimulatedUnit)
{
    GT::GetProfile().WriteString("MIDIConnection/MIDIInDevice0", "(none)");
    GT::GetProfile().WriteString("MIDIConnection/MIDIOutDevice0", "(none)");
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{GetMessageTable().Get(kMsgMidiNotSetUp)});
}

TEST_F(AppTest, MainWindowIsTitledMainFillsTheFrameOnAFirstRunAndRefusesToClose)
{
    ASSERT_TRUE(StartWithSimulator());
    CImageFrame* frame = Frame().GetImageFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->size(), Frame().MdiArea().viewport()->size());
    EXPECT_GT(frame->height(), 200);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Main"));
    EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("ZM-47 Librarian")));
    EXPECT_FALSE(frame->close());
    QApplication::processEvents();
    EXPECT_EQ(Frame().GetImageFrame(), frame);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(App().GetMainView(), nullptr);
}

// Whether the list draws the cell's text without cutting it.
bool ShownWhole(const CParameterListCtrl& list, int row, int column)
{
    const QString text = list.GetCellText(row, column);
    return GP::CEditListCtrl::ElideCellText(list.fontMetrics(), text, list.columnWidth(column)) == text;
}

TEST_F(AppTest, AFirstRunShowsEveryNameWholeInBothLanguages)
{
    for (const char* language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessan"), QStringLiteral("ZM-47 Librarian"))
            .clear();
        ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QString::fromLatin1(language)}));
        EXPECT_EQ(Frame().geometry(), GP::FirstRunFrameRect(QGuiApplication::primaryScreen()->availableGeometry()));

        CImageView& view = *App().GetMainView();
        for (int area = 1; area <= 7; ++area) {
            App().GetLibrarianState()->SetArea(area);
            view.OnUpdate(kHintArea);
            const CPatchListCtrl& list = *view.GetShownList();
            ASSERT_GT(list.GetItemCount(), 0);
            for (int row = 0; row < list.GetItemCount(); ++row) {
                EXPECT_EQ(list.GetCellText(row, 1).toStdString(), sim::FactoryPatchName(area, row));
                EXPECT_TRUE(ShownWhole(list, row, 1)) << area << "/" << row;
                EXPECT_TRUE(ShownWhole(list, row, 0)) << area << "/" << row;
            }
        }

        ASSERT_TRUE(Frame().OnCommand(kCmdFileNew));
        auto* file = qobject_cast<CFileFrame*>(Frame().MdiArea().activeSubWindow());
        ASSERT_NE(file, nullptr);
        EXPECT_GE(file->height(), Frame().MdiArea().viewport()->height() / 2);
        EXPECT_TRUE(ShownWhole(file->View().GetPatchList(), 0, 0));
        App().ExitInstance();
    }
}

TEST_F(AppTest, ExitEndsTheEventLoopEvenWithTheDiagnosticWindowOpen)
{
    ASSERT_TRUE(StartWithSimulator());
    GetDefinitionErrorOut().Write("a definition error\n");
    bool exited = false;
    QTimer::singleShot(0, &Frame(), [this, &exited] { exited = Frame().OnCommand(kCmdAppExit); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &App(), [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    EXPECT_EQ(App().exec(), 0);
    EXPECT_TRUE(exited);
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(AppTest, FileTypeIsRegisteredWithTheDesktopUnlessNoRegisterIsGiven)
{
    const QString entry = UserDataFolder() + QStringLiteral("/applications/") + QLatin1String(kDesktopEntryName);
    QFile::remove(entry);
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_FALSE(QFile::exists(entry));
    App().ExitInstance();
    ASSERT_TRUE(Start({QStringLiteral("--simulator")}));
    EXPECT_TRUE(QFile::exists(entry));
}

TEST_F(AppTest, ShutdownSavesTheSettingsAndTakesTheEngineDown)
{
    ASSERT_TRUE(StartWithSimulator());
    App().GetLibrarianState()->SetArea(6);
    App().ExitInstance();
    EXPECT_EQ(GT::GetProfile().GetInt("Option/Mode", 0), 6);
    EXPECT_EQ(App().GetMainFrame(), nullptr);
    EXPECT_EQ(App().GetLibrarianState(), nullptr);
    EXPECT_TRUE(GetMidiInputs().empty());
    EXPECT_TRUE(GetMidiOutputs().empty());

    // The next start shows the area that was shown last.
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_EQ(App().GetLibrarianState()->GetArea(), 6);
}

} // namespace
} // namespace app_e2e
