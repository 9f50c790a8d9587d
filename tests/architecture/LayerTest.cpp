#include "LayerRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Includes that break the layers today and are being mended; each entry is
// {file, header}. The test names them on every run, and an entry that is no
// longer needed fails it, so the list only shrinks.
const std::vector<std::pair<std::string, std::string>> kKnownFaults = {};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const fs::path kRoot = ZM47_SOURCE_DIR;

arch::LayerTable DocumentedTable() {
    std::vector<std::string> errors;
    arch::LayerTable table = arch::ParseLayerTable(ReadText(kRoot / "docs/ARCHITECTURE.md"), errors);
    for (const std::string& error : errors)
        ADD_FAILURE() << error;
    return table;
}

// Every C++ file of the program: the repository but for the test, benchmark
// and fuzz folders (they may use any layer), build trees and hidden folders.
std::vector<std::string> ProgramSources() {
    std::vector<std::string> files;
    for (auto it = fs::recursive_directory_iterator(kRoot); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory()) {
            const bool skipped = it.depth() == 0 && (name == "tests" || name == "bench" || name == "fuzz");
            if (skipped || name.starts_with('.') || name.starts_with("build"))
                it.disable_recursion_pending();
            continue;
        }
        const std::string ext = it->path().extension().string();
        if (ext == ".cpp" || ext == ".h" || ext == ".hpp" || ext == ".cc")
            files.push_back(fs::relative(it->path(), kRoot).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool IsKnownFault(const std::string& fault, std::vector<char>& used) {
    for (std::size_t i = 0; i < kKnownFaults.size(); ++i) {
        const auto& [file, header] = kKnownFaults[i];
        if (fault.starts_with(file + " ") && fault.find(" includes " + header) != std::string::npos) {
            used[i] = 1;
            return true;
        }
    }
    return false;
}

TEST(Layers, EveryIncludeOfTheProgramFollowsTheDocumentedTable) {
    const arch::LayerTable table = DocumentedTable();
    ASSERT_GE(table.rows.size(), 10u) << "docs/ARCHITECTURE.md lost its layer table";
    ASSERT_FALSE(table.forbidden.empty());
    const std::vector<std::string> files = ProgramSources();
    ASSERT_GT(files.size(), 100u);
    std::vector<char> used(kKnownFaults.size(), 0);
    for (const std::string& file : files) {
        for (const std::string& fault : arch::CheckIncludes(table, file, arch::ReadIncludes(ReadText(kRoot / file)))) {
            if (IsKnownFault(fault, used))
                std::cout << "known layer fault, still to mend: " << fault << '\n';
            else
                ADD_FAILURE() << fault;
        }
    }
    for (std::size_t i = 0; i < kKnownFaults.size(); ++i)
        EXPECT_TRUE(used[i]) << kKnownFaults[i].first << " no longer includes " << kKnownFaults[i].second
                             << ": take it off the known faults";
}

arch::LayerTable SmallTable() {
    std::vector<std::string> errors;
    arch::LayerTable table = arch::ParseLayerTable(R"(
Text before the table | with a bar | is | not a row |
<!-- layer table: read by the test -->
| Layer | Folder | Qt | What it holds |
|---|---|---|---|
| 0 | toolkit/core | no | a |
| 2 | engine/ | no | b |
| 3 | engine/dialogs | yes | c |
| 3 | views | yes | d |
| 1 | platform | yes | e |
<!-- end of layer table -->
| 9 | after | yes | not a row either |
nothing under `platform/` includes `messages/ShowMessage.h`.
)",
                                                   errors);
    EXPECT_TRUE(errors.empty());
    return table;
}

TEST(LayerRules, ParsesRowsBetweenTheMarkersAndTheForbiddenHeaders) {
    const arch::LayerTable table = SmallTable();
    ASSERT_EQ(table.rows.size(), 5u);
    EXPECT_EQ(table.rows[1].folder, "engine");
    EXPECT_EQ(table.rows[1].layer, 2);
    EXPECT_FALSE(table.rows[1].qt);
    EXPECT_TRUE(table.rows[2].qt);
    ASSERT_EQ(table.forbidden.size(), 1u);
    EXPECT_EQ(table.forbidden[0].first, "platform");
    EXPECT_EQ(table.forbidden[0].second, "messages/ShowMessage.h");

    std::vector<std::string> errors;
    arch::ParseLayerTable("<!-- layer table -->\n| x | data | no | . |\n| 1 | data | maybe | . |\n", errors);
    EXPECT_EQ(errors.size(), 2u);
}

TEST(LayerRules, AFileBelongsToTheLongestFolderAtASlash) {
    const arch::LayerTable table = SmallTable();
    EXPECT_EQ(table.RowOf("engine/dialogs/Setup.cpp")->folder, "engine/dialogs");
    EXPECT_EQ(table.RowOf("engine/Reader.cpp")->folder, "engine");
    EXPECT_EQ(table.RowOf("engineering/X.cpp"), nullptr);
    EXPECT_EQ(table.RowOf("views"), nullptr);
}

TEST(LayerRules, UpwardSidewaysAndUnknownIncludesAreFaults) {
    const arch::LayerTable table = SmallTable();
    const std::vector<std::string> fine = {"engine/Other.h", "toolkit/core/TextOut.h", "Local.h", "<vector>"};
    EXPECT_TRUE(arch::CheckIncludes(table, "engine/dialogs/D.cpp", fine).empty());
    EXPECT_EQ(arch::CheckIncludes(table, "engine/Reader.cpp", {"engine/dialogs/D.h"}).size(), 1u); // upward
    EXPECT_EQ(arch::CheckIncludes(table, "views/V.cpp", {"engine/dialogs/D.h"}).size(), 1u);       // sideways
    EXPECT_EQ(arch::CheckIncludes(table, "views/V.cpp", {"nowhere/X.h"}).size(), 1u);
    EXPECT_EQ(arch::CheckIncludes(table, "scripts/S.cpp", {}).size(), 1u); // a folder outside the table
    EXPECT_EQ(arch::CheckIncludes(table, "platform/shell/M.cpp", {"messages/ShowMessage.h"}).size(), 2u);
}

TEST(LayerRules, QtHeadersOnlyWhereTheTableAllowsThem) {
    const arch::LayerTable table = SmallTable();
    const std::vector<std::string> qt = {"<QString>", "<QtCore/qglobal.h>"};
    EXPECT_EQ(arch::CheckIncludes(table, "engine/Reader.cpp", qt).size(), 2u);
    EXPECT_TRUE(arch::CheckIncludes(table, "engine/dialogs/D.cpp", qt).empty());
    EXPECT_EQ(arch::CheckIncludes(table, "views/library/L.cpp", qt).size(), 2u);
    EXPECT_TRUE(arch::CheckIncludes(table, "engine/Reader.cpp", {"<queue>", "<Qlike>"}).empty());
}

TEST(LayerRules, ReadsIncludesAsWrittenAndSkipsOtherLines) {
    const std::string source = "#include \"data/Patch.h\"\n"
                               "  #  include <QWidget> // a comment\n"
                               "// #include \"app/main/App.h\"\n"
                               "#define X 1\n"
                               "#include MACRO_HEADER\n"
                               "#include \"unterminated.h\n";
    EXPECT_EQ(arch::ReadIncludes(source), (std::vector<std::string>{"data/Patch.h", "<QWidget>"}));
}

} // namespace
