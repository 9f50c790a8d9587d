// Start-up through the real windows against the simulated unit: what the main
// window shows after the start-up read, with and without the initial data
// file, with a unit that does not answer, and what shutdown leaves behind.
#include "tests/app_e2e/AppFixture.h"

#include "app/core/LibrarianState.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ImageFrame.h"
#include "engine/MidiEngine.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "engine/dialogs/MidiSetupDialog.h"
#include "messages/MessageIds.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "platform/shell/FileType.h"
#include "sim/FactoryPatches.h"
#include "toolkit/qt/MDIFrameWndEx.h"

#include <QApplication>
#include <QElapsedTimer>
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

TEST_F(AppTest, StartUpReadFillsEveryAreaOfTheMainWindowFromTheUnit) {
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
    EXPECT_EQ(Frame().ResultText(), QStringLiteral("120 patches read from the ZM-47"));
    EXPECT_NE(App().GetLibrarianState()->GetReader(), nullptr);
    EXPECT_NE(App().GetLibrarianState()->GetWriter(), nullptr);
}

TEST_F(AppTest, SilentUnitIsReportedOnceAndTheMainWindowKeepsTheInitialPatches) {
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0].rfind(GetMessageTable().Get(kMsgUnableToReadWrite) + "\n\nReading 120 patches", 0), 0u);
    EXPECT_TRUE(Frame().isVisible());
    for (int area = 1; area <= 7; ++area)
        EXPECT_EQ(MainPatchName(area, 0), "INIT TEST") << "area " << area;
    EXPECT_EQ(MainData().GetArray(1).Size(), 60u);
}

TEST_F(AppTest, MissingInitialDataFileIsReportedAndStartUpGoesOnWithInitPatches) {
    App().SetInitialDataPath(temp.filePath(QStringLiteral("Script/ZM4L/InitialData.z4l")).toStdString());
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_THAT(ShownTexts(), Contains("Unable to read initial file."));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
    EXPECT_EQ(MainPatchName(1, 0), "INIT PATCH");
    EXPECT_EQ(MainPatchName(7, 9), "INIT PATCH");
}

TEST_F(AppTest, AStoredDeviceChoiceIsKeptInsteadOfTheSimulatedUnit) {
    GT::GetProfile().WriteString("MIDIConnection/MIDIInDevice0", "(none)");
    GT::GetProfile().WriteString("MIDIConnection/MIDIOutDevice0", "(none)");
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0].rfind(GetMessageTable().Get(kMsgMidiNotSetUp) + "\n\n", 0), 0u);
    EXPECT_THAT(ShownTexts()[0], ::testing::HasSubstr("\nInput: (none)\nOutput: (none)\nDevice ID: 17"));
}

// The start-up read of a unit that does not answer: the message says what
// was read through which ports, and its button opens the MIDI setup once
// the read has ended.
TEST_F(AppTest, AFailedTransferNamesItsPortsAndItsButtonOpensTheMidiSetup) {
    SilenceUnit();
    dialogs.setPressAction(true);
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const std::string& text = dialogs.shown()[0].text;
    const AReader& reader = *App().GetLibrarianState()->GetReader();
    ASSERT_NE(reader.GetInput(), nullptr);
    ASSERT_NE(reader.GetOutput(), nullptr);
    const COruMidiSetup& setup = App().GetMidiEngine()->setup;
    const std::string in = setup.DisplayName(*reader.GetInput());
    const std::string out = setup.DisplayName(*reader.GetOutput());
    EXPECT_NE(in, "(none)");
    EXPECT_THAT(text, ::testing::HasSubstr("Reading 120 patches (MEMORY 1\xE2\x80\x93"
                                           "60, SOUND LIBRARY: CLEAN 1"));
    EXPECT_THAT(text,
                ::testing::HasSubstr("from the ZM-47 failed.\nInput: " + in + "\nOutput: " + out + "\nDevice ID: 17"));
    EXPECT_EQ(dialogs.shown()[0].action, "Set Up &MIDI Devices...");

    // The button was pressed: the dialog comes once the events run.
    QString opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&opened] {
        if (auto* setup = qobject_cast<CMidiSetupDialog*>(QApplication::activeModalWidget())) {
            opened = setup->windowTitle();
            setup->reject();
        }
    });
    poll.start(10);
    QElapsedTimer waited;
    waited.start();
    while (opened.isEmpty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(opened, QStringLiteral("Set Up MIDI Devices"));
    EXPECT_EQ(dialogs.shown().size(), 1u) << "no other message";
}

TEST_F(AppTest, MainWindowIsTitledMainFillsTheFrameOnAFirstRunAndRefusesToClose) {
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
bool ShownWhole(const CParameterListCtrl& list, int row, int column) {
    const QString text = list.GetCellText(row, column);
    return GP::CEditListCtrl::ElideCellText(list.fontMetrics(), text, list.columnWidth(column)) == text;
}

TEST_F(AppTest, AFirstRunShowsEveryNameWholeInBothLanguages) {
    for (const char* language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessan"),
                  QStringLiteral("ZM-47 Librarian"))
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

TEST_F(AppTest, ExitEndsTheEventLoopEvenWithTheDiagnosticWindowOpen) {
    ASSERT_TRUE(StartWithSimulator());
    App().GetMidiEngine()->definitionErrors.Write("a definition error\n");
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

TEST_F(AppTest, FileTypeIsRegisteredWithTheDesktopUnlessNoRegisterIsGiven) {
    const QString entry = UserDataFolder() + QStringLiteral("/applications/") + QLatin1String(kDesktopEntryName);
    QFile::remove(entry);
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_FALSE(QFile::exists(entry));
    App().ExitInstance();
    ASSERT_TRUE(Start({QStringLiteral("--simulator")}));
    EXPECT_TRUE(QFile::exists(entry));
}

TEST_F(AppTest, ShutdownSavesTheSettingsAndTakesTheEngineDown) {
    ASSERT_TRUE(StartWithSimulator());
    App().GetLibrarianState()->SetArea(6);
    App().ExitInstance();
    EXPECT_EQ(GT::GetProfile().GetInt("Option/Mode", 0), 6);
    EXPECT_EQ(App().GetMainFrame(), nullptr);
    EXPECT_EQ(App().GetLibrarianState(), nullptr);
    EXPECT_EQ(App().GetMidiEngine(), nullptr);

    // The next start shows the area that was shown last.
    ASSERT_TRUE(StartWithSimulator());
    EXPECT_EQ(App().GetLibrarianState()->GetArea(), 6);
}

} // namespace
} // namespace app_e2e
