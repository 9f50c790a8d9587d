#include "library/Sqlite.h"

#include <utility>

CSqlStatement::CSqlStatement(sqlite3* db, std::string_view sql) {
    prepared_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (prepared_ != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

CSqlStatement::~CSqlStatement() { sqlite3_finalize(stmt_); }

CSqlStatement::CSqlStatement(CSqlStatement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), prepared_(other.prepared_) {}

CSqlStatement& CSqlStatement::operator=(CSqlStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = std::exchange(other.stmt_, nullptr);
        prepared_ = other.prepared_;
    }
    return *this;
}

CSqlStatement& CSqlStatement::Bind(int index, std::int64_t value) {
    if (stmt_)
        sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

CSqlStatement& CSqlStatement::Bind(int index, std::string_view text) {
    if (stmt_)
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

CSqlStatement& CSqlStatement::Bind(int index, std::span<const std::uint8_t> blob) {
    // A zero-length blob, not NULL, for empty contents.
    static const std::uint8_t kEmpty = 0;
    if (stmt_)
        sqlite3_bind_blob(stmt_, index, blob.empty() ? &kEmpty : blob.data(), static_cast<int>(blob.size()),
                          SQLITE_TRANSIENT);
    return *this;
}

CSqlStatement& CSqlStatement::BindNull(int index) {
    if (stmt_)
        sqlite3_bind_null(stmt_, index);
    return *this;
}

int CSqlStatement::Step() { return stmt_ ? sqlite3_step(stmt_) : prepared_; }

bool CSqlStatement::Run() {
    int result = Step();
    while (result == SQLITE_ROW)
        result = Step();
    Reset();
    return result == SQLITE_DONE;
}

void CSqlStatement::Reset() {
    if (stmt_) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
}

std::int64_t CSqlStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

bool CSqlStatement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::string CSqlStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)) : std::string();
}

std::span<const std::uint8_t> CSqlStatement::Blob(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    if (!data || size <= 0)
        return {};
    return {data, static_cast<std::size_t>(size)};
}

bool ExecSql(sqlite3* db, std::string_view sql) {
    const std::string text(sql);
    return sqlite3_exec(db, text.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

CSqlTransaction::CSqlTransaction(sqlite3* db) : db_(db) { began_ = ExecSql(db_, "BEGIN IMMEDIATE"); }

CSqlTransaction::~CSqlTransaction() {
    if (began_ && !done_)
        ExecSql(db_, "ROLLBACK");
}

bool CSqlTransaction::Commit() {
    if (!began_ || done_)
        return false;
    done_ = ExecSql(db_, "COMMIT");
    return done_;
}

CSqlCache::CHandle CSqlCache::Get(const char* sql) {
    auto& statement = statements_[sql];
    if (!statement || !statement->Ok())
        statement = std::make_unique<CSqlStatement>(db_, sql);
    statement->Reset();
    return CHandle(*statement);
}
