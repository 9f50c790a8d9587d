#pragma once
// Rows stored once by content: patches (with their memo sets) and lists of
// patch ids. Each store looks its contents up by hash first and compares the
// bytes, so equal contents always share one row.
#include "data/Patch.h"

#include "library/Sqlite.h"

#include <cstdint>
#include <vector>

// The id of the patch's row, made when new; 0 in id (and true) for a patch
// without 128 bytes of data, which the library does not keep. False when
// the database failed.
bool StorePatchRow(CSqlCache& db, const CPatch& patch, std::int64_t& id);
// The id of the list's row, made (with its list_patches rows) when new.
bool StoreListRow(CSqlCache& db, const std::vector<std::int64_t>& ids, std::int64_t& id);
// False when the row is missing or its contents do not parse.
bool LoadPatchRow(CSqlCache& db, std::int64_t id, CPatch& patch);
bool LoadListRow(CSqlCache& db, std::int64_t id, std::vector<std::int64_t>& ids);
