// The main window tells the unit's patches from patches it never read, marks
// the rows changed and not written, and asks before such changes are lost at
// the end.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/UnsentChanges.h"
#include "app/ui/CommandIds.h"
#include "data/UnitProvenance.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "views/PatchListCtrl.h"

using namespace app_e2e;

namespace {

CPatchListCtrl& MainList(int area) { return *App().GetMainView()->GetPatchList(area); }
QString Notice() {
    return App().GetMainView()->GetNotice().isHidden() ? QString() : App().GetMainView()->GetNotice().text();
}

} // namespace

TEST_F(AppTest, AMainWindowTheUnitDidNotAnswerForShowsItsRowsAsNotReadAndWriteAsks) {
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator());
    App().GetMainView()->UpdateNotice();
    EXPECT_EQ(Notice(), QStringLiteral("Not read from the ZM-47"));
    EXPECT_TRUE(MainList(1).GetRowLook(0).dimmed);
    EXPECT_EQ(MainList(1).GetRowLook(0).tip, QStringLiteral("Not read from the ZM-47"));

    dialogs.clear();
    dialogs.setAnswer(UL::kResultNo);
    const int identityRequests = App().GetSimulator()->Unit().IdentityRequests();
    EXPECT_TRUE(Frame().OnCommand(kCmdWriteAll));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{MessageWith(kMsgWriteNotRead, "MEMORY")});
    EXPECT_EQ(App().GetSimulator()->Unit().IdentityRequests(), identityRequests) << "declined: nothing sent";

    // A row the user fills is the user's: no longer dimmed, marked changed.
    AsPatch(MainData().GetArray(1).At(0))->SetName("MY SOUND");
    EXPECT_FALSE(MainList(1).GetRowLook(0).dimmed);
    EXPECT_TRUE(MainList(1).GetRowLook(0).mark.isValid());
    EXPECT_EQ(Notice(), QStringLiteral("Not read from the ZM-47")) << "59 rows are still not read";
}

TEST_F(AppTest, AnAreaTheStartUpReadStoppedAtIsNotReadWhileTheAreasBeforeItAre) {
    // Each area's read begins with an identity request of its own: reply 1
    // answers the start-up's, 2 to 62 MEMORY's and 63 to 73 the first
    // bank's; both tries for the second bank's first patch go unanswered.
    App().SetSimulatorSetUp([](sim::CVirtualSimulator& simulator) {
        sim::UnitFaults faults;
        faults.dropReply = 75;
        faults.dropCount = 2;
        simulator.SetFaults(faults);
    });
    ASSERT_TRUE(StartWithSimulator());
    const CUnitProvenance& provenance = *MainData().GetProvenance();
    for (int area = 1; area <= 7; ++area) {
        const AreaSummary summary = provenance.Summarize(area, MainData().GetArray(area));
        EXPECT_EQ(summary.notice, area <= 2 ? AreaNotice::kNone : AreaNotice::kNotRead) << area;
    }
    App().GetMainView()->UpdateNotice();
    EXPECT_EQ(Notice(), QString()) << "MEMORY was read";
    EXPECT_FALSE(MainList(1).GetRowLook(0).dimmed);
}

TEST_F(AppTest, QuittingWithARenameNeverWrittenAsksFirstAndWriteSendsIt) {
    ASSERT_TRUE(StartWithSimulator());
    std::vector<QString> asked;
    UnsentAnswer answer = UnsentAnswer::kCancel;
    App().SetUnsentQuestion([&](const QString& text) {
        asked.push_back(text);
        return answer;
    });
    AsPatch(MainData().GetArray(1).At(3))->SetName("RENAMED");
    App().GetMainView()->UpdateNotice();
    EXPECT_EQ(Notice(), QStringLiteral("Marked rows were changed here and are not written to the ZM-47 (1)"));
    EXPECT_TRUE(MainList(1).GetRowLook(3).mark.isValid());
    EXPECT_FALSE(MainList(1).GetRowLook(4).mark.isValid());

    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].startsWith(QString::fromStdString(MessageWith(kMsgUnsentChanges, "MEMORY"))));

    answer = UnsentAnswer::kWrite;
    EXPECT_TRUE(Frame().close());
    App().GetSimulator()->Devices().input.WaitUntilDelivered();
    App().GetSimulator()->Unit().WaitUntilRepliesSent();
    EXPECT_EQ(App().GetSimulator()->Unit().Patch(1, 3)->GetName(), "RENAMED");
}

TEST_F(AppTest, QuittingAfterEverythingWasReadAsksNothing) {
    ASSERT_TRUE(StartWithSimulator());
    int asked = 0;
    App().SetUnsentQuestion([&](const QString&) {
        ++asked;
        return UnsentAnswer::kCancel;
    });
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(asked, 0);
}
