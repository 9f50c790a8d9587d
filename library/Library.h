#pragma once
// The library: every patch the librarian has seen, stored once by content,
// every state of the unit it has seen (area by area, by time), and every
// librarian, SysEx and SMF file it has opened, saved or imported. One SQLite
// file, shared by the window program and zm47-cli at the same time.
//
// The library is an index and a history. It never replaces a user's file and
// never stops a transfer or a file operation: when it cannot be opened (a
// damaged file or one from a newer version, which is set aside) Open gives
// null and the program goes on without history; when it cannot record (a
// full disk, a read-only folder) the first failure is reported once and the
// recording calls just return false.
//
// Slots: a unit state covers some or all patches of one area ("slots",
// indexes from 0). A read of selected patches or a write of some patches
// makes a state of only those slots; the last known state of an area takes
// each slot from the newest state that covers it.
#include "data/ImageData.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
class CSqlCache;
class CSqlTransaction;

using LibraryId = std::int64_t;

// What happened to the unit when a state was recorded.
enum class EUnitEvent : int {
    kRead = 0,        // read from the unit (the start-up read too)
    kBeforeWrite = 1, // read for the backup just before a write overwrote it
    kWritten = 2,     // what a write sent
};

// For a written state: whether the written patches were read back.
enum class EVerify : int { kNotChecked = 0, kPassed = 1, kFailed = 2 };

// How a file came to the library.
enum class EFileEvent : int {
    kOpened = 0,   // a librarian file opened in a window
    kSaved = 1,    // a librarian file saved (or written by zm47-cli)
    kImported = 2, // a SysEx or SMF file imported
    kAdded = 3,    // taken in on the user's request (zm47-cli library add)
};

// "read", "before write", "written".
std::string UnitEventName(EUnitEvent event);
// "opened", "saved", "imported", "added".
std::string FileEventName(EFileEvent event);
// ISO 8601 local time without zone: "2026-12-08T10:00:00".
std::string LocalTimeText(std::time_t time);

// One state of one area of the unit, without its patches.
struct CStateInfo {
    LibraryId id = 0;
    std::time_t time = 0;
    int area = 1; // 1 MEMORY, 2..7 the sound library banks
    EUnitEvent event = EUnitEvent::kRead;
    EVerify verify = EVerify::kNotChecked;
    // How many of the state's slots hold another patch than the area's last
    // known state before it; nullopt when the area had no earlier state.
    std::optional<int> changed;
    // How many slots the state covers (the area's patch count when whole).
    int slotCount = 0;
};

// A state with its patches: one entry per slot of the area (60 for MEMORY,
// 10 for a bank); a slot the state does not cover holds nullopt.
struct CUnitState {
    CStateInfo info;
    std::vector<std::optional<CPatch>> patches;
    // The library's id of each slot's patch (0 where the slot is nullopt).
    std::vector<LibraryId> patchIds;
};

// The last known contents of an area: each slot from the newest state that
// covers it (nullopt when no state ever did).
struct CLastKnownState {
    int area = 1;
    // The newest state that contributed, and its time; 0 when the area has
    // no state at all.
    LibraryId newestId = 0;
    std::time_t newestTime = 0;
    std::vector<std::optional<CPatch>> patches;
    // When each slot's patch was last seen there (0 where unknown).
    std::vector<std::time_t> slotTimes;
};

// One file the library has seen.
struct CFileInfo {
    LibraryId id = 0;
    std::filesystem::path path;
    std::time_t time = 0;
    EFileEvent event = EFileEvent::kOpened;
    int patchCount = 0;
};

// Where a patch is or was.
struct CPlace {
    enum class Kind { kUnit, kFile };
    Kind kind = Kind::kUnit;
    // kUnit: the slot; now is true when the area's last known state still
    // holds the patch there, else time is the newest state that held it.
    int area = 1;
    int index = 0;
    bool now = false;
    std::time_t time = 0;
    // kFile: the file's path and the patch's number in it (from 1), as the
    // newest sighting of that path held it.
    std::filesystem::path path;
    int number = 0;
};
// "MEMORY 4 (unit, now)", "MEMORY 4 (unit, 2026-12-01T10:00:00)" or
// "/path/file.z4l #7".
std::string PlaceText(const CPlace& place);

// One distinct patch found, with every place it is or was.
struct CFoundPatch {
    LibraryId id = 0;
    CPatch patch;
    std::vector<CPlace> places;
};

// One distinct patch of a slot's history: when it was first and last seen
// there.
struct CSlotPatch {
    LibraryId id = 0;
    CPatch patch;
    std::time_t firstSeen = 0;
    std::time_t lastSeen = 0;
};

class CLibrary {
public:
    // The schema this program writes. A library of a lower version is
    // migrated when opened; one of a higher version is set aside.
    static constexpr int kSchemaVersion = 2;

