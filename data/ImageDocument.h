#pragma once
// The main window's data: the image of the unit's seven areas, each with its
// own undo mark.
#include "data/DocumentBase.h"
#include "data/UnitProvenance.h"

#include <array>

class CImageDocument : public CDocumentBase {
public:
    CImageData& GetImage() override { return current_; }
    const CImageData& GetImage() const override { return current_; }
    void Undo() override;
    CParameterArray& GetArray(int areaNumber) override { return current_.GetArray(areaNumber); }
    const CParameterArray& GetArray(int areaNumber) const override { return current_.GetArray(areaNumber); }
    CParameterArray& GetSavedArray(int areaNumber) override { return saved_.GetArray(areaNumber); }
    // Clears every mark, then saves and marks area n (1..7), or all seven for 0.
    void SaveUndo(int areaNumber) override;
    bool CanUndo(int areaNumber) const override;
    CUnitProvenance* GetProvenance() override { return &provenance_; }
    const CUnitProvenance* GetProvenance() const override { return &provenance_; }

private:
    CImageData current_;
    CImageData saved_;
    std::array<bool, 7> marks_{};
    CUnitProvenance provenance_;
};
