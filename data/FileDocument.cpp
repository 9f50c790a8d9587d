#include "data/FileDocument.h"

void CFileDocument::Undo() {
    if (mark_)
        current_.GetArray(1).Swap(saved_.GetArray(1));
}

void CFileDocument::SaveUndo(int) {
    mark_ = false;
    saved_.GetArray(1) = current_.GetArray(1);
    mark_ = true;
}
