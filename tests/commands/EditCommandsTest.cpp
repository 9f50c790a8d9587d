// The edit commands, Undo and Duplicate in the main window (which keeps every
// area at the unit's size) and in librarian file windows.
#include "tests/commands/CommandsTestSupport.h"

#include "app/docs/UpdateHints.h"

namespace commandstest {
namespace {

std::vector<std::string> Names(const std::string& prefix, int first, int last) {
    std::vector<std::string> names;
    for (int k = first; k <= last; ++k)
        names.push_back(prefix + std::to_string(k));
    return names;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(CommandsTest, CutOfFiveInMemoryKeepsSixtyRowsAndUndoPutsThemBack) {
    NameMainPatches();
    main->Select({10, 11, 12, 13, 14});
    ASSERT_TRUE(mainCommands->Cut());

    EXPECT_EQ(main->list.GetItemCount(), 60);
    const std::vector<std::string> names = NamesOf(main->Shown());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 55), Join(Names("M", 0, 9), Names("M", 15, 59)));
    EXPECT_EQ(std::vector<std::string>(names.begin() + 55, names.end()), std::vector<std::string>(5, "INIT PATCH"));
    EXPECT_EQ(NamesOf(State().GetClipboard().GetArray(1)), Names("M", 10, 14));
    EXPECT_TRUE(main->SelectedRows().empty());

    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NamesOf(main->Shown()), Names("M", 0, 59));
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo));
    ASSERT_TRUE(mainCommands->Redo());
    EXPECT_EQ(NameOf(main->Shown(), 10), "M15");
}

TEST_F(CommandsTest, UndoAndRedoStepThroughEachAreasChangesInTheMainWindow) {
    NameMainPatches();
    main->Select({0});
    ASSERT_TRUE(mainCommands->Delete());
    main->Select({0});
    ASSERT_TRUE(mainCommands->Initialize());
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdRedo));

    // A change in another area has steps of its own.
    State().SetArea(2);
    main->UpdateViews(kHintArea);
    main->Select({3});
    ASSERT_TRUE(mainCommands->Delete());
    State().SetArea(1);
    main->UpdateViews(kHintArea);

    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 0), "M1");
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 0), "M0");
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo));
    EXPECT_TRUE(mainCommands->IsCommandEnabled(kCmdRedo));
    EXPECT_EQ(NameOf(main->data->GetArray(2), 3), "INIT PATCH") << "area 2 keeps its change";

    ASSERT_TRUE(mainCommands->Redo());
    EXPECT_EQ(NameOf(main->Shown(), 0), "M1");
    ASSERT_TRUE(mainCommands->Redo());
    EXPECT_EQ(NameOf(main->Shown(), 0), "INIT PATCH");
    EXPECT_FALSE(mainCommands->Redo());
}

TEST_F(CommandsTest, InsertOfFourAtRow58KeepsSixtyRowsAndSelectsTheTwoThatFit) {
    NameMainPatches();
    main->Select({0, 1, 2, 3});
    ASSERT_TRUE(mainCommands->Copy());
    main->Select({58});
    ASSERT_TRUE(mainCommands->Insert());

    EXPECT_EQ(main->list.GetItemCount(), 60);
    EXPECT_EQ(main->Shown().Size(), 60u);
    EXPECT_EQ(NameOf(main->Shown(), 57), "M57");
    EXPECT_EQ(NameOf(main->Shown(), 58), "M0");
    EXPECT_EQ(NameOf(main->Shown(), 59), "M1");
    EXPECT_EQ(main->SelectedRows(), (std::vector<int>{58, 59}));

    // In the middle every inserted row is selected and the end is pushed off.
    main->Select({5});
    ASSERT_TRUE(mainCommands->Insert());
    EXPECT_EQ(main->SelectedRows(), (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(NameOf(main->Shown(), 9), "M5");
    EXPECT_EQ(NameOf(main->Shown(), 59), "M55");
}

TEST_F(CommandsTest, DeleteReplaceAndInitializeInTheMainWindow) {
    NameMainPatches();
    main->Select({59});
    ASSERT_TRUE(mainCommands->Delete());
    EXPECT_EQ(main->Shown().Size(), 60u);
    EXPECT_EQ(NameOf(main->Shown(), 59), "INIT PATCH");
    EXPECT_TRUE(State().GetClipboard().GetArray(1).Size() == 0) << "Delete keeps the clipboard";

    main->Select({1});
    ASSERT_TRUE(mainCommands->Copy());
    main->Select({20, 21, 22});
    ASSERT_TRUE(mainCommands->Replace());
    EXPECT_EQ(NamesOf(main->Shown())[22], "M1");
    EXPECT_EQ(main->SelectedRows(), (std::vector<int>{20, 21, 22}));

    main->Select({30});
    ASSERT_TRUE(mainCommands->Initialize());
    EXPECT_EQ(NameOf(main->Shown(), 30), "INIT PATCH");
    EXPECT_EQ(main->SelectedRows(), std::vector<int>{30});
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 30), "M30");
    EXPECT_TRUE(main->SelectedRows().empty());

    ASSERT_TRUE(mainCommands->SelectAll());
    EXPECT_EQ(main->list.GetSelectedCount(), 60);
    EXPECT_EQ(main->modified, 0);
}

