// identify, read, write and preview: the unit through the engine.
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/InterruptGuard.h"
#include "cli/LibrarySession.h"
#include "cli/StderrProgress.h"
#include "data/FileDocument.h"
#include "data/ImageDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/BackupFiles.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace cli {

namespace {

const std::vector<int> kAllAreas{1, 2, 3, 4, 5, 6, 7};

std::vector<int> FirstIndexes(std::size_t count) {
    std::vector<int> indexes(count);
    for (std::size_t i = 0; i < count; ++i)
        indexes[i] = static_cast<int>(i);
    return indexes;
}

// Saves the patches of the areas, in the order given, as a librarian file.
bool SaveAreas(const CImageData& image, const std::vector<int>& areas, const std::string& path,
               IHistoryRecorder& history) {
    CFileDocument file;
    for (int area : areas) {
        const CParameterArray& patches = image.GetArray(area);
        for (std::size_t i = 0; i < patches.Size(); ++i)
            file.Patches().Append(patches[i].Clone());
    }
    if (!WriteLibrarianFile(path, file))
        return false;
    history.FileSeen(path, EFileEvent::kSaved, file.Patches());
    return true;
}

int Cancelled() {
    PrintError("cancelled");
    return kExitFailure;
}

// A checked write of the listed patches of the array (indexed by slot) to
// area over the devices the arguments name, recorded in the history: the
// backup as "before write", what was sent as "written". Patches that MIDI
// cannot carry are refused before any device opens. Returns the exit code.
int WriteToUnit(const Arguments& arguments, const char* verb, int area, const std::vector<int>& indexes,
                const CParameterArray& array, const CWriteChecks& checks, IHistoryRecorder& history) {
    const CParameterAddress map;
    if (!CWriter::CheckSendable(map.AreaCodeFromNumber(area), indexes, array))
        return kExitFailure;
    CEngineSession session;
    if (!session.Start(arguments.devices))
        return kExitFailure;
    CInterruptGuard interrupt;
    CStderrProgress progress(verb);
    CWriter& writer = session.Writer();
    writer.SetProgress(&progress);
    CWriteRecord record;
    record.started = std::time(nullptr);
    const bool written = writer.WritePatches(map.AreaCodeFromNumber(area), indexes, array, checks);
    std::error_code error;
    if (!checks.backupFile.empty() && std::filesystem::exists(checks.backupFile, error))
        record.backupFile = checks.backupFile;
    record.sent = writer.LastWriteSent();
    if (checks.verify)
        record.verify = writer.LastReadBackMatched() ? EVerify::kPassed : EVerify::kFailed;
    history.UnitWritten(area, indexes, array, record);
    if (!written)
        return StopRequested() ? Cancelled() : kExitFailure;
    return kExitOk;
}

std::string AreaList(const std::vector<int>& areas) {
    const CParameterAddress map;
    std::string text;
    for (int area : areas)
        text += (text.empty() ? "" : ", ") + map.AreaName(area);
    return text;
}

// The unit's ports have devices; else message 13, as every transfer says.
bool DevicesSetUp(CEngineSession& session) {
    if (session.Engine().setup.IsSetUp())
        return true;
    ShowMessage(kMsgMidiNotSetUp);
    return false;
}

} // namespace

int Identify(const Arguments& arguments) {
    CEngineSession session;
    if (!session.Start(arguments.devices) || !DevicesSetUp(session) || !session.Reader().CheckIdentity())
        return kExitFailure;
    std::printf("ZM-47 answered as device id %d\n", arguments.devices.deviceId + 1);
    return kExitOk;
}

int Read(const Arguments& arguments) {
    CEngineSession session;
    if (!session.Start(arguments.devices))
        return kExitFailure;
    CInterruptGuard interrupt;
    CStderrProgress progress("reading");
    AReader& reader = session.Reader();
    reader.SetProgress(&progress);
    const CParameterAddress map;
    const std::string& path = arguments.files[0];
    CImageDocument document;
    document.GetImage().FillWithNewPatches();

    CLibrarySession library(arguments);

    if (*arguments.area == Arguments::kAllAreas) {
        std::vector<int> failed;
        if (!reader.ReadAll(document, &failed))
            return kExitFailure;
        if (StopRequested())
            return Cancelled();
        // The areas that were read are states of the unit, whatever else failed.
        for (int area : kAllAreas)
            if (std::find(failed.begin(), failed.end(), area) == failed.end())
                library.Recorder().UnitRead(area, {}, document.GetImage().GetArray(area));
        if (!failed.empty()) {
            // A backup must never hold initial patches in place of the unit's.
            // The read stops at the area that failed: the later ones were
            // never tried.
            const CParameterAddress areas;
            const std::vector<int> later(failed.begin() + 1, failed.end());
            const std::string text =
                later.empty() ? MessageWith(kMsgReadAllStoppedLast, areas.AreaName(failed[0]))
                              : MessageWith(kMsgReadAllStopped, {areas.AreaName(failed[0]), AreaList(later)});
            PrintError(text + " No file was written.");
            return kExitFailure;
        }
        return SaveAreas(document.GetImage(), kAllAreas, path, library.Recorder()) ? kExitOk : kExitFailure;
    }
    const int area = *arguments.area;
    const auto indexes = FirstIndexes(static_cast<std::size_t>(map.PatchCount(area)));
    if (!reader.ReadPatches(map.AreaCodeFromNumber(area), indexes, document.GetImage()))
        return StopRequested() ? Cancelled() : kExitFailure;
    library.Recorder().UnitRead(area, {}, document.GetImage().GetArray(area));
    return SaveAreas(document.GetImage(), {area}, path, library.Recorder()) ? kExitOk : kExitFailure;
}

