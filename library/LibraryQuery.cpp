// Reading the library: history, states, places of patches, find,
// duplicates; and the maintenance the user asks for.
#include "library/Library.h"

#include "data/ParameterAddress.h"
#include "library/Sqlite.h"
#include "library/StoredForms.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

int AreaSize(int area) { return CParameterAddress().PatchCount(area); }

constexpr std::string_view kStateColumns =
    "SELECT s.id, s.time, s.area, s.event, s.verify, s.changed, l.slots FROM states s "
    "JOIN slot_lists l ON l.id = s.list ";

int CountCovered(const std::vector<LibraryId>& ids) {
    return static_cast<int>(std::count_if(ids.begin(), ids.end(), [](LibraryId id) { return id != 0; }));
}

bool ReadStateInfo(const CSqlStatement& row, CStateInfo& info, std::vector<LibraryId>& ids) {
    info.id = row.Int(0);
    info.time = static_cast<std::time_t>(row.Int(1));
    info.area = static_cast<int>(row.Int(2));
    const std::int64_t event = row.Int(3);
    const std::int64_t verify = row.Int(4);
    if (info.area < 1 || info.area > 7 || event < 0 || event > 2 || verify < 0 || verify > 2)
        return false;
    info.event = static_cast<EUnitEvent>(event);
    info.verify = static_cast<EVerify>(verify);
    info.changed = row.IsNull(5) ? std::nullopt : std::optional<int>(static_cast<int>(row.Int(5)));
    if (!DecodeSlotList(row.Blob(6), ids))
        return false;
    info.slotCount = CountCovered(ids);
    return true;
}

// The state of id with its slot list; false when there is none or it is
// damaged.
bool ReadState(sqlite3* db, LibraryId id, CStateInfo& info, std::vector<LibraryId>& ids) {
    CSqlStatement row(db, std::string(kStateColumns) + "WHERE s.id = ?");
    row.Bind(1, id);
    return row.Step() == SQLITE_ROW && ReadStateInfo(row, info, ids);
}

// LIKE pattern for a text anywhere, with LIKE's own characters escaped.
std::string ContainsPattern(std::string_view text) {
    std::string pattern = "%";
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

// Characters, not bytes, of a UTF-8 text: the bytes that do not continue a
// character.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::vector<CStateInfo> CLibrary::History(int area, int limit) {
    std::string sql(kStateColumns);
    if (area != 0)
        sql += "WHERE s.area = ? ";
    sql += "ORDER BY s.id DESC";
    if (limit > 0)
        sql += " LIMIT " + std::to_string(limit);
    CSqlStatement rows(db_, sql);
    if (area != 0)
        rows.Bind(1, area);
    std::vector<CStateInfo> history;
    while (rows.Step() == SQLITE_ROW) {
        CStateInfo info;
        std::vector<LibraryId> ids;
        if (ReadStateInfo(rows, info, ids))
            history.push_back(info);
    }
    return history;
}

std::optional<CStateInfo> CLibrary::StateInfo(LibraryId id) {
    CStateInfo info;
    std::vector<LibraryId> ids;
    if (!ReadState(db_, id, info, ids))
        return std::nullopt;
    return info;
}

std::optional<CUnitState> CLibrary::State(LibraryId id) {
    CUnitState state;
    std::vector<LibraryId> ids;
    if (!ReadState(db_, id, state.info, ids))
        return std::nullopt;
    const auto size = static_cast<std::size_t>(AreaSize(state.info.area));
    ids.resize(size, 0);
    state.patches.resize(size);
    state.patchIds = ids;
    for (std::size_t i = 0; i < size; ++i) {
        if (ids[i] == 0)
            continue;
        CPatch patch;
        if (!LoadPatch(ids[i], patch))
            return std::nullopt;
        state.patches[i] = std::move(patch);
    }
    return state;
}

