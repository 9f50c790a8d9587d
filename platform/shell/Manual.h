#pragma once
// The user manual of the current language: a PDF below the program folder,
// named by message 9 of the message table.
#include <QString>

class IDesktopOpener;

// programDirectory + "/" + the manual's name in the current language.
QString GetManualPath(const QString& programDirectory);

// Opens the manual below programDirectory with the opener. False for a
// missing file or one the desktop cannot open; telling the user is the
// caller's part (message 10).
bool OpenManual(const QString& programDirectory, IDesktopOpener& opener);
