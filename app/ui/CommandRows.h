// The librarian's commands, one row each, in menu order. This file is read
// twice (no include guard): CommandIds.h makes the enum of command ids from
// the first two columns, CommandTexts.cpp makes the table the frame builds its
// menus, tool bar, shortcuts and status bar prompts from.
//
// ZM47_COMMAND(id, number, menu, label, key, prompt, tip, icon source, icon,
//              places)
//   id, number  the command's name in the code and its number (menus,
//               accelerators and buttons all trigger a command by number);
//   menu        the menu it sits in (kMenuNone: in none); see CommandMenus;
//   label       the menu text with its mnemonic;
//   key         the shortcut in portable text ("Ctrl+N"; several with "; "
//               between them), or nullptr;
//   prompt      what the status bar shows while the pointer rests on it;
//   tip         the short tip beside a tool bar button;
//   icon        kNoIcon, or kTheme (the desktop's icon theme, the program's
//               drawing where the theme has none) or kOwn (always the
//               program's drawing), and the picture's name.
//   places      where else it shows: kToolBar, kListMenu (the patch lists'
//               context menu), or 0.
// ZM47_SEPARATOR(menu) puts a line into the menu (and into the list menu,
// between list menu commands).
//
// The texts are translated in the context "CommandTexts" (translations/).
// Adding a command: a row here, its Japanese texts in the translation and a
// handler (a view's IViewCommands, a document or the application target).

#if !defined(ZM47_COMMAND) || !defined(ZM47_SEPARATOR)
#error "CommandRows.h is read through CommandIds.h or CommandTexts.cpp"
#endif

// File.
ZM47_COMMAND(kCmdFileNew, 57600, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&New"), "Ctrl+N",
             QT_TRANSLATE_NOOP("CommandTexts", "Create a new librarian file"),
             QT_TRANSLATE_NOOP("CommandTexts", "New File"), kTheme, "document-new", kToolBar)
ZM47_COMMAND(kCmdFileOpen, 57601, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&Open..."), "Ctrl+O",
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Open a librarian file, or a SysEx file or Standard MIDI File as a new librarian file"),
             QT_TRANSLATE_NOOP("CommandTexts", "Open File"), kTheme, "document-open", kToolBar)
ZM47_COMMAND(kCmdOpenBackup, 33063, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "Open &Backup..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Open one of the backups saved before patches of the ZM-47 were overwritten"),
             QT_TRANSLATE_NOOP("CommandTexts", "Open Backup"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdFileClose, 57602, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&Close"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Close the active librarian file"),
             QT_TRANSLATE_NOOP("CommandTexts", "Close File"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdFileSave, 57603, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&Save"), "Ctrl+S",
             QT_TRANSLATE_NOOP("CommandTexts", "Save the active librarian file"),
             QT_TRANSLATE_NOOP("CommandTexts", "Save File"), kTheme, "document-save", kToolBar)
ZM47_COMMAND(kCmdFileSaveAs, 57604, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "Save &As..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Save the active librarian file under a new name"),
             QT_TRANSLATE_NOOP("CommandTexts", "Save As"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuFile)
ZM47_COMMAND(kCmdDuplicate, 32782, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "D&uplicate"), "Ctrl+D",
             QT_TRANSLATE_NOOP("CommandTexts", "Open a copy of the active window's patches as a new librarian file"),
             QT_TRANSLATE_NOOP("CommandTexts", "Duplicate"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuFile)
