#include "data/ImageDocument.h"

#include "data/ParameterAddress.h"

namespace {

bool IsArea(int n) { return n >= 1 && n <= kAreaCount; }

} // namespace

void CImageDocument::Undo() {
    // Marks stay set, so the next Undo exchanges back (redo).
    for (int n = 1; n <= kAreaCount; ++n)
        if (marks_[static_cast<std::size_t>(n - 1)])
            current_.GetArray(n).Swap(saved_.GetArray(n));
}

void CImageDocument::SaveUndo(int areaNumber) {
    marks_.fill(false);
    for (int n = 1; n <= kAreaCount; ++n) {
        if (areaNumber == 0 || areaNumber == n) {
            saved_.GetArray(n) = current_.GetArray(n);
            marks_[static_cast<std::size_t>(n - 1)] = true;
        }
    }
}

bool CImageDocument::CanUndo(int areaNumber) const {
    return IsArea(areaNumber) && marks_[static_cast<std::size_t>(areaNumber - 1)];
}
