// history, diff, find, duplicates and library: what the history library
// knows, from a shell. restore is with the transfers.
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/LibrarySession.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/Reader.h"
#include "library/PatchCompare.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>

namespace cli {

namespace {

// The library a query command needs; null (with the reason on standard
// error) when there is none.
CLibrary* NeedLibrary(CLibrarySession& session, const Arguments& arguments) {
    if (arguments.noLibrary) {
        PrintError("this command reads the history library; leave out --no-library");
        return nullptr;
    }
    if (!session.Library())
        PrintError("no history library");
    return session.Library();
}

std::optional<LibraryId> ParseId(const std::string& text) {
    LibraryId id = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, id);
    if (text.empty() || ec != std::errc() || ptr != end || id <= 0)
        return std::nullopt;
    return id;
}

bool IsFileArgument(const std::string& text) {
    std::error_code error;
    return !ParseId(text) || std::filesystem::exists(text, error);
}

// One side of a diff: a state's slots or a file's patches.
struct CSide {
    std::vector<std::optional<CPatch>> patches;
};

bool LoadSide(CLibrary* library, const std::string& text, CSide& side) {
    if (IsFileArgument(text)) {
        CFileDocument file;
        if (!ReadLibrarianFile(text, file))
            return false;
        for (std::size_t i = 0; i < file.Patches().Size(); ++i) {
            const CPatch* patch = AsPatch(file.Patches().At(i));
            side.patches.push_back(patch ? std::optional<CPatch>(*patch) : std::nullopt);
        }
        return true;
    }
    if (!library)
        return false;
    const auto state = library->State(*ParseId(text));
    if (!state) {
        PrintError("the history has no state " + text);
        return false;
    }
    side.patches = state->patches;
    return true;
}

void PrintPatchLine(std::size_t number, const CPatch& patch, const char* codePage) {
    std::printf("%zu\t%s", number, patch.GetName().c_str());
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
        std::printf("\t%s", MemoForTerminal(patch.GetMemo(memo), codePage).c_str());
    std::printf("\n");
}

std::string ChangedText(const std::optional<int>& changed) { return changed ? std::to_string(*changed) : "-"; }

// "2026-12-01" or "2026-12-01T10:00:00", local time.
std::optional<std::time_t> ParseLocalTime(const std::string& text) {
    std::tm local{};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    const int fields =
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second, &tail);
    if (!(fields == 3 && text.size() == 10) && fields != 6)
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const std::time_t time = std::mktime(&local);
    if (time == -1)
        return std::nullopt;
    return time;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

// Takes a SysEx or SMF file's patches, as an import would store them.
bool ReadDataSetFile(const std::string& path, bool smf, CConcreteParameterArray<CPatch>& patches) {
    CEngineSession session;
    if (!session.Start({}))
        return false;
    CImageData image;
    PrepareImportImage(image);
    AReader& reader = session.Reader();
    if (!(smf ? reader.ImportSmf(path, image) : reader.ImportSysEx(path, image)))
        return false;
    patches = ImportedPatches(image);
    return true;
}

std::string Lowercase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

int LibraryAdd(CLibrary& library, const Arguments& arguments) {
    int status = kExitOk;
    for (std::size_t i = 1; i < arguments.files.size(); ++i) {
        const std::string& path = arguments.files[i];
        const std::string extension = Lowercase(std::filesystem::path(path).extension().string());
        CConcreteParameterArray<CPatch> patches;
        bool read = false;
        if (extension == ".z4l") {
            CFileDocument file;
            read = ReadLibrarianFile(path, file);
            for (std::size_t p = 0; read && p < file.Patches().Size(); ++p)
                patches.Append(file.Patches()[p].Clone());
        } else if (extension == ".syx" || extension == ".mid") {
            read = ReadDataSetFile(path, extension == ".mid", patches);
        } else {
            PrintError(path + ": library add takes .z4l, .syx and .mid files");
        }
        if (!read || library.RecordFile(path, EFileEvent::kAdded, patches) == 0) {
            status = kExitFailure;
            continue;
        }
        std::printf("%s\t%zu\n", path.c_str(), patches.Size());
    }
    return status;
}

} // namespace

int History(const Arguments& arguments) {
    CLibrarySession session(arguments);
    CLibrary* library = NeedLibrary(session, arguments);
    if (!library)
        return kExitFailure;
    const CParameterAddress map;
    if (arguments.showId) {
        const auto state = library->State(*arguments.showId);
        if (!state) {
            PrintError("the history has no state " + std::to_string(*arguments.showId));
            return kExitFailure;
        }
        const char* codePage = arguments.lang == "ja" ? "CP932" : "CP1252";
        for (std::size_t i = 0; i < state->patches.size(); ++i)
            if (state->patches[i])
                PrintPatchLine(i + 1, *state->patches[i], codePage);
        return kExitOk;
    }
    const int area = arguments.area.value_or(0);
    for (const CStateInfo& info : library->History(area, static_cast<int>(arguments.limit.value_or(0))))
        std::printf("%lld\t%s\t%s\t%s\t%s\n", static_cast<long long>(info.id), LocalTimeText(info.time).c_str(),
                    map.AreaName(info.area).c_str(), UnitEventName(info.event).c_str(),
                    ChangedText(info.changed).c_str());
    return kExitOk;
}

