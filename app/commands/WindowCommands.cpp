#include "app/commands/WindowCommands.h"

#include "app/core/LibrarianState.h"
#include "app/ui/CommandIds.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "toolkit/profile/Profile.h"
#include "views/ParameterListCtrl.h"

CWindowCommands::CWindowCommands(const CCommandContext& context) : context_(context) {}

bool CWindowCommands::HandlesCommand(int id) const {
    switch (id) {
    case kCmdReadAll:
    case kCmdReadSelected:
    case kCmdWriteAll:
    case kCmdWriteSelected:
        return context_.mainWindow;
    // A file window imports into its list and exports its own patches.
    case kCmdImportSmf:
    case kCmdExportSmfAll:
    case kCmdExportSmfSelected:
    case kCmdImportSysEx:
    case kCmdExportSysExAll:
    case kCmdExportSysExSelected:
    case kCmdDuplicate:
    case kCmdUndo:
    case kCmdRedo:
    case kCmdCut:
    case kCmdCopy:
    case kCmdInsert:
    case kCmdReplace:
    case kCmdDelete:
    case kCmdInitialize:
    case kCmdSelectAll:
    case kCmdReplaceString:
    case kCmdFindDuplicates:
    case kCmdPreview:
        return true;
    case kCmdSlotHistory:
        return context_.mainWindow;
    default:
        return false;
    }
}

bool CWindowCommands::IsCommandEnabled(int id) const {
    if (!HandlesCommand(id) || !List() || !Data())
        return false;
    switch (id) {
    case kCmdReadSelected:
    case kCmdWriteSelected:
        return HasSelection();
    // A file window's "End of Line" row holds nothing to export.
    case kCmdExportSmfSelected:
    case kCmdExportSysExSelected:
        return context_.mainWindow ? HasSelection() : !TransferIndexes(true).empty();
    case kCmdExportSmfAll:
    case kCmdExportSysExAll:
        return ShownArray() && ShownArray()->Size() > 0;
    case kCmdUndo:
        return Data()->CanUndo(context_.mainWindow ? Area() : 1);
    case kCmdRedo:
        return Data()->CanRedo(context_.mainWindow ? Area() : 1);
    case kCmdCut:
    case kCmdCopy:
    case kCmdDelete:
    case kCmdInitialize:
        return CanEditSelection();
    case kCmdInsert:
        return CanInsert();
    case kCmdReplace:
        return CanReplace();
    case kCmdReplaceString:
        return List()->CanReplaceString();
    case kCmdSlotHistory:
        return HasSelection() && History().Library() != nullptr;
    case kCmdPreview:
        return List()->GetObjectIndex(List()->GetFocusedRow()) >= 0;
    default:
        return true;
    }
}

void CWindowCommands::OnCommand(int id) {
    switch (id) {
    case kCmdReadAll:
        ReadPatches(false);
        break;
    case kCmdReadSelected:
        ReadPatches(true);
        break;
    case kCmdWriteAll:
        WritePatches(false);
        break;
    case kCmdWriteSelected:
        WritePatches(true);
        break;
    case kCmdImportSmf:
        ImportSmf();
        break;
    case kCmdExportSmfAll:
        ExportSmf(false);
        break;
    case kCmdExportSmfSelected:
        ExportSmf(true);
        break;
    case kCmdImportSysEx:
        ImportSysEx();
        break;
    case kCmdExportSysExAll:
        ExportSysEx(false);
        break;
    case kCmdExportSysExSelected:
        ExportSysEx(true);
        break;
    case kCmdDuplicate:
        Duplicate();
        break;
    case kCmdUndo:
        Undo();
        break;
    case kCmdRedo:
        Redo();
        break;
    case kCmdCut:
        Cut();
        break;
    case kCmdCopy:
        Copy();
        break;
    case kCmdInsert:
        Insert();
        break;
    case kCmdReplace:
        Replace();
        break;
    case kCmdDelete:
        Delete();
        break;
    case kCmdInitialize:
        Initialize();
        break;
    case kCmdSelectAll:
        SelectAll();
        break;
    case kCmdReplaceString:
        ReplaceString();
        break;
    case kCmdFindDuplicates:
        FindDuplicates();
        break;
    case kCmdSlotHistory:
        ShowSlotHistory();
        break;
    case kCmdPreview:
        PreviewCurrent();
        break;
    default:
        break;
    }
}

CParameterListCtrl* CWindowCommands::List() const { return context_.window ? context_.window->GetList() : nullptr; }

CDocumentBase* CWindowCommands::Data() const { return context_.window ? context_.window->GetData() : nullptr; }

CHistoryAccess& CWindowCommands::History() const { return context_.state ? context_.state->History() : noHistory_; }

int CWindowCommands::Area() const { return context_.state ? context_.state->GetArea() : 1; }

int CWindowCommands::AreaCode() const { return CParameterAddress().AreaCodeFromNumber(Area()); }

CParameterArray* CWindowCommands::ShownArray() const {
    CDocumentBase* data = Data();
    if (!data)
        return nullptr;
    if (!context_.mainWindow)
        return &data->GetArray(1);
    // An area the unit does not have shows no list and has no array.
    const int area = Area();
    return area >= 1 && area <= kAreaCount ? &data->GetArray(area) : nullptr;
}

bool CWindowCommands::Confirm(int kind, const std::string& question) const {
    return context_.confirmation && context_.confirmation->Confirm(kind, question);
}

GT::IProfile& CWindowCommands::Profile() const { return context_.profile ? *context_.profile : GT::GetProfile(); }

bool CWindowCommands::HasSelection() const {
    const CParameterListCtrl* list = List();
    return list && list->GetSelectedCount() > 0;
}

bool CWindowCommands::FirstSelectedHoldsPatch() const {
    const CParameterListCtrl* list = List();
    return list && list->GetObjectIndex(list->FirstSelectedRow()) >= 0;
}

bool CWindowCommands::ClipboardHasPatches() const {
    return context_.state && context_.state->GetClipboard().GetArray(1).Size() > 0;
}

bool CWindowCommands::CanEditSelection() const {
    return context_.mainWindow ? HasSelection() : FirstSelectedHoldsPatch();
}

bool CWindowCommands::CanInsert() const { return HasSelection() && ClipboardHasPatches(); }

bool CWindowCommands::CanReplace() const { return CanInsert() && (context_.mainWindow || FirstSelectedHoldsPatch()); }

std::vector<int> CWindowCommands::TransferIndexes(bool selectedOnly) const {
    if (selectedOnly) {
        const CParameterListCtrl* list = List();
        return list ? list->GetSelectedIndexes() : std::vector<int>{};
    }
    std::vector<int> indexes;
    if (const CParameterArray* array = ShownArray()) {
        indexes.resize(array->Size());
        for (std::size_t i = 0; i < indexes.size(); ++i)
            indexes[i] = static_cast<int>(i);
    }
    return indexes;
}