ZM47_COMMAND(kCmdImportSmf, 32861, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&Import SMF..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Read the ZM-47 data of a Standard MIDI File into the active window"),
             QT_TRANSLATE_NOOP("CommandTexts", "Import SMF"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdExportSmfAll, 32859, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "Export SMF All &Data..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Save every patch of the active window as a Standard MIDI File"),
             QT_TRANSLATE_NOOP("CommandTexts", "Export SMF All Data"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdExportSmfSelected, 32860, kMenuFile,
             QT_TRANSLATE_NOOP("CommandTexts", "Export SMF S&elected Data..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Save the selected patches as a Standard MIDI File"),
             QT_TRANSLATE_NOOP("CommandTexts", "Export SMF Selected Data"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdImportSysEx, 33060, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "Import S&ysEx..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Read the ZM-47 data of a SysEx file (.syx) into the active window"),
             QT_TRANSLATE_NOOP("CommandTexts", "Import SysEx"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdExportSysExAll, 33061, kMenuExportSysEx, QT_TRANSLATE_NOOP("CommandTexts", "&All Data..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Save every patch of the active window as a SysEx file (.syx)"),
             QT_TRANSLATE_NOOP("CommandTexts", "Export SysEx All Data"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdExportSysExSelected, 33062, kMenuExportSysEx, QT_TRANSLATE_NOOP("CommandTexts", "&Selected Data..."),
             nullptr, QT_TRANSLATE_NOOP("CommandTexts", "Save the selected patches as a SysEx file (.syx)"),
             QT_TRANSLATE_NOOP("CommandTexts", "Export SysEx Selected Data"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuFile)
ZM47_COMMAND(kCmdAppExit, 57665, kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "E&xit"), "Ctrl+Q",
             QT_TRANSLATE_NOOP("CommandTexts", "Quit the librarian; asks to save changed files"),
             QT_TRANSLATE_NOOP("CommandTexts", "Exit"), kNoIcon, nullptr, 0)

// Edit.
ZM47_COMMAND(kCmdUndo, 57643, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Undo"), "Ctrl+Z",
             QT_TRANSLATE_NOOP("CommandTexts", "Take back the last change of the active window"),
             QT_TRANSLATE_NOOP("CommandTexts", "Undo"), kTheme, "edit-undo", kToolBar)
ZM47_COMMAND(kCmdRedo, 57644, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "Red&o"), "Ctrl+Shift+Z; Ctrl+Y",
             QT_TRANSLATE_NOOP("CommandTexts", "Make again the change that Undo took back"),
             QT_TRANSLATE_NOOP("CommandTexts", "Redo"), kTheme, "edit-redo", kToolBar)
ZM47_SEPARATOR(kMenuEdit)
ZM47_COMMAND(kCmdCut, 57635, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "Cu&t"), "Ctrl+X",
             QT_TRANSLATE_NOOP("CommandTexts", "Move the selected patches to the patch clipboard"),
             QT_TRANSLATE_NOOP("CommandTexts", "Cut"), kTheme, "edit-cut", kToolBar | kListMenu)
ZM47_COMMAND(kCmdCopy, 57634, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Copy"), "Ctrl+C",
             QT_TRANSLATE_NOOP("CommandTexts", "Copy the selected patches to the patch clipboard"),
             QT_TRANSLATE_NOOP("CommandTexts", "Copy"), kTheme, "edit-copy", kToolBar | kListMenu)
ZM47_COMMAND(kCmdInsert, 32779, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Insert"), "Ctrl+V",
             QT_TRANSLATE_NOOP("CommandTexts", "Insert the clipboard's patches before the first selected patch"),
             QT_TRANSLATE_NOOP("CommandTexts", "Insert"), kOwn, "patch-insert", kToolBar | kListMenu)
ZM47_COMMAND(kCmdReplace, 32780, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Replace"), "Ctrl+R",
             QT_TRANSLATE_NOOP("CommandTexts", "Overwrite the selected patches with the clipboard's patches"),
             QT_TRANSLATE_NOOP("CommandTexts", "Replace"), kOwn, "patch-replace", kToolBar | kListMenu)
ZM47_COMMAND(kCmdDelete, 57088, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Delete"), "Del",
             QT_TRANSLATE_NOOP("CommandTexts", "Delete the selected patches"),
             QT_TRANSLATE_NOOP("CommandTexts", "Delete"), kTheme, "edit-delete", kToolBar | kListMenu)
ZM47_COMMAND(kCmdInitialize, 4128, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "I&nitialize"), "Ctrl+I",
             QT_TRANSLATE_NOOP("CommandTexts", "Make the selected patches initial patches again"),
             QT_TRANSLATE_NOOP("CommandTexts", "Initialize"), kOwn, "patch-initialize", kListMenu)
