// Start-up from the last known state: the main window shows what the
// library saw last before the unit answers, then marks the slots the unit
// changed in the meantime (here: its memory file edited from outside), and
// keeps the remembered state unwritable when the unit does not answer.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/WindowCommands.h"
#include "app/ui/CommandIds.h"
#include "data/UnitProvenance.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "views/PatchListCtrl.h"
#include "views/ProvenanceText.h"

using namespace app_e2e;

namespace {

CPatchListCtrl& MainList(int area) { return *App().GetMainView()->GetPatchList(area); }
QString Notice() {
    return App().GetMainView()->GetNotice().isHidden() ? QString() : App().GetMainView()->GetNotice().text();
}

class LastKnownStateTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        memory = temp.filePath(QStringLiteral("unit.z4l"));
        CFileDocument document;
        for (int i = 0; i < 120; ++i) {
            std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
            static_cast<CPatch&>(*patch).SetName("SLOT " + std::to_string(i));
            document.Patches().Append(std::move(patch));
        }
        ASSERT_TRUE(WriteLibrarianFile(memory.toStdString(), document));
    }
    void TearDown() override {
        App().SetStartUpShown({});
        AppTest::TearDown();
    }
    bool StartOnMemory() { return StartWithSimulator({QStringLiteral("--sim-memory"), memory}); }
    // What another program (or the unit's own panel) does: the patch at
    // position n of the unit's memory renamed.
    void EditMemoryFromOutside(int n, const std::string& name) {
        CFileDocument document;
        ASSERT_TRUE(ReadLibrarianFile(memory.toStdString(), document));
        AsPatch(document.Patches().At(static_cast<std::size_t>(n)))->SetName(name);
        ASSERT_TRUE(WriteLibrarianFile(memory.toStdString(), document));
    }

    QString memory;
};

TEST_F(LastKnownStateTest, AStartShowsTheLastKnownNamesAtOnceThenMarksTheSlotChangedOnTheUnit) {
    // The first start finds nothing remembered: the window shows the
    // initial patches until the read.
    std::string firstShown;
    App().SetStartUpShown([&] { firstShown = MainPatchName(1, 11); });
    ASSERT_TRUE(StartOnMemory());
    EXPECT_EQ(firstShown, "INIT TEST");
    EXPECT_EQ(MainPatchName(1, 11), "SLOT 11");
    App().ExitInstance();

    EditMemoryFromOutside(11, "PANEL EDIT");
    EditMemoryFromOutside(62, "BANK EDIT"); // the first bank's third patch

    std::string shownName;
    QString shownNotice;
    bool shownDimmed = false;
    bool shownVisible = false;
    App().SetStartUpShown([&] {
        shownName = MainPatchName(1, 11);
        shownNotice = Notice();
        shownDimmed = MainList(1).GetRowLook(11).dimmed;
        shownVisible = Frame().isVisible();
    });
    ASSERT_TRUE(StartOnMemory());
    EXPECT_EQ(shownName, "SLOT 11") << "the last known name, before the unit answered";
    EXPECT_TRUE(shownVisible);
    EXPECT_TRUE(shownDimmed);
    EXPECT_TRUE(shownNotice.startsWith(QStringLiteral("Last read ")));
    EXPECT_TRUE(shownNotice.endsWith(QStringLiteral(", reading from the ZM-47…")));

    // After the read: the unit's names, the changed slots marked.
    EXPECT_EQ(MainPatchName(1, 11), "PANEL EDIT");
    const CUnitProvenance& provenance = *MainData().GetProvenance();
    EXPECT_NE(provenance.Status(1, 11, MainData().GetArray(1)).changedOnUnitSince, 0);
    EXPECT_EQ(provenance.Status(1, 10, MainData().GetArray(1)).changedOnUnitSince, 0);
    EXPECT_NE(provenance.Status(2, 2, MainData().GetArray(2)).changedOnUnitSince, 0);
    EXPECT_EQ(MainList(1).GetRowLook(11).mark, ChangedOnUnitColor());
    EXPECT_FALSE(MainList(1).GetRowLook(11).dimmed);
    EXPECT_FALSE(MainList(1).GetRowLook(10).mark.isValid());
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("Marked patches were changed on the ZM-47 since ")));

    // Until the next write: then the unit holds what the window shows.
    auto* commands = dynamic_cast<CWindowCommands*>(App().GetMainView()->GetCommands());
    ASSERT_NE(commands, nullptr);
    ASSERT_TRUE(commands->WriteRows(1, {11}));
    EXPECT_EQ(provenance.Status(1, 11, MainData().GetArray(1)).changedOnUnitSince, 0);
    EXPECT_FALSE(MainList(1).GetRowLook(11).mark.isValid());
}

TEST_F(LastKnownStateTest, WhenTheStartUpReadFailsTheLastKnownStateStaysMarkedAndIsNotWritten) {
    ASSERT_TRUE(StartOnMemory());
    App().ExitInstance();

    SilenceUnit();
    ASSERT_TRUE(StartOnMemory());
    EXPECT_EQ(MainPatchName(1, 0), "SLOT 0") << "remembered, not the initial patch";
    EXPECT_EQ(MainPatchName(2, 9), "SLOT 69");
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("Last known state from ")));
    EXPECT_TRUE(MainList(1).GetRowLook(0).dimmed);

    dialogs.clear();
    const int identityRequests = App().GetSimulator()->Unit().IdentityRequests();
    Frame().OnCommand(kCmdWriteAll);
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0], MessageWith(kMsgWriteRemembered, "MEMORY"));
    EXPECT_EQ(App().GetSimulator()->Unit().IdentityRequests(), identityRequests) << "nothing sent";
}

} // namespace
