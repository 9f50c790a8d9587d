// Opening the library: the file, its schema and its migrations, and setting
// aside a library that cannot be used.
#include "library/Library.h"

#include "data/ParameterAddress.h"
#include "library/Schema.h"
#include "library/Sqlite.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <sqlite3.h>

#include <cstdlib>
#include <system_error>

namespace {

// Long enough for the other program's transaction of one recorded read.
constexpr int kBusyTimeoutMs = 5000;

enum class EOpen { kOk, kDamaged, kNewer, kFailed };

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// Renames the library and its WAL files beside themselves with the time;
// the new name of the library, or empty when it could not be renamed.
std::filesystem::path SetAside(const std::filesystem::path& path) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, ".set-aside-%Y-%m-%d_%H%M%S", &local);
    std::filesystem::path target = path.string() + stamp;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(target, error); ++n)
        target = path.string() + stamp + "_" + std::to_string(n);
    std::filesystem::rename(path, target, error);
    if (error)
        return {};
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::filesystem::path side = path.string() + suffix;
        if (std::filesystem::exists(side, error))
            std::filesystem::rename(side, target.string() + suffix, error);
    }
    return target;
}

// Opens and brings the schema up to date; the connection in db on kOk.
EOpen OpenConnection(const std::filesystem::path& path, sqlite3*& db) {
    db = nullptr;
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    auto fail = [&handle](int code) {
        sqlite3_close_v2(handle);
        return IsDamage(code) ? EOpen::kDamaged : EOpen::kFailed;
    };
    if (opened != SQLITE_OK)
        return fail(opened);
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, kBusyTimeoutMs);
    int version = 0;
    {
        // Reading the schema version reads the file's header: a file that is
        // not a database fails here.
        CSqlStatement read(handle, "PRAGMA user_version");
        if (!read.Ok())
            return fail(read.PrepareResult());
        const int step = read.Step();
        if (step != SQLITE_ROW)
            return fail(step);
        version = static_cast<int>(read.Int(0));
    }
    if (version > CLibrary::kSchemaVersion) {
        sqlite3_close_v2(handle);
        return EOpen::kNewer;
    }
    // WAL lets the other program read while this one writes.
    {
        CSqlStatement wal(handle, "PRAGMA journal_mode=WAL");
        const int step = wal.Step();
        if (step != SQLITE_ROW)
            return fail(step);
    }
    if (!ExecSql(handle, "PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL"))
        return fail(sqlite3_extended_errcode(handle));
    const int migrated = BringSchemaUpToDate(handle);
    if (migrated == kSchemaNewer) {
        sqlite3_close_v2(handle);
        return EOpen::kNewer;
    }
    if (migrated != SQLITE_OK)
        return fail(migrated);
    // A damaged page in the tables the program starts with shows here
    // rather than at the first recording.
    {
        CSqlStatement probe(handle, "SELECT (SELECT max(id) FROM states), (SELECT count(*) FROM slot_lists)");
        const int step = probe.Ok() ? probe.Step() : probe.PrepareResult();
        if (step != SQLITE_ROW)
            return fail(step);
    }
    db = handle;
    return EOpen::kOk;
}

} // namespace

std::filesystem::path CLibrary::DefaultPath() {
    std::filesystem::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data && std::filesystem::path(data).is_absolute())
        base = data;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        base = ".";
    return base / "Tessan" / "ZM-47 Librarian" / "library.sqlite";
}

std::unique_ptr<CLibrary> CLibrary::Open(const std::filesystem::path& path) {
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    sqlite3* db = nullptr;
    EOpen result = error ? EOpen::kFailed : OpenConnection(path, db);
    if (result == EOpen::kDamaged || result == EOpen::kNewer) {
        const std::filesystem::path aside = SetAside(path);
        if (aside.empty()) {
            ShowMessageWith(kMsgLibraryNotOpened, path.string());
            return nullptr;
        }
        ShowMessageWith(result == EOpen::kDamaged ? kMsgLibraryDamaged : kMsgLibraryNewer, aside.string());
        result = OpenConnection(path, db);
    }
    if (result != EOpen::kOk) {
        ShowMessageWith(kMsgLibraryNotOpened, path.string());
        return nullptr;
    }
    return std::unique_ptr<CLibrary>(new CLibrary(path, db));
}

CLibrary::CLibrary(std::filesystem::path path, sqlite3* db)
    : path_(std::move(path)), db_(db), cache_(std::make_unique<CSqlCache>(db)) {}

CLibrary::~CLibrary() {
    cache_.reset();
    sqlite3_close_v2(db_);
}

void CLibrary::RecordingFailed() {
    if (reportedFailure_)
        return;
    reportedFailure_ = true;
    ShowMessageWith(kMsgLibraryNotWritten, path_.string());
}

std::string UnitEventName(EUnitEvent event) {
    switch (event) {
    case EUnitEvent::kRead:
        return "read";
    case EUnitEvent::kBeforeWrite:
        return "before write";
    case EUnitEvent::kWritten:
        return "written";
    }
    return "read";
}

std::string FileEventName(EFileEvent event) {
    switch (event) {
    case EFileEvent::kOpened:
        return "opened";
    case EFileEvent::kSaved:
        return "saved";
    case EFileEvent::kImported:
        return "imported";
    case EFileEvent::kAdded:
        return "added";
    }
    return "opened";
}

std::string LocalTimeText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

std::string PlaceText(const CPlace& place) {
    if (place.kind == CPlace::Kind::kFile)
        return place.path.string() + " #" + std::to_string(place.number);
    return CParameterAddress().AreaName(place.area) + " " + std::to_string(place.index + 1) + " (unit, " +
           (place.now ? std::string("now") : LocalTimeText(place.time)) + ")";
}
