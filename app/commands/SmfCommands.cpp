// Import and Export of the main window's exchange files: Standard MIDI Files
// and raw SysEx files, one path per direction.
#include "app/commands/WindowCommands.h"

#include "app/core/LibrarianState.h"
#include "app/docman/FileDialogRunner.h"
#include "app/docman/SmfFileDialog.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ExchangeFile.h"
#include "data/DocumentBase.h"
#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/Reader.h"
#include "engine/TransferSummary.h"
#include "engine/Writer.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/CursorChanger.h"
#include "toolkit/profile/Profile.h"
#include "views/ParameterListCtrl.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <optional>

namespace {

using Path = std::filesystem::path;

// What differs between the two kinds of exchange file.
struct CExchangeFormat {
    int importWarning; // the confirmation asked before an import
    std::optional<QString> (*prompt)(bool open, QWidget* parent, GT::IProfile& profile, IFileDialogRunner& runner);
    bool (*remember)(GT::IProfile& profile, const QString& path);
    bool (CWriter::*write)(const Path& path, int areaCode, const std::vector<int>& indexes,
                           const CParameterArray& array);
};

const CExchangeFormat& Format(CWindowCommands::ExchangeFile file) {
    static const CExchangeFormat smf{kWarnImportSmf, &PromptSmfFileName, &RememberSmfFile, &CWriter::ExportSmf};
    static const CExchangeFormat sysEx{kWarnImportSysEx, &PromptSysExFileName, &RememberSysExFile,
                                       &CWriter::ExportSysEx};
    return file == CWindowCommands::kSmfFile ? smf : sysEx;
}

Path LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Reads the SMF into new patches first and takes over the patches it
// stored: a file that holds nothing the unit takes changes nothing and is
// refused as a SysEx file without such data is (message 66). What a failing
// file stored before the failure is still taken.
bool ImportSmfFile(AReader& reader, const Path& path, CDocumentBase& data) {
    CImageData trial;
    trial.FillWithNewPatches();
    const bool imported = reader.ImportSmf(path, trial);
    const CImportTally& tally = reader.LastImport();
    if (tally.stored.empty()) {
        if (imported)
            ShowMessage(kMsgNoUnitDataInFile);
        return false;
    }
    for (const auto& [area, index] : tally.PatchesIn(0)) {
        CParameterArray& patches = data.GetArray(area);
        const auto at = static_cast<std::size_t>(index);
        if (at >= patches.Size() || trial.GetArray(area).At(at) == nullptr)
            continue;
        patches.Remove(at);
        patches.Insert(at, trial.GetArray(area).At(at)->Clone());
    }
    return imported;
}

} // namespace

std::optional<QString> CWindowCommands::PromptExchangeFile(ExchangeFile file, bool open) const {
    QWidget* parent = context_.window ? context_.window->GetDialogParent() : nullptr;
    IFileDialogRunner& runner = context_.fileDialogs ? *context_.fileDialogs : GetFileDialogRunner();
    return Format(file).prompt(open, parent, Profile(), runner);
}

bool CWindowCommands::ImportFile(ExchangeFile file) {
    CParameterListCtrl* list = List();
    CDocumentBase* data = Data();
    AReader* reader = context_.state ? context_.state->GetReader() : nullptr;
    if (!list || !data || !reader)
        return false;
    if (!context_.mainWindow)
        return ImportIntoFile(file);
    const int command = file == kSmfFile ? kCmdImportSmf : kCmdImportSysEx;
    if (!Confirm(Format(file).importWarning)) {
        ReportEnd(command, true);
        return false;
    }
    // Every area: a file may hold patches of any of them. An SMF is read
    // straight into the image, so its undo step comes first (even when the
    // file is not chosen after all): what a failing file stored before the
    // failure stays and can be undone. A SysEx file is read whole first; a
    // refused one changes nothing, not even the undo step.
    if (file == kSmfFile)
        data->SaveUndo(0);
    bool imported = false;
    const std::optional<QString> path = PromptExchangeFile(file, true);
    if (path) {
        UL::CWaitCursor wait;
        // The reader says why a file cannot be read.
        if (file == kSmfFile) {
            imported = ImportSmfFile(*reader, LocalPath(*path), *data);
        } else {
            std::vector<std::uint8_t> bytes;
            imported = reader->LoadSysExFile(LocalPath(*path), bytes);
            if (imported) {
                data->SaveUndo(0);
                reader->ImportSysExBytes(bytes, data->GetImage());
            }
        }
        if (imported) {
            Format(file).remember(Profile(), *path);
            // What the file gave, and what it held that was not taken.
            ShowStatus(ImportSummary(reader->LastImport(), 0));
            // The history keeps the patches the file holds, not the window's
            // areas around them: the file is read once more into an image of
            // its own.
            CImageData held;
            PrepareImportImage(held);
            if (file == kSmfFile ? reader->ImportSmf(LocalPath(*path), held)
                                 : reader->ImportSysEx(LocalPath(*path), held))
                History().Recorder().FileImported(LocalPath(*path), held);
        }
    }
    // A success has said what the file gave.
    if (!imported)
        ReportEnd(command, !path.has_value());
    if (imported || file == kSmfFile)
        list->Refresh(true, 0);
    return imported;
}

