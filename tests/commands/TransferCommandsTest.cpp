// Reading, writing and the preview send against the simulated unit.
#include "tests/commands/CommandsTestSupport.h"

#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "toolkit/profile/IniProfile.h"

#include <QDialog>

namespace commandstest {
namespace {

CPatch Named(const std::string& name) {
    CPatch patch;
    patch.Initialize();
    patch.SetName(name);
    return patch;
}

// Puts "U<index>" into every MEMORY patch of the unit.
void NameUnitMemory(sim::CSimulatedUnit& unit) {
    for (int k = 0; k < 60; ++k)
        ASSERT_TRUE(unit.SetPatch(1, k, Named("U" + std::to_string(k))));
}

TEST_F(CommandsTest, ReadSelectedReadsExactlyTheSelectedPatchesAndKeepsThemSelected) {
    NameUnitMemory(Unit());
    NameMainPatches();
    main->Select({3, 7, 9});
    ASSERT_TRUE(mainCommands->ReadPatches(true));

    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnReadUser});
    EXPECT_EQ(Unit().DataRequests(), 3);
    const std::vector<std::string> names = NamesOf(main->Shown());
    for (int k = 0; k < 60; ++k) {
        const bool read = k == 3 || k == 7 || k == 9;
        EXPECT_EQ(names[static_cast<std::size_t>(k)], (read ? "U" : "M") + std::to_string(k)) << k;
    }
    EXPECT_EQ(main->SelectedRows(), (std::vector<int>{3, 7, 9}));
    EXPECT_TRUE(Shown().empty());

    // One undo step takes the read back.
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 7), "M7");
}

TEST_F(CommandsTest, ReadAllOfABankAndAReadThatIsNotConfirmedChangesNothing) {
    ASSERT_TRUE(Unit().SetPatch(5, 9, Named("HEAVY TEN")));
    State().SetArea(5);
    windows.UpdateAllViews(1);

    confirmation.answer = false;
    EXPECT_FALSE(mainCommands->ReadPatches(false));
    EXPECT_EQ(Unit().IdentityRequests(), 0);
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo));

    confirmation.answer = true;
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    EXPECT_EQ(Unit().DataRequests(), 10);
    EXPECT_EQ(NameOf(main->Shown(), 9), "HEAVY TEN");
    EXPECT_EQ(NameOf(main->data->GetArray(1), 0), "INIT PATCH") << "other areas are not read";
}

TEST_F(CommandsTest, AReadFailingHalfWayLeavesTheAreaAsBeforeAndUndoChangesNothing) {
    NameUnitMemory(Unit());
    NameMainPatches();
    // Reply 1 answers the identity request, 2 and 3 the first two patches;
    // both tries for the third patch go unanswered.
    sim::UnitFaults faults;
    faults.dropReply = 4;
    faults.dropCount = 2;
    Unit().SetFaults(faults);
    main->Select({10});

    EXPECT_FALSE(mainCommands->ReadPatches(false));
    EXPECT_EQ(Shown(), std::vector<std::string>{"Unable to read/write data."});
    std::vector<std::string> expected;
    for (int k = 0; k < 60; ++k)
        expected.push_back("M" + std::to_string(k));
    EXPECT_EQ(NamesOf(main->Shown()), expected);
    EXPECT_EQ(main->SelectedRows(), std::vector<int>{10});

    mainCommands->Undo();
    EXPECT_EQ(NamesOf(main->Shown()), expected) << "the half-read area must not come back";
}

// The program's confirmation with its dialog replaced by a counter.
class CountingConfirmation : public CMidiWarningConfirmation {
public:
    explicit CountingConfirmation(GT::IProfile& profile) : CMidiWarningConfirmation(profile) {}
    int shown = 0;
    int answer = QDialog::Rejected;

protected:
    int RunDialog(CMidiWarningDlg&) override {
        ++shown;
        return answer;
    }
};

