// Recording: the unit's states, files seen and the backups of writes.
#include "library/Library.h"

#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/BackupFiles.h"
#include "library/Sqlite.h"
#include "library/Store.h"
#include "library/StoredForms.h"
#include "toolkit/core/TextDialog.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <system_error>

namespace {

int AreaSize(int area) { return CParameterAddress().PatchCount(area); }

bool IsArea(int area) { return area >= 1 && area <= 7; }

// "MEMORY 12" names slot 11 of MEMORY: the first memo a backup gives each
// patch. -1 when the text names no slot of the area.
int SlotFromLabel(const std::string& label, int area) {
    const std::string name = CParameterAddress().AreaName(area) + " ";
    if (!label.starts_with(name))
        return -1;
    const std::string number = label.substr(name.size());
    if (number.empty() || number.size() > 3 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return -1;
    const int slot = std::stoi(number) - 1;
    return slot >= 0 && slot < AreaSize(area) ? slot : -1;
}

// Reads a backup file without showing a message: a broken backup among
// many is skipped, not reported.
class CSilentDialog : public UL::ATextDialog {
public:
    int Show(const std::string&, int, int) override { return UL::kResultOk; }
};

bool ReadQuietly(const std::filesystem::path& path, CFileDocument& file) {
    auto own = UL::SetTextDialog(std::make_unique<CSilentDialog>());
    const bool read = ReadLibrarianFile(path, file);
    UL::SetTextDialog(std::move(own));
    return read;
}

// The slots of a backup's patches: from their first memos when every one
// names a distinct slot of the area, else positions when the backup holds
// the whole area; empty when neither.
std::vector<int> BackupSlots(const CParameterArray& patches, int area) {
    std::vector<int> slots;
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const int slot = SlotFromLabel(patches[i].GetMemo(1), area);
        if (slot < 0 || std::find(slots.begin(), slots.end(), slot) != slots.end()) {
            slots.clear();
            break;
        }
        slots.push_back(slot);
    }
    if (slots.empty() && patches.Size() == static_cast<std::size_t>(AreaSize(area)))
        for (int i = 0; i < AreaSize(area); ++i)
            slots.push_back(i);
    return slots;
}

} // namespace

bool CLibrary::StorePatch(const CPatch& patch, LibraryId& id) { return StorePatchRow(*cache_, patch, id); }

bool CLibrary::StoreList(const std::vector<LibraryId>& ids, LibraryId& id) { return StoreListRow(*cache_, ids, id); }

bool CLibrary::LoadPatch(LibraryId id, CPatch& patch) { return LoadPatchRow(*cache_, id, patch); }

bool CLibrary::LoadList(LibraryId id, std::vector<LibraryId>& ids) { return LoadListRow(*cache_, id, ids); }

bool CLibrary::LastKnownIds(int area, std::vector<LibraryId>& ids, std::vector<std::time_t>* times) {
    const auto size = static_cast<std::size_t>(AreaSize(area));
    ids.assign(size, 0);
    if (times)
        times->assign(size, 0);
    std::size_t missing = size;
    bool any = false;
    auto states = cache_->Get("SELECT s.time, l.slots FROM states s JOIN slot_lists l ON l.id = s.list "
                              "WHERE s.area = ? ORDER BY s.id DESC");
    states->Bind(1, area);
    while (missing > 0 && states->Step() == SQLITE_ROW) {
        any = true;
        std::vector<LibraryId> list;
        if (!DecodeSlotList(states->Blob(1), list))
            continue;
        for (std::size_t i = 0; i < size && i < list.size(); ++i) {
            if (ids[i] == 0 && list[i] != 0) {
                ids[i] = list[i];
                if (times)
                    (*times)[i] = static_cast<std::time_t>(states->Int(0));
                --missing;
            }
        }
    }
    return any;
}

LibraryId CLibrary::RecordUnitState(int area, EUnitEvent event, const std::vector<int>& indexes,
                                    const CParameterArray& areaPatches, EVerify verify, std::time_t when) {
    if (!IsArea(area))
        return 0;
    const auto size = static_cast<std::size_t>(AreaSize(area));
    std::vector<int> slots = indexes;
    if (slots.empty())
        for (std::size_t i = 0; i < size; ++i)
            slots.push_back(static_cast<int>(i));
    CSqlTransaction transaction(db_);
    if (!transaction.Began()) {
        RecordingFailed();
        return 0;
    }
    std::vector<LibraryId> ids(size, 0);
    bool any = false;
    for (int slot : slots) {
        if (slot < 0 || static_cast<std::size_t>(slot) >= size)
            continue;
        const CPatch* patch = AsPatch(areaPatches.At(static_cast<std::size_t>(slot)));
        if (!patch)
            continue;
        LibraryId id = 0;
        if (!StorePatch(*patch, id)) {
            RecordingFailed();
            return 0;
        }
        ids[static_cast<std::size_t>(slot)] = id;
        any = any || id != 0;
    }
    if (!any)
        return 0;
    std::vector<LibraryId> known;
    std::optional<int> changed;
    if (LastKnownIds(area, known)) {
        changed = 0;
        for (std::size_t i = 0; i < size; ++i)
            if (ids[i] != 0 && ids[i] != known[i])
                ++*changed;
    }
    LibraryId list = 0;
    if (!StoreList(ids, list)) {
        RecordingFailed();
        return 0;
    }
    auto insert = cache_->Get("INSERT INTO states(time, area, event, verify, changed, list) VALUES(?, ?, ?, ?, ?, ?)");
    insert->Bind(1, static_cast<std::int64_t>(when)).Bind(2, area).Bind(3, static_cast<std::int64_t>(event));
    insert->Bind(4, static_cast<std::int64_t>(verify)).Bind(6, list);
    if (changed)
        insert->Bind(5, static_cast<std::int64_t>(*changed));
    else
        insert->BindNull(5);
    return CommitInsert(transaction, insert->Run());
}

