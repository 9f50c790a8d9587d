#pragma once
// The user manual of the current language: a PDF below the program folder,
// named by message 9 of the message table.
#include <QString>

class IDesktopOpener;

// programDirectory + "/" + the manual's name in the current language.
QString GetManualPath(const QString& programDirectory);

// Opens the manual below programDirectory with the opener. A missing file, or
// one the desktop cannot open, shows message 10 and gives false.
bool OpenManual(const QString& programDirectory, IDesktopOpener& opener);
// The same below GetProgramDirectory() with the process-wide opener.
bool OpenManual();
