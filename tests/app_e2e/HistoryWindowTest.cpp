// Window - History against the simulated unit: a state chosen shows what
// differs from the main window, restoring it writes the old patches back to
// the unit, its patches can be copied and dragged, and a slot's history
// lists every patch the slot has held.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/WindowCommands.h"
#include "app/core/LibrarianState.h"
#include "app/core/LibrarianState.h"
#include "app/ui/CommandIds.h"
#include "app/ui/HistoryWindow.h"
#include "library/PatchCompare.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "views/PatchDrop.h"
#include "views/PatchListCtrl.h"

#include <QMimeData>

using namespace app_e2e;

namespace {

// The newest state of MEMORY that was a read.
LibraryId NewestMemoryRead() {
    for (const CStateInfo& info : App().GetLibrarianState()->History().Library()->History(1))
        if (info.event == EUnitEvent::kRead)
            return info.id;
    return 0;
}

TEST_F(AppTest, AStateOfTheHistoryShowsWhatDiffersAndRestoringItWritesTheOldPatchesBack) {
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_NE(App().GetLibrarianState()->History().Library(), nullptr);
    const LibraryId startUpRead = NewestMemoryRead();
    ASSERT_NE(startUpRead, 0);
    const std::string original = MainPatchName(1, 3);

    // Slot 4 renamed and written, slot 6's sound changed and not written.
    AsPatch(MainData().GetArray(1).At(3))->SetName("RENAMED");
    ASSERT_TRUE(MainCommands().WriteRows(1, {3}));
    Delivered();
    ASSERT_EQ(App().GetSimulator()->Unit().Patch(1, 3)->GetName(), "RENAMED");
    AsPatch(MainData().GetArray(1).At(5))->Data()[10] ^= 0x01;

    ASSERT_TRUE(Frame().OnCommand(kCmdHistory));
    auto* window = Frame().findChild<CHistoryWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_GE(window->States().topLevelItemCount(), 9) << "seven areas read, then before write and written";
    ASSERT_TRUE(window->ChooseState(startUpRead));
    EXPECT_EQ(window->DifferenceAt(3), EPatchDifference::kName);
    EXPECT_EQ(window->DifferenceAt(5), EPatchDifference::kSound);
    EXPECT_EQ(window->DifferenceAt(4), EPatchDifference::kSame);
    ASSERT_EQ(window->Patches().topLevelItemCount(), 60);
    EXPECT_EQ(window->Patches().topLevelItem(3)->text(1).toStdString(), original);
    EXPECT_EQ(window->Patches().topLevelItem(3)->text(2), QStringLiteral("RENAMED"));
    EXPECT_EQ(window->Patches().topLevelItem(3)->text(3), DifferenceLabel(EPatchDifference::kName));
    EXPECT_EQ(window->Patches().topLevelItem(4)->text(3), QString());

    // Dragged, the selected patches carry their area.
    window->Patches().topLevelItem(3)->setSelected(true);
    const QList<QTreeWidgetItem*> items{window->Patches().topLevelItem(3)};
    CConcreteParameterArray<CPatch> carried;
    CPatchDragOrigin origin;
    {
        struct Tree : CPatchTree {
            using CPatchTree::mimeData;
        };
        std::unique_ptr<QMimeData> data(static_cast<Tree&>(window->Patches()).mimeData(items));
        ASSERT_NE(data, nullptr);
        ASSERT_TRUE(ReadPatchMimeData(*data, carried, origin));
    }
    ASSERT_EQ(carried.Size(), 1u);
    EXPECT_EQ(AsPatch(carried.At(0))->GetName(), original);
    EXPECT_EQ(origin.area, 1);

    // Copy puts the selected patch on the patch clipboard.
    ASSERT_TRUE(window->CopyPatches());
    ASSERT_EQ(App().GetLibrarianState()->GetClipboard().GetArray(1).Size(), 1u);
    EXPECT_EQ(AsPatch(App().GetLibrarianState()->GetClipboard().GetArray(1).At(0))->GetName(), original);

    // Declined, nothing is written or changed.
    dialogs.clear();
    dialogs.setAnswer(UL::kResultNo);
    EXPECT_FALSE(window->RestoreSelected());
    ASSERT_EQ(ShownTexts().size(), 1u);
    const std::string question = MessageWith(kMsgRestoreQuestion, "MEMORY 4 (");
    EXPECT_EQ(ShownTexts()[0].substr(0, question.find('(') + 1), question.substr(0, question.find('(') + 1));
    EXPECT_EQ(MainPatchName(1, 3), "RENAMED");

    ASSERT_TRUE(window->ChooseState(startUpRead));
    window->Patches().topLevelItem(3)->setSelected(true);
    dialogs.setAnswer(UL::kResultYes);
    ASSERT_TRUE(window->RestoreSelected());
    Delivered();
    EXPECT_EQ(App().GetSimulator()->Unit().Patch(1, 3)->GetName(), original);
    EXPECT_EQ(MainPatchName(1, 3), original);
    EXPECT_NE(App().GetSimulator()->Unit().Patch(1, 5)->Data()[10], AsPatch(MainData().GetArray(1).At(5))->Data()[10])
        << "only the selected slot was written";
    // The restore is the newest written state.
    EXPECT_EQ(App().GetLibrarianState()->History().Library()->History(1, 1).at(0).event, EUnitEvent::kWritten);
    window->close();
}

TEST_F(AppTest, TheMainWindowsSlotHistoryNamesTheSlotAndListsEveryPatchItHeld) {
    ASSERT_TRUE(StartWithSimulator());
    const std::string original = MainPatchName(1, 11);
    AsPatch(MainData().GetArray(1).At(11))->SetName("SECOND");
    ASSERT_TRUE(MainCommands().WriteRows(1, {11}));
    Delivered();

    CPatchListCtrl& list = *App().GetMainView()->GetPatchList(1);
    list.SetAllSelected(false);
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetObjectIndex(row) == 11)
            list.SetRowSelected(row, true);
    Frame().UpdateCommandStates();
    EXPECT_EQ(Frame().Action(kCmdSlotHistory)->text(), QStringLiteral("&History of MEMORY 12..."));
    ASSERT_TRUE(Frame().Action(kCmdSlotHistory)->isEnabled());

    ASSERT_TRUE(Frame().OnCommand(kCmdSlotHistory));
    auto* dialog = Frame().findChild<CSlotHistoryDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("History of MEMORY 12"));
    ASSERT_EQ(dialog->Patches().topLevelItemCount(), 2);
    EXPECT_EQ(dialog->Patches().topLevelItem(0)->text(0).toStdString(), original);
    EXPECT_EQ(dialog->Patches().topLevelItem(1)->text(0), QStringLiteral("SECOND"));
    dialog->close();

    // Without a selected row there is no slot to name.
    list.SetAllSelected(false);
    Frame().UpdateCommandStates();
    EXPECT_FALSE(Frame().Action(kCmdSlotHistory)->isEnabled());
}

} // namespace
