// export-smf, import-smf, export-syx and import-syx: patches as Standard MIDI
// Files and raw SysEx files of data sets, as the device writer and reader
// make and read them.
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/LibrarySession.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <cstdio>

#include <string>
#include <vector>

namespace cli {

namespace {

enum class FileKind { Smf, SysEx };

int ExportFile(const Arguments& arguments, FileKind kind) {
    CFileDocument file;
    const std::string& in = arguments.files[0];
    if (!ReadLibrarianFile(in, file))
        return kExitFailure;
    const CParameterAddress map;
    const int area = arguments.area.value_or(1);
    const std::vector<int> indexes = LeadingPatchIndexes(in, file.Patches().Size(), area);
    if (!CWriter::CheckSendable(map.AreaCodeFromNumber(area), indexes, file.Patches()))
        return kExitFailure;
    // The data sets carry the unit's identifiers as its ports are set up.
    CEngineSession session;
    if (!session.Start({}))
        return kExitFailure;
    CWriter& writer = session.Writer();
    const int areaCode = map.AreaCodeFromNumber(area);
    const bool ok = kind == FileKind::Smf ? writer.ExportSmf(arguments.files[1], areaCode, indexes, file.Patches())
                                          : writer.ExportSysEx(arguments.files[1], areaCode, indexes, file.Patches());
    return ok ? kExitOk : kExitFailure;
}

int ImportFile(const Arguments& arguments, FileKind kind) {
    CEngineSession session;
    if (!session.Start({}))
        return kExitFailure;
    CFileDocument image;
    image.GetImage().FillWithNewPatches();
    AReader& reader = session.Reader();
    const bool ok = kind == FileKind::Smf ? reader.ImportSmf(arguments.files[0], image.GetImage())
                                          : reader.ImportSysEx(arguments.files[0], image.GetImage());
    if (!ok)
        return kExitFailure;
    const int area = arguments.area.value_or(1);
    // A file with data sets for other areas only holds nothing for this one:
    // refused like a file with none, rather than saved as new patches.
    const CImportTally& tally = reader.LastImport();
    if (tally.PatchesIn(area).empty()) {
        ShowMessage(kMsgNoUnitDataInFile);
        return kExitFailure;
    }
    CFileDocument out;
    const CParameterArray& patches = image.GetImage().GetArray(area);
    for (std::size_t i = 0; i < patches.Size(); ++i)
        out.Patches().Append(patches[i].Clone());
    if (!WriteLibrarianFile(arguments.files[1], out))
        return kExitFailure;
    std::printf("%s\n", ImportSummary(tally, area).c_str());
    // The history keeps the patches the file really held, whatever the area.
    CLibrarySession library(arguments);
    CImageData held;
    PrepareImportImage(held);
    if (kind == FileKind::Smf ? reader.ImportSmf(arguments.files[0], held)
                              : reader.ImportSysEx(arguments.files[0], held))
        library.Recorder().FileImported(arguments.files[0], held);
    library.Recorder().FileSeen(arguments.files[1], EFileEvent::kSaved, out.Patches());
    return kExitOk;
}

} // namespace

int ExportSmfFile(const Arguments& arguments) { return ExportFile(arguments, FileKind::Smf); }
int ImportSmfFile(const Arguments& arguments) { return ImportFile(arguments, FileKind::Smf); }
int ExportSysExFile(const Arguments& arguments) { return ExportFile(arguments, FileKind::SysEx); }
int ImportSysExFile(const Arguments& arguments) { return ImportFile(arguments, FileKind::SysEx); }

} // namespace cli
