#pragma once
// The file named on the command line, made ready to open.
#include <QString>

// Surrounding double quotes are removed, a file:// URL becomes its local
// path, a symbolic link to the file is followed to its target, and the path
// is made absolute (against the current folder) and clean. An empty or
// blank text gives the empty text: nothing to open.
QString CleanCommandLinePath(const QString& text);
