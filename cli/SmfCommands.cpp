// export-smf and import-smf: patches as Standard MIDI Files of data sets, as
// the device writer and reader make and read them.
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "engine/Reader.h"
#include "engine/Writer.h"

#include <algorithm>
#include <cstdio>
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
    const std::size_t areaSize = static_cast<std::size_t>(map.PatchCount(area));
    const std::size_t count = std::min(areaSize, file.Patches().Size());
    if (file.Patches().Size() > areaSize)
        std::fprintf(stderr, "zm47-cli: %s holds %zu patches; the first %zu are exported for %s\n", in.c_str(),
                     file.Patches().Size(), areaSize, map.AreaName(area).c_str());
    std::vector<int> indexes(count);
    for (std::size_t i = 0; i < count; ++i)
        indexes[i] = static_cast<int>(i);
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