ZM47_SEPARATOR(kMenuEdit)
// A key of its own: Ctrl+R is Replace, whether Replace is enabled or not.
ZM47_COMMAND(kCmdReplaceString, 32900, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "Replace Strin&g..."), "Ctrl+H",
             QT_TRANSLATE_NOOP("CommandTexts", "Replace a string in the current column of the selected rows"),
             QT_TRANSLATE_NOOP("CommandTexts", "Replace String"), kNoIcon, nullptr, kListMenu)
ZM47_COMMAND(kCmdFind, 33154, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Find..."), "Ctrl+F",
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Find every patch the librarian has seen by part of its name or memo, and where it is"),
             QT_TRANSLATE_NOOP("CommandTexts", "Find"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdFindDuplicates, 33131, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "Find Duplicate&s..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "List the patches of the active window that have the same sound, whatever their names"),
             QT_TRANSLATE_NOOP("CommandTexts", "Find Duplicates"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuEdit)
ZM47_COMMAND(kCmdSelectAll, 57642, kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "Select &All"), "Ctrl+A",
             QT_TRANSLATE_NOOP("CommandTexts", "Select every patch of the list"),
             QT_TRANSLATE_NOOP("CommandTexts", "Select All"), kNoIcon, nullptr, kListMenu)
// Only in the patch lists' context menu, after a line; the main window
// names the slot in the label ("History of MEMORY 12").
ZM47_COMMAND(kCmdSlotHistory, 33151, kMenuNone, QT_TRANSLATE_NOOP("CommandTexts", "&History of This Slot..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "List every patch this slot of the ZM-47 has held, and when"),
             QT_TRANSLATE_NOOP("CommandTexts", "History of This Slot"), kNoIcon, nullptr, kListMenu)

// MIDI: the unit.
ZM47_COMMAND(kCmdReadAll, 32784, kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "Read &All"), "Ctrl+Shift+R",
             QT_TRANSLATE_NOOP("CommandTexts", "Read every patch of the shown area from the ZM-47"),
             QT_TRANSLATE_NOOP("CommandTexts", "Read All"), kOwn, "unit-read", 0)
ZM47_COMMAND(kCmdReadSelected, 32785, kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "Read &Selected"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Read the selected patches from the ZM-47"),
             QT_TRANSLATE_NOOP("CommandTexts", "Read Selected"), kOwn, "unit-read", 0)
ZM47_SEPARATOR(kMenuMidi)
ZM47_COMMAND(kCmdWriteAll, 32797, kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "&Write All"), "Ctrl+Shift+W",
             QT_TRANSLATE_NOOP("CommandTexts", "Write every patch of the shown area to the ZM-47"),
             QT_TRANSLATE_NOOP("CommandTexts", "Write All"), kOwn, "unit-write", 0)
ZM47_COMMAND(kCmdWriteSelected, 32798, kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "W&rite Selected"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Write the selected patches to the ZM-47"),
             QT_TRANSLATE_NOOP("CommandTexts", "Write Selected"), kOwn, "unit-write", 0)
ZM47_SEPARATOR(kMenuMidi)
// The preview button of the current row, from the keyboard.
ZM47_COMMAND(
    kCmdPreview, 33161, kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "&Preview Patch"), "Ctrl+Space",
    QT_TRANSLATE_NOOP("CommandTexts",
                      "Send the current row's patch to the ZM-47's temporary patch to hear it, without storing it"),
    QT_TRANSLATE_NOOP("CommandTexts", "Preview Patch"), kOwn, "patch-preview", 0)

// Setup.
ZM47_COMMAND(kCmdSetUpMidiDevices, 32855, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "Set Up &MIDI Devices..."),
             nullptr, QT_TRANSLATE_NOOP("CommandTexts", "Choose the MIDI devices and the device id of the ZM-47"),
             QT_TRANSLATE_NOOP("CommandTexts", "Set Up MIDI Devices"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdSetUpFont, 32854, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "Set Up &Font..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Choose the font and text colour of the patch lists"),
             QT_TRANSLATE_NOOP("CommandTexts", "Set Up Font"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdSetUpGrid, 32863, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "Set Up &Grid..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Show or hide grid lines in the patch lists"),
             QT_TRANSLATE_NOOP("CommandTexts", "Set Up Grid"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuSetup)
