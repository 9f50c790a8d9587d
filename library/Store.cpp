#include "library/Store.h"

#include "library/PatchCompare.h"
#include "library/Sqlite.h"
#include "library/StoredForms.h"

#include <algorithm>

namespace {

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool HasMemos(const CPatch& patch) {
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
        if (!patch.GetMemo(memo).empty())
            return true;
    return false;
}

// The memo set's id, 0 for four empty memos.
bool StoreMemoSet(CSqlCache& db, const CPatch& patch, std::int64_t& id) {
    id = 0;
    if (!HasMemos(patch))
        return true;
    const std::vector<std::uint8_t> memos = EncodeMemos(patch);
    const std::int64_t hash = ContentHash(memos);
    auto find = db.Get("SELECT id, memos FROM memo_sets WHERE hash = ?");
    find->Bind(1, hash);
    int step;
    while ((step = find->Step()) == SQLITE_ROW) {
        if (SameBytes(find->Blob(1), memos)) {
            id = find->Int(0);
            return true;
        }
    }
    if (step != SQLITE_DONE)
        return false;
    auto insert = db.Get("INSERT INTO memo_sets(hash, memos) VALUES(?, ?)");
    if (!insert->Bind(1, hash).Bind(2, memos).Run())
        return false;
    id = sqlite3_last_insert_rowid(db.Db());
    return true;
}

} // namespace

bool StorePatchRow(CSqlCache& db, const CPatch& patch, std::int64_t& id) {
    id = 0;
    const auto data = PatchDataBytes(patch);
    if (data.size() != static_cast<std::size_t>(CPatch::kDataSize))
        return true;
    std::int64_t memoSet = 0;
    if (!StoreMemoSet(db, patch, memoSet))
        return false;
    const std::int64_t hash = ContentHash(data, static_cast<std::uint64_t>(memoSet) * 0x9E3779B97F4A7C15ULL + 1);
    auto find = db.Get("SELECT id, data, ifnull(memo_set, 0) FROM patches WHERE hash = ?");
    find->Bind(1, hash);
    int step;
    while ((step = find->Step()) == SQLITE_ROW) {
        if (find->Int(2) == memoSet && SameBytes(find->Blob(1), data)) {
            id = find->Int(0);
            return true;
        }
    }
    if (step != SQLITE_DONE)
        return false;
    auto insert = db.Get("INSERT INTO patches(hash, sound_hash, data, memo_set) VALUES(?, ?, ?, ?)");
    insert->Bind(1, hash).Bind(2, ContentHash(SoundBytes(patch))).Bind(3, data);
    if (memoSet != 0)
        insert->Bind(4, memoSet);
    else
        insert->BindNull(4);
    if (!insert->Run())
        return false;
    id = sqlite3_last_insert_rowid(db.Db());
    auto search = db.Get("INSERT INTO patch_search(rowid, text) VALUES(?, ?)");
    return search->Bind(1, id).Bind(2, SearchText(patch)).Run();
}

bool StoreListRow(CSqlCache& db, const std::vector<std::int64_t>& ids, std::int64_t& id) {
    const std::vector<std::uint8_t> slots = EncodeSlotList(ids);
    const std::int64_t hash = ContentHash(slots);
    auto find = db.Get("SELECT id, slots FROM slot_lists WHERE hash = ?");
    find->Bind(1, hash);
    int step;
    while ((step = find->Step()) == SQLITE_ROW) {
        if (SameBytes(find->Blob(1), slots)) {
            id = find->Int(0);
            return true;
        }
    }
    if (step != SQLITE_DONE)
        return false;
    auto insert = db.Get("INSERT INTO slot_lists(hash, slots) VALUES(?, ?)");
    if (!insert->Bind(1, hash).Bind(2, slots).Run())
        return false;
    id = sqlite3_last_insert_rowid(db.Db());
    auto member = db.Get("INSERT INTO list_patches(patch, list, position) VALUES(?, ?, ?)");
    for (std::size_t position = 0; position < ids.size(); ++position) {
        if (ids[position] == 0)
            continue;
        member->Bind(1, ids[position]).Bind(2, id).Bind(3, static_cast<std::int64_t>(position));
        if (!member->Run())
            return false;
    }
    return true;
}

bool LoadPatchRow(CSqlCache& db, std::int64_t id, CPatch& patch) {
    auto load = db.Get("SELECT p.data, m.memos FROM patches p LEFT JOIN memo_sets m ON m.id = p.memo_set "
                       "WHERE p.id = ?");
    load->Bind(1, id);
    return load->Step() == SQLITE_ROW && PatchFromStored(load->Blob(0), load->Blob(1), patch);
}

bool LoadListRow(CSqlCache& db, std::int64_t id, std::vector<std::int64_t>& ids) {
    auto load = db.Get("SELECT slots FROM slot_lists WHERE id = ?");
    load->Bind(1, id);
    return load->Step() == SQLITE_ROW && DecodeSlotList(load->Blob(0), ids);
}
