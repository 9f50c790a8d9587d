// Import SysEx and Export SysEx of the main window, and Write with its
// read-back and backup as the settings ask for them.
#include "tests/commands/CommandsTestSupport.h"

#include "app/commands/AppCommands.h"
#include "data/LibrarianFile.h"

#include <QDir>
#include <QFile>

namespace commandstest {
namespace {

TEST_F(CommandsTest, SysExExportAndImportRoundTripAndAFileWithoutUnitDataChangesNothing) {
    QTemporaryDir folder;
    State().SetArea(4);
    windows.UpdateAllViews(1);
    AsPatch(main->Shown().At(3))->SetName("DRIVE FOUR");
    main->Select({3});
    fileDialogs.answer = folder.filePath("one.syx");
    ASSERT_TRUE(mainCommands->ExportSysEx(true));
    EXPECT_EQ(fileDialogs.requests.back().fileName, "Untitled.syx");
    EXPECT_EQ(QFile(folder.filePath("one.syx")).size(), 141);
    EXPECT_EQ(main->profile.GetString("SysEx/InitialFileName", ""), "one.syx");

    // A file of junk: asked first, then refused with no undo step made.
    QFile junk(folder.filePath("junk.syx"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\xF0\x7E\x10\x06\x01\xF7 not for the unit");
    junk.close();
    AsPatch(main->data->GetArray(4).At(3))->SetName("OVERWRITTEN");
    fileDialogs.answer = junk.fileName();
    EXPECT_FALSE(mainCommands->ImportSysEx());
    EXPECT_EQ(confirmation.kinds, std::vector<int>{kWarnImportSysEx});
    EXPECT_EQ(Shown(), std::vector<std::string>{"The file holds no data for the ZM-47. Nothing was changed."});
    EXPECT_FALSE(mainCommands->IsCommandEnabled(kCmdUndo));
    EXPECT_EQ(main->profile.GetString("SysEx/InitialFileName", ""), "one.syx");

    fileDialogs.answer = folder.filePath("one.syx");
    ASSERT_TRUE(mainCommands->ImportSysEx());
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "DRIVE FOUR");
    EXPECT_EQ(main->statuses, (std::vector<std::string>{"1 patch saved to one.syx", "Import SysEx failed",
                                                        "1 patch imported (SOUND LIBRARY: DRIVE 4)"}));
    EXPECT_EQ(QDir(fileDialogs.requests.back().folder), QDir(folder.path())) << "the remembered folder";
    ASSERT_TRUE(mainCommands->Undo());
    EXPECT_EQ(NameOf(main->data->GetArray(4), 3), "OVERWRITTEN");
}

TEST_F(CommandsTest, WriteBacksUpAndVerifiesUntilTheSettingsTurnThemOff) {
    CAppCommands app(windows, State());
    app.SetProfile(&main->profile);
    EXPECT_TRUE(app.IsCommandChecked(kCmdVerifyWrites)) << "on by default";
    EXPECT_TRUE(app.IsCommandChecked(kCmdBackUpBeforeWriting)) << "on by default";
    const CPatch before = *Unit().Patch(1, 5);
    AsPatch(main->Shown().At(5))->SetName("WRITTEN");
    main->Select({2, 5});
    session->Simulator()->SetFaults({.corruptStore = 2, .corruptStays = true});

    EXPECT_FALSE(mainCommands->WritePatches(true));
    EXPECT_EQ(Shown(), std::vector<std::string>{"The ZM-47 did not store these patches as they were written:"});
    EXPECT_NE(dialog.shown().back().text.find("\nMEMORY 6\n"), std::string::npos);
    const QStringList made = QDir(backups.path()).entryList({"*_MEMORY.z4l"}, QDir::Files);
    ASSERT_EQ(made.size(), 1);
    CFileDocument backup;
    ASSERT_TRUE(ReadLibrarianFile(QFile::encodeName(QDir(backups.path()).filePath(made[0])).toStdString(), backup));
    ASSERT_EQ(backup.Patches().Size(), 2u);
    EXPECT_EQ(AsPatch(backup.Patches().At(1))->GetName(), before.GetName());
    EXPECT_EQ(backup.Patches()[1].GetMemo(1), "MEMORY 6");

    // Both off: a plain write, no read at all.
    dialog.clear();
    session->Simulator()->SetFaults({});
    app.OnCommand(kCmdVerifyWrites);
    app.OnCommand(kCmdBackUpBeforeWriting);
    EXPECT_FALSE(app.IsCommandChecked(kCmdVerifyWrites));
    EXPECT_FALSE(app.IsCommandChecked(kCmdBackUpBeforeWriting));
    const int requests = Unit().DataRequests();
    ASSERT_TRUE(mainCommands->WritePatches(true));
    EXPECT_EQ(Unit().DataRequests(), requests);
    EXPECT_EQ(QDir(backups.path()).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(Shown().empty());
}

} // namespace
} // namespace commandstest
