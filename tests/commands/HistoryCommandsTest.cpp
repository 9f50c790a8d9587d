// What the main window's transfers and the file windows record in the
// history library, against the simulated unit.
#include "tests/commands/CommandsTestSupport.h"

#include "app/docs/FileDoc.h"
#include "app/commands/AppCommands.h"
#include "app/ui/CommandIds.h"
#include "library/Library.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <QDateTime>

#include <QTemporaryDir>

namespace commandstest {
namespace {

class HistoryTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        library = CLibrary::Open(QFile::encodeName(folder.filePath("library.sqlite")).toStdString());
        ASSERT_TRUE(library);
        recorder = std::make_unique<CHistoryRecorder>(library.get());
        State().History().Set(library.get(), recorder.get());
        ASSERT_TRUE(main->profile.WriteInt("Option/ReadUser", 1));
        ASSERT_TRUE(main->profile.WriteInt("Option/WriteUser", 1));
    }
    // The windows and the state that point to the recorder go first.
    void TearDown() override {
        CommandsTest::TearDown();
        recorder.reset();
        library.reset();
    }

    QTemporaryDir folder;
    std::unique_ptr<CLibrary> library;
    std::unique_ptr<CHistoryRecorder> recorder;
};

TEST_F(HistoryTest, ReadsAndCheckedWritesRecordTheUnitsStates) {
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    auto history = library->History();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].event, EUnitEvent::kRead);
    EXPECT_EQ(history[0].area, 1);
    EXPECT_EQ(history[0].slotCount, 60);
    const std::string unitName = Unit().Patch(1, 5)->GetName();
    EXPECT_EQ(library->LastKnownState(1).patches[5]->GetName(), unitName);

    // A write of one changed patch: the backup's patch before, the sent one
    // after, and the read-back's verdict.
    AsPatch(main->Shown().At(5))->SetName("WRITTEN");
    main->Select({5});
    ASSERT_TRUE(mainCommands->WritePatches(true));
    history = library->History();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[1].event, EUnitEvent::kBeforeWrite);
    EXPECT_EQ(history[1].slotCount, 1);
    EXPECT_EQ(history[1].changed, 0);
    EXPECT_EQ(history[0].event, EUnitEvent::kWritten);
    EXPECT_EQ(history[0].verify, EVerify::kPassed);
    EXPECT_EQ(history[0].changed, 1);
    const auto before = library->State(history[1].id);
    ASSERT_TRUE(before && before->patches[5]);
    EXPECT_EQ(before->patches[5]->GetName(), unitName);
    EXPECT_EQ(before->patches[5]->GetMemo(1), "") << "the backup's slot name is not the unit's";
    EXPECT_EQ(library->LastKnownState(1).patches[5]->GetName(), "WRITTEN");
}

TEST_F(HistoryTest, AWriteTheUnitStoresWronglyIsRecordedAsSentWithTheFailedReadBack) {
    session->Simulator()->SetFaults({.corruptStore = 1, .corruptStays = true});
    main->Select({2});
    EXPECT_FALSE(mainCommands->WritePatches(true));
    const auto history = library->History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].event, EUnitEvent::kWritten);
    EXPECT_EQ(history[0].verify, EVerify::kFailed);
}

TEST_F(HistoryTest, NothingIsRecordedWithKeepHistoryOffOrWhenNothingWasSent) {
    recorder->SetEnabled(false);
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    EXPECT_EQ(library->StateCount(), 0);
    recorder->SetEnabled(true);
    // The unit does not answer: no backup, nothing sent, no state.
    session->Simulator()->SetFaults({.silent = true});
    EXPECT_FALSE(mainCommands->WritePatches(false));
    EXPECT_EQ(library->StateCount(), 0);
}