LibraryId CLibrary::RecordFile(const std::filesystem::path& path, EFileEvent event, const CParameterArray& patches,
                               std::time_t when) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        absolute = path;
    absolute = absolute.lexically_normal();
    CSqlTransaction transaction(db_);
    if (!transaction.Began()) {
        RecordingFailed();
        return 0;
    }
    std::vector<LibraryId> ids(patches.Size(), 0);
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(patches.At(i));
        if (patch && !StorePatch(*patch, ids[i])) {
            RecordingFailed();
            return 0;
        }
    }
    LibraryId list = 0;
    CSqlStatement insert(db_, "INSERT INTO files(path, time, event, list) VALUES(?, ?, ?, ?)");
    const bool inserted = StoreList(ids, list) && insert.Bind(1, absolute.string())
                                                      .Bind(2, static_cast<std::int64_t>(when))
                                                      .Bind(3, static_cast<std::int64_t>(event))
                                                      .Bind(4, list)
                                                      .Run();
    return CommitInsert(transaction, inserted);
}

LibraryId CLibrary::CommitInsert(CSqlTransaction& transaction, bool inserted) {
    if (!inserted) {
        RecordingFailed();
        return 0;
    }
    const LibraryId id = sqlite3_last_insert_rowid(db_);
    if (!transaction.Commit()) {
        RecordingFailed();
        return 0;
    }
    return id;
}

LibraryId CLibrary::RecordBackupFile(const std::filesystem::path& backupFile, int area,
                                     const std::vector<int>& indexes, std::time_t when) {
    if (!IsArea(area))
        return 0;
    CFileDocument file;
    if (!ReadQuietly(backupFile, file))
        return 0;
    const CParameterArray& patches = file.Patches();
    std::vector<int> slots = indexes;
    if (slots.size() != patches.Size())
        slots = BackupSlots(patches, area);
    if (slots.empty())
        return 0;
    // The patches by slot, without the slot names the backup gave them.
    CConcreteParameterArray<CPatch> byslot;
    byslot.Resize(static_cast<std::size_t>(AreaSize(area)));
    for (std::size_t i = 0; i < slots.size() && i < patches.Size(); ++i) {
        auto patch = patches[i].Clone();
        patch->SetMemo(1, "");
        byslot[static_cast<std::size_t>(slots[i])] = *patch;
    }
    const LibraryId id = RecordUnitState(area, EUnitEvent::kBeforeWrite, slots, byslot, EVerify::kNotChecked, when);
    if (id != 0) {
        CSqlStatement taken(db_, "INSERT OR IGNORE INTO taken_backups(name) VALUES(?)");
        taken.Bind(1, backupFile.filename().string()).Run();
    }
    return id;
}

int CLibrary::TakeInBackups(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> backups;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && it->path().extension() == ".z4l")
            backups.push_back(it->path());
    // Oldest first, so that the states come in the order they happened.
    std::sort(backups.begin(), backups.end());
    int taken = 0;
    for (const auto& path : backups) {
        const std::string name = path.filename().string();
        std::time_t time = 0;
        int area = 0;
        if (!ParseBackupFileName(path, time, area))
            continue;
        CSqlStatement seen(db_, "SELECT 1 FROM taken_backups WHERE name = ?");
        seen.Bind(1, name);
        const int step = seen.Step();
        if (step == SQLITE_ROW)
            continue;
        if (step != SQLITE_DONE)
            break;
        if (RecordBackupFile(path, area, {}, time) != 0) {
            ++taken;
            continue;
        }
        // A backup whose slots cannot be told is still found by its patches.
        CFileDocument file;
        if (!ReadQuietly(path, file))
            continue;
        if (RecordFile(path, EFileEvent::kAdded, file.Patches(), time) == 0)
            break;
        CSqlStatement mark(db_, "INSERT OR IGNORE INTO taken_backups(name) VALUES(?)");
        if (mark.Bind(1, name).Run())
            ++taken;
    }
    return taken;
}