    // "library.sqlite" in the user's data folder:
    // $XDG_DATA_HOME (or ~/.local/share) + "/Tessan/ZM-47 Librarian", the
    // folder that also holds "backups".
    static std::filesystem::path DefaultPath();

    // Opens (or creates, with its folder) the library at path. Null when it
    // cannot be used: a damaged file or one of a newer schema is renamed
    // beside itself with the date ("library.sqlite.set-aside-2026-12-08_101500")
    // and message 100 or 101 is shown; a file that cannot be created shows
    // message 102. Either way the caller goes on without history.
    static std::unique_ptr<CLibrary> Open(const std::filesystem::path& path);

    ~CLibrary();
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // ---- Recording. Each returns the new row's id, or 0 when nothing could
    // be recorded (reported once per library object, message 103).

    // A state of area `area` (1..7): the patches of `areaPatches` (the
    // area's array, indexed by slot) at the listed slot indexes; an empty
    // list means every slot of the area. Slots beyond the array are skipped.
    LibraryId RecordUnitState(int area, EUnitEvent event, const std::vector<int>& indexes,
                              const CParameterArray& areaPatches, EVerify verify = EVerify::kNotChecked,
                              std::time_t when = std::time(nullptr));
    // A file's patches in file order.
    LibraryId RecordFile(const std::filesystem::path& path, EFileEvent event, const CParameterArray& patches,
                         std::time_t when = std::time(nullptr));
    // The backup that a write made before it overwrote patches (a librarian
    // file of the overwritten patches in index order, first memo naming the
    // slot), recorded as a "before write" state of area `area` at the
    // listed indexes (empty: the slots the first memos name). The memos the
    // backup added are not part of the state.
    LibraryId RecordBackupFile(const std::filesystem::path& backupFile, int area, const std::vector<int>& indexes,
                               std::time_t when);
    // Takes in the backups in folder ("2026-03-14_093012_MEMORY.z4l") that
    // the library has never seen, each as a "before write" state dated by its
    // name; a backup whose slots cannot be told is recorded as a file only.
    // Done once per file: the library remembers the names it took. The
    // number of backups taken in.
    int TakeInBackups(const std::filesystem::path& folder);

    // ---- Reading.

    // The states, newest first; area 0 means every area; limit 0 no limit.
    std::vector<CStateInfo> History(int area = 0, int limit = 0);
    std::optional<CStateInfo> StateInfo(LibraryId id);
    std::optional<CUnitState> State(LibraryId id);
    CLastKnownState LastKnownState(int area);
    std::vector<CFileInfo> Files(int limit = 0);
    // The patches of the newest sighting of a file (empty when never seen).
    std::optional<std::vector<CPatch>> FilePatches(const std::filesystem::path& path);
    // Every distinct patch whose name or memo contains text, ignoring case
    // (memos in either code page); at most limit (0 no limit), by id.
    std::vector<CFoundPatch> Find(std::string_view text, int limit = 0);
    // Groups of at least two distinct patches of the library with the same
    // sound (bytes 0 to 95), each with its places.
    std::vector<std::vector<CFoundPatch>> Duplicates();
    // Every distinct patch slot `index` of `area` has held, oldest first.
    std::vector<CSlotPatch> SlotHistory(int area, int index);
    // Counts, for reports and benchmarks.
    std::int64_t PatchCount();
    std::int64_t StateCount();

    // ---- Maintenance, only when the user asks.

    // Deletes the states and file sightings older than `before`, then the
    // patches nothing refers to any more. The number of states and
    // sightings deleted, or -1 on failure.
    int ForgetOlderThan(std::time_t before);
    // SQLite's integrity check (and the foreign key check): true when both
    // find nothing; problems get their lines.
    bool Check(std::vector<std::string>& problems);

    // The connection, for tests and benchmarks that prepare a library.
    sqlite3* Handle() { return db_; }

private:
    CLibrary(std::filesystem::path path, sqlite3* db);

    // Stores a patch once by content; its id, or 0 when the patch has no
    // 128-byte data (such a slot is left out) or the store failed.
    bool StorePatch(const CPatch& patch, LibraryId& id);
    bool StoreList(const std::vector<LibraryId>& ids, LibraryId& id);
    // The patch ids of the area's last known state, one per slot (0 unknown);
    // false when the area has no state at all.
    bool LastKnownIds(int area, std::vector<LibraryId>& ids, std::vector<std::time_t>* times = nullptr);
    bool LoadPatch(LibraryId id, CPatch& patch);
    bool LoadList(LibraryId id, std::vector<LibraryId>& ids);
    // Message 103 the first time recording fails.
    void RecordingFailed();
    // Ends a recording whose last step inserted a row (inserted: whether it
    // ran): the row's id once the transaction is committed, else 0 with the
    // failure reported.
    LibraryId CommitInsert(CSqlTransaction& transaction, bool inserted);

    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<CSqlCache> cache_;
    bool reportedFailure_ = false;
};