CLastKnownState CLibrary::LastKnownState(int area) {
    CLastKnownState state;
    state.area = area;
    const auto size = static_cast<std::size_t>(AreaSize(area));
    state.patches.resize(size);
    std::vector<LibraryId> ids;
    if (!LastKnownIds(area, ids, &state.slotTimes))
        return state;
    CSqlStatement newest(db_, "SELECT id, time FROM states WHERE area = ? ORDER BY id DESC LIMIT 1");
    newest.Bind(1, area);
    if (newest.Step() == SQLITE_ROW) {
        state.newestId = newest.Int(0);
        state.newestTime = static_cast<std::time_t>(newest.Int(1));
    }
    for (std::size_t i = 0; i < size; ++i) {
        CPatch patch;
        if (ids[i] != 0 && LoadPatch(ids[i], patch))
            state.patches[i] = std::move(patch);
        else
            state.slotTimes[i] = 0;
    }
    return state;
}

std::vector<CFileInfo> CLibrary::Files(int limit) {
    std::string sql = "SELECT f.id, f.path, f.time, f.event, l.slots FROM files f JOIN slot_lists l ON l.id = f.list "
                      "ORDER BY f.id DESC";
    if (limit > 0)
        sql += " LIMIT " + std::to_string(limit);
    CSqlStatement rows(db_, sql);
    std::vector<CFileInfo> files;
    while (rows.Step() == SQLITE_ROW) {
        CFileInfo file;
        std::vector<LibraryId> ids;
        const std::int64_t event = rows.Int(3);
        if (event < 0 || event > 3 || !DecodeSlotList(rows.Blob(4), ids))
            continue;
        file.id = rows.Int(0);
        file.path = rows.Text(1);
        file.time = static_cast<std::time_t>(rows.Int(2));
        file.event = static_cast<EFileEvent>(event);
        file.patchCount = static_cast<int>(ids.size());
        files.push_back(file);
    }
    return files;
}

std::optional<std::vector<CPatch>> CLibrary::FilePatches(const std::filesystem::path& path) {
    CSqlStatement row(db_, "SELECT list FROM files WHERE path = ? ORDER BY id DESC LIMIT 1");
    row.Bind(1, path.string());
    std::vector<LibraryId> ids;
    if (row.Step() != SQLITE_ROW || !LoadList(row.Int(0), ids))
        return std::nullopt;
    std::vector<CPatch> patches(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] != 0 && !LoadPatch(ids[i], patches[i]))
            return std::nullopt;
    return patches;
}

namespace {

// What the places of many patches are worked out from, read once per query:
// for each list, the newest state of each area that used it and the paths
// whose newest sighting it is; and each area's last known patch ids.
struct CPlaceIndex {
    std::map<std::pair<LibraryId, int>, std::time_t> stateLists; // (list, area) -> newest time
    std::map<LibraryId, std::vector<std::string>> fileLists;     // list -> paths
    std::map<int, std::vector<LibraryId>> now;                   // area -> ids
};

} // namespace

