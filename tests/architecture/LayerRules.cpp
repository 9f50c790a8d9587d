#include "LayerRules.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace arch {
namespace {

constexpr std::string_view kTableBegin = "<!-- layer table";
constexpr std::string_view kTableEnd = "<!-- end of layer table";

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Cells(std::string_view line) {
    std::vector<std::string_view> cells;
    line = Trim(line);
    if (line.empty() || line.front() != '|')
        return cells;
    line.remove_prefix(1);
    for (std::size_t bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|')) {
        cells.push_back(Trim(line.substr(0, bar)));
        line.remove_prefix(bar + 1);
    }
    return cells;
}

bool ParseLayer(std::string_view text, int& layer) {
    if (text.empty() || text.size() > 3)
        return false;
    layer = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        layer = layer * 10 + (c - '0');
    }
    return true;
}

bool Within(std::string_view path, std::string_view folder) {
    return path.size() > folder.size() && path.substr(0, folder.size()) == folder && path[folder.size()] == '/';
}

bool InLibraryFolder(std::string_view path) {
    return path.substr(0, 8) == "library/" || path.find("/library/") != std::string_view::npos;
}

} // namespace

const LayerRow* LayerTable::RowOf(std::string_view path) const {
    const LayerRow* best = nullptr;
    for (const LayerRow& row : rows)
        if (Within(path, row.folder) && (!best || row.folder.size() > best->folder.size()))
            best = &row;
    return best;
}

LayerTable ParseLayerTable(std::string_view markdown, std::vector<std::string>& errors) {
    LayerTable table;
    std::istringstream lines{std::string(markdown)};
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        const std::string_view text = Trim(line);
        if (text.substr(0, kTableBegin.size()) == kTableBegin) {
            inside = true;
            continue;
        }
        if (text.substr(0, kTableEnd.size()) == kTableEnd) {
            inside = false;
            continue;
        }
        // "... nothing under `platform/` includes `messages/ShowMessage.h`."
        if (const std::size_t under = text.find("nothing under `"); under != std::string_view::npos) {
            const std::size_t folderEnd = text.find('`', under + 15);
            const std::size_t headerBegin = text.find("includes `", folderEnd);
            const std::size_t headerEnd =
                headerBegin == std::string_view::npos ? headerBegin : text.find('`', headerBegin + 10);
            if (folderEnd != std::string_view::npos && headerEnd != std::string_view::npos) {
                std::string folder(text.substr(under + 15, folderEnd - under - 15));
                while (!folder.empty() && folder.back() == '/')
                    folder.pop_back();
                table.forbidden.emplace_back(folder,
                                             std::string(text.substr(headerBegin + 10, headerEnd - headerBegin - 10)));
            }
        }
        if (!inside)
            continue;
        const std::vector<std::string_view> cells = Cells(text);
        if (cells.empty())
            continue;
        if (cells.size() < 3 || cells[0] == "Layer" || cells[0].find("---") != std::string_view::npos)
            continue;
        LayerRow row;
        row.folder = std::string(cells[1]);
        while (!row.folder.empty() && row.folder.back() == '/')
            row.folder.pop_back();
        const bool layerOk = ParseLayer(cells[0], row.layer);
        const bool qtOk = cells[2] == "yes" || cells[2] == "no";
        row.qt = cells[2] == "yes";
        if (!layerOk || !qtOk || row.folder.empty()) {
            errors.push_back("malformed layer table row: " + std::string(text));
            continue;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::string> ReadIncludes(std::string_view source) {
    std::vector<std::string> includes;
    std::istringstream lines{std::string(source)};
    std::string line;
    while (std::getline(lines, line)) {
        std::string_view text = Trim(line);
        if (text.empty() || text.front() != '#')
            continue;
        text.remove_prefix(1);
        text = Trim(text);
        if (text.substr(0, 7) != "include")
            continue;
        text = Trim(text.substr(7));
        if (text.empty())
            continue;
        const char close = text.front() == '"' ? '"' : text.front() == '<' ? '>' : '\0';
        if (close == '\0')
            continue;
        const std::size_t end = text.find(close, 1);
        if (end == std::string_view::npos)
            continue;
        includes.emplace_back(close == '>' ? text.substr(0, end + 1) : text.substr(1, end - 1));
    }
    return includes;
}

bool IsQtHeader(std::string_view include) {
    if (include.size() < 3 || include.front() != '<')
        return false;
    return include[1] == 'Q' && (std::isupper(static_cast<unsigned char>(include[2])) || include[2] == 't');
}

std::vector<std::string> CheckIncludes(const LayerTable& table, std::string_view file,
                                       const std::vector<std::string>& includes) {
    std::vector<std::string> faults;
    const std::string name(file);
    const LayerRow* own = table.RowOf(file);
    if (!own) {
        faults.push_back(name + ": its folder has no row in the layer table");
        return faults;
    }
    const bool qtFree = !own->qt || InLibraryFolder(file);
    for (const std::string& include : includes) {
        if (include.front() == '<') {
            if (qtFree && IsQtHeader(include))
                faults.push_back(name + " includes " + include + " but " + own->folder + " never includes Qt");
            continue;
        }
        for (const auto& [folder, header] : table.forbidden)
            if (include == header && Within(file, folder))
                faults.push_back(name + " includes " + include + ", which nothing under " + folder + "/ includes");
        if (include.find('/') == std::string::npos)
            continue;
        const LayerRow* target = table.RowOf(include);
        if (!target) {
            faults.push_back(name + " includes " + include + ", whose folder has no row in the layer table");
        } else if (target != own && target->layer >= own->layer) {
            faults.push_back(name + " (" + own->folder + ", layer " + std::to_string(own->layer) + ") includes " +
                             include + " (" + target->folder + ", layer " + std::to_string(target->layer) + ")");
        }
    }
    return faults;
}

} // namespace arch
