#pragma once
// Numbers of the user-visible texts of the message table. Code names a
// message by its id; the table holds the English and Japanese texts.
enum MessageId : int {
    kMsgUnableToReadWrite = 2,
    kMsgCannotReadFileType = 3,
    kMsgFileNotLoaded = 4,
    kMsgFileNotSaved = 5,
    kMsgMidiConnectError = 7,
    kMsgMidiReconnected = 8,
    kMsgManualPath = 9,
    kMsgManualNotLoaded = 10,
    kMsgDontShowAgain = 11,
    kMsgMidiNotSetUp = 13,
    kMsgConfirmImportSmf = 15,
    kMsgConfirmReadTemporary = 16,
    kMsgConfirmRead = 17,
    kMsgConfirmWriteTemporary = 19,
    kMsgConfirmWrite = 20,
    // Patch data with a byte of 0x80 or above (a damaged or hand-made file):
    // MIDI cannot carry it, so it is neither sent nor exported.
    kMsgPatchNotSendable = 30,
    // Patches dragged with the mouse that a list cannot take.
    kMsgDropOtherArea = 55,
    kMsgDropDoesNotFit = 56,
    kMsgDropUnreadable = 57,
    kMsgDropMemoCodePage = 58,
    kMsgDropMoveSorted = 59,
    // Verified writes, backups before a write, raw SysEx files.
    kMsgVerifyFailed = 60,
    kMsgBackupNotRead = 61,
    kMsgBackupNotSaved = 62,
    kMsgPhaseBackup = 63,
    kMsgPhaseWrite = 64,
    kMsgPhaseVerify = 65,
    kMsgNoUnitDataInFile = 66,
    kMsgConfirmImportSysEx = 67,
    // Inputs and save targets that are not what they must be.
    kMsgInputNotAFile = 70,
    kMsgInputTooLarge = 71,
    kMsgSaveTargetNotAFile = 72,
    kMsgOutputIsInput = 73,
    // What an import of data sets took and skipped.
    kMsgPatchesImported = 74,
    kMsgPatchImported = 75,
    kMsgDataSetsSkipped = 76,
    kMsgDataSetSkipped = 77,
    kMsgSimMemoryWrongCount = 78,
    // How far a write that was cut off got, and where the backup is.
    kMsgWrittenPart = 79,
    kMsgWrittenNone = 80,
    kMsgBackupIsIn = 81,
    // A Read All that stopped at an area.
    kMsgReadAllStopped = 82,
    kMsgReadAllStoppedLast = 83,
    // The texts of 2 and 13 for zm47-cli, which has no menus or dialogs.
    kMsgUnableToReadWriteCli = 84,
    kMsgMidiNotSetUpCli = 85,
    // The history library: set aside when damaged or newer, not opened, not
    // written. The program goes on either way.
    kMsgLibraryDamaged = 100,
    kMsgLibraryNewer = 101,
    kMsgLibraryNotOpened = 102,
    kMsgLibraryNotWritten = 103,
    // The history windows without a library; before a state is written back
    // to the unit (argument: the patches and the state's time).
    kMsgNoLibrary = 104,
    kMsgRestoreQuestion = 105,
    // Setup - Forget History Older Than: the question (argument: the date),
    // what was deleted (argument: the count) and a failure.
    kMsgForgetQuestion = 106,
    kMsgForgotten = 107,
    kMsgForgetFailed = 108,
    // Where the main window's rows came from: a remembered state is never
    // written as if read; rows never read ask first; quitting with changes
    // that were never written asks first.
    kMsgWriteRemembered = 130,
    kMsgWriteNotRead = 131,
    kMsgUnsentChanges = 132,
    kMsgUnsentQuestion = 133,
    // Edit - Find: the file no longer holds the found patch (argument: the
    // file).
    kMsgPatchNotInFile = 140,
    // What a transfer, an export or a save did, for the status bar: a count
    // of patches, then the sentences that take it (arguments in order).
    kMsgCountPatch = 150,
    kMsgCountPatches = 151,
    kMsgStatusRead = 152,      // what, where: "60 patches read from MEMORY"
    kMsgStatusWritten = 153,   // what, where
    kMsgStatusVerified = 154,  // added to 153 after a read-back that matched
    kMsgStatusBackup = 155,    // added to 153: the backup file's name
    kMsgStatusPreviewed = 156, // the patch: "MEMORY 4"
    kMsgStatusSaved = 157,     // what, the file's name
    kMsgStatusFailed = 158,    // the operation: "Write All"
    kMsgStatusCancelled = 159, // the operation
    // Finding the unit (Set Up MIDI Devices - Find the ZM-47, zm47-cli
    // detect): no unit answered on any port; the system offers no port that
    // could be opened.
    kMsgNoUnitFound = 141,
    kMsgNoMidiPorts = 142,
    // What a failed transfer was doing and through which ports (arguments:
    // the patches, the input, the output, the device id as the setup
    // dialog shows it); shown below message 2 or 13.
    kMsgReadingFailed = 160,
    kMsgWritingFailed = 161,
    kMsgSendingFailed = 162,
    // Below message 10: where the manual was looked for (argument: the
    // file).
    kMsgManualLookedFor = 163,
    // The questions before a transfer name the patches (argument: the
    // number, then the list "MEMORY 2, 5, 9"); for one patch the list
    // alone stands for the phrase.
    kMsgPatchesPhrase = 164,
    // Asked above the question of its kind (argument: the phrase).
    kMsgQuestionRead = 165,
    kMsgQuestionWrite = 166,
    // Argument: the patch ("MEMORY 4 “Lead”").
    kMsgQuestionPreview = 167,
    // A file window's patches exported as an area's: the highest row is
    // beyond every area (argument: its number).
    kMsgExportDoesNotFit = 168,
    // A port without a device, as a failed transfer names it.
    kMsgNoDevice = 169,
    // The status bar after the read at start-up (arguments: the patches
    // read, as 150/151 count them; for 171 the areas not read).
    kMsgStatusStartUpRead = 170,
    kMsgStatusStartUpPartly = 171,
};