TEST_F(HistoryTest, FilesOpenedAndSavedAreRecordedWithTheirPatches) {
    CFileDoc saved(main->profile);
    saved.SetHistoryRecorder(recorder.get());
    saved.GetDocumentData().GetArray(1).Resize(3);
    AsPatch(saved.GetDocumentData().GetArray(1).At(2))->SetName("In A File");
    const QString path = folder.filePath("set.z4l");
    ASSERT_TRUE(saved.OnSaveDocument(path));
    CFileDoc opened(main->profile);
    opened.SetHistoryRecorder(recorder.get());
    ASSERT_TRUE(opened.OnOpenDocument(path));
    const auto files = library->Files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1].event, EFileEvent::kSaved);
    EXPECT_EQ(files[0].event, EFileEvent::kOpened);
    EXPECT_EQ(files[0].patchCount, 3);
    const auto found = library->Find("in a file");
    ASSERT_EQ(found.size(), 1u);
    ASSERT_EQ(found[0].places.size(), 1u);
    EXPECT_EQ(PlaceText(found[0].places[0]), QFile::encodeName(path).toStdString() + " #3");
}

// Setup - Forget History with the date dialog answered.
class ForgetCommands : public CAppCommands {
public:
    using CAppCommands::CAppCommands;
    std::optional<QDate> date;
    int asked = 0;

protected:
    std::optional<QDate> AskForgetDate() override {
        ++asked;
        return date;
    }
};

TEST_F(HistoryTest, KeepHistoryTurnsTheRecordingOffAtOnceAndForgetDeletesOnlyWhatIsOlderAfterAsking) {
    ForgetCommands commands(windows, State());
    commands.SetProfile(&main->profile);
    EXPECT_TRUE(commands.IsCommandEnabled(kCmdKeepHistory));
    EXPECT_TRUE(commands.IsCommandChecked(kCmdKeepHistory)) << "on by default";
    commands.OnCommand(kCmdKeepHistory);
    EXPECT_FALSE(commands.IsCommandChecked(kCmdKeepHistory));
    EXPECT_FALSE(recorder->IsEnabled());
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    EXPECT_EQ(library->StateCount(), 0) << "off at once, not at the next start";
    commands.OnCommand(kCmdKeepHistory);
    EXPECT_TRUE(recorder->IsEnabled());
    EXPECT_EQ(main->profile.GetInt("Option/KeepHistory", -1), 1);

    // One state from 2020, one from now.
    const QDateTime old(QDate(2020, 5, 1), QTime(12, 0));
    library->RecordUnitState(1, EUnitEvent::kRead, {}, main->Shown(), EVerify::kNotChecked,
                             static_cast<std::time_t>(old.toSecsSinceEpoch()));
    ASSERT_TRUE(mainCommands->ReadPatches(false));
    ASSERT_EQ(library->StateCount(), 2);

    commands.date.reset();
    EXPECT_FALSE(commands.OnForgetHistory()) << "cancelled";
    commands.date = QDate(2021, 1, 1);
    dialog.setAnswer(UL::kResultNo);
    dialog.clear();
    EXPECT_FALSE(commands.OnForgetHistory()) << "declined";
    EXPECT_EQ(Shown(),
              std::vector<std::string>{MessageWith(kMsgForgetQuestion, "2021-01-01")
                                           .substr(0, MessageWith(kMsgForgetQuestion, "2021-01-01").find('\n'))});
    EXPECT_EQ(library->StateCount(), 2);

    dialog.setAnswer(UL::kResultYes);
    EXPECT_TRUE(commands.OnForgetHistory());
    EXPECT_EQ(library->StateCount(), 1);
    EXPECT_EQ(library->History().at(0).event, EUnitEvent::kRead);
    EXPECT_GT(library->History().at(0).time, old.toSecsSinceEpoch());
    EXPECT_EQ(commands.asked, 3);

    // Without a library neither command is offered.
    State().History().Set(nullptr, nullptr);
    EXPECT_FALSE(commands.IsCommandEnabled(kCmdForgetHistory));
    EXPECT_FALSE(commands.IsCommandEnabled(kCmdKeepHistory));
}

} // namespace
} // namespace commandstest
