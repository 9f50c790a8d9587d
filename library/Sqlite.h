#pragma once
// A prepared SQLite statement that finalizes itself, with typed binds and
// columns. Failures are results (the SQLite code), never exceptions.
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

class CSqlStatement {
public:
    CSqlStatement() = default;
    CSqlStatement(sqlite3* db, std::string_view sql);
    ~CSqlStatement();
    CSqlStatement(const CSqlStatement&) = delete;
    CSqlStatement& operator=(const CSqlStatement&) = delete;
    CSqlStatement(CSqlStatement&& other) noexcept;
    CSqlStatement& operator=(CSqlStatement&& other) noexcept;

    bool Ok() const { return stmt_ != nullptr; }
    int PrepareResult() const { return prepared_; }

    CSqlStatement& Bind(int index, std::int64_t value);
    CSqlStatement& Bind(int index, std::string_view text);
    CSqlStatement& Bind(int index, std::span<const std::uint8_t> blob);
    CSqlStatement& BindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    // Step until done; true when it ended with SQLITE_DONE.
    bool Run();
    // Ready for new binds and steps.
    void Reset();

    std::int64_t Int(int column) const;
    bool IsNull(int column) const;
    std::string Text(int column) const;
    std::span<const std::uint8_t> Blob(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    int prepared_ = SQLITE_OK;
};

// Runs SQL text without results; true on success.
bool ExecSql(sqlite3* db, std::string_view sql);

// BEGIN IMMEDIATE on construction, ROLLBACK on destruction unless committed.
class CSqlTransaction {
public:
    explicit CSqlTransaction(sqlite3* db);
    ~CSqlTransaction();
    CSqlTransaction(const CSqlTransaction&) = delete;
    CSqlTransaction& operator=(const CSqlTransaction&) = delete;
    bool Began() const { return began_; }
    bool Commit();

private:
    sqlite3* db_;
    bool began_ = false;
    bool done_ = false;
};

// Statements prepared once per connection and kept: recording runs the same
// few statements for every patch of every state.
class CSqlCache {
public:
    // Resets its statement (and clears the bindings) when it goes, so that no
    // statement keeps a read open between calls.
    class CHandle {
    public:
        explicit CHandle(CSqlStatement& statement) : statement_(&statement) {}
        ~CHandle() { statement_->Reset(); }
        CHandle(const CHandle&) = delete;
        CHandle& operator=(const CHandle&) = delete;
        CSqlStatement* operator->() const { return statement_; }
        CSqlStatement& operator*() const { return *statement_; }

    private:
        CSqlStatement* statement_;
    };

    explicit CSqlCache(sqlite3* db) : db_(db) {}
    sqlite3* Db() const { return db_; }
    // The statement of sql, which must be a string literal (its address is
    // the key).
    CHandle Get(const char* sql);

private:
    sqlite3* db_;
    std::unordered_map<const char*, std::unique_ptr<CSqlStatement>> statements_;
};
