// The library file: storing by content, states and their merge, find,
// backups taken in, forgetting, and opening damaged, newer and older files.
#include "LibraryTestSupport.h"

#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "library/Schema.h"
#include "library/Sqlite.h"
#include "library/StoredForms.h"
#include "tests/support/CapturingTextDialog.h"

#include <fstream>

using namespace librarytest;

namespace {

std::unique_ptr<CLibrary> OpenIn(const TempDir& dir) { return CLibrary::Open(dir.path() / "library.sqlite"); }

std::int64_t Count(CLibrary& library, const char* table) {
    CSqlStatement count(library.Handle(), std::string("SELECT count(*) FROM ") + table);
    return count.Step() == SQLITE_ROW ? count.Int(0) : -1;
}

std::vector<std::filesystem::path> SetAsideFiles(const TempDir& dir) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().starts_with("library.sqlite.set-aside-") &&
            entry.path().extension() != ".sqlite-wal")
            found.push_back(entry.path());
    return found;
}

} // namespace

TEST(LibraryStore, UnchangedReadsAddOneSmallRowEachAndNoPatch) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    const auto memory = MakeArea(1);
    ASSERT_NE(library->RecordUnitState(1, EUnitEvent::kRead, {}, memory), 0);
    const auto patches = library->PatchCount();
    const auto lists = Count(*library, "slot_lists");
    const auto members = Count(*library, "list_patches");
    for (int i = 0; i < 50; ++i)
        ASSERT_NE(library->RecordUnitState(1, EUnitEvent::kRead, {}, memory), 0);
    EXPECT_EQ(patches, 60);
    EXPECT_EQ(library->PatchCount(), patches);
    EXPECT_EQ(Count(*library, "slot_lists"), lists);
    EXPECT_EQ(Count(*library, "list_patches"), members);
    EXPECT_EQ(library->StateCount(), 51);
    const auto history = library->History(1);
    ASSERT_EQ(history.size(), 51u);
    EXPECT_FALSE(history.back().changed.has_value()) << "the first state has nothing to compare with";
    EXPECT_EQ(history.front().changed, 0);
    EXPECT_EQ(history.front().slotCount, 60);
}

TEST(LibraryStore, EqualContentsShareRowsAndMemosMakeAnotherPatch) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    CPatch memo = MakePatch(1, "Same");
    memo.SetMemo(3, "live set");
    const auto file = FileOf({MakePatch(1, "Same"), MakePatch(1, "Same"), memo});
    ASSERT_NE(library->RecordFile(dir.path() / "a.z4l", EFileEvent::kOpened, file), 0);
    EXPECT_EQ(library->PatchCount(), 2);
    EXPECT_EQ(Count(*library, "memo_sets"), 1);
    const auto back = library->FilePatches(dir.path() / "a.z4l");
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 3u);
    EXPECT_EQ((*back)[2].GetMemo(3), "live set");
    EXPECT_EQ((*back)[0].GetMemo(3), "");
    EXPECT_TRUE(std::equal((*back)[1].Data(), (*back)[1].Data() + 128, file[1].FindSegment(0, 0)->begin()));
}

TEST(LibraryStates, ChangesAreCountedAndPartialStatesMergeIntoTheLastKnownState) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    auto bank = MakeArea(3, 100);
    ASSERT_NE(library->RecordUnitState(3, EUnitEvent::kRead, {}, bank, EVerify::kNotChecked, 1000), 0);
    // Slot 4 edited on the unit's panel, then only slots 4 and 7 read again.
    bank[4] = MakePatch(500, "Edited");
    const auto partial = library->RecordUnitState(3, EUnitEvent::kRead, {4, 7}, bank, EVerify::kNotChecked, 2000);
    ASSERT_NE(partial, 0);
    const auto info = library->StateInfo(partial);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->changed, 1);
    EXPECT_EQ(info->slotCount, 2);
    const auto state = library->State(partial);
    ASSERT_TRUE(state);
    ASSERT_EQ(state->patches.size(), 10u);
    EXPECT_FALSE(state->patches[0]);
    ASSERT_TRUE(state->patches[4]);
    EXPECT_EQ(state->patches[4]->GetName(), "Edited");

    const CLastKnownState last = library->LastKnownState(3);
    EXPECT_EQ(last.newestId, partial);
    ASSERT_EQ(last.patches.size(), 10u);
    ASSERT_TRUE(last.patches[0] && last.patches[4]);
    EXPECT_EQ(last.patches[0]->GetName(), "Patch 100");
    EXPECT_EQ(last.patches[4]->GetName(), "Edited");
    EXPECT_EQ(last.slotTimes[0], 1000);
    EXPECT_EQ(last.slotTimes[4], 2000);
    // Another area knows nothing.
    EXPECT_EQ(library->LastKnownState(2).newestId, 0);
    EXPECT_FALSE(library->LastKnownState(2).patches[0]);

    const auto slot = library->SlotHistory(3, 4);
    ASSERT_EQ(slot.size(), 2u);
    EXPECT_EQ(slot[0].patch.GetName(), "Patch 104");
    EXPECT_EQ(slot[1].patch.GetName(), "Edited");
    EXPECT_EQ(slot[1].firstSeen, 2000);
}