int Diff(const Arguments& arguments) {
    const bool needsLibrary = !IsFileArgument(arguments.files[0]) || !IsFileArgument(arguments.files[1]);
    CLibrarySession session(arguments);
    CLibrary* library = needsLibrary ? NeedLibrary(session, arguments) : nullptr;
    if (needsLibrary && !library)
        return kExitFailure;
    CSide a, b;
    if (!LoadSide(library, arguments.files[0], a) || !LoadSide(library, arguments.files[1], b))
        return kExitFailure;
    if (a.patches.size() != b.patches.size())
        PrintError(arguments.files[0] + " has " + std::to_string(a.patches.size()) + " patches, " +
                   arguments.files[1] + " " + std::to_string(b.patches.size()) + "; the first " +
                   std::to_string(std::min(a.patches.size(), b.patches.size())) + " are compared");
    for (std::size_t i = 0; i < a.patches.size() && i < b.patches.size(); ++i) {
        // A slot a state does not cover is not compared.
        if (!a.patches[i] || !b.patches[i])
            continue;
        const EPatchDifference difference = ComparePatches(*a.patches[i], *b.patches[i]);
        if (difference == EPatchDifference::kSame)
            continue;
        std::printf("%zu\t%s\t%s\t%s\n", i + 1, a.patches[i]->GetName().c_str(), b.patches[i]->GetName().c_str(),
                    DifferenceText(difference).c_str());
    }
    return kExitOk;
}

int Find(const Arguments& arguments) {
    CLibrarySession session(arguments);
    CLibrary* library = NeedLibrary(session, arguments);
    if (!library)
        return kExitFailure;
    for (const CFoundPatch& found : library->Find(arguments.files[0]))
        for (const CPlace& place : found.places)
            std::printf("%s\t%s\n", found.patch.GetName().c_str(), PlaceText(place).c_str());
    return kExitOk;
}

int Duplicates(const Arguments& arguments) {
    if (arguments.files.empty()) {
        CLibrarySession session(arguments);
        CLibrary* library = NeedLibrary(session, arguments);
        if (!library)
            return kExitFailure;
        for (const auto& group : library->Duplicates()) {
            std::vector<std::string> places, names;
            for (const CFoundPatch& patch : group) {
                places.push_back(patch.places.empty() ? "#" + std::to_string(patch.id) : PlaceText(patch.places[0]));
                names.push_back(patch.patch.GetName());
            }
            std::printf("%s\t%s\n", Joined(places).c_str(), Joined(names).c_str());
        }
        return kExitOk;
    }
    if (arguments.wholeLibrary) {
        PrintError("duplicates takes a file or --library, not both");
        return kExitUsage;
    }
    CFileDocument file;
    if (!ReadLibrarianFile(arguments.files[0], file))
        return kExitFailure;
    for (const auto& group : SoundDuplicateGroups(file.Patches())) {
        std::vector<std::string> numbers, names;
        for (int index : group) {
            numbers.push_back(std::to_string(index + 1));
            const CPatch* patch = AsPatch(file.Patches().At(static_cast<std::size_t>(index)));
            names.push_back(patch ? patch->GetName() : "");
        }
        std::printf("%s\t%s\n", Joined(numbers).c_str(), Joined(names).c_str());
    }
    return kExitOk;
}

int LibraryCommand(const Arguments& arguments) {
    const std::string action = arguments.files.empty() ? "" : arguments.files[0];
    if (action != "add" && action != "check" && action != "forget") {
        PrintError("library takes add FILE..., check or forget --before DATE");
        return kExitUsage;
    }
    if (action == "add" && arguments.files.size() < 2) {
        PrintError("library add needs at least one file");
        return kExitUsage;
    }
    if (action != "add" && arguments.files.size() > 1) {
        PrintError("library " + action + " takes no file");
        return kExitUsage;
    }
    std::optional<std::time_t> before;
    if (action == "forget") {
        before = ParseLocalTime(arguments.before);
        if (!before) {
            PrintError("library forget needs --before DATE (2026-12-01 or 2026-12-01T10:00:00)");
            return kExitUsage;
        }
    } else if (!arguments.before.empty()) {
        PrintError("--before is for library forget");
        return kExitUsage;
    }
    CLibrarySession session(arguments);
    CLibrary* library = NeedLibrary(session, arguments);
    if (!library)
        return kExitFailure;
    if (action == "add")
        return LibraryAdd(*library, arguments);
    if (action == "forget") {
        const int forgotten = library->ForgetOlderThan(*before);
        if (forgotten < 0) {
            PrintError("the history library could not be changed");
            return kExitFailure;
        }
        std::printf("%d\n", forgotten);
        return kExitOk;
    }
    std::vector<std::string> problems;
    if (library->Check(problems)) {
        std::printf("ok\n");
        return kExitOk;
    }
    for (const std::string& problem : problems)
        std::printf("%s\n", problem.c_str());
    return kExitFailure;
}

} // namespace cli
