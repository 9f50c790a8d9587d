// zm47-cli: the librarian's data from a shell.
#include "cli/CliText.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/Patch.h"
#include "messages/MessageTable.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

void PrintUsage(std::FILE* out) {
    std::fputs("usage: zm47-cli COMMAND [ARGS]\n"
               "\n"
               "commands:\n"
               "  show FILE.z4l [--lang en|ja]   list the patches: number, name, four memos\n"
               "                                 (tab-separated, one line per patch)\n"
               "  new FILE.z4l [--count N]       write a librarian file of N new patches\n"
               "                                 (default 60)\n"
               "  help                           this text\n",
               out);
}

int Usage(const char* problem) {
    std::fprintf(stderr, "zm47-cli: %s\n\n", problem);
    PrintUsage(stderr);
    return kExitUsage;
}

int Show(const std::vector<std::string_view>& args) {
    if (args.empty())
        return Usage("show needs a file");
    const char* codePage = "CP1252";
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) {
            std::string_view lang = args[++i];
            if (lang == "ja")
                codePage = "CP932";
            else if (lang != "en")
                return Usage("--lang takes en or ja");
        } else {
            return Usage("unknown option for show");
        }
    }
    CFileDocument document;
    if (!ReadLibrarianFile(std::string(args[0]), document))
        return kExitFailure; // the reason is already on stderr
    const CParameterArray& patches = document.Patches();
    for (size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(patches.At(i));
        std::printf("%zu\t%s", i + 1, patch ? patch->GetName().c_str() : "");
        for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
            std::printf("\t%s", cli::MemoForTerminal(patches[i].GetMemo(memo), codePage).c_str());
        std::printf("\n");
    }
    return kExitOk;
}

int New(const std::vector<std::string_view>& args) {
    if (args.empty())
        return Usage("new needs a file");
    long count = 60;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--count" && i + 1 < args.size()) {
            std::string value(args[++i]);
            char* end = nullptr;
            count = std::strtol(value.c_str(), &end, 10);
            if (end == value.c_str() || *end != '\0' || count < 0 || count > 1000000)
                return Usage("--count takes a number from 0 to 1000000");
        } else {
            return Usage("unknown option for new");
        }
    }
    CFileDocument document;
    document.Patches().Resize(static_cast<size_t>(count));
    return WriteLibrarianFile(std::string(args[0]), document) ? kExitOk : kExitFailure;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage("no command");
    std::string_view command = argv[1];
    std::vector<std::string_view> args(argv + 2, argv + argc);
    // Errors are shown in English on standard error.
    GetMessageTable().SetLanguage(CMessageTable::kEnglish);
    if (command == "show")
        return Show(args);
    if (command == "new")
        return New(args);
    if (command == "help" || command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return kExitOk;
    }
    return Usage("unknown command");
}
