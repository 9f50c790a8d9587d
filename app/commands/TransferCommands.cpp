// Reading and writing the unit from the main window, and the preview send of
// both windows.
#include "app/commands/WindowCommands.h"

#include "app/core/LibrarianState.h"
#include "app/core/WriteSettings.h"
#include "app/ui/CommandIds.h"
#include "app/ui/CommandTexts.h"
#include "engine/BackupFiles.h"
#include "engine/CancelWatch.h"
#include "engine/ImportTally.h"
#include "engine/TransferSummary.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"
#include "data/UnitProvenance.h"
#include "engine/Reader.h"
#include "engine/TransferText.h"
#include "engine/Writer.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/TextDialog.h"
#include "toolkit/core/CursorChanger.h"
#include "views/ParameterListCtrl.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <ctime>

QString BackupFolder() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/backups"));
}

bool CWindowCommands::ReadPatches(bool selectedOnly) {
    CParameterListCtrl* list = List();
    CDocumentBase* data = Data();
    AReader* reader = context_.state ? context_.state->GetReader() : nullptr;
    if (!context_.mainWindow || !list || !data || !reader || !ShownArray() || (selectedOnly && !HasSelection()))
        return false;
    const int command = selectedOnly ? kCmdReadSelected : kCmdReadAll;
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    const int area = Area();
    if (!Confirm(kWarnReadUser, ReadQuestion(area, indexes))) {
        ReportEnd(command, true);
        return false;
    }
    UL::CWaitCursor wait;
    data->SaveUndo(area);
    const CCancelWatch watch(reader, nullptr);
    const bool read = reader->ReadPatches(AreaCode(), indexes, data->GetImage());
    if (read)
        ShowStatus(ReadSummary(area, indexes));
    else
        ReportEnd(command, watch.Cancelled());
    if (read) {
        History().Recorder().UnitRead(area, indexes, *ShownArray());
        if (CUnitProvenance* provenance = data->GetProvenance())
            provenance->MarkRead(area, indexes, data->GetArray(area), std::time(nullptr));
    } else {
        // Patches read before the failure are taken back, and so is the
        // read's undo step: neither Undo nor Redo brings the half-read area.
        data->Revert(area);
    }
    list->Refresh(true, 0);
    return read;
}

bool CWindowCommands::WritePatches(bool selectedOnly) {
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!context_.mainWindow || !array || !writer || (selectedOnly && !HasSelection()))
        return false;
    // Patches that cannot be sent are refused before the user is asked.
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    const int area = Area();
    if (!CWriter::CheckSendable(AreaCode(), indexes, *array))
        return false;
    // Rows that are not the unit's ask a question of their own, which then
    // stands for the usual confirmation.
    const int command = selectedOnly ? kCmdWriteSelected : kCmdWriteAll;
    switch (CheckUnitContents(area, indexes)) {
    case kContentsRefused:
        ReportEnd(command, false);
        return false;
    case kContentsNotRead:
        if (UL::GetTextDialog().Show(MessageWith(kMsgWriteNotRead, AreaName(area)), UL::kButtonsYesNo,
                                     UL::kIconQuestion) != UL::kResultYes) {
            ReportEnd(command, true);
            return false;
        }
        break;
    case kContentsKnown:
        if (!Confirm(kWarnWriteUser, WriteQuestion(area, indexes))) {
            ReportEnd(command, true);
            return false;
        }
        break;
    }
    return WriteRows(area, indexes, command);
}

