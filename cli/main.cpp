// zm47-cli: the librarian's data and the unit from a shell.
#include "cli/CommandLine.h"
#include "app/core/LibrarianState.h"
#include "cli/Commands.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"
#include "platform/shell/FixedNames.h"

#include "zm47_version.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using cli::Arguments;
using cli::CommandSpec;

void PrintUsage(std::FILE* out) {
    std::fputs("usage: zm47-cli COMMAND [ARGS]\n"
               "       zm47-cli --help | --version\n"
               "\n"
               "files:\n"
               "  show FILE.z4l [--lang en|ja]         list the patches: number, name, four memos\n"
               "                                       (tab-separated, one line per patch)\n"
               "  new FILE.z4l [--count N]             write a librarian file of N new patches (default 60)\n"
               "  export-smf IN.z4l OUT.mid [--area N] the file's patches as a Standard MIDI File of data\n"
               "                                       sets for area N (default 1)\n"
               "  import-smf IN.mid OUT.z4l [--area N] the patches of area N (default 1) found in a\n"
               "                                       Standard MIDI File, as a librarian file\n"
               "  export-syx IN.z4l OUT.syx [--area N] the same data sets as a raw SysEx file\n"
               "  import-syx IN.syx OUT.z4l [--area N] the patches of area N (default 1) found in a\n"
               "                                       raw SysEx file; anything else in it is skipped\n"
               "\n"
               "the unit (each takes DEVICES):\n"
               "  identify                             check that a ZM-47 answers\n"
               "  read OUT.z4l --area 1..7|all         read an area (1 MEMORY, 2..7 the sound library\n"
               "                                       banks) or all 120 patches into a librarian file\n"
               "  write IN.z4l --area 1..7 [--indexes 0,3,7] [--verify] [--backup FILE.z4l]\n"
               "                                       write the file's patches to the area from its first\n"
               "                                       patch on, or only those patch indexes (from 0);\n"
               "                                       --backup first saves the patches about to be\n"
               "                                       overwritten (nothing is written if that fails),\n"
               "                                       --verify reads the written patches back and fails\n"
               "                                       naming those that differ\n"
               "  preview IN.z4l --index K             send patch K (from 0) of the file to the\n"
               "                                       unit's temporary patch\n"
               "  devices [--simulator]                list the MIDI devices (in: and out:)\n"
               "  detect [--simulator]                 find the ZM-47 on every MIDI port, ALSA's and\n"
               "                                       JACK's: for each unit that answers, three lines\n"
               "                                       \"in:\", \"out:\" (the devices for --in and --out)\n"
               "                                       and \"device id:\" (for --device-id); at most 3 s,\n"
               "                                       status 1 when no unit answers\n"
               "  sim [--api alsa|jack] [--port-name NAME] [--sim-memory FILE.z4l] [--device-id N]\n"
               "      [--wire-speed]                   run the simulated unit on the system's MIDI ports:\n"
               "                                       JACK's when a JACK server runs, else ALSA's; with\n"
               "                                       --wire-speed it answers as fast as a MIDI cable;\n"
               "                                       it ends with status 1 when its JACK server ends\n"
               "\n"
               "the history library (every state of the unit seen, every patch and file):\n"
               "  history [--area N] [--limit K]       the unit's states, newest first: ID, time, area,\n"
               "                                       event (read, before write, written), patches\n"
               "                                       changed since the area's state before (- for none)\n"
               "  history --show ID [--lang en|ja]     that state's patches, as show lists them\n"
               "  diff A B                             A and B each a history ID or a .z4l file: one line\n"
               "                                       per patch that differs: number, name in A, name\n"
               "                                       in B, what (name, sound, name+sound or memo)\n"
               "  restore ID [--indexes 0,3] DEVICES   write that state's patches (or only those indexes)\n"
               "                                       back to its area, with a backup first (in backups\n"
               "                                       beside the library) and a read-back after\n"
               "  find TEXT                            every patch whose name or memo holds TEXT\n"
               "                                       (any case): name and where it is or was\n"
               "  duplicates FILE.z4l|--library        groups of patches with the same sound\n"
               "                                       (bytes 0 to 95): numbers or places, names\n"
               "  library add FILE...                  take .z4l, .syx and .mid files into the library\n"
               "  library check                        SQLite's integrity check of the library\n"
               "  library forget --before DATE         delete the states and files seen before DATE\n"
               "                                       (2026-12-01 or 2026-12-01T10:00:00)\n"
               "  The commands read, write, restore, import-smf and import-syx record what they saw.\n"
               "  --library FILE                       this library instead of the user's\n"
               "                                       (~/.local/share/Tessan/ZM-47 Librarian/library.sqlite)\n"
               "  --no-library                         record nothing\n"
               "\n"
               "DEVICES:\n"
               "  --in NAME --out NAME                 the MIDI devices the unit is connected to\n"
               "  --simulator [--sim-memory FILE.z4l]  the simulated unit instead; its memory is kept\n"
               "                                       in FILE.z4l from run to run when given\n"
               "  --device-id N                        the unit's device id as its setup shows it,\n"
               "                                       17 to 32 (default 17)\n"
               "  --sim-corrupt-store N                the simulated unit stores the N-th data set it\n"
               "                                       receives (from 1), and any later one to the same\n"
               "                                       place, wrongly, to try --verify\n"
               "  --sim-silent-from N                  the simulated unit answers nothing from its N-th\n"
               "                                       reply (from 1) on, as if switched off\n"
               "\n"
               "Exit status: 0 done, 1 failed (the reason on standard error), 2 usage error.\n",
               out);
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "zm47-cli: %s\n\n", problem.c_str());
    PrintUsage(stderr);
    return cli::kExitUsage;
}

