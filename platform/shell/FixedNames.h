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
// The folder of the running program file, without a trailing separator.
const std::string& GetProgramDirectory();
// The folder that holds the program's files ("Script/ZM4L/InitialData.z4l",
// "Manual/..."), for a program in `programDirectory`: that folder itself when
// the files are beside the program (the build tree), else
// "<prefix>/share/zm47-librarian" for a program installed in "<prefix>/bin"
// when that folder exists; otherwise `programDirectory`, so that a message
// about a missing file names the place beside the program.
std::string FindProgramFilesDirectory(const std::string& programDirectory);
// FindProgramFilesDirectory(GetProgramDirectory()), found once.
const std::string& GetProgramFilesDirectory();
// True when the program runs from its installed place: its files are in
// "<prefix>/share/zm47-librarian" rather than beside it.
bool IsInstalledProgram();
// The running program file itself (absolute, symbolic links followed).
const std::string& GetProgramPath();
// GetProgramFilesDirectory() + "/Script/ZM4L/" + GetInitialDataFileName().
std::string GetInitialDataFilePath();