TEST(LibraryFind, NamesAndMemosIgnoringCaseInBothCodePagesWithTheirPlaces) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    auto memory = MakeArea(1);
    memory[3] = MakePatch(900, "Glass Chorus");
    // "クリーン" in code page 932.
    memory[5].SetMemo(2, "\x83\x4E\x83\x8A\x81\x5B\x83\x93");
    ASSERT_NE(library->RecordUnitState(1, EUnitEvent::kRead, {}, memory, EVerify::kNotChecked, 1000), 0);
    memory[3] = MakePatch(901, "Other");
    ASSERT_NE(library->RecordUnitState(1, EUnitEvent::kRead, {}, memory, EVerify::kNotChecked, 2000), 0);
    const auto file = FileOf({MakePatch(2, "x"), MakePatch(900, "Glass Chorus")});
    ASSERT_NE(library->RecordFile(dir.path() / "set.z4l", EFileEvent::kSaved, file), 0);

    const auto found = library->Find("gLASS cho");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].patch.GetName(), "Glass Chorus");
    ASSERT_EQ(found[0].places.size(), 2u);
    EXPECT_EQ(PlaceText(found[0].places[0]), "MEMORY 4 (unit, " + LocalTimeText(1000) + ")");
    EXPECT_EQ(PlaceText(found[0].places[1]), (dir.path() / "set.z4l").string() + " #2");

    const auto japanese = library->Find("リーン");
    ASSERT_EQ(japanese.size(), 1u);
    EXPECT_EQ(PlaceText(japanese[0].places[0]), "MEMORY 6 (unit, now)");
    // Short texts (which scan instead of using the index): any case, one
    // Japanese character, and LIKE's own characters.
    EXPECT_EQ(library->Find("Ot").size(), 1u);
    EXPECT_EQ(library->Find("oT").size(), 1u);
    EXPECT_EQ(library->Find("リ").size(), 1u);
    EXPECT_TRUE(library->Find("%").empty());
    EXPECT_TRUE(library->Find("Glass_Chorus").empty());
}

TEST(LibraryFind, DuplicatesAreSameSoundsWhateverTheNames) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    const auto file = FileOf({MakePatch(7, "First"), MakePatch(8, "Different"), MakePatch(7, "Renamed")});
    ASSERT_NE(library->RecordFile(dir.path() / "d.z4l", EFileEvent::kOpened, file), 0);
    const auto groups = library->Duplicates();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].size(), 2u);
    EXPECT_EQ(groups[0][0].patch.GetName(), "First");
    EXPECT_EQ(groups[0][1].patch.GetName(), "Renamed");
}