TEST_F(CommandsTest, FileWindowEditsMarkTheDocumentAndFollowTheButtons) {
    TestWindow& file = OpenFile(4);
    CWindowCommands& c = *fileCommands.back();

    file.Select({1, 2});
    ASSERT_TRUE(c.Cut());
    EXPECT_EQ(NamesOf(file.Shown()), (std::vector<std::string>{"F0", "F3"})) << "a file does not keep its size";
    EXPECT_EQ(file.list.GetItemCount(), 3);
    EXPECT_EQ(file.modified, 1);
    EXPECT_EQ(file.rebuilds, 1);

    // Insert at the empty last row appends and selects what was inserted.
    file.Select({2});
    ASSERT_TRUE(c.Insert());
    EXPECT_EQ(NamesOf(file.Shown()), (std::vector<std::string>{"F0", "F3", "F1", "F2"}));
    EXPECT_EQ(file.SelectedRows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(file.modified, 2);

    ASSERT_TRUE(c.Copy());
    EXPECT_EQ(file.modified, 2) << "Copy changes nothing";
    EXPECT_EQ(file.rebuilds, 3);

    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(NamesOf(file.Shown()), (std::vector<std::string>{"F0", "F3"}));
    EXPECT_EQ(file.modified, 3);
    EXPECT_EQ(file.rebuilds, 4);

    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(NamesOf(file.Shown()), (std::vector<std::string>{"F0", "F1", "F2", "F3"}));
    ASSERT_TRUE(c.Redo());
    EXPECT_EQ(NamesOf(file.Shown()), (std::vector<std::string>{"F0", "F3"}));
    EXPECT_EQ(file.modified, 5);

    // The main window's undo steps are its own.
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo));
}

TEST_F(CommandsTest, DuplicateOpensAModifiedFileWindowWithACopyOfTheAreaShown) {
    State().SetArea(7);
    windows.UpdateAllViews(1);
    AsPatch(main->Shown().At(0))->SetName("EXTREME 1");

    ASSERT_TRUE(mainCommands->Duplicate());
    ASSERT_EQ(windows.files.size(), 1u);
    TestWindow& copy = *windows.files.back();
    EXPECT_EQ(copy.Shown().Size(), 10u);
    EXPECT_EQ(NameOf(copy.Shown(), 0), "EXTREME 1");
    EXPECT_EQ(copy.list.GetItemCount(), 11);
    EXPECT_EQ(copy.modified, 1);
    EXPECT_EQ(copy.hints, std::vector<int>{kHintContents});

    // A copy, not the same patches.
    AsPatch(copy.Shown().At(0))->SetName("CHANGED");
    EXPECT_EQ(NameOf(main->Shown(), 0), "EXTREME 1");

    // From a file window: its patches.
    CWindowCommands copyCommands(Context(copy));
    ASSERT_TRUE(copyCommands.Duplicate());
    ASSERT_EQ(windows.files.size(), 2u);
    EXPECT_EQ(NameOf(windows.files.back()->Shown(), 0), "CHANGED");
}

} // namespace
} // namespace commandstest
