// The commands in the program's real windows: handed to the views by the
// main frame, routed and enabled by it, and reaching every window.
#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/MainWindowFixture.h"

#include "app/commands/AppCommands.h"
#include "app/commands/FontCommand.h"
#include "app/commands/InstallCommands.h"
#include "app/commands/ViewWindows.h"
#include "app/docman/DocMan.h"
#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"

namespace commandstest {
namespace {

class RealWindows : public ::testing::Test, protected test::MainWindowFixture {
protected:
    void SetUp() override {
        AppEnvironment::Get();
        cli::DeviceChoice choice;
        choice.simulator = true;
        session = std::make_unique<cli::CEngineSession>(clock);
        ASSERT_TRUE(session->Start(choice));
        ASSERT_NO_FATAL_FAILURE(
            Open(session->State(), profile, fileDialogs, confirmation, QSize(900, 700), &InstallWindowCommands));
    }
    void TearDown() override {
        Close();
        session.reset();
    }

    CImageDocument& MainData() { return imageTemplate->GetImageDoc()->GetDocumentData(); }
    bool Enabled(int id) {
        frame->UpdateCommandStates();
        return frame->Action(id)->isEnabled();
    }
    void ActivateMain() { frame->MdiArea().setActiveSubWindow(frame->GetImageFrame()); }
    void ChooseArea(int index) {
        CComboBoxA& selector = MainView().GetAreaSelector();
        selector.setCurrentIndex(index);
        emit selector.activated(index);
    }

    TestClock clock;
    QTemporaryDir dir;
    GT::CIniProfile profile{dir.filePath("profile.ini").toStdString()};
    test::CapturingTextDialog messages;
    FakeConfirmation confirmation;
    FakeFileDialogs fileDialogs;
    std::unique_ptr<cli::CEngineSession> session;
};

TEST_F(RealWindows, MenuCommandsReadCopyAndDuplicateAndAnAreaSwitchDisablesInsert) {
    ActivateMain();
    EXPECT_TRUE(Enabled(kCmdReadAll));
    EXPECT_FALSE(Enabled(kCmdCut));

    // Read All fills MEMORY from the unit.
    CPatch named;
    named.Initialize();
    named.SetName("FROM THE UNIT");
    ASSERT_TRUE(session->Simulator()->Unit().SetPatch(1, 4, named));
    ASSERT_TRUE(frame->OnCommand(kCmdReadAll));
    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnReadUser});
    EXPECT_EQ(NameOf(MainData().GetArray(1), 4), "FROM THE UNIT");
    EXPECT_EQ(MainView().GetShownList()->GetCellText(4, 1), "FROM THE UNIT");

    MainView().GetShownList()->SelectRange(0, 1, true);
    EXPECT_TRUE(Enabled(kCmdCut));
    ASSERT_TRUE(frame->OnCommand(kCmdCopy));
    EXPECT_TRUE(Enabled(kCmdInsert));

    // Another area: the clipboard is emptied, Insert disabled.
    ChooseArea(2);
    EXPECT_EQ(session->State().GetArea(), 3);
    EXPECT_EQ(session->State().GetClipboard().GetArray(1).Size(), 0u);
    MainView().GetShownList()->SelectRange(0, 0, true);
    EXPECT_FALSE(Enabled(kCmdInsert));

    // Duplicate opens a modified, untitled file window with the area's patches.
    ASSERT_TRUE(frame->OnCommand(kCmdDuplicate));
    const std::vector<IDocManDocument*> files = fileTemplate->GetDocuments();
    ASSERT_EQ(files.size(), 1u);
    auto* copy = dynamic_cast<CFileDoc*>(files[0]);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->IsModified());
    EXPECT_EQ(copy->GetDocumentData().Patches().Size(), 10u);
    auto* copyFrame = qobject_cast<CFileFrame*>(frame->MdiArea().activeSubWindow());
    ASSERT_NE(copyFrame, nullptr);
    EXPECT_EQ(copyFrame->View().GetPatchList().GetItemCount(), 11);

    // In the file window the unit's commands are disabled, its own enabled,
    // the exchange files among them.
    EXPECT_FALSE(Enabled(kCmdReadAll));
    EXPECT_TRUE(Enabled(kCmdExportSmfAll));
    EXPECT_TRUE(Enabled(kCmdImportSysEx));
    EXPECT_TRUE(Enabled(kCmdSelectAll));
    ASSERT_TRUE(frame->OnCommand(kCmdSelectAll));
    EXPECT_EQ(copyFrame->View().GetPatchList().GetSelectedCount(), 10);
    EXPECT_TRUE(messages.shown().empty());
}

class ChooseNewFace : public IFontChooser {
public:
    bool ChooseFont(QFont& font, QWidget*) override {
        font = QFont("New Face");
        font.setPixelSize(21);
        return true;
    }
};

TEST_F(RealWindows, AFontChangeReachesTheMainWindowAndEveryFileWindow) {
    CFileDoc* first = fileTemplate->OpenFileDoc(QString());
    CFileDoc* second = fileTemplate->OpenFileDoc(QString());
    ASSERT_TRUE(first && second);

    CDocManWindows windows(*docMan);
    ChooseNewFace chooser;
    CAppCommands commands(windows, session->State(), frame.get());
    commands.SetFontChooser(&chooser);
    frame->SetApplicationTarget(&commands);
    ASSERT_TRUE(frame->OnCommand(kCmdSetUpFont));

    std::vector<const QWidget*> lists{MainView().GetShownList()};
    for (CFileDoc* document : {first, second})
        for (IDocumentView* view : document->GetViews())
            lists.push_back(&dynamic_cast<CFileView*>(view)->GetPatchList());
    ASSERT_EQ(lists.size(), 3u);
    for (const QWidget* list : lists) {
        EXPECT_EQ(list->font().family(), "New Face");
        EXPECT_EQ(list->font().pixelSize(), 21);
    }
    frame->SetApplicationTarget(nullptr);
}

} // namespace
} // namespace commandstest
