#include "library/Schema.h"

#include "library/Library.h"
#include "library/Sqlite.h"
#include "library/Store.h"
#include "library/StoredForms.h"

#include <map>
#include <optional>
#include <vector>

const std::string_view kSchemaVersion1 = R"(
CREATE TABLE patches(id INTEGER PRIMARY KEY, hash INTEGER NOT NULL, data BLOB NOT NULL, memos BLOB NOT NULL);
CREATE INDEX patches_hash ON patches(hash);
CREATE TABLE states(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, area INTEGER NOT NULL, event INTEGER NOT NULL,
                    verify INTEGER NOT NULL DEFAULT 0);
CREATE TABLE state_slots(state INTEGER NOT NULL REFERENCES states(id), slot INTEGER NOT NULL,
                         patch INTEGER NOT NULL REFERENCES patches(id), PRIMARY KEY(state, slot)) WITHOUT ROWID;
CREATE TABLE files(id INTEGER PRIMARY KEY, path TEXT NOT NULL, time INTEGER NOT NULL, event INTEGER NOT NULL);
CREATE TABLE file_patches(file INTEGER NOT NULL REFERENCES files(id), position INTEGER NOT NULL,
                          patch INTEGER NOT NULL REFERENCES patches(id), PRIMARY KEY(file, position)) WITHOUT ROWID;
PRAGMA user_version = 1;
)";

namespace {

// Version 2: a state is one small row naming a list of patch ids that is
// stored once by content, so reading an unchanged unit adds one row per
// area; memos are sets of their own; find has a trigram index.
//
// states has no index besides its id on purpose: every lookup walks it
// newest first, and an index would double what each read adds.
constexpr std::string_view kCreateVersion2 = R"(
CREATE TABLE memo_sets(id INTEGER PRIMARY KEY, hash INTEGER NOT NULL, memos BLOB NOT NULL);
CREATE INDEX memo_sets_hash ON memo_sets(hash);
CREATE TABLE patches(id INTEGER PRIMARY KEY, hash INTEGER NOT NULL, sound_hash INTEGER NOT NULL,
                     data BLOB NOT NULL, memo_set INTEGER REFERENCES memo_sets(id));
CREATE INDEX patches_hash ON patches(hash);
CREATE INDEX patches_sound ON patches(sound_hash);
CREATE VIRTUAL TABLE patch_search USING fts5(text, tokenize = 'trigram', detail = 'none');
CREATE TABLE slot_lists(id INTEGER PRIMARY KEY, hash INTEGER NOT NULL, slots BLOB NOT NULL);
CREATE INDEX slot_lists_hash ON slot_lists(hash);
CREATE TABLE list_patches(patch INTEGER NOT NULL REFERENCES patches(id),
                          list INTEGER NOT NULL REFERENCES slot_lists(id) ON DELETE CASCADE,
                          position INTEGER NOT NULL, PRIMARY KEY(patch, list, position)) WITHOUT ROWID;
CREATE INDEX list_patches_list ON list_patches(list);
CREATE TABLE states(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, area INTEGER NOT NULL, event INTEGER NOT NULL,
                    verify INTEGER NOT NULL, changed INTEGER, list INTEGER NOT NULL REFERENCES slot_lists(id));
CREATE TABLE files(id INTEGER PRIMARY KEY, path TEXT NOT NULL, time INTEGER NOT NULL, event INTEGER NOT NULL,
                   list INTEGER NOT NULL REFERENCES slot_lists(id));
CREATE INDEX files_path ON files(path);
CREATE TABLE taken_backups(name TEXT PRIMARY KEY) WITHOUT ROWID;
)";

int ErrorOf(sqlite3* db) {
    const int code = sqlite3_extended_errcode(db);
    return code == SQLITE_OK ? SQLITE_ERROR : code;
}

// Lists of version 1 rows as version 2 lists: ids by position.
bool CollectLists(sqlite3* db, std::string_view sql, std::map<std::int64_t, std::vector<std::int64_t>>& lists) {
    CSqlStatement rows(db, sql);
    int step;
    while ((step = rows.Step()) == SQLITE_ROW) {
        const std::int64_t position = rows.Int(1);
        // One list holds at most a file's patches; a position beyond that is
        // a damaged row.
        if (position < 0 || position > 1000000)
            return false;
        auto& ids = lists[rows.Int(0)];
        if (ids.size() <= static_cast<std::size_t>(position))
            ids.resize(static_cast<std::size_t>(position) + 1, 0);
        ids[static_cast<std::size_t>(position)] = rows.Int(2);
    }
    return step == SQLITE_DONE;
}