TEST_F(CommandsTest, WriteAllAsksUnlessWriteUserIsSuppressedThenWritesAtOnce) {
    CountingConfirmation asking(main->profile);
    CCommandContext context = Context(*main);
    context.confirmation = &asking;
    CWindowCommands commands(context);
    AsPatch(main->Shown().At(5))->SetName("WRITTEN");

    // Asked and cancelled: nothing reaches the unit.
    EXPECT_FALSE(commands.WritePatches(false));
    EXPECT_EQ(asking.shown, 1);
    EXPECT_EQ(Unit().IdentityRequests(), 0);

    ASSERT_TRUE(main->profile.WriteInt("Option/WriteUser", 1));
    ASSERT_TRUE(commands.WritePatches(false));
    EXPECT_EQ(asking.shown, 1) << "no dialog once suppressed";
    session->Simulator()->Devices().input.WaitUntilDelivered();
    Unit().WaitUntilRepliesSent();
    EXPECT_EQ(Unit().DataSetsStored(), 60);
    EXPECT_EQ(Unit().Patch(1, 5)->GetName(), "WRITTEN");
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo)) << "writing changes no window";
}

TEST_F(CommandsTest, PatchesMidiCannotCarryAreRefusedBeforeAskingOrChoosingAFile) {
    // As a patch copied from a damaged file would hold it.
    AsPatch(main->Shown().At(4))->Data()[7] = 0xF7;
    main->Select({3, 4});
    EXPECT_FALSE(mainCommands->WritePatches(true));
    EXPECT_FALSE(mainCommands->ExportSmf(false));
    const std::string refused = GetMessageTable().Get(kMsgPatchNotSendable);
    EXPECT_EQ(Shown(), std::vector<std::string>(2, refused.substr(0, refused.find('\n'))));
    EXPECT_TRUE(confirmation.kinds.empty());
    EXPECT_TRUE(fileDialogs.requests.empty());
    EXPECT_EQ(Unit().IdentityRequests(), 0);
}

TEST_F(CommandsTest, PreviewSendsOnePatchToTheTemporaryPatchOnlyForAPatchOfTheArray) {
    TestWindow& file = OpenFile(3);
    CWindowCommands& fileCommandsOf = *fileCommands.back();
    EXPECT_FALSE(fileCommandsOf.PreviewSend(3)) << "the empty last row holds no patch";
    EXPECT_FALSE(fileCommandsOf.PreviewSend(-1));
    EXPECT_EQ(Unit().IdentityRequests(), 0);

    ASSERT_TRUE(fileCommandsOf.PreviewSend(2));
    session->Simulator()->Devices().input.WaitUntilDelivered();
    Unit().WaitUntilRepliesSent();
    EXPECT_EQ(Unit().TemporaryPatch().GetName(), "F2");
    EXPECT_EQ(Unit().DataSetsStored(), 1);
    EXPECT_EQ(file.modified, 0);
    EXPECT_TRUE(confirmation.kinds.empty()) << "the button or list has asked already";

    EXPECT_FALSE(mainCommands->PreviewSend(60));
    ASSERT_TRUE(mainCommands->PreviewSend(59));
}

TEST_F(CommandsTest, TheQuestionsNameTheAreaAndHowManyPatchesTheTransferTakes) {
    main->Select({8, 1, 4});
    confirmation.answer = false;
    EXPECT_FALSE(mainCommands->WritePatches(true));
    EXPECT_FALSE(mainCommands->ReadPatches(true));
    State().SetArea(2);
    windows.UpdateAllViews(1);
    EXPECT_FALSE(mainCommands->ReadPatches(false));
    EXPECT_EQ(confirmation.kinds, (std::vector<int>{kWarnWriteUser, kWarnReadUser, kWarnReadUser}));
    EXPECT_EQ(confirmation.questions, (std::vector<std::string>{"Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?",
                                                                "Read 3 patches (MEMORY 2, 5, 9) from the ZM-47?",
                                                                "Read 10 patches (SOUND LIBRARY: CLEAN 1\xE2\x80\x93"
                                                                "10) from the ZM-47?"}));
    EXPECT_EQ(Unit().IdentityRequests(), 0) << "nothing is sent unconfirmed";

    // A preview names the slot in the main window and only the patch in a
    // file, whose rows are no slots.
    AsPatch(main->Shown().At(3))->SetName("CLEAN FOUR");
    EXPECT_EQ(mainCommands->PreviewQuestion(3), "Send SOUND LIBRARY: CLEAN 4 \xE2\x80\x9C"
                                                "CLEAN FOUR\xE2\x80\x9D to the temporary patch of the ZM-47?");
    OpenFile(3);
    EXPECT_EQ(fileCommands.back()->PreviewQuestion(2), "Send \xE2\x80\x9C"
                                                       "F2\xE2\x80\x9D to the temporary patch of the ZM-47?");
    EXPECT_EQ(fileCommands.back()->PreviewQuestion(3), "") << "the empty last row holds no patch";
}

} // namespace
} // namespace commandstest