TEST(LibraryBackups, ExistingBackupsAreTakenInOnceAsBeforeWriteStatesDatedByTheirNames) {
    TempDir dir;
    const auto backups = dir.path() / "backups";
    std::filesystem::create_directories(backups);
    // A backup of selected patches names each patch's slot in its first memo.
    CFileDocument selected;
    CPatch patch = MakePatch(40, "Was Here");
    patch.SetMemo(1, "SOUND LIBRARY: CLEAN 3");
    selected.Patches().Append(patch.Clone());
    ASSERT_TRUE(WriteLibrarianFile(backups / "2026-03-14_093012_SOUND-LIBRARY-CLEAN.z4l", selected));
    CFileDocument whole;
    for (int i = 0; i < 60; ++i)
        whole.Patches().Append(MakePatch(i, "M" + std::to_string(i)).Clone());
    ASSERT_TRUE(WriteLibrarianFile(backups / "2026-03-15_100000_MEMORY_2.z4l", whole));
    ASSERT_TRUE(WriteLibrarianFile(backups / "notes.z4l", whole));

    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->TakeInBackups(backups), 2);
    EXPECT_EQ(library->TakeInBackups(backups), 0);
    const auto history = library->History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].area, 1);
    EXPECT_EQ(LocalTimeText(history[0].time), "2026-03-15T10:00:00");
    EXPECT_EQ(history[1].event, EUnitEvent::kBeforeWrite);
    EXPECT_EQ(LocalTimeText(history[1].time), "2026-03-14T09:30:12");
    const auto clean = library->State(history[1].id);
    ASSERT_TRUE(clean && clean->patches[2]);
    EXPECT_EQ(clean->patches[2]->GetName(), "Was Here");
    EXPECT_EQ(clean->patches[2]->GetMemo(1), "") << "the slot name is the backup's, not the unit's";
    EXPECT_EQ(clean->info.slotCount, 1);
}

TEST(LibraryMaintenance, ForgettingDropsOldStatesAndWhatOnlyTheyHeld) {
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    ASSERT_NE(library->RecordUnitState(2, EUnitEvent::kRead, {}, MakeArea(2, 1), EVerify::kNotChecked, 1000), 0);
    ASSERT_NE(library->RecordUnitState(2, EUnitEvent::kRead, {}, MakeArea(2, 5), EVerify::kNotChecked, 3000), 0);
    EXPECT_EQ(library->PatchCount(), 14);
    EXPECT_EQ(library->ForgetOlderThan(2000), 1);
    EXPECT_EQ(library->StateCount(), 1);
    EXPECT_EQ(library->PatchCount(), 10);
    EXPECT_TRUE(library->Find("Patch 2").empty());
    EXPECT_TRUE(library->Find(" 2").empty()) << "the scan of short texts sees no forgotten patch";
    EXPECT_EQ(library->Find("Patch 5").size(), 1u);
    std::vector<std::string> problems;
    EXPECT_TRUE(library->Check(problems)) << (problems.empty() ? "" : problems[0]);
}

TEST(LibraryOpen, TwoConnectionsRecordIntoTheSameFile) {
    TempDir dir;
    auto first = OpenIn(dir);
    auto second = OpenIn(dir);
    ASSERT_TRUE(first && second);
    ASSERT_NE(first->RecordUnitState(1, EUnitEvent::kRead, {}, MakeArea(1)), 0);
    ASSERT_NE(second->RecordUnitState(1, EUnitEvent::kRead, {}, MakeArea(1)), 0);
    EXPECT_EQ(first->StateCount(), 2);
    EXPECT_EQ(first->History(1).front().changed, 0) << "the second program saw the first one's state";
}

TEST(LibraryOpen, DamagedAndNewerLibrariesAreSetAsideAndANewOneIsUsed) {
    test::CapturingTextDialog dialog;
    TempDir dir;
    const auto path = dir.path() / "library.sqlite";
    {
        std::ofstream garbage(path, std::ios::binary);
        garbage << std::string(8192, 'x');
    }
    auto library = CLibrary::Open(path);
    ASSERT_TRUE(library);
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("damaged"), std::string::npos);
    ASSERT_EQ(SetAsideFiles(dir).size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find(SetAsideFiles(dir)[0].string()), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(SetAsideFiles(dir)[0]), 8192u) << "set aside untouched";
    EXPECT_NE(library->RecordUnitState(1, EUnitEvent::kRead, {}, MakeArea(1)), 0);
    library.reset();

    ASSERT_TRUE(ExecSql(CLibrary::Open(path)->Handle(), "PRAGMA user_version = 99"));
    dialog.clear();
    library = CLibrary::Open(path);
    ASSERT_TRUE(library);
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("newer version"), std::string::npos);
    EXPECT_EQ(library->StateCount(), 0);
}