// Version 1 to 2. Patches keep their ids; each state and file becomes one
// row with its list; the changes are counted as a new recording counts them.
int MigrateFrom1(sqlite3* db) {
    CSqlCache cache(db);
    if (!ExecSql(db, "ALTER TABLE patches RENAME TO patches_v1; ALTER TABLE states RENAME TO states_v1; "
                     "ALTER TABLE files RENAME TO files_v1; DROP INDEX patches_hash;") ||
        !ExecSql(db, kCreateVersion2))
        return ErrorOf(db);
    std::map<std::int64_t, std::int64_t> patchIds; // old id -> new id
    {
        CSqlStatement old(db, "SELECT id, data, memos FROM patches_v1 ORDER BY id");
        int step;
        while ((step = old.Step()) == SQLITE_ROW) {
            CPatch patch;
            if (!PatchFromStored(old.Blob(1), old.Blob(2), patch))
                return SQLITE_CORRUPT;
            std::int64_t id = 0;
            if (!StorePatchRow(cache, patch, id))
                return ErrorOf(db);
            patchIds[old.Int(0)] = id;
        }
        if (step != SQLITE_DONE)
            return ErrorOf(db);
    }
    auto remap = [&patchIds](std::vector<std::int64_t>& ids) {
        for (auto& id : ids) {
            if (id == 0)
                continue;
            const auto found = patchIds.find(id);
            if (found == patchIds.end())
                return false;
            id = found->second;
        }
        return true;
    };
    std::map<std::int64_t, std::vector<std::int64_t>> stateLists;
    if (!CollectLists(db, "SELECT state, slot, patch FROM state_slots", stateLists))
        return SQLITE_CORRUPT;
    {
        std::map<int, std::vector<std::int64_t>> known; // area -> last known ids
        CSqlStatement states(db, "SELECT id, time, area, event, verify FROM states_v1 ORDER BY id");
        CSqlStatement insert(db, "INSERT INTO states(id, time, area, event, verify, changed, list) "
                                 "VALUES(?, ?, ?, ?, ?, ?, ?)");
        int step;
        while ((step = states.Step()) == SQLITE_ROW) {
            std::vector<std::int64_t> ids = stateLists[states.Int(0)];
            if (!remap(ids))
                return SQLITE_CORRUPT;
            const int area = static_cast<int>(states.Int(2));
            std::optional<int> changed;
            auto& last = known[area];
            if (!last.empty()) {
                changed = 0;
                for (std::size_t i = 0; i < ids.size(); ++i)
                    if (ids[i] != 0 && (i >= last.size() || last[i] != ids[i]))
                        ++*changed;
            }
            if (last.size() < ids.size())
                last.resize(ids.size(), 0);
            for (std::size_t i = 0; i < ids.size(); ++i)
                if (ids[i] != 0)
                    last[i] = ids[i];
            std::int64_t list = 0;
            if (!StoreListRow(cache, ids, list))
                return ErrorOf(db);
            insert.Bind(1, states.Int(0)).Bind(2, states.Int(1)).Bind(3, area).Bind(4, states.Int(3));
            insert.Bind(5, states.Int(4)).Bind(7, list);
            if (changed)
                insert.Bind(6, static_cast<std::int64_t>(*changed));
            else
                insert.BindNull(6);
            if (!insert.Run())
                return ErrorOf(db);
        }
        if (step != SQLITE_DONE)
            return ErrorOf(db);
    }
    std::map<std::int64_t, std::vector<std::int64_t>> fileLists;
    if (!CollectLists(db, "SELECT file, position, patch FROM file_patches", fileLists))
        return SQLITE_CORRUPT;
    {
        CSqlStatement files(db, "SELECT id, path, time, event FROM files_v1 ORDER BY id");
        CSqlStatement insert(db, "INSERT INTO files(id, path, time, event, list) VALUES(?, ?, ?, ?, ?)");
        int step;
        while ((step = files.Step()) == SQLITE_ROW) {
            std::vector<std::int64_t> ids = fileLists[files.Int(0)];
            std::int64_t list = 0;
            if (!remap(ids))
                return SQLITE_CORRUPT;
            if (!StoreListRow(cache, ids, list))
                return ErrorOf(db);
            insert.Bind(1, files.Int(0)).Bind(2, files.Text(1)).Bind(3, files.Int(2)).Bind(4, files.Int(3));
            if (!insert.Bind(5, list).Run())
                return ErrorOf(db);
        }
        if (step != SQLITE_DONE)
            return ErrorOf(db);
    }
    if (!ExecSql(db, "DROP TABLE state_slots; DROP TABLE file_patches; DROP TABLE states_v1; "
                     "DROP TABLE files_v1; DROP TABLE patches_v1;"))
        return ErrorOf(db);
    return SQLITE_OK;
}

} // namespace

int BringSchemaUpToDate(sqlite3* db) {
    CSqlTransaction transaction(db);
    if (!transaction.Began())
        return ErrorOf(db);
    // Read again inside the transaction: the other program may have
    // created or migrated the library meanwhile.
    int version = 0;
    {
        CSqlStatement read(db, "PRAGMA user_version");
        const int step = read.Step();
        if (step != SQLITE_ROW)
            return step;
        version = static_cast<int>(read.Int(0));
    }
    if (version == CLibrary::kSchemaVersion)
        return SQLITE_OK;
    if (version > CLibrary::kSchemaVersion)
        return kSchemaNewer;
    if (version == 0) {
        // A file with tables but no version is not one of ours.
        CSqlStatement tables(db, "SELECT count(*) FROM sqlite_master");
        if (tables.Step() != SQLITE_ROW)
            return ErrorOf(db);
        if (tables.Int(0) != 0)
            return SQLITE_NOTADB;
        if (!ExecSql(db, kCreateVersion2))
            return ErrorOf(db);
    } else if (version == 1) {
        // Foreign keys are checked at the end of the migration, not while the
        // old tables are renamed.
        ExecSql(db, "PRAGMA defer_foreign_keys = ON");
        const int migrated = MigrateFrom1(db);
        if (migrated != SQLITE_OK)
            return migrated;
    }
    if (!ExecSql(db, "PRAGMA user_version = " + std::to_string(CLibrary::kSchemaVersion)))
        return ErrorOf(db);
    return transaction.Commit() ? SQLITE_OK : ErrorOf(db);
}
