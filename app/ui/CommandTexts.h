#pragma once
// What the user is told about each command: the prompt the status bar shows
// while the pointer rests on its menu item or button, the short tip beside a
// tool bar button, and its picture. Every command the frame offers has one
// line in the table of CommandTexts.cpp; a command added to a menu gets its
// line there (and its Japanese texts in the translation), and the frame's
// tests fail for a command without one.
#include <QIcon>
#include <QString>

struct CCommandText {
    // Where the picture comes from: the desktop's icon theme (the program's
    // drawing of the same name where the theme has none), or always the
    // program's own drawing, for the librarian's own commands.
    enum IconSource { kTheme, kOwn };

    int id;
    const char* prompt;  // status bar prompt, translated in context "CommandTexts"
    const char* tip;     // tool tip, translated in the same context
    const char* icon;    // icon name; nullptr: no picture
    IconSource source = kOwn;
};

// The line of a command, or nullptr.
const CCommandText* FindCommandText(int id);
// The translated texts and the picture of a command; empty without a line.
QString CommandPrompt(int id);
QString CommandTip(int id);
QIcon CommandIcon(int id);