TEST(LibraryOpen, AFolderThatCannotBeCreatedGivesNoLibraryAndOneMessage) {
    test::CapturingTextDialog dialog;
    TempDir dir;
    { std::ofstream file(dir.path() / "plain"); }
    EXPECT_FALSE(CLibrary::Open(dir.path() / "plain" / "library.sqlite"));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("could not be opened"), std::string::npos);
}

TEST(LibraryOpen, ARecordingThatCannotBeWrittenIsReportedOnceAndFails) {
    test::CapturingTextDialog dialog;
    TempDir dir;
    auto library = OpenIn(dir);
    ASSERT_TRUE(library);
    // As a full disk or a read-only file would: every write refused.
    ASSERT_TRUE(ExecSql(library->Handle(), "PRAGMA query_only = ON"));
    EXPECT_EQ(library->RecordUnitState(1, EUnitEvent::kRead, {}, MakeArea(1)), 0);
    EXPECT_EQ(library->RecordFile(dir.path() / "f.z4l", EFileEvent::kSaved, MakeArea(2)), 0);
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("could not be written"), std::string::npos);
    ASSERT_TRUE(ExecSql(library->Handle(), "PRAGMA query_only = OFF"));
    EXPECT_EQ(library->StateCount(), 0) << "nothing half-recorded";
    EXPECT_EQ(library->PatchCount(), 0);
}

TEST(LibraryOpen, AVersion1LibraryIsMigratedWithItsStatesFilesAndMemos) {
    TempDir dir;
    const auto path = dir.path() / "library.sqlite";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_TRUE(ExecSql(db, kSchemaVersion1));
        CSqlStatement patch(db, "INSERT INTO patches(id, hash, data, memos) VALUES(?, 0, ?, ?)");
        for (int id = 1; id <= 3; ++id) {
            CPatch made = MakePatch(id, "Old " + std::to_string(id));
            if (id == 3)
                made.SetMemo(4, "kept");
            const auto memos = EncodeMemos(made);
            ASSERT_TRUE(patch.Bind(1, id)
                            .Bind(2, std::span<const std::uint8_t>(made.Data(), 128))
                            .Bind(3, std::span<const std::uint8_t>(memos))
                            .Run());
        }
        ASSERT_TRUE(ExecSql(db, "INSERT INTO states VALUES(1, 1000, 2, 0, 0), (2, 2000, 2, 2, 1);"
                                "INSERT INTO state_slots VALUES(1, 0, 1), (1, 1, 2), (2, 1, 3);"
                                "INSERT INTO files VALUES(1, '/old/file.z4l', 1500, 1);"
                                "INSERT INTO file_patches VALUES(1, 0, 3), (1, 1, 1);"));
        sqlite3_close_v2(db);
    }
    auto library = CLibrary::Open(path);
    ASSERT_TRUE(library);
    CSqlStatement version(library->Handle(), "PRAGMA user_version");
    ASSERT_EQ(version.Step(), SQLITE_ROW);
    EXPECT_EQ(version.Int(0), CLibrary::kSchemaVersion);
    const auto history = library->History(2);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].event, EUnitEvent::kWritten);
    EXPECT_EQ(history[0].verify, EVerify::kPassed);
    EXPECT_EQ(history[0].changed, 1);
    EXPECT_EQ(history[1].slotCount, 2);
    const auto last = library->LastKnownState(2);
    ASSERT_TRUE(last.patches[0] && last.patches[1]);
    EXPECT_EQ(last.patches[0]->GetName(), "Old 1");
    EXPECT_EQ(last.patches[1]->GetMemo(4), "kept");
    const auto file = library->FilePatches("/old/file.z4l");
    ASSERT_TRUE(file && file->size() == 2u);
    EXPECT_EQ((*file)[1].GetName(), "Old 1");
    ASSERT_EQ(library->Find("old 2").size(), 1u);
    std::vector<std::string> problems;
    EXPECT_TRUE(library->Check(problems)) << (problems.empty() ? "" : problems[0]);
    // Recording goes on in the new form.
    EXPECT_NE(library->RecordUnitState(2, EUnitEvent::kRead, {}, MakeArea(2)), 0);
}
