// What the main window's commands do with where its rows came from: writing
// rows that are not the unit's, the marks a read and a write clear, and the
// question before quitting with changes never written.
#include "tests/commands/CommandsTestSupport.h"

#include "app/commands/UnsentChanges.h"
#include "data/UnitProvenance.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

namespace commandstest {
namespace {

class ProvenanceCommandsTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        // As the program's main window starts: nothing read.
        Provenance().Start(main->data->GetImage());
    }
    CUnitProvenance& Provenance() { return *main->data->GetProvenance(); }
    RowStatus Status(int area, int index) { return Provenance().Status(area, index, main->data->GetArray(area)); }
    void Delivered() {
        session->Simulator()->Devices().input.WaitUntilDelivered();
        Unit().WaitUntilRepliesSent();
    }
};

TEST_F(ProvenanceCommandsTest, WritingAnAreaNeverReadAsksItsOwnQuestionNamingTheArea) {
    dialog.setAnswer(UL::kResultNo);
    EXPECT_FALSE(mainCommands->WritePatches(false));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, MessageWith(kMsgWriteNotRead, "MEMORY"));
    EXPECT_EQ(dialog.shown()[0].buttons, UL::kButtonsYesNo);
    EXPECT_TRUE(confirmation.kinds.empty()) << "the question stands for the usual confirmation";
    EXPECT_EQ(Unit().IdentityRequests(), 0);

    dialog.setAnswer(UL::kResultYes);
    ASSERT_TRUE(mainCommands->WritePatches(false));
    Delivered();
    EXPECT_EQ(Unit().DataSetsStored(), 60);
    EXPECT_EQ(Status(1, 0).source, RowSource::kWritten) << "once written, the rows are the unit's";
    EXPECT_FALSE(Status(1, 0).NotRead());
}

TEST_F(ProvenanceCommandsTest, RowsTheUserFilledOrThatWereReadAreWrittenWithTheUsualConfirmation) {
    main->Select({2, 3});
    ASSERT_TRUE(mainCommands->ReadPatches(true));
    EXPECT_EQ(Status(1, 3).source, RowSource::kRead);
    AsPatch(main->Shown().At(2))->SetName("EDITED");
    // A row never read that the user filled is the user's to write.
    AsPatch(main->Shown().At(10))->SetName("FILLED");
    main->Select({2, 3, 10});
    confirmation.kinds.clear();
    ASSERT_TRUE(mainCommands->WritePatches(true));
    EXPECT_TRUE(dialog.shown().empty());
    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnWriteUser});
    Delivered();
    EXPECT_EQ(Unit().Patch(1, 2)->GetName(), "EDITED");
    EXPECT_EQ(Unit().Patch(1, 10)->GetName(), "FILLED");
    EXPECT_TRUE(Provenance().ChangedAreas(main->data->GetImage()).empty());
}

TEST_F(ProvenanceCommandsTest, ARememberedStateIsNeverWrittenAsIfRead) {
    AsPatch(main->Shown().At(0))->SetName("REMEMBERED");
    Provenance().Remember(1, main->Shown(), 1000);
    main->Select({0, 1});
    EXPECT_FALSE(mainCommands->WritePatches(true));
    EXPECT_FALSE(mainCommands->WritePatches(false));
    EXPECT_EQ(Shown(),
              std::vector<std::string>(2, MessageWith(kMsgWriteRemembered, "MEMORY")
                                              .substr(0, MessageWith(kMsgWriteRemembered, "MEMORY").find('\n'))));
    EXPECT_TRUE(confirmation.kinds.empty());
    EXPECT_EQ(Unit().IdentityRequests(), 0);

    // Read from the unit, the same rows can be written.
    ASSERT_TRUE(mainCommands->ReadPatches(true));
    dialog.clear();
    ASSERT_TRUE(mainCommands->WritePatches(true));
    EXPECT_TRUE(dialog.shown().empty());
}

