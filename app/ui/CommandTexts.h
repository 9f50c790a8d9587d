#pragma once
// The table of the librarian's commands, made from the rows of
// CommandRows.h: what the user is told about each command (its menu text
// with mnemonic, shortcut, status bar prompt, tool tip and picture) and where
// it shows (menu, tool bar, the patch lists' context menu). The main frame
// builds its menus, tool bar and actions from it; the main window's buttons
// take their prompts and tips from it.
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>

// The menus of the menu bar, in their order, and the submenus.
enum CommandMenu : int {
    kMenuNone, // the command is in no menu
    kMenuFile,
    kMenuExportSysEx, // in the File menu
    kMenuEdit,
    kMenuMidi,
    kMenuSetup,
    kMenuWindow,
    kMenuHelp,
};

struct CCommandMenu {
    CommandMenu menu;
    const char* title;  // with mnemonic, translated in context "CommandTexts"
    CommandMenu parent; // kMenuNone: on the menu bar
};

struct CCommandRow {
    // Where the picture comes from: the desktop's icon theme (the program's
    // drawing of the same name where the theme has none), or always the
    // program's own drawing, for the librarian's own commands.
    enum IconSource { kNoIcon, kTheme, kOwn };
    // Where the command shows besides its menu.
    enum Place { kToolBar = 1, kListMenu = 2 };

    int id; // 0: a separator line in the menu
    CommandMenu menu;
    const char* label;  // menu text with mnemonic; the texts are translated in context "CommandTexts"
    const char* key;    // shortcut, portable text; nullptr: none
    const char* prompt; // status bar prompt
    const char* tip;    // tool tip
    IconSource source;
    const char* icon; // icon name; nullptr: no picture
    int places;       // Place flags
};

// Every row, commands and separators, in menu order.
std::span<const CCommandRow> CommandRows();
// The menus and submenus, in menu bar order.
std::span<const CCommandMenu> CommandMenus();
// The translated title of a menu.
QString CommandMenuTitle(CommandMenu menu);

// The row of a command, or nullptr.
const CCommandRow* FindCommand(int id);
// The translated texts, shortcut and picture of a command; empty without a row.
QString CommandLabel(int id);
// The first shortcut, and all of them ("Ctrl+Shift+Z; Ctrl+Y" in the row).
QKeySequence CommandShortcut(int id);
QList<QKeySequence> CommandShortcuts(int id);
QString CommandPrompt(int id);
QString CommandTip(int id);
QIcon CommandIcon(int id);
