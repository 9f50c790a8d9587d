#pragma once
// Registration of the librarian file type with the desktop: a freedesktop
// MIME type with the extension's glob and a desktop entry that opens such
// files with this program, both below the user's data folder
// ($XDG_DATA_HOME, by default ~/.local/share).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "zm47_version.h"

inline constexpr char kLibrarianMimeType[] = ZM47_MIME_TYPE;
inline constexpr char kDesktopEntryName[] = ZM47_APP_ID ".desktop";

// Writes the desktop entry (program path with %f, MIME type, name) and, when
// no other MIME type claims "*" + extension in the user's or the system's
// MIME data, the MIME type with that glob and the description. An extension
// that already belongs to another type is left alone. False when a file
// could not be written. The desktop's caches are refreshed when something
// changed. The program's icon and its files' icon are installed in the
// user's icon theme folder (icons/hicolor/scalable), named after the program
// and after the MIME type; the desktop entry names the program's icon.
struct CFileTypeIcons {
    QString programIconName; // "zm47-librarian"
    QByteArray programSvg;   // SVG text; empty: not installed
    QByteArray fileSvg;      // SVG text; empty: not installed
};
bool RegisterFileType(const QString& extension, const QString& mimeType, const QString& description,
                      const CFileTypeIcons& icons);

// The start-up call: ".z4l", kLibrarianMimeType, "ZM-47 Librarian Document".
// An installed program leaves the user's folder alone: its package has put
// the desktop entry, the file type and the icons where every user finds them.
bool RegisterLibrarianFileType(const CFileTypeIcons& icons);

// The MIME types that claim files ending in extension (compared without
// regard to case), looked up in the MIME packages and glob lists of the
// user's and the system's data folders, each named once.
QStringList FindFileTypeOwners(const QString& extension);

// The user's data folder: $XDG_DATA_HOME, or ~/.local/share.
QString UserDataFolder();
