// Duplicate, Undo and the edit commands of both windows.
#include "app/commands/WindowCommands.h"

#include "app/docs/UpdateHints.h"
#include "app/ui/CommandIds.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "toolkit/core/CursorChanger.h"
#include "views/ParameterListCtrl.h"

#include <optional>

namespace {

// The wait cursor, which a file window shows while it edits.
class CFileWindowWait {
public:
    explicit CFileWindowWait(bool mainWindow) {
        if (!mainWindow)
            wait_.emplace();
    }

private:
    std::optional<UL::CWaitCursor> wait_;
};

} // namespace

void CWindowCommands::Refit() {
    if (context_.mainWindow)
        List()->ResizeArray(static_cast<std::size_t>(CParameterAddress().PatchCount(Area())));
}

void CWindowCommands::FileWindowChanged() {
    if (context_.mainWindow)
        return;
    context_.window->SetModified();
    context_.window->RebuildPreviewButtons();
}

bool CWindowCommands::Duplicate() {
    const CParameterArray* source = ShownArray();
    if (!context_.windows || !source)
        return false;
    UL::CWaitCursor wait;
    ICommandWindow* copy = context_.windows->OpenUntitledFileWindow();
    CDocumentBase* data = copy ? copy->GetData() : nullptr;
    if (!data)
        return false;
    data->GetArray(1) = *source;
    if (CParameterListCtrl* list = copy->GetList())
        list->Refresh(true, 0);
    copy->SetModified();
    copy->UpdateViews(kHintContents);
    return true;
}

bool CWindowCommands::Undo() { return StepHistory(kCmdUndo); }

bool CWindowCommands::Redo() { return StepHistory(kCmdRedo); }

bool CWindowCommands::StepHistory(int command) {
    if (!IsCommandEnabled(command) || !List())
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    const int area = context_.mainWindow ? Area() : 1;
    if (command == kCmdUndo)
        Data()->Undo(area);
    else
        Data()->Redo(area);
    List()->Refresh(false, 0);
    if (!context_.mainWindow) {
        context_.window->RebuildPreviewButtons();
        context_.window->SetModified();
    }
    return true;
}

bool CWindowCommands::Cut() {
    if (!IsCommandEnabled(kCmdCut))
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    Data()->SaveUndo(Area());
    List()->CopySelected();
    List()->DeleteSelected();
    Refit();
    List()->Refresh(false, 0);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::Copy() {
    if (!IsCommandEnabled(kCmdCopy))
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    List()->CopySelected();
    if (!context_.mainWindow)
        context_.window->RebuildPreviewButtons();
    return true;
}

bool CWindowCommands::Insert() {
    if (!IsCommandEnabled(kCmdInsert))
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    CParameterListCtrl* list = List();
    Data()->SaveUndo(Area());
    const int first = list->GetObjectIndex(list->FirstSelectedRow());
    int inserted = list->InsertClipboard();
    if (context_.mainWindow) {
        // Patches pushed off the end of the area go; only the inserted rows
        // that still fit are selected.
        Refit();
        const int count = CParameterAddress().PatchCount(Area());
        if (first >= 0 && first + inserted > count)
            inserted = count - first;
    }
    list->Refresh(true, inserted);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::Replace() {
    if (!IsCommandEnabled(kCmdReplace))
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    Data()->SaveUndo(Area());
    List()->ReplaceSelected();
    List()->Refresh(true, 0);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::Delete() {
    if (!IsCommandEnabled(kCmdDelete))
        return false;
    const CFileWindowWait wait(context_.mainWindow);
    Data()->SaveUndo(Area());
    List()->DeleteSelected();
    Refit();
    List()->Refresh(false, 0);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::Initialize() {
    if (!IsCommandEnabled(kCmdInitialize))
        return false;
    Data()->SaveUndo(Area());
    List()->InitializeSelected();
    List()->Refresh(true, 0);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::SelectAll() {
    CParameterListCtrl* list = List();
    if (!list)
        return false;
    list->SelectAll();
    return true;
}

bool CWindowCommands::ReplaceString() {
    if (!IsCommandEnabled(kCmdReplaceString))
        return false;
    List()->ReplaceString(List()->GetCurrentColumn());
    return true;
}
