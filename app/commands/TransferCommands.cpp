// Reading and writing the unit from the main window, and the preview send of
// both windows.
#include "app/commands/WindowCommands.h"

#include "app/core/HistoryAccess.h"
#include "app/core/LibrarianState.h"
#include "app/core/WriteSettings.h"
#include "engine/BackupFiles.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "engine/dialogs/MidiWarningDlg.h"
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
    if (!Confirm(kWarnReadUser))
        return false;
    UL::CWaitCursor wait;
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    const int area = Area();
    data->SaveUndo(area);
    const bool read = reader->ReadPatches(AreaCode(), indexes, data->GetImage());
    if (read)
        GetHistoryRecorder().UnitRead(area, indexes, *ShownArray());
    if (!read) {
        // Patches read before the failure are taken back. The undo step is
        // then made again from the restored area, so that a later Undo does
        // not bring the half-read area back.
        data->Undo();
        data->SaveUndo(area);
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
    if (!CWriter::CheckSendable(AreaCode(), indexes, *array))
        return false;
    if (!Confirm(kWarnWriteUser))
        return false;
    UL::CWaitCursor wait;
    const CWriteSettings settings = LoadWriteSettings(Profile());
    const QString folder = context_.backupFolder.isEmpty() ? BackupFolder() : context_.backupFolder;
    const std::filesystem::path backups = QFile::encodeName(folder).toStdString();
    CWriteChecks checks;
    checks.verify = settings.verify;
    if (settings.backup)
        checks.backupFile = NewBackupPath(backups, Area(), std::time(nullptr));
    // The windows do not change, whatever the result.
    CWriteRecord record;
    record.started = std::time(nullptr);
    const bool written = writer->WritePatches(AreaCode(), indexes, *array, checks);
    std::error_code missing;
    if (settings.backup && std::filesystem::exists(checks.backupFile, missing))
        record.backupFile = checks.backupFile;
    record.sent = writer->LastWriteSent();
    if (settings.verify)
        record.verify = writer->LastReadBackMatched() ? EVerify::kPassed : EVerify::kFailed;
    GetHistoryRecorder().UnitWritten(Area(), indexes, *array, record);
    if (settings.backup)
        PruneBackups(backups, settings.backupCount);
    return written;
}

bool CWindowCommands::PreviewSend(int index) {
    // The caller (preview button or double-click) has confirmed already.
    UL::CWaitCursor wait;
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!array || !writer || index < 0 || static_cast<std::size_t>(index) >= array->Size())
        return false;
    return writer->WritePatches(kTemporaryAreaCode, {index}, *array);
}
