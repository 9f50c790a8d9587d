// Which files a command reads and which it writes, so that no output
// replaces an input ("export-syx mine.z4l mine.z4l" would turn the library
// into raw SysEx).
#include "cli/Commands.h"
#include "data/FileAccess.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <string>
#include <vector>

namespace cli {

namespace {

struct FileRole {
    std::string path;
    bool read = false;
    bool written = false;
};

std::vector<FileRole> FileRoles(std::string_view command, const Arguments& arguments) {
    std::vector<FileRole> roles;
    const auto& files = arguments.files;
    if (command == "new" || command == "read") {
        if (!files.empty())
            roles.push_back({files[0], false, true});
    } else if (!files.empty()) {
        roles.push_back({files[0], true, false});
        if (files.size() > 1)
            roles.push_back({files[1], false, true});
    }
    if (!arguments.backup.empty())
        roles.push_back({arguments.backup, false, true});
    // The simulated unit loads its memory at the start and saves it at the end.
    if (arguments.devices.simulator && !arguments.devices.simMemory.empty())
        roles.push_back({arguments.devices.simMemory, true, true});
    return roles;
}

} // namespace

bool CheckFilePairs(std::string_view command, const Arguments& arguments) {
    const std::vector<FileRole> roles = FileRoles(command, arguments);
    for (std::size_t a = 0; a < roles.size(); ++a)
        for (std::size_t b = a + 1; b < roles.size(); ++b) {
            // Two inputs may well be one file; a file written must be no other.
            if (!roles[a].written && !roles[b].written)
                continue;
            if (IsSameFile(roles[a].path, roles[b].path)) {
                const bool aWritten = roles[a].written;
                ShowMessageWith(kMsgOutputIsInput,
                                {aWritten ? roles[a].path : roles[b].path, aWritten ? roles[b].path : roles[a].path});
                return false;
            }
        }
    return true;
}

} // namespace cli
