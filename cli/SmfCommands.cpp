// export-smf and import-smf: patches as Standard MIDI Files of data sets, as
// the device writer and reader make and read them.
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/Reader.h"
#include "engine/Writer.h"

#include <string>
#include <vector>

namespace cli {

int ExportSmfFile(const Arguments& arguments)
{
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
    return session.Writer().ExportSmf(arguments.files[1], map.AreaCodeFromNumber(area), indexes, file.Patches())
               ? kExitOk
               : kExitFailure;
}

int ImportSmfFile(const Arguments& arguments)
{
    CEngineSession session;
    if (!session.Start({}))
        return kExitFailure;
    CFileDocument image;
    image.GetImage().FillWithNewPatches();
    if (!session.Reader().ImportSmf(arguments.files[0], image.GetImage()))
        return kExitFailure;
    const int area = arguments.area.value_or(1);
    CFileDocument out;
    const CParameterArray& patches = image.GetImage().GetArray(area);
    for (std::size_t i = 0; i < patches.Size(); ++i)
        out.Patches().Append(patches[i].Clone());
    return WriteLibrarianFile(arguments.files[1], out) ? kExitOk : kExitFailure;
}

} // namespace cli