struct Command {
    CommandSpec spec;
    int (*run)(const Arguments&);
};

const std::array<Command, 19>& Commands() {
    static const std::array<Command, 19> commands{{
        {{"show", 1, 1, {"lang"}}, cli::Show},
        {{"new", 1, 1, {"count"}}, cli::New},
        {{"devices", 0, 0, {"simulator"}}, cli::Devices},
        {{"detect", 0, 0, {"simulator"}}, cli::Detect},
        {{"sim", 0, 0, {"api", "port-name", "sim-memory", "device-id", "wire-speed"}}, cli::RunSimulator},
        {{"identify", 0, 0, {"device"}}, cli::Identify},
        {{"read", 1, 1, {"device", "area", "library", "no-library"}, true}, cli::Read},
        {{"write", 1, 1, {"device", "area", "indexes", "verify", "backup", "library", "no-library"}}, cli::Write},
        {{"restore", 1, 1, {"device", "indexes", "library"}}, cli::Restore},
        {{"preview", 1, 1, {"device", "index"}}, cli::Preview},
        {{"export-smf", 2, 2, {"area"}}, cli::ExportSmfFile},
        {{"import-smf", 2, 2, {"area", "library", "no-library"}}, cli::ImportSmfFile},
        {{"export-syx", 2, 2, {"area"}}, cli::ExportSysExFile},
        {{"import-syx", 2, 2, {"area", "library", "no-library"}}, cli::ImportSysExFile},
        {{"history", 0, 0, {"area", "limit", "show", "lang", "library"}}, cli::History},
        {{"diff", 2, 2, {"library"}}, cli::Diff},
        {{"find", 1, 1, {"library"}}, cli::Find},
        {{"duplicates", 0, 1, {"library"}}, cli::Duplicates},
        {{"library", 1, 100000, {"before", "library"}}, cli::LibraryCommand},
    }};
    return commands;
}

// The manual where the window program finds it: beside the program in the
// build tree, in share/zm47-librarian when installed.
std::string ManualFile() {
    std::string name = GetMessageTable().Get(kMsgManualPath);
    std::replace(name.begin(), name.end(), '\\', '/');
    const std::string& folder = GetProgramFilesDirectory();
    return folder.empty() ? name : (std::filesystem::path(folder) / name).lexically_normal().string();
}

// The texts that send the user to the window program's menus and dialogs
// say what to do in a shell instead.
void UseCommandLineTexts() {
    CMessageTable& table = GetMessageTable();
    table.Add(CMessageTable::kEnglish, kMsgUnableToReadWrite, MessageWith(kMsgUnableToReadWriteCli, ManualFile()));
    table.Add(CMessageTable::kEnglish, kMsgMidiNotSetUp, table.Get(kMsgMidiNotSetUpCli));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage("no command");
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return cli::kExitOk;
    }
    if (name == "--version") {
        std::fputs("zm47-cli " ZM47_VERSION "\n", stdout);
        return cli::kExitOk;
    }
    const std::vector<std::string_view> words(argv + 2, argv + argc);
    // Errors are shown in English on standard error.
    GetMessageTable().SetLanguage(CMessageTable::kEnglish);
    UseCommandLineTexts();
    for (const Command& command : Commands()) {
        if (command.spec.name != name)
            continue;
        Arguments arguments;
        std::string problem;
        if (!cli::ParseArguments(command.spec, words, arguments, problem))
            return Usage(problem);
        const bool needsArea = name == "read" || name == "write";
        if (needsArea && !arguments.area)
            return Usage(std::string(name) + " needs --area");
        if (name == "preview" && !arguments.index)
            return Usage("preview needs --index");
        if (!cli::CheckFilePairs(name, arguments))
            return cli::kExitFailure;
        return command.run(arguments);
    }
    return Usage("unknown command " + std::string(name));
}
