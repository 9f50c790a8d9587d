// Import SMF and Export SMF, Import SysEx and Export SysEx of the main window.
#include "app/commands/WindowCommands.h"

#include "app/core/LibrarianState.h"
#include "app/docman/FileDialogRunner.h"
#include "app/docman/SmfFileDialog.h"
#include "data/DocumentBase.h"
#include "data/ParameterArray.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "toolkit/core/CursorChanger.h"
#include "toolkit/profile/Profile.h"
#include "views/ParameterListCtrl.h"

#include <QFile>

#include <filesystem>
#include <optional>

namespace {

std::filesystem::path LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<QString> PromptSmf(const CCommandContext& context, bool open) {
    QWidget* parent = context.window ? context.window->GetDialogParent() : nullptr;
    GT::IProfile& profile = context.profile ? *context.profile : GT::GetProfile();
    IFileDialogRunner& runner = context.fileDialogs ? *context.fileDialogs : GetFileDialogRunner();
    return PromptSmfFileName(open, parent, profile, runner);
}

void RememberSmf(const CCommandContext& context, const QString& path) {
    RememberSmfFile(context.profile ? *context.profile : GT::GetProfile(), path);
}

std::optional<QString> PromptSysEx(const CCommandContext& context, bool open) {
    QWidget* parent = context.window ? context.window->GetDialogParent() : nullptr;
    GT::IProfile& profile = context.profile ? *context.profile : GT::GetProfile();
    IFileDialogRunner& runner = context.fileDialogs ? *context.fileDialogs : GetFileDialogRunner();
    return PromptSysExFileName(open, parent, profile, runner);
}

} // namespace

bool CWindowCommands::ImportSmf() {
    CParameterListCtrl* list = List();
    CDocumentBase* data = Data();
    AReader* reader = context_.state ? context_.state->GetReader() : nullptr;
    if (!context_.mainWindow || !list || !data || !reader)
        return false;
    if (!Confirm(kWarnImportSmf))
        return false;
    // Every area: a file may hold patches of any of them.
    data->SaveUndo(0);
    bool imported = false;
    if (const std::optional<QString> path = PromptSmf(context_, true)) {
        UL::CWaitCursor wait;
        // The reader shows why a file cannot be read; what it stored before
        // the failure stays and can be undone.
        imported = reader->ImportSmf(LocalPath(*path), data->GetImage());
        if (imported)
            RememberSmf(context_, *path);
    }
    list->Refresh(true, 0);
    return imported;
}

bool CWindowCommands::ExportSmf(bool selectedOnly) {
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!context_.mainWindow || !array || !writer)
        return false;
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    // Patches that cannot be exported are refused before a file is chosen.
    if (indexes.empty() || !CWriter::CheckSendable(AreaCode(), indexes, *array))
        return false;
    const std::optional<QString> path = PromptSmf(context_, false);
    if (!path)
        return false;
    UL::CWaitCursor wait;
    // The writer shows why a file cannot be written.
    if (!writer->ExportSmf(LocalPath(*path), AreaCode(), indexes, *array))
        return false;
    RememberSmf(context_, *path);
    return true;
}

bool CWindowCommands::ImportSysEx() {
    CParameterListCtrl* list = List();
    CDocumentBase* data = Data();
    AReader* reader = context_.state ? context_.state->GetReader() : nullptr;
    if (!context_.mainWindow || !list || !data || !reader)
        return false;
    if (!Confirm(kWarnImportSysEx))
        return false;
    const std::optional<QString> path = PromptSysEx(context_, true);
    if (!path)
        return false;
    UL::CWaitCursor wait;
    // The reader says why a file is refused; a refused file changes nothing,
    // not even the undo step.
    std::vector<std::uint8_t> bytes;
    if (!reader->LoadSysExFile(LocalPath(*path), bytes))
        return false;
    data->SaveUndo(0);
    reader->ImportSysExBytes(bytes, data->GetImage());
    RememberSysExFile(Profile(), *path);
    list->Refresh(true, 0);
    return true;
}

bool CWindowCommands::ExportSysEx(bool selectedOnly) {
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!context_.mainWindow || !array || !writer)
        return false;
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    // Patches that cannot be exported are refused before a file is chosen.
    if (indexes.empty() || !CWriter::CheckSendable(AreaCode(), indexes, *array))
        return false;
    const std::optional<QString> path = PromptSysEx(context_, false);
    if (!path)
        return false;
    UL::CWaitCursor wait;
    if (!writer->ExportSysEx(LocalPath(*path), AreaCode(), indexes, *array))
        return false;
    RememberSysExFile(Profile(), *path);
    return true;
}
