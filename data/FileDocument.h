#pragma once
// A librarian file window's data: one list of patches (area 1 of an image;
// every area argument means area 1) with undo and redo.
#include "data/DocumentBase.h"
#include "data/UndoHistory.h"

class CFileDocument : public CDocumentBase {
public:
    CFileDocument() = default;
    CFileDocument(const CFileDocument&) = delete;
    CFileDocument& operator=(const CFileDocument&) = delete;

    CImageData& GetImage() override { return current_; }
    const CImageData& GetImage() const override { return current_; }
    CParameterArray& GetArray(int) override { return current_.GetArray(1); }
    const CParameterArray& GetArray(int) const override { return current_.GetArray(1); }
    void SaveUndo(int) override { history_.Save(1, current_); }
    bool CanUndo(int) const override { return history_.CanUndo(1); }
    bool CanRedo(int) const override { return history_.CanRedo(1); }
    void Undo(int) override { history_.Undo(1, current_); }
    void Redo(int) override { history_.Redo(1, current_); }
    void Revert(int) override { history_.Revert(1, current_); }

    // The file's patches, in file order.
    CParameterArray& Patches() { return current_.GetArray(1); }
    const CParameterArray& Patches() const { return current_.GetArray(1); }

private:
    CImageData current_;
    CUndoHistory history_;
};
