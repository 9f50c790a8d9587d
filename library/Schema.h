#pragma once
// The library's tables, version by version, and the migrations between them.
#include <sqlite3.h>

#include <string_view>

// BringSchemaUpToDate's result for a library of a newer schema.
constexpr int kSchemaNewer = -1;

// Creates the tables of a new library, or migrates an older one, inside one
// transaction. SQLITE_OK, kSchemaNewer, or the SQLite error code (a library
// whose stored contents do not parse gives SQLITE_CORRUPT).
int BringSchemaUpToDate(sqlite3* db);

// The tables of schema version 1, as the first libraries were written: one
// row per slot of every state, which grew by 120 rows per read of an
// unchanged unit. Kept for the migration and its tests.
extern const std::string_view kSchemaVersion1;
