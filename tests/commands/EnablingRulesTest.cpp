// Which commands each kind of window handles and when they are enabled.
#include "tests/commands/CommandsTestSupport.h"

#include <algorithm>

namespace commandstest {
namespace {

const std::vector<int> kUnitCommands{kCmdReadAll,   kCmdReadSelected, kCmdWriteAll,         kCmdWriteSelected,
                                     kCmdImportSmf, kCmdExportSmfAll, kCmdExportSmfSelected};
const std::vector<int> kSelectionCommands{kCmdCut, kCmdCopy, kCmdDelete, kCmdInitialize};

TEST_F(CommandsTest, MainWindowEnablesByTheSelectionTheClipboardAndTheAreasUndo) {
    CWindowCommands& c = *mainCommands;
    for (int id : kUnitCommands)
        EXPECT_TRUE(c.HandlesCommand(id)) << id;
    EXPECT_FALSE(c.HandlesCommand(kCmdFileSave));
    EXPECT_FALSE(c.HandlesCommand(kCmdSetUpFont));

    // Nothing selected, empty clipboard, no undo step.
    for (int id : {kCmdReadSelected, kCmdWriteSelected, kCmdExportSmfSelected, kCmdUndo, kCmdInsert, kCmdReplace})
        EXPECT_FALSE(c.IsCommandEnabled(id)) << id;
    for (int id : kSelectionCommands)
        EXPECT_FALSE(c.IsCommandEnabled(id)) << id;
    for (int id : {kCmdReadAll, kCmdWriteAll, kCmdImportSmf, kCmdExportSmfAll, kCmdDuplicate, kCmdSelectAll})
        EXPECT_TRUE(c.IsCommandEnabled(id)) << id;

    main->Select({4});
    for (int id : {kCmdReadSelected, kCmdWriteSelected, kCmdExportSmfSelected})
        EXPECT_TRUE(c.IsCommandEnabled(id)) << id;
    for (int id : kSelectionCommands)
        EXPECT_TRUE(c.IsCommandEnabled(id)) << id;
    EXPECT_FALSE(c.IsCommandEnabled(kCmdInsert)) << "the clipboard is empty";

    ASSERT_TRUE(c.Copy());
    EXPECT_TRUE(c.IsCommandEnabled(kCmdInsert));
    EXPECT_TRUE(c.IsCommandEnabled(kCmdReplace));
    EXPECT_FALSE(c.IsCommandEnabled(kCmdUndo)) << "Copy changes nothing";

    // Undo follows the undo step of the area shown.
    ASSERT_TRUE(c.Initialize());
    EXPECT_TRUE(c.IsCommandEnabled(kCmdUndo));
    State().SetArea(2);
    windows.UpdateAllViews(1);
    EXPECT_FALSE(c.IsCommandEnabled(kCmdUndo));
}

TEST_F(CommandsTest, FileWindowHasNoUnitCommandsAndItsEmptyLastRowCountsForInsertOnly) {
    TestWindow& file = OpenFile(3);
    CWindowCommands& c = *fileCommands.back();
    // The exchange files work on the file's own patches.
    const std::vector<int> exchange{kCmdImportSmf,   kCmdExportSmfAll,   kCmdExportSmfSelected,
                                    kCmdImportSysEx, kCmdExportSysExAll, kCmdExportSysExSelected};
    for (int id : kUnitCommands) {
        const bool handled = std::find(exchange.begin(), exchange.end(), id) != exchange.end();
        EXPECT_EQ(c.HandlesCommand(id), handled) << id;
    }
    for (int id : exchange)
        EXPECT_TRUE(c.HandlesCommand(id)) << id;
    for (int id : {kCmdDuplicate, kCmdUndo, kCmdCut, kCmdCopy, kCmdInsert, kCmdReplace, kCmdDelete, kCmdInitialize,
                   kCmdSelectAll})
        EXPECT_TRUE(c.HandlesCommand(id)) << id;

    // Only the empty row after the last patch selected.
    file.Select({3});
    State().GetClipboard().GetArray(1).Resize(1);
    for (int id : kSelectionCommands)
        EXPECT_FALSE(c.IsCommandEnabled(id)) << id;
    EXPECT_FALSE(c.IsCommandEnabled(kCmdReplace));
    EXPECT_TRUE(c.IsCommandEnabled(kCmdInsert)) << "inserting there appends";
    EXPECT_FALSE(c.IsCommandEnabled(kCmdExportSmfSelected)) << "the empty last row holds nothing to export";
    EXPECT_TRUE(c.IsCommandEnabled(kCmdExportSmfAll));
    EXPECT_TRUE(c.IsCommandEnabled(kCmdImportSmf));
    EXPECT_FALSE(c.Copy()) << "a command whose rule does not hold does nothing";
    EXPECT_EQ(State().GetClipboard().GetArray(1).Size(), 1u);

    file.Select({1, 3});
    for (int id : kSelectionCommands)
        EXPECT_TRUE(c.IsCommandEnabled(id)) << id;
    EXPECT_TRUE(c.IsCommandEnabled(kCmdReplace));
    EXPECT_FALSE(c.IsCommandEnabled(kCmdUndo));

    // An area switch empties the clipboard: nothing to insert or replace with.
    State().ClearClipboard();
    EXPECT_FALSE(c.IsCommandEnabled(kCmdInsert));
    EXPECT_FALSE(c.IsCommandEnabled(kCmdReplace));
}

} // namespace
} // namespace commandstest
