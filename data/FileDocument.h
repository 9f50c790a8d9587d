#pragma once
// A librarian file window's data: one list of patches (area 1 of an image;
// every area argument means area 1) with a one-step undo.
#include "data/DocumentBase.h"

class CFileDocument : public CDocumentBase {
public:
    CFileDocument() = default;
    CFileDocument(const CFileDocument&) = delete;
    CFileDocument& operator=(const CFileDocument&) = delete;
    ~CFileDocument() override { mark_ = false; }

    CImageData& GetImage() override { return current_; }
    const CImageData& GetImage() const override { return current_; }
    void Undo() override;
    CParameterArray& GetArray(int) override { return current_.GetArray(1); }
    const CParameterArray& GetArray(int) const override { return current_.GetArray(1); }
    CParameterArray& GetSavedArray(int) override { return saved_.GetArray(1); }
    void SaveUndo(int) override;
    bool CanUndo(int) const override { return mark_; }

    // The file's patches, in file order.
    CParameterArray& Patches() { return current_.GetArray(1); }
    const CParameterArray& Patches() const { return current_.GetArray(1); }

private:
    CImageData current_;
    CImageData saved_;
    bool mark_ = false;
};
