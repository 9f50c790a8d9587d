#pragma once
// The numbers of the librarian's commands. Menus, accelerators, the tool bar
// and the main window's buttons all trigger a command by its number, and the
// frame routes it to whoever handles it.
enum CommandId : int {
    // Application.
    kCmdAbout = 32865,
    kCmdManual = 32858,
    kCmdSetUpMidiDevices = 32855,
    kCmdSetUpFont = 32854,
    kCmdSetUpGrid = 32863,
    // Files.
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdAppExit = 57665,
    kCmdDuplicate = 32782,
    kCmdImportSmf = 32861,
    kCmdExportSmfAll = 32859,
    kCmdExportSmfSelected = 32860,
    kCmdImportSysEx = 33060,
    kCmdExportSysExAll = 33061,
    kCmdExportSysExSelected = 33062,
    kCmdOpenBackup = 33063,
    // The unit.
    kCmdReadAll = 32784,
    kCmdReadSelected = 32785,
    kCmdWriteAll = 32797,
    kCmdWriteSelected = 32798,
    // Settings of the writes: read back what was written, back up what a
    // write overwrites (check marks).
    kCmdVerifyWrites = 33064,
    kCmdBackUpBeforeWriting = 33065,
    // Editing.
    kCmdUndo = 57643,
    kCmdCut = 57635,
    kCmdCopy = 57634,
    kCmdInsert = 32779,
    kCmdReplace = 32780,
    kCmdDelete = 57088,
    kCmdInitialize = 4128,
    kCmdSelectAll = 57642,
    // Replaces a string in the current column of the selected rows.
    kCmdReplaceString = 32900,
    // Window.
    kCmdWindowCascade = 57650,
    kCmdWindowTileHorz = 57651,
    kCmdWindowTileVert = 57652,
    kCmdWindowArrange = 57649,
    kCmdWindowPopupList = 57112,
};

// The main window's buttons (form 4111): the unit's Read and Write groups.
enum MainWindowButton : int {
    kButtonReadAll = 4267,
    kButtonReadSelected = 4268,
    kButtonWriteAll = 4269,
    kButtonWriteSelected = 4270,
};