std::vector<CFoundPatch> CLibrary::Find(std::string_view text, int limit) {
    std::vector<CFoundPatch> found;
    // The trigram index answers texts of three characters or more. A shorter
    // one cannot use it, and the index's own scan of every row is about
    // three times slower than a scan of the plain table the index keeps its
    // texts in (the "_content" table every FTS5 table with content has), so
    // short texts scan that. SQLite hands a LIKE with an ESCAPE clause to no
    // index, so the clause is used only for the rare text that holds a
    // wildcard or the escape itself.
    const bool plain = text.find_first_of("%_\\") == std::string_view::npos;
    const bool indexed = CharacterCount(text) >= 3;
    std::string sql = indexed ? "SELECT rowid FROM patch_search WHERE text LIKE ?"
                              : "SELECT id FROM patch_search_content WHERE c0 LIKE ?";
    sql += plain ? "" : " ESCAPE '\\'";
    sql += indexed ? " ORDER BY rowid" : " ORDER BY id";
    if (limit > 0)
        sql += " LIMIT " + std::to_string(limit);
    CSqlStatement rows(db_, sql);
    rows.Bind(1, ContainsPattern(text));
    std::vector<LibraryId> ids;
    while (rows.Step() == SQLITE_ROW)
        ids.push_back(rows.Int(0));
    if (ids.empty())
        return found;

    CPlaceIndex index;
    {
        CSqlStatement states(db_, "SELECT list, area, max(time) FROM states GROUP BY list, area");
        while (states.Step() == SQLITE_ROW)
            index.stateLists[{states.Int(0), static_cast<int>(states.Int(1))}] =
                static_cast<std::time_t>(states.Int(2));
        CSqlStatement files(db_, "SELECT f.list, f.path FROM files f WHERE f.id = "
                                 "(SELECT max(id) FROM files g WHERE g.path = f.path)");
        while (files.Step() == SQLITE_ROW)
            index.fileLists[files.Int(0)].push_back(files.Text(1));
        for (int area = 1; area <= 7; ++area)
            LastKnownIds(area, index.now[area]);
    }
    CSqlStatement members(db_, "SELECT list, position FROM list_patches WHERE patch = ? ORDER BY list, position");
    for (LibraryId id : ids) {
        CFoundPatch result;
        result.id = id;
        if (!LoadPatch(id, result.patch))
            continue;
        std::map<std::pair<int, int>, CPlace> unit; // (area, slot) -> place
        std::vector<CPlace> files;
        members.Bind(1, id);
        while (members.Step() == SQLITE_ROW) {
            const LibraryId list = members.Int(0);
            const int position = static_cast<int>(members.Int(1));
            for (auto it = index.stateLists.lower_bound({list, 0});
                 it != index.stateLists.end() && it->first.first == list; ++it) {
                const int area = it->first.second;
                if (position >= AreaSize(area))
                    continue;
                CPlace& place = unit[{area, position}];
                place.kind = CPlace::Kind::kUnit;
                place.area = area;
                place.index = position;
                place.time = std::max(place.time, it->second);
                const auto& now = index.now[area];
                place.now = static_cast<std::size_t>(position) < now.size() && now[position] == id;
            }
            if (const auto paths = index.fileLists.find(list); paths != index.fileLists.end()) {
                for (const std::string& path : paths->second) {
                    CPlace place;
                    place.kind = CPlace::Kind::kFile;
                    place.path = path;
                    place.number = position + 1;
                    files.push_back(place);
                }
            }
        }
        members.Reset();
        for (auto& [key, place] : unit)
            result.places.push_back(place);
        std::sort(files.begin(), files.end(), [](const CPlace& a, const CPlace& b) {
            return a.path != b.path ? a.path < b.path : a.number < b.number;
        });
        result.places.insert(result.places.end(), files.begin(), files.end());
        found.push_back(std::move(result));
    }
    return found;
}

std::vector<std::vector<CFoundPatch>> CLibrary::Duplicates() {
    std::vector<std::vector<CFoundPatch>> groups;
    CSqlStatement hashes(db_, "SELECT sound_hash FROM patches GROUP BY sound_hash HAVING count(*) > 1 "
                              "ORDER BY min(id)");
    CSqlStatement members(db_, "SELECT id FROM patches WHERE sound_hash = ? ORDER BY id");
    while (hashes.Step() == SQLITE_ROW) {
        members.Bind(1, hashes.Int(0));
        std::vector<CFoundPatch> patches;
        while (members.Step() == SQLITE_ROW) {
            CFoundPatch patch;
            patch.id = members.Int(0);
            if (LoadPatch(patch.id, patch.patch))
                patches.push_back(std::move(patch));
        }
        members.Reset();
        // Equal hashes of different sounds split into their own groups.
        std::vector<bool> taken(patches.size(), false);
        for (std::size_t i = 0; i < patches.size(); ++i) {
            if (taken[i])
                continue;
            std::vector<CFoundPatch> group{patches[i]};
            const auto& first = *patches[i].patch.FindSegment(0, 0);
            for (std::size_t j = i + 1; j < patches.size(); ++j) {
                const auto& other = *patches[j].patch.FindSegment(0, 0);
                if (!taken[j] && std::equal(first.begin(), first.begin() + 96, other.begin())) {
                    taken[j] = true;
                    group.push_back(patches[j]);
                }
            }
            if (group.size() > 1)
                groups.push_back(std::move(group));
        }
    }
    return groups;
}

