#pragma once
// The program's fixed names. Each is built on first use and kept for the run.
#include <string>

// "ZM-47": the unit's model name.
const std::string& GetModelName();
// ".z4l": the extension of librarian files.
const std::string& GetFileExtension();
// "InitialData.z4l": the initial data file below "Script/ZM4L/".
const std::string& GetInitialDataFileName();
// "ZM-47 Librarian": the label of the librarian file filter.
const std::string& GetProductTitle();
// The folder of the running program file, without a trailing separator. The
// initial data file and the manuals are looked up below it.
const std::string& GetProgramDirectory();
// The running program file itself (absolute, symbolic links followed).
const std::string& GetProgramPath();
// GetProgramDirectory() + "/Script/ZM4L/" + GetInitialDataFileName().
std::string GetInitialDataFilePath();
