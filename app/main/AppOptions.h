#pragma once
// The options of zm47-librarian: [--simulator [--sim-memory FILE.z4l]]
// [--lang en|ja] [--no-register] [--help] [--version] [FILE].
#include <QString>
#include <QStringList>

struct CAppOptions {
    // Registers the simulated unit; bound to the unit's ports when the
    // profile stores no device selection.
    bool simulator = false;
    // The simulated unit's memory file (read at start, written when changed).
    QString simMemory;
    // "en", "ja", or empty for the user interface language of the desktop.
    QString language;
    // Leaves the desktop's file type associations alone.
    bool noRegister = false;
    bool help = false;
    bool version = false;
    // The librarian file to open after start-up, as given; empty for none.
    QString file;
};

// Reads the arguments (the program name first). False with a one-line
// reason in error for a usage mistake.
bool ParseAppOptions(const QStringList& arguments, CAppOptions& options, QString& error);

// The --help text.
QString AppOptionsHelp();
// The --version text: "zm47-librarian 1.2.3" and a line break.
QString AppVersionText();