std::vector<CSlotPatch> CLibrary::SlotHistory(int area, int index) {
    std::vector<CSlotPatch> history;
    if (index < 0 || index >= AreaSize(area))
        return history;
    std::map<LibraryId, std::size_t> seen;
    CSqlStatement states(db_, "SELECT s.time, l.slots FROM states s JOIN slot_lists l ON l.id = s.list "
                              "WHERE s.area = ? ORDER BY s.id");
    states.Bind(1, area);
    while (states.Step() == SQLITE_ROW) {
        std::vector<LibraryId> ids;
        if (!DecodeSlotList(states.Blob(1), ids) || static_cast<std::size_t>(index) >= ids.size() ||
            ids[static_cast<std::size_t>(index)] == 0)
            continue;
        const LibraryId id = ids[static_cast<std::size_t>(index)];
        const auto time = static_cast<std::time_t>(states.Int(0));
        if (const auto it = seen.find(id); it != seen.end()) {
            history[it->second].lastSeen = time;
            continue;
        }
        CSlotPatch entry;
        entry.id = id;
        if (!LoadPatch(id, entry.patch))
            continue;
        entry.firstSeen = entry.lastSeen = time;
        seen[id] = history.size();
        history.push_back(std::move(entry));
    }
    return history;
}

std::int64_t CLibrary::PatchCount() {
    CSqlStatement count(db_, "SELECT count(*) FROM patches");
    return count.Step() == SQLITE_ROW ? count.Int(0) : 0;
}

std::int64_t CLibrary::StateCount() {
    CSqlStatement count(db_, "SELECT count(*) FROM states");
    return count.Step() == SQLITE_ROW ? count.Int(0) : 0;
}

int CLibrary::ForgetOlderThan(std::time_t before) {
    CSqlTransaction transaction(db_);
    if (!transaction.Began())
        return -1;
    CSqlStatement states(db_, "DELETE FROM states WHERE time < ?");
    CSqlStatement files(db_, "DELETE FROM files WHERE time < ?");
    if (!states.Bind(1, static_cast<std::int64_t>(before)).Run())
        return -1;
    int deleted = sqlite3_changes(db_);
    if (!files.Bind(1, static_cast<std::int64_t>(before)).Run())
        return -1;
    deleted += sqlite3_changes(db_);
    // Then whatever nothing refers to any more: lists, patches, memo sets.
    if (!ExecSql(db_, "DELETE FROM slot_lists WHERE id NOT IN (SELECT list FROM states) "
                      "AND id NOT IN (SELECT list FROM files);"
                      "DELETE FROM patch_search WHERE rowid NOT IN (SELECT patch FROM list_patches);"
                      "DELETE FROM patches WHERE id NOT IN (SELECT patch FROM list_patches);"
                      "DELETE FROM memo_sets WHERE id NOT IN (SELECT memo_set FROM patches "
                      "WHERE memo_set IS NOT NULL);"))
        return -1;
    return transaction.Commit() ? deleted : -1;
}

bool CLibrary::Check(std::vector<std::string>& problems) {
    CSqlStatement integrity(db_, "PRAGMA integrity_check");
    int step;
    while ((step = integrity.Step()) == SQLITE_ROW) {
        const std::string line = integrity.Text(0);
        if (line != "ok")
            problems.push_back(line);
    }
    if (step != SQLITE_DONE)
        problems.push_back(sqlite3_errmsg(db_));
    CSqlStatement keys(db_, "PRAGMA foreign_key_check");
    while ((step = keys.Step()) == SQLITE_ROW)
        problems.push_back("row " + std::to_string(keys.Int(1)) + " of " + keys.Text(0) + " refers to a missing " +
                           keys.Text(2));
    if (step != SQLITE_DONE)
        problems.push_back(sqlite3_errmsg(db_));
    // The stored forms the program reads back.
    CSqlStatement lists(db_, "SELECT id, slots FROM slot_lists");
    while (lists.Step() == SQLITE_ROW) {
        std::vector<LibraryId> ids;
        if (!DecodeSlotList(lists.Blob(1), ids))
            problems.push_back("list " + std::to_string(lists.Int(0)) + " does not decode");
    }
    CSqlStatement patches(db_, "SELECT p.id, p.data, m.memos FROM patches p LEFT JOIN memo_sets m "
                               "ON m.id = p.memo_set");
    while (patches.Step() == SQLITE_ROW) {
        CPatch patch;
        if (!PatchFromStored(patches.Blob(1), patches.Blob(2), patch))
            problems.push_back("patch " + std::to_string(patches.Int(0)) + " does not decode");
    }
    return problems.empty();
}
