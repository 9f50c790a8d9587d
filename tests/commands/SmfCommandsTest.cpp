// Import SMF and Export SMF of the main window: the confirmation, the undo
// step, the file dialog's proposals and the remembered file.
#include "tests/commands/CommandsTestSupport.h"

#include <QDir>
#include <QFile>

namespace commandstest {
namespace {

TEST_F(CommandsTest, ExportProposesUntitledFirstThenTheLastFilesNameInItsFolder) {
    NameMainPatches();
    QTemporaryDir folder;
    const QString first = folder.filePath("set1.mid");

    // Nothing selected: Export Selected Data does nothing, not even ask.
    EXPECT_FALSE(mainCommands->ExportSmf(true));
    EXPECT_TRUE(fileDialogs.requests.empty());

    fileDialogs.answer = first;
    ASSERT_TRUE(mainCommands->ExportSmf(false));
    ASSERT_EQ(fileDialogs.requests.size(), 1u);
    EXPECT_FALSE(fileDialogs.requests[0].open);
    EXPECT_EQ(fileDialogs.requests[0].fileName, "Untitled.mid");
    EXPECT_TRUE(QFile::exists(first));

    // Cancelled: nothing written, nothing remembered.
    fileDialogs.answer.clear();
    main->Select({2, 4});
    EXPECT_FALSE(mainCommands->ExportSmf(true));
    ASSERT_EQ(fileDialogs.requests.size(), 2u);
    EXPECT_EQ(fileDialogs.requests[1].fileName, "set1.mid");
    EXPECT_EQ(QDir(fileDialogs.requests[1].folder), QDir(folder.path()));

    // A file that cannot be created: message 5, the last good name stays.
    fileDialogs.answer = folder.filePath("missing/set2.mid");
    EXPECT_FALSE(mainCommands->ExportSmf(true));
    EXPECT_EQ(Shown(), std::vector<std::string>{"The file could not be saved."});
    fileDialogs.answer.clear();
    mainCommands->ExportSmf(true);
    EXPECT_EQ(fileDialogs.requests.back().fileName, "set1.mid");
    EXPECT_TRUE(confirmation.kinds.empty()) << "exporting asks nothing";
}

TEST_F(CommandsTest, ImportCancelledStillRecordsTheUndoStepAndChangesNothing) {
    NameMainPatches();
    main->Select({6});
    ASSERT_TRUE(mainCommands->ImportSmf() == false);
    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnImportSmf});
    ASSERT_EQ(fileDialogs.requests.size(), 1u);
    EXPECT_TRUE(fileDialogs.requests[0].open);
    EXPECT_TRUE(mainCommands->IsCommandEnabled(kCmdUndo));
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 6), "M6") << "the undo step holds what was there";
    EXPECT_TRUE(Shown().empty());

    // Not confirmed: no undo step, no dialog.
    confirmation.answer = false;
    main->Select({6});
    mainCommands->Initialize();
    EXPECT_FALSE(mainCommands->ImportSmf());
    EXPECT_EQ(fileDialogs.requests.size(), 1u);
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->Shown(), 6), "M6") << "the undo step is still Initialize's";
}

TEST_F(CommandsTest, ImportReadsAnExportedFileIntoItsAreaAndUndoTakesItBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath("bank.mid");
    State().SetArea(4);
    windows.UpdateAllViews(1);
    AsPatch(main->Shown().At(3))->SetName("DRIVE FOUR");
    fileDialogs.answer = path;
    ASSERT_TRUE(mainCommands->ExportSmf(false));

    // Back in MEMORY with DRIVE changed, the import restores DRIVE.
    AsPatch(main->data->GetArray(4).At(3))->SetName("OVERWRITTEN");
    State().SetArea(1);
    windows.UpdateAllViews(1);
    ASSERT_TRUE(mainCommands->ImportSmf());
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "DRIVE FOUR");
    EXPECT_EQ(fileDialogs.requests.back().fileName, "") << "an open dialog proposes no name";

    ASSERT_TRUE(mainCommands->Undo()) << "the import's undo step covers every area";
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "OVERWRITTEN");

    // A file that is not an SMF: message 4.
    QFile junk(folder.filePath("junk.mid"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a MIDI file");
    junk.close();
    fileDialogs.answer = junk.fileName();
    EXPECT_FALSE(mainCommands->ImportSmf());
    EXPECT_EQ(Shown(), std::vector<std::string>{"The file could not be loaded."});
}

TEST_F(CommandsTest, ImportSaysWhatItTookAndRefusesAFileWithNothingForTheUnit) {
    QTemporaryDir folder;
    State().SetArea(4);
    windows.UpdateAllViews(1);
    AsPatch(main->Shown().At(3))->SetName("DRIVE FOUR");
    fileDialogs.answer = folder.filePath("bank.mid");
    ASSERT_TRUE(mainCommands->ExportSmf(false));
    AsPatch(main->data->GetArray(4).At(3))->SetName("OVERWRITTEN");
    ASSERT_TRUE(mainCommands->ImportSmf());
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "DRIVE FOUR");
    EXPECT_EQ(main->statuses, (std::vector<std::string>{"10 patches saved to bank.mid",
                                                        "10 patches imported (SOUND LIBRARY: DRIVE 1\xE2\x80\x93"
                                                        "10)"}));

    // A proper SMF without one data set for the unit changes nothing and
    // says so, as a SysEx file without one does.
    QFile empty(folder.filePath("empty.mid"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x0C"
                           "\0\xF0\x05\x7E\x10\x06\x01\xF7\0\xFF\x2F\0",
                           14 + 8 + 12));
    empty.close();
    AsPatch(main->data->GetArray(4).At(3))->SetName("KEPT");
    fileDialogs.answer = empty.fileName();
    EXPECT_FALSE(mainCommands->ImportSmf());
    EXPECT_EQ(Shown(), std::vector<std::string>{"The file holds no data for the ZM-47. Nothing was changed."});
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "KEPT");
    EXPECT_EQ(main->statuses.back(), "Import SMF failed") << "after the message that says why";
    EXPECT_EQ(main->statuses.size(), 3u);
}

} // namespace
} // namespace commandstest