bool CWindowCommands::WriteRows(int area, const std::vector<int>& indexes, int command) {
    CDocumentBase* data = Data();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!context_.mainWindow || !data || !writer || area < 1 || area > kAreaCount || indexes.empty())
        return false;
    const CParameterArray& array = data->GetArray(area);
    const int areaCode = CParameterAddress().AreaCodeFromNumber(area);
    if (!CWriter::CheckSendable(areaCode, indexes, array))
        return false;
    UL::CWaitCursor wait;
    const CWriteSettings settings = LoadWriteSettings(Profile());
    const QString folder = context_.backupFolder.isEmpty() ? BackupFolder() : context_.backupFolder;
    const std::filesystem::path backups = QFile::encodeName(folder).toStdString();
    CWriteChecks checks;
    checks.verify = settings.verify;
    if (settings.backup)
        checks.backupFile = NewBackupPath(backups, area, std::time(nullptr));
    // The window's patches do not change, whatever the result; after a
    // write the unit holds them, so their marks go.
    CWriteRecord record;
    record.started = std::time(nullptr);
    const CCancelWatch watch(writer->GetReader(), writer);
    const bool written = writer->WritePatches(areaCode, indexes, array, checks);
    std::error_code missing;
    if (settings.backup && std::filesystem::exists(checks.backupFile, missing))
        record.backupFile = checks.backupFile;
    if (written)
        ShowStatus(WriteSummary(area, indexes, settings.verify, record.backupFile.filename().string()));
    else
        ReportEnd(command, watch.Cancelled());
    record.sent = writer->LastWriteSent();
    if (settings.verify)
        record.verify = writer->LastReadBackMatched() ? EVerify::kPassed : EVerify::kFailed;
    History().Recorder().UnitWritten(area, indexes, array, record);
    if (settings.backup)
        PruneBackups(backups, settings.backupCount);
    if (written) {
        if (CUnitProvenance* provenance = data->GetProvenance())
            provenance->MarkWritten(area, indexes, array, std::time(nullptr));
        if (CParameterListCtrl* list = List())
            list->viewport()->update();
    }
    return written;
}

CWindowCommands::UnitContents CWindowCommands::CheckUnitContents(int area, const std::vector<int>& indexes) const {
    const CDocumentBase* data = Data();
    const CUnitProvenance* provenance = data ? data->GetProvenance() : nullptr;
    if (!provenance)
        return kContentsKnown;
    const CParameterArray& array = data->GetArray(area);
    bool notRead = false;
    for (int index : indexes) {
        const RowStatus status = provenance->Status(area, index, array);
        if (status.OnlyRemembered()) {
            // A remembered state is what the unit held once, not what it
            // holds: writing it back unasked could undo changes made since.
            ShowMessageWith(kMsgWriteRemembered, AreaName(area));
            return kContentsRefused;
        }
        notRead = notRead || status.NotRead();
    }
    return notRead ? kContentsNotRead : kContentsKnown;
}

std::string CWindowCommands::AreaName(int area) { return CParameterAddress().AreaName(area); }

bool CWindowCommands::PreviewSend(int index) {
    // The caller (preview button, double-click, Preview Patch) has confirmed
    // already.
    UL::CWaitCursor wait;
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!array || !writer || index < 0 || static_cast<std::size_t>(index) >= array->Size())
        return false;
    const CCancelWatch watch(writer->GetReader(), writer);
    if (!writer->WritePatches(kTemporaryAreaCode, {index}, *array)) {
        ReportEnd(kCmdPreview, watch.Cancelled());
        return false;
    }
    // The row stays marked as the one heard until the next preview.
    if (CParameterListCtrl* list = List())
        list->SetPreviewedIndex(index);
    const std::string number = std::to_string(index + 1);
    ShowStatus(PreviewSummary(context_.mainWindow ? PatchRanges({{Area(), index}})
                                                  : context_.window->GetTitle() + " " + number));
    return true;
}

bool CWindowCommands::PreviewCurrent() {
    const CParameterListCtrl* list = List();
    if (!IsCommandEnabled(kCmdPreview) || !list)
        return false;
    const int index = list->GetObjectIndex(list->GetFocusedRow());
    if (!Confirm(kWarnWriteTemporary, PreviewQuestion(index))) {
        ReportEnd(kCmdPreview, true);
        return false;
    }
    return PreviewSend(index);
}

void CWindowCommands::ShowStatus(const std::string& text) const {
    if (context_.window)
        context_.window->ShowStatus(text);
}

void CWindowCommands::ReportEnd(int command, bool cancelled) const {
    const std::string operation = CommandTip(command).toStdString();
    ShowStatus(cancelled ? CancelledSummary(operation) : FailedSummary(operation));
}

std::string CWindowCommands::PreviewQuestion(int index) const {
    const CParameterArray* array = ShownArray();
    const CParameter* patch = array && index >= 0 ? array->At(static_cast<std::size_t>(index)) : nullptr;
    const CPatch* named = AsPatch(patch);
    if (!named)
        return {};
    // The main window's rows are slots of the unit; a file's rows are not.
    return ::PreviewQuestion(PreviewPatchText(context_.mainWindow ? Area() : 0, index, named->GetName()));
}
