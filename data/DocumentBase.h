#pragma once
// The data behind a document window: an image with a one-step undo. Every
// command that changes patches first calls SaveUndo; Undo exchanges the
// current and the saved state, so a second Undo redoes the change.
#include "data/ImageData.h"

class CUnitProvenance;

class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    virtual CImageData& GetImage() = 0;
    virtual const CImageData& GetImage() const = 0;
    // Exchanges the current and saved contents of every area marked undoable.
    virtual void Undo() = 0;
    virtual CParameterArray& GetArray(int areaNumber) = 0;
    virtual const CParameterArray& GetArray(int areaNumber) const = 0;
    virtual CParameterArray& GetSavedArray(int areaNumber) = 0;
    // Remembers area n (0 = every area) before a change.
    virtual void SaveUndo(int areaNumber) = 0;
    virtual bool CanUndo(int areaNumber) const = 0;
    // Where the rows came from, for data that mirrors the unit (the main
    // window's); null for a file's data.
    virtual CUnitProvenance* GetProvenance() { return nullptr; }
    virtual const CUnitProvenance* GetProvenance() const { return nullptr; }
};
