#include "data/UndoHistory.h"

#include "data/ParameterAddress.h"

#include <utility>

namespace {

bool IsArea(int n) { return n >= 1 && n <= kAreaCount; }

} // namespace

CUndoHistory::SArea* CUndoHistory::Find(int areaNumber) {
    return IsArea(areaNumber) ? &areas_[areaNumber - 1] : nullptr;
}

const CUndoHistory::SArea* CUndoHistory::Find(int areaNumber) const {
    return IsArea(areaNumber) ? &areas_[areaNumber - 1] : nullptr;
}

void CUndoHistory::Save(int areaNumber, const CImageData& image) {
    if (areaNumber != 0 && !IsArea(areaNumber))
        return;
    const std::uint64_t group = areaNumber == 0 ? ++lastGroup_ : 0;
    for (int n = 1; n <= kAreaCount; ++n) {
        if (areaNumber != 0 && areaNumber != n)
            continue;
        SArea& area = areas_[n - 1];
        if (area.undo.size() >= kMaxSteps)
            area.undo.erase(area.undo.begin());
        SStep step;
        static_cast<CParameterArray&>(step.contents) = image.GetArray(n);
        step.group = group;
        area.undo.push_back(std::move(step));
        area.redo.clear();
    }
}

bool CUndoHistory::CanUndo(int areaNumber) const {
    const SArea* area = Find(areaNumber);
    return area && !area->undo.empty();
}

bool CUndoHistory::CanRedo(int areaNumber) const {
    const SArea* area = Find(areaNumber);
    return area && !area->redo.empty();
}

void CUndoHistory::MoveOne(SArea& area, CParameterArray& current, StepsOf from, StepsOf to) {
    SStep step = std::move((area.*from).back());
    (area.*from).pop_back();
    step.contents.Swap(current);
    (area.*to).push_back(std::move(step));
}

std::vector<int> CUndoHistory::Move(int areaNumber, CImageData& image, StepsOf from, StepsOf to) {
    std::vector<int> moved;
    SArea* area = Find(areaNumber);
    if (!area || (area->*from).empty())
        return moved;
    const std::uint64_t group = (area->*from).back().group;
    MoveOne(*area, image.GetArray(areaNumber), from, to);
    moved.push_back(areaNumber);
    if (group == 0)
        return moved;
    for (int n = 1; n <= kAreaCount; ++n) {
        SArea& other = areas_[n - 1];
        if (n != areaNumber && !(other.*from).empty() && (other.*from).back().group == group) {
            MoveOne(other, image.GetArray(n), from, to);
            moved.push_back(n);
        }
    }
    return moved;
}

void CUndoHistory::Undo(int areaNumber, CImageData& image) { Move(areaNumber, image, &SArea::undo, &SArea::redo); }

void CUndoHistory::Redo(int areaNumber, CImageData& image) { Move(areaNumber, image, &SArea::redo, &SArea::undo); }

void CUndoHistory::Revert(int areaNumber, CImageData& image) {
    // What went to the redo side is the failed change: forget it.
    for (const int n : Move(areaNumber, image, &SArea::undo, &SArea::redo))
        areas_[n - 1].redo.pop_back();
}
