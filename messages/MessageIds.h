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
    // The history library: set aside when damaged or newer, not opened, not
    // written. The program goes on either way.
    kMsgLibraryDamaged = 100,
    kMsgLibraryNewer = 101,
    kMsgLibraryNotOpened = 102,
    kMsgLibraryNotWritten = 103,
};
