#pragma once
// Everything a window's librarian commands work with. Nothing here is owned;
// the window that runs the commands outlives them.
#include "app/commands/CommandWindow.h"

#include <QString>

class CLibrarianState;
class IAreaChooser;
class IFileDialogRunner;
class IMidiConfirmation;
namespace GT {
class IProfile;
}

struct CCommandContext {
    // The window the commands run in.
    ICommandWindow* window = nullptr;
    // True for the main window, which mirrors the unit area by area; false
    // for a librarian file window.
    bool mainWindow = false;
    // Current area, clipboard, device reader and writer.
    CLibrarianState* state = nullptr;
    // Asked before reading, writing and importing.
    IMidiConfirmation* confirmation = nullptr;
    // The other windows (Duplicate); without it Duplicate does nothing.
    IWindowDirectory* windows = nullptr;
    // The SMF file dialog and where it remembers the last file; the
    // program's own when null.
    GT::IProfile* profile = nullptr;
    IFileDialogRunner* fileDialogs = nullptr;
    // Which area of the unit a file's patches are for; the program's dialog
    // when null.
    IAreaChooser* areaChooser = nullptr;
    // Where the backups made before writes go; the user's data folder's
    // "backups" (BackupFolder) when empty.
    QString backupFolder;
};
