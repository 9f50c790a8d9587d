#include "engine/BackupFiles.h"

#include "data/ParameterAddress.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kExtension = ".z4l";
// "YYYY-MM-DD_hhmmss_": the part of the name that sorts by time.
constexpr std::size_t kStampSize = 18;

// "SOUND LIBRARY: CLEAN" becomes "SOUND-LIBRARY-CLEAN": letters, digits and
// single dashes only, so the name is safe on every file system.
std::string FileNamePart(const std::string& text) {
    std::string part;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            part += c;
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && part.back() == '-')
        part.pop_back();
    return part.empty() ? "AREA" : part;
}

bool IsStamp(const std::string& name) {
    if (name.size() < kStampSize)
        return false;
    for (std::size_t i = 0; i < kStampSize; ++i) {
        const char c = name[i];
        bool wanted = std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (i == 4 || i == 7)
            wanted = c == '-';
        else if (i == 10 || i == 17)
            wanted = c == '_';
        if (!wanted)
            return false;
    }
    return true;
}

} // namespace

std::filesystem::path NewBackupPath(const std::filesystem::path& folder, int areaNumber, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S_", &local);
    const std::string base = stamp + FileNamePart(CParameterAddress().AreaName(areaNumber));
    std::filesystem::path path = folder / (base + kExtension);
    std::error_code error;
    for (int n = 2; std::filesystem::exists(path, error); ++n)
        path = folder / (base + "_" + std::to_string(n) + kExtension);
    return path;
}

bool ParseBackupFileName(const std::filesystem::path& name, std::time_t& when, int& areaNumber) {
    // Only a name exactly as NewBackupPath makes it: stamp, one of the seven
    // area labels, an optional "_n" (n from 2, no leading zero) and the
    // extension. A user's own file in the folder ("..._MEMORY (copy).z4l",
    // "..._MEMORY_mine.z4l") is never taken for a backup.
    const std::string text = name.filename().string();
    const std::string extension(kExtension);
    if (!IsStamp(text) || text.size() <= kStampSize + extension.size() ||
        text.compare(text.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    const std::string rest = text.substr(kStampSize, text.size() - kStampSize - extension.size());
    const CParameterAddress map;
    int found = 0;
    for (int area = 1; area <= kAreaCount && found == 0; ++area) {
        const std::string label = FileNamePart(map.AreaName(area));
        if (rest.compare(0, label.size(), label) != 0)
            continue;
        const std::string suffix = rest.substr(label.size());
        if (suffix.empty())
            found = area;
        else if (suffix.size() >= 2 && suffix[0] == '_' && suffix[1] != '0' && suffix != "_1" &&
                 std::all_of(suffix.begin() + 1, suffix.end(), [](char c) { return c >= '0' && c <= '9'; }))
            found = area;
    }
    if (found == 0)
        return false;
    std::tm local{};
    local.tm_year = std::stoi(text.substr(0, 4)) - 1900;
    local.tm_mon = std::stoi(text.substr(5, 2)) - 1;
    local.tm_mday = std::stoi(text.substr(8, 2));
    local.tm_hour = std::stoi(text.substr(11, 2));
    local.tm_min = std::stoi(text.substr(13, 2));
    local.tm_sec = std::stoi(text.substr(15, 2));
    local.tm_isdst = -1;
    const std::time_t time = std::mktime(&local);
    if (time == -1)
        return false;
    when = time;
    areaNumber = found;
    return true;
}

bool IsBackupFileName(const std::filesystem::path& name) {
    std::time_t when = 0;
    int area = 0;
    return ParseBackupFileName(name, when, area);
}

int PruneBackups(const std::filesystem::path& folder, int keep) {
    std::error_code error;
    std::vector<std::filesystem::path> backups;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && IsBackupFileName(it->path()))
            backups.push_back(it->path());
    if (keep < 0 || backups.size() <= static_cast<std::size_t>(keep))
        return 0;
    // Newest first: the names start with the time of the write.
    std::sort(backups.begin(), backups.end(),
              [](const auto& a, const auto& b) { return a.filename() > b.filename(); });
    int deleted = 0;
    for (std::size_t i = static_cast<std::size_t>(keep); i < backups.size(); ++i)
        if (std::filesystem::remove(backups[i], error))
            ++deleted;
    return deleted;
}
