#pragma once
// The main window's data: the image of the unit's seven areas, each with its
// own undo and redo steps.
#include "data/DocumentBase.h"
#include "data/UndoHistory.h"
#include "data/UnitProvenance.h"

class CImageDocument : public CDocumentBase {
public:
    CImageData& GetImage() override { return current_; }
    const CImageData& GetImage() const override { return current_; }
    CParameterArray& GetArray(int areaNumber) override { return current_.GetArray(areaNumber); }
    const CParameterArray& GetArray(int areaNumber) const override { return current_.GetArray(areaNumber); }
    // Area 1..7, or all seven as one step for 0; other numbers save nothing.
    void SaveUndo(int areaNumber) override { history_.Save(areaNumber, current_); }
    bool CanUndo(int areaNumber) const override { return history_.CanUndo(areaNumber); }
    bool CanRedo(int areaNumber) const override { return history_.CanRedo(areaNumber); }
    void Undo(int areaNumber) override { history_.Undo(areaNumber, current_); }
    void Redo(int areaNumber) override { history_.Redo(areaNumber, current_); }
    void Revert(int areaNumber) override { history_.Revert(areaNumber, current_); }
    CUnitProvenance* GetProvenance() override { return &provenance_; }
    const CUnitProvenance* GetProvenance() const override { return &provenance_; }

private:
    CImageData current_;
    CUndoHistory history_;
    CUnitProvenance provenance_;
};