int Write(const Arguments& arguments) {
    CFileDocument file;
    const std::string& path = arguments.files[0];
    if (!ReadLibrarianFile(path, file))
        return kExitFailure;
    const CParameterAddress map;
    const int area = *arguments.area;
    const std::size_t areaSize = static_cast<std::size_t>(map.PatchCount(area));
    const std::size_t fileSize = file.Patches().Size();
    std::vector<int> indexes;
    if (arguments.indexes) {
        indexes = *arguments.indexes;
        for (int index : indexes) {
            if (static_cast<std::size_t>(index) >= areaSize) {
                PrintError(map.AreaName(area) + " has patch indexes 0 to " + std::to_string(areaSize - 1) + ", not " +
                           std::to_string(index));
                return kExitUsage;
            }
            if (!FileHasPatch(path, fileSize, index))
                return kExitFailure;
        }
    } else {
        indexes = LeadingPatchIndexes(path, fileSize, area);
    }
    CWriteChecks checks;
    checks.verify = arguments.verify;
    checks.backupFile = arguments.backup;
    CLibrarySession library(arguments);
    library.Recorder().FileSeen(path, EFileEvent::kOpened, file.Patches());
    return WriteToUnit(arguments, "writing", area, indexes, file.Patches(), checks, library.Recorder());
}

int Restore(const Arguments& arguments) {
    const std::string& id = arguments.files[0];
    const char* end = id.data() + id.size();
    LibraryId stateId = 0;
    if (const auto [ptr, ec] = std::from_chars(id.data(), end, stateId);
        ec != std::errc() || ptr != end || stateId <= 0) {
        PrintError("restore takes a history ID (the first column of history), not " + id);
        return kExitUsage;
    }
    if (arguments.noLibrary) {
        PrintError("restore reads the history library; leave out --no-library");
        return kExitUsage;
    }
    CLibrarySession library(arguments);
    if (!library.Library()) {
        PrintError("no history library");
        return kExitFailure;
    }
    const auto state = library.Library()->State(stateId);
    if (!state) {
        PrintError("the history has no state " + id);
        return kExitFailure;
    }
    const CParameterAddress map;
    const int area = state->info.area;
    std::vector<int> indexes;
    if (arguments.indexes) {
        for (int index : *arguments.indexes) {
            if (index >= map.PatchCount(area)) {
                PrintError(map.AreaName(area) + " has patch indexes 0 to " + std::to_string(map.PatchCount(area) - 1) +
                           ", not " + std::to_string(index));
                return kExitUsage;
            }
            if (!state->patches[static_cast<std::size_t>(index)]) {
                PrintError("state " + id + " does not hold " + map.AreaName(area) + " " + std::to_string(index + 1));
                return kExitFailure;
            }
            indexes.push_back(index);
        }
    } else {
        for (std::size_t i = 0; i < state->patches.size(); ++i)
            if (state->patches[i])
                indexes.push_back(static_cast<int>(i));
    }
    // The state's patches by slot; what the library holds goes only to the
    // unit, never into a file of the user's.
    CConcreteParameterArray<CPatch> patches;
    patches.Resize(state->patches.size());
    for (int index : indexes)
        patches[static_cast<std::size_t>(index)] = *state->patches[static_cast<std::size_t>(index)];
    CWriteChecks checks;
    checks.verify = true;
    checks.backupFile = NewBackupPath(library.BackupFolder(), area, std::time(nullptr));
    return WriteToUnit(arguments, "restoring", area, indexes, patches, checks, library.Recorder());
}

int Preview(const Arguments& arguments) {
    CFileDocument file;
    const std::string& path = arguments.files[0];
    if (!ReadLibrarianFile(path, file))
        return kExitFailure;
    const int index = *arguments.index;
    if (!FileHasPatch(path, file.Patches().Size(), index))
        return kExitFailure;
    if (!CWriter::CheckSendable(kTemporaryAreaCode, {index}, file.Patches()))
        return kExitFailure;
    CEngineSession session;
    if (!session.Start(arguments.devices))
        return kExitFailure;
    CStderrProgress progress("previewing");
    CWriter& writer = session.Writer();
    writer.SetProgress(&progress);
    return writer.WritePatches(kTemporaryAreaCode, {index}, file.Patches()) ? kExitOk : kExitFailure;
}

} // namespace cli
