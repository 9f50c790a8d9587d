#include "app/ui/CommandTexts.h"

#include "app/ui/CommandIds.h"
#include "icons/ProgramIcons.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr auto kTheme = CCommandText::kTheme;
constexpr auto kOwn = CCommandText::kOwn;

constexpr std::array kCommandTexts{
    CCommandText{kCmdFileNew, QT_TRANSLATE_NOOP("CommandTexts", "Create a new librarian file"), QT_TRANSLATE_NOOP("CommandTexts", "New File"), "document-new", kTheme},
    CCommandText{kCmdFileOpen, QT_TRANSLATE_NOOP("CommandTexts", "Open a librarian file"), QT_TRANSLATE_NOOP("CommandTexts", "Open File"), "document-open", kTheme},
    CCommandText{kCmdFileClose, QT_TRANSLATE_NOOP("CommandTexts", "Close the active librarian file"), QT_TRANSLATE_NOOP("CommandTexts", "Close File"), nullptr},
    CCommandText{kCmdFileSave, QT_TRANSLATE_NOOP("CommandTexts", "Save the active librarian file"), QT_TRANSLATE_NOOP("CommandTexts", "Save File"), "document-save", kTheme},
    CCommandText{kCmdFileSaveAs, QT_TRANSLATE_NOOP("CommandTexts", "Save the active librarian file under a new name"), QT_TRANSLATE_NOOP("CommandTexts", "Save As"),
                 nullptr},
    CCommandText{kCmdDuplicate, QT_TRANSLATE_NOOP("CommandTexts", "Open a copy of the active window's patches as a new librarian file"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Duplicate"), nullptr},
    CCommandText{kCmdImportSmf, QT_TRANSLATE_NOOP("CommandTexts", "Read patches from a Standard MIDI File into a new librarian file"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Import SMF"), nullptr},
    CCommandText{kCmdExportSmfAll, QT_TRANSLATE_NOOP("CommandTexts", "Save every patch of the active window as a Standard MIDI File"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Export SMF All Data"), nullptr},
    CCommandText{kCmdExportSmfSelected, QT_TRANSLATE_NOOP("CommandTexts", "Save the selected patches as a Standard MIDI File"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Export SMF Selected Data"), nullptr},
    CCommandText{kCmdImportSysEx, QT_TRANSLATE_NOOP("CommandTexts", "Read the ZM-47 data of a SysEx file (.syx) into the main window"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Import SysEx"), nullptr},
    CCommandText{kCmdExportSysExAll, QT_TRANSLATE_NOOP("CommandTexts", "Save every patch of the shown area as a SysEx file (.syx)"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Export SysEx All Data"), nullptr},
    CCommandText{kCmdExportSysExSelected, QT_TRANSLATE_NOOP("CommandTexts", "Save the selected patches as a SysEx file (.syx)"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Export SysEx Selected Data"), nullptr},
    CCommandText{kCmdOpenBackup, QT_TRANSLATE_NOOP("CommandTexts", "Open one of the backups saved before patches of the ZM-47 were overwritten"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Open Backup"), nullptr},
    CCommandText{kCmdAppExit, QT_TRANSLATE_NOOP("CommandTexts", "Quit the librarian; asks to save changed files"), QT_TRANSLATE_NOOP("CommandTexts", "Exit"), nullptr},

    CCommandText{kCmdUndo, QT_TRANSLATE_NOOP("CommandTexts", "Take back the last change of the active window"), QT_TRANSLATE_NOOP("CommandTexts", "Undo"), "edit-undo", kTheme},
    CCommandText{kCmdCut, QT_TRANSLATE_NOOP("CommandTexts", "Move the selected patches to the patch clipboard"), QT_TRANSLATE_NOOP("CommandTexts", "Cut"), "edit-cut", kTheme},
    CCommandText{kCmdCopy, QT_TRANSLATE_NOOP("CommandTexts", "Copy the selected patches to the patch clipboard"), QT_TRANSLATE_NOOP("CommandTexts", "Copy"), "edit-copy", kTheme},
    CCommandText{kCmdInsert, QT_TRANSLATE_NOOP("CommandTexts", "Insert the clipboard's patches before the first selected patch"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Insert"), "patch-insert", kOwn},
    CCommandText{kCmdReplace, QT_TRANSLATE_NOOP("CommandTexts", "Overwrite the selected patches with the clipboard's patches"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Replace"), "patch-replace", kOwn},
    CCommandText{kCmdDelete, QT_TRANSLATE_NOOP("CommandTexts", "Delete the selected patches"), QT_TRANSLATE_NOOP("CommandTexts", "Delete"), "edit-delete", kTheme},
    CCommandText{kCmdInitialize, QT_TRANSLATE_NOOP("CommandTexts", "Make the selected patches initial patches again"), QT_TRANSLATE_NOOP("CommandTexts", "Initialize"),
                 "patch-initialize", kOwn},
    CCommandText{kCmdSelectAll, QT_TRANSLATE_NOOP("CommandTexts", "Select every patch of the list"), QT_TRANSLATE_NOOP("CommandTexts", "Select All"), nullptr},

    CCommandText{kCmdReadAll, QT_TRANSLATE_NOOP("CommandTexts", "Read every patch of the shown area from the ZM-47"), QT_TRANSLATE_NOOP("CommandTexts", "Read All"),
                 "unit-read", kOwn},
    CCommandText{kCmdReadSelected, QT_TRANSLATE_NOOP("CommandTexts", "Read the selected patches from the ZM-47"), QT_TRANSLATE_NOOP("CommandTexts", "Read Selected"),
                 "unit-read", kOwn},
    CCommandText{kCmdWriteAll, QT_TRANSLATE_NOOP("CommandTexts", "Write every patch of the shown area to the ZM-47"), QT_TRANSLATE_NOOP("CommandTexts", "Write All"),
                 "unit-write", kOwn},
    CCommandText{kCmdWriteSelected, QT_TRANSLATE_NOOP("CommandTexts", "Write the selected patches to the ZM-47"), QT_TRANSLATE_NOOP("CommandTexts", "Write Selected"),
                 "unit-write", kOwn},

    CCommandText{kCmdSetUpMidiDevices, QT_TRANSLATE_NOOP("CommandTexts", "Choose the MIDI devices and the device id of the ZM-47"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Set Up MIDI Devices"), nullptr},
    CCommandText{kCmdSetUpFont, QT_TRANSLATE_NOOP("CommandTexts", "Choose the font and text colour of the patch lists"), QT_TRANSLATE_NOOP("CommandTexts", "Set Up Font"),
                 nullptr},
    CCommandText{kCmdSetUpGrid, QT_TRANSLATE_NOOP("CommandTexts", "Show or hide grid lines in the patch lists"), QT_TRANSLATE_NOOP("CommandTexts", "Set Up Grid"), nullptr},
    CCommandText{kCmdVerifyWrites,
                 QT_TRANSLATE_NOOP("CommandTexts", "Read the patches back after every write and report those the ZM-47 did not store"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Verify After Writing"), nullptr},
    CCommandText{kCmdBackUpBeforeWriting,
                 QT_TRANSLATE_NOOP("CommandTexts", "Save the patches about to be overwritten in the backup folder before every write"),
                 QT_TRANSLATE_NOOP("CommandTexts", "Back Up Before Writing"), nullptr},

    CCommandText{kCmdWindowCascade, QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows so that they overlap"), QT_TRANSLATE_NOOP("CommandTexts", "Cascade"), nullptr},
    CCommandText{kCmdWindowTileHorz, QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows one above another"), QT_TRANSLATE_NOOP("CommandTexts", "Tile Horizontally"),
                 nullptr},
    CCommandText{kCmdWindowTileVert, QT_TRANSLATE_NOOP("CommandTexts", "Arrange the windows side by side"), QT_TRANSLATE_NOOP("CommandTexts", "Tile Vertically"), nullptr},
    CCommandText{kCmdWindowArrange, QT_TRANSLATE_NOOP("CommandTexts", "Line up the minimized windows along the bottom"), QT_TRANSLATE_NOOP("CommandTexts", "Arrange Icons"),
                 nullptr},

    CCommandText{kCmdManual, QT_TRANSLATE_NOOP("CommandTexts", "Open the user manual"), QT_TRANSLATE_NOOP("CommandTexts", "Manual"), "help-contents", kTheme},
    CCommandText{kCmdAbout, QT_TRANSLATE_NOOP("CommandTexts", "Show the program's version and copyright"), QT_TRANSLATE_NOOP("CommandTexts", "About ZM-47 Librarian"),
                 nullptr},
};

QString Translate(const char* text) {
    return text ? QCoreApplication::translate("CommandTexts", text) : QString();
}

} // namespace

const CCommandText* FindCommandText(int id) {
    for (const CCommandText& text : kCommandTexts)
        if (text.id == id)
            return &text;
    return nullptr;
}

QString CommandPrompt(int id) {
    const CCommandText* text = FindCommandText(id);
    return text ? Translate(text->prompt) : QString();
}

QString CommandTip(int id) {
    const CCommandText* text = FindCommandText(id);
    return text ? Translate(text->tip) : QString();
}

QIcon CommandIcon(int id) {
    const CCommandText* text = FindCommandText(id);
    if (!text || !text->icon)
        return QIcon();
    const QString name = QString::fromLatin1(text->icon);
    return text->source == CCommandText::kTheme ? ThemedIcon(name) : OwnIcon(name);
}
