// show and new: librarian files without the unit; and which of a file's
// patches the other commands take.
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "data/Patch.h"

#include <algorithm>
#include <cstdio>

namespace cli {

int Show(const Arguments& arguments) {
    const char* codePage = arguments.lang == "ja" ? "CP932" : "CP1252";
    CFileDocument document;
    if (!ReadLibrarianFile(arguments.files[0], document))
        return kExitFailure; // the reason is already on stderr
    const CParameterArray& patches = document.Patches();
    for (size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(patches.At(i));
        std::printf("%zu\t%s", i + 1, patch ? patch->GetName().c_str() : "");
        for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
            std::printf("\t%s", MemoForTerminal(patches[i].GetMemo(memo), codePage).c_str());
        std::printf("\n");
    }
    return kExitOk;
}

int New(const Arguments& arguments) {
    CFileDocument document;
    document.Patches().Resize(static_cast<size_t>(arguments.count.value_or(60)));
    return WriteLibrarianFile(arguments.files[0], document) ? kExitOk : kExitFailure;
}

void PrintError(const std::string& problem) { std::fprintf(stderr, "zm47-cli: %s\n", problem.c_str()); }

std::vector<int> LeadingPatchIndexes(const std::string& path, std::size_t fileSize, int area) {
    const CParameterAddress map;
    const auto areaSize = static_cast<std::size_t>(map.PatchCount(area));
    if (fileSize > areaSize)
        PrintError(path + " holds " + std::to_string(fileSize) + " patches; only the first " +
                   std::to_string(areaSize) + " are used for " + map.AreaName(area));
    std::vector<int> indexes(std::min(fileSize, areaSize));
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = static_cast<int>(i);
    return indexes;
}

bool FileHasPatch(const std::string& path, std::size_t fileSize, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < fileSize)
        return true;
    PrintError(path + " holds " + std::to_string(fileSize) + " patches; it has no patch index " +
               std::to_string(index));
    return false;
}

} // namespace cli
