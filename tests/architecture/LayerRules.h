#pragma once
// The layer table of docs/ARCHITECTURE.md and the checks of one source
// file's includes against it.
#include <string>
#include <string_view>
#include <vector>

namespace arch {

struct LayerRow {
    int layer = 0;
    std::string folder; // "platform/mm", no trailing slash
    bool qt = true;     // may include Qt headers
};

struct LayerTable {
    std::vector<LayerRow> rows;
    // Headers a folder (and its subfolders) never includes: {folder, header}.
    std::vector<std::pair<std::string, std::string>> forbidden;

    // The row a repository path belongs to: the longest folder that is a
    // prefix of it at a '/' boundary; nullptr for none.
    const LayerRow* RowOf(std::string_view path) const;
};

// Reads the rows between the table's markers in the text of ARCHITECTURE.md,
// and the forbidden headers from the line that names them. Each malformed
// row is an error message in errors; rows stays empty without the markers.
LayerTable ParseLayerTable(std::string_view markdown, std::vector<std::string>& errors);

// The includes of a source text: quoted ones as written ("data/Patch.h") and
// angled ones with their brackets ("<QString>"). Commented-out lines count
// neither.
std::vector<std::string> ReadIncludes(std::string_view source);

// Whether an angled include is a Qt header (<QString>, <QtCore/qglobal.h>).
bool IsQtHeader(std::string_view include);

// The rule each include of file (a repository path) breaks, one message per
// fault: an include of a folder on the same or a higher layer, of a folder
// that is not in the table, of a forbidden header, of Qt where the file's row
// says no. A quoted include without '/' is of the file's own folder or a
// generated header and always allowed. A file outside the table is a fault.
std::vector<std::string> CheckIncludes(const LayerTable& table, std::string_view file,
                                       const std::vector<std::string>& includes);

} // namespace arch
