// Patches dropped on a window's list: the clipboard commands' rules for
// patches dragged with the mouse.
#include "app/commands/WindowCommands.h"

#include "data/DocumentBase.h"
#include "data/ParameterArray.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/CursorChanger.h"
#include "views/ParameterEdits.h"
#include "views/ParameterListCtrl.h"
#include "views/PatchDrop.h"

#include <algorithm>

bool CWindowCommands::DropPatches(const CPatchDrop& drop) {
    CParameterListCtrl* list = List();
    if (!list || !Data() || !ShownArray() || !drop.patches || drop.patches->Empty())
        return false;
    // An edit still open is finished first, as a click elsewhere would.
    if (list->IsEditing() && !list->EndEdit(true))
        return false;
    return context_.mainWindow ? DropOnArea(drop) : DropInFile(drop);
}

bool CWindowCommands::DropOnArea(const CPatchDrop& drop) {
    // Patches of one area of the unit cannot go into another, as with the
    // clipboard. Patches from a file have no area.
    if (drop.origin.area != 0 && drop.origin.area != Area()) {
        ShowMessage(kMsgDropOtherArea);
        return false;
    }
    CParameterListCtrl* list = List();
    const int count = static_cast<int>(drop.patches->Size());
    const std::vector<int> targets = list->GetRowIndexes(drop.row, count);
    // The area keeps its size: all of them replace rows, or none does.
    if (static_cast<int>(targets.size()) != count) {
        ShowMessage(kMsgDropDoesNotFit);
        return false;
    }
    // Rows dropped back onto themselves change nothing.
    if (drop.fromThisList && targets == drop.draggedIndexes)
        return false;
    Data()->SaveUndo(Area());
    ReplaceObjects(*ShownArray(), targets, *drop.patches);
    list->SetAllSelected(false);
    list->SelectRange(drop.row, drop.row + count - 1, true);
    list->SetFocusedRow(drop.row);
    list->SetSelectionMark(drop.row);
    list->Refresh(true, 0);
    return true;
}

bool CWindowCommands::DropInFile(const CPatchDrop& drop) {
    if (drop.fromThisList && drop.move)
        return MoveInFile(drop);
    const UL::CWaitCursor wait;
    CParameterListCtrl* list = List();
    const std::size_t at = list->GetInsertIndex(drop.row);
    Data()->SaveUndo(1);
    const int inserted = InsertCopies(*ShownArray(), at, *drop.patches);
    list->Refresh(false, 0);
    list->SelectObjects(static_cast<int>(at), inserted);
    FileWindowChanged();
    return true;
}

bool CWindowCommands::MoveInFile(const CPatchDrop& drop) {
    CParameterListCtrl* list = List();
    // In another order than the patches' own, "before this row" would not
    // say where in the file they go.
    if (!list->IsInIndexOrder()) {
        ShowMessage(kMsgDropMoveSorted);
        return false;
    }
    CParameterArray& array = *ShownArray();
    std::vector<int> moved = drop.draggedIndexes;
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    if (moved.empty() || moved.front() < 0 || static_cast<std::size_t>(moved.back()) >= array.Size())
        return false;
    const std::size_t at = list->GetInsertIndex(drop.row);
    // Where the first moved patch lands once the moved ones are taken out.
    const auto firstAfter = std::lower_bound(moved.begin(), moved.end(), static_cast<int>(at));
    const auto before = static_cast<std::size_t>(firstAfter - moved.begin());
    const std::size_t target = at - before;
    const bool contiguous = moved.back() - moved.front() + 1 == static_cast<int>(moved.size());
    if (contiguous && target == static_cast<std::size_t>(moved.front()))
        return false;
    const UL::CWaitCursor wait;
    Data()->SaveUndo(1);
    std::vector<std::unique_ptr<CParameter>> taken;
    taken.reserve(moved.size());
    for (auto index = moved.rbegin(); index != moved.rend(); ++index)
        taken.push_back(array.Take(static_cast<std::size_t>(*index)));
    std::reverse(taken.begin(), taken.end());
    for (std::size_t k = 0; k < taken.size(); ++k)
        array.Insert(target + k, std::move(taken[k]));
    list->Refresh(false, 0);
    list->SelectObjects(static_cast<int>(target), static_cast<int>(moved.size()));
    FileWindowChanged();
    return true;
}