TEST_F(ProvenanceCommandsTest, AReadClearsTheChangedMarksOfTheRowsReadOnly) {
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    AsPatch(main->Shown().At(4))->SetName("EDIT 4");
    AsPatch(main->Shown().At(9))->SetName("EDIT 9");
    EXPECT_EQ(Provenance().ChangedIndexes(1, main->Shown()), (std::vector<int>{4, 9}));
    main->Select({4});
    ASSERT_TRUE(mainCommands->ReadPatches(true));
    EXPECT_EQ(Provenance().ChangedIndexes(1, main->Shown()), std::vector<int>{9});

    // A read that fails leaves the marks as they were.
    sim::UnitFaults faults;
    faults.silent = true;
    Unit().SetFaults(faults);
    main->Select({9});
    EXPECT_FALSE(mainCommands->ReadPatches(true));
    EXPECT_EQ(Provenance().ChangedIndexes(1, main->Shown()), std::vector<int>{9});
}

// Records the question and answers it.
struct FakeQuestion {
    UnsentAnswer answer = UnsentAnswer::kCancel;
    std::vector<QString> asked;
    UnsentQuestion Function() {
        return [this](const QString& text) {
            asked.push_back(text);
            return answer;
        };
    }
};

TEST_F(ProvenanceCommandsTest, QuittingAsksOnceListingEveryAreaWithChangesAndCancelKeepsThem) {
    FakeQuestion question;
    EXPECT_TRUE(SettleUnsentChanges(*mainCommands, question.Function()));
    EXPECT_TRUE(question.asked.empty()) << "nothing changed, nothing to ask";

    AsPatch(main->data->GetArray(1).At(3))->SetName("RENAMED");
    AsPatch(main->data->GetArray(7).At(0))->SetName("EXTREME EDIT");
    EXPECT_FALSE(SettleUnsentChanges(*mainCommands, question.Function()));
    ASSERT_EQ(question.asked.size(), 1u);
    const QStringList lines = question.asked[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].toStdString(), MessageWith(kMsgUnsentChanges, "MEMORY"));
    EXPECT_EQ(lines[1].toStdString(), MessageWith(kMsgUnsentChanges, "SOUND LIBRARY: EXTREME"));
    EXPECT_EQ(Unit().IdentityRequests(), 0);

    question.answer = UnsentAnswer::kDiscard;
    EXPECT_TRUE(SettleUnsentChanges(*mainCommands, question.Function()));
    EXPECT_EQ(Unit().IdentityRequests(), 0);
}

TEST_F(ProvenanceCommandsTest, WriteBeforeQuittingWritesOnlyTheChangedRowsOfEachArea) {
    AsPatch(main->data->GetArray(1).At(3))->SetName("RENAMED");
    AsPatch(main->data->GetArray(7).At(9))->SetName("LAST ONE");
    FakeQuestion question;
    question.answer = UnsentAnswer::kWrite;
    ASSERT_TRUE(SettleUnsentChanges(*mainCommands, question.Function()));
    Delivered();
    EXPECT_EQ(Unit().Patch(1, 3)->GetName(), "RENAMED");
    EXPECT_EQ(Unit().Patch(7, 9)->GetName(), "LAST ONE");
    EXPECT_TRUE(Provenance().ChangedAreas(main->data->GetImage()).empty());
    EXPECT_EQ(Status(1, 4).source, RowSource::kInitial) << "rows not changed are not written";

    // A write that fails keeps the program running with its marks.
    AsPatch(main->data->GetArray(1).At(5))->SetName("NOT SENT");
    sim::UnitFaults faults;
    faults.silent = true;
    Unit().SetFaults(faults);
    question.asked.clear();
    EXPECT_FALSE(SettleUnsentChanges(*mainCommands, question.Function()));
    EXPECT_EQ(question.asked.size(), 1u);
    EXPECT_EQ(Provenance().ChangedAreas(main->data->GetImage()), std::vector<int>{1});
}

} // namespace
} // namespace commandstest
