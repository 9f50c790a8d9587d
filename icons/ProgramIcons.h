#pragma once
// The program's pictures. Commands that every desktop knows (new, open, save,
// undo, cut, copy, delete, help) take the icon of the desktop's icon theme
// under its freedesktop name, and the program's own drawing of it where the
// theme has none; the librarian's own commands (reading and writing the unit,
// insert, replace, initialize, preview) always show the program's drawings,
// since no theme pictures them. All drawings are SVG, sharp at any scale.
#include <QByteArray>
#include <QIcon>
#include <QString>

// The program's icon (a multi-effects unit with a patch list on its display)
// and its name as the desktop knows it ("zm47-librarian").
QIcon ProgramIcon();
QString ProgramIconName();
// The SVG text of the program's icon and of the librarian file's icon, for
// installing them with the desktop entry and the file type.
QByteArray ProgramIconSvg();
QByteArray FileIconSvg();

// A freedesktop icon name ("document-open"): the theme's icon, else the
// program's drawing of that name. An unknown name gives a null icon.
QIcon ThemedIcon(const QString& name);
// One of the program's own drawings by name ("unit-read", "patch-insert",
// "patch-replace", "patch-initialize", "patch-preview", "unit-write").
QIcon OwnIcon(const QString& name);
// Whether the program carries a drawing of this name.
bool HasOwnIcon(const QString& name);
