#include "platform/shell/FixedNames.h"

#include <filesystem>
#include <system_error>

namespace {

std::string FindProgramPath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.lexically_normal().string();
}

} // namespace

const std::string& GetModelName() {
    static const std::string name = "ZM-47";
    return name;
}

const std::string& GetFileExtension() {
    static const std::string extension = ".z4l";
    return extension;
}

const std::string& GetInitialDataFileName() {
    static const std::string name = "InitialData.z4l";
    return name;
}

const std::string& GetProductTitle() {
    static const std::string title = GetModelName() + " Librarian";
    return title;
}

const std::string& GetProgramPath() {
    static const std::string path = FindProgramPath();
    return path;
}

const std::string& GetProgramDirectory() {
    static const std::string directory = std::filesystem::path(GetProgramPath()).parent_path().string();
    return directory;
}

std::string FindProgramFilesDirectory(const std::string& programDirectory) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path beside(programDirectory);
    if (fs::is_directory(beside / "Script", error) || fs::is_directory(beside / "Manual", error))
        return programDirectory;
    const fs::path shared = (beside / ".." / "share" / "zm47-librarian").lexically_normal();
    if (fs::is_directory(shared, error))
        return shared.string();
    return programDirectory;
}

const std::string& GetProgramFilesDirectory() {
    static const std::string directory = FindProgramFilesDirectory(GetProgramDirectory());
    return directory;
}

bool IsInstalledProgram() { return GetProgramFilesDirectory() != GetProgramDirectory(); }

std::string GetInitialDataFilePath() {
    return GetProgramFilesDirectory() + "/Script/ZM4L/" + GetInitialDataFileName();
}