bool CWindowCommands::ImportIntoFile(ExchangeFile file) {
    CParameterListCtrl* list = List();
    CDocumentBase* data = Data();
    AReader* reader = context_.state ? context_.state->GetReader() : nullptr;
    if (context_.mainWindow || !list || !data || !reader)
        return false;
    // Nothing of the window is overwritten, so nothing is asked first.
    const int command = file == kSmfFile ? kCmdImportSmf : kCmdImportSysEx;
    const std::optional<QString> path = PromptExchangeFile(file, true);
    if (!path) {
        ReportEnd(command, true);
        return false;
    }
    UL::CWaitCursor wait;
    CExchangePatches found;
    if (!ReadExchangeFile(*reader, *path, file == kSysExFile, found)) {
        ReportEnd(command, false);
        return false;
    }
    QWidget* parent = context_.window ? context_.window->GetDialogParent() : nullptr;
    const std::optional<int> area = ChooseImportArea(found, *path, context_.areaChooser, parent);
    if (!area) {
        ReportEnd(command, true);
        return false;
    }
    CParameterArray& patches = data->GetArray(1);
    const int first = list->GetObjectIndex(list->FirstSelectedRow());
    const std::size_t at = first >= 0 ? static_cast<std::size_t>(first) : patches.Size();
    data->SaveUndo(1);
    const std::size_t count = found.InsertInto(*area, patches, at);
    // The new rows are selected.
    list->Refresh(false, 0);
    list->SetAllSelected(false);
    for (int row = 0; row < list->GetItemCount(); ++row) {
        const int index = list->GetObjectIndex(row);
        if (index >= 0 && static_cast<std::size_t>(index) >= at && static_cast<std::size_t>(index) < at + count)
            list->SetRowSelected(row, true);
    }
    FileWindowChanged();
    Format(file).remember(Profile(), *path);
    ShowStatus(found.Summary(*area));
    History().Recorder().FileImported(LocalPath(*path), found.image);
    return true;
}

bool CWindowCommands::ExportFile(ExchangeFile file, bool selectedOnly) {
    const CParameterArray* array = ShownArray();
    CWriter* writer = context_.state ? context_.state->GetWriter() : nullptr;
    if (!array || !writer)
        return false;
    const std::vector<int> indexes = TransferIndexes(selectedOnly);
    const int command = file == kSmfFile ? (selectedOnly ? kCmdExportSmfSelected : kCmdExportSmfAll)
                                         : (selectedOnly ? kCmdExportSysExSelected : kCmdExportSysExAll);
    const CParameterAddress map;
    // Patches that cannot be exported are refused before anything is asked
    // (every area's patches have the same size).
    if (indexes.empty() ||
        !CWriter::CheckSendable(context_.mainWindow ? AreaCode() : map.AreaCodeFromNumber(1), indexes, *array)) {
        ReportEnd(command, false);
        return false;
    }
    int areaCode = AreaCode();
    if (!context_.mainWindow) {
        // A file's rows are no slots: the user says whose slots they fill.
        const std::optional<int> area = ChooseExportArea(
            indexes, context_.areaChooser, context_.window ? context_.window->GetDialogParent() : nullptr);
        if (!area) {
            ReportEnd(command, true);
            return false;
        }
        areaCode = map.AreaCodeFromNumber(*area);
    }
    const std::optional<QString> path = PromptExchangeFile(file, false);
    if (!path) {
        ReportEnd(command, true);
        return false;
    }
    UL::CWaitCursor wait;
    // The writer shows why a file cannot be written.
    if (!(writer->*Format(file).write)(LocalPath(*path), areaCode, indexes, *array)) {
        ReportEnd(command, false);
        return false;
    }
    Format(file).remember(Profile(), *path);
    ShowStatus(SavedSummary(indexes.size(), QFileInfo(*path).fileName().toStdString()));
    return true;
}