// Settings of the writes (check marks): read back what was written, back up
// what a write overwrites.
ZM47_COMMAND(kCmdVerifyWrites, 33064, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "&Verify After Writing"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Read the patches back after every write and report those the ZM-47 did not store"),
             QT_TRANSLATE_NOOP("CommandTexts", "Verify After Writing"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdBackUpBeforeWriting, 33065, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "&Back Up Before Writing"),
             nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Save the patches about to be overwritten in the backup folder before every write"),
             QT_TRANSLATE_NOOP("CommandTexts", "Back Up Before Writing"), kNoIcon, nullptr, 0)
// The history library: whether it is kept (a check mark), and the only way
// anything is deleted from it.
ZM47_SEPARATOR(kMenuSetup)
ZM47_COMMAND(
    kCmdKeepHistory, 33152, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "Keep &History"), nullptr,
    QT_TRANSLATE_NOOP("CommandTexts",
                      "Record every state of the ZM-47 and every patch the librarian sees in the history library"),
    QT_TRANSLATE_NOOP("CommandTexts", "Keep History"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdForgetHistory, 33153, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "F&orget History Older Than..."),
             nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Delete from the history library what was seen before a date you choose"),
             QT_TRANSLATE_NOOP("CommandTexts", "Forget History"), kNoIcon, nullptr, 0)
// Every question turned off with "Don't show this dialog again." is asked
// again; greyed while none is.
ZM47_SEPARATOR(kMenuSetup)
ZM47_COMMAND(kCmdAskAgain, 33170, kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "&Ask Again"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts",
                               "Ask again every question that was turned off with \"Don't show this dialog again.\""),
             QT_TRANSLATE_NOOP("CommandTexts", "Ask Again"), kNoIcon, nullptr, 0)

// Window: the frame puts its window list first and its own window commands
// (full size, always on top, ...) after these.
ZM47_COMMAND(kCmdWindowCascade, 57650, kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "&Cascade"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows so that they overlap"),
             QT_TRANSLATE_NOOP("CommandTexts", "Cascade"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdWindowTileHorz, 57651, kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "Tile &Horizontally"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows one above another"),
             QT_TRANSLATE_NOOP("CommandTexts", "Tile Horizontally"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdWindowTileVert, 57652, kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "Tile &Vertically"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows side by side"),
             QT_TRANSLATE_NOOP("CommandTexts", "Tile Vertically"), kNoIcon, nullptr, 0)
ZM47_COMMAND(kCmdWindowArrange, 57649, kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "&Arrange Icons"), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Line up the minimized windows along the bottom"),
             QT_TRANSLATE_NOOP("CommandTexts", "Arrange Icons"), kNoIcon, nullptr, 0)
ZM47_SEPARATOR(kMenuWindow)
ZM47_COMMAND(
    kCmdHistory, 33150, kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "H&istory"), nullptr,
    QT_TRANSLATE_NOOP(
        "CommandTexts",
        "Show the states of the ZM-47 the librarian has seen, compare one with the main window and restore it"),
    QT_TRANSLATE_NOOP("CommandTexts", "History"), kNoIcon, nullptr, 0)

// Help.
ZM47_COMMAND(kCmdManual, 32858, kMenuHelp, QT_TRANSLATE_NOOP("CommandTexts", "ZM-47 Librarian &Manual"), "F1",
             QT_TRANSLATE_NOOP("CommandTexts", "Open the user manual"), QT_TRANSLATE_NOOP("CommandTexts", "Manual"),
             kTheme, "help-contents", kToolBar)
ZM47_SEPARATOR(kMenuHelp)
ZM47_COMMAND(kCmdAbout, 32865, kMenuHelp, QT_TRANSLATE_NOOP("CommandTexts", "&About ZM-47 Librarian..."), nullptr,
             QT_TRANSLATE_NOOP("CommandTexts", "Show the program's version and copyright"),
             QT_TRANSLATE_NOOP("CommandTexts", "About ZM-47 Librarian"), kNoIcon, nullptr, 0)
