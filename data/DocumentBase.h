#pragma once
// The data behind a document window: an image with undo and redo. Every
// command that changes patches first calls SaveUndo; Undo takes back the
// latest change to an area, step by step, and Redo makes it again.
#include "data/ImageData.h"

class CUnitProvenance;

class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    virtual CImageData& GetImage() = 0;
    virtual const CImageData& GetImage() const = 0;
    virtual CParameterArray& GetArray(int areaNumber) = 0;
    virtual const CParameterArray& GetArray(int areaNumber) const = 0;
    // Remembers area n (0 = every area, as one step) before a change and
    // forgets what could be redone there.
    virtual void SaveUndo(int areaNumber) = 0;
    virtual bool CanUndo(int areaNumber) const = 0;
    virtual bool CanRedo(int areaNumber) const = 0;
    virtual void Undo(int areaNumber) = 0;
    virtual void Redo(int areaNumber) = 0;
    // Takes back the latest step of area n with nothing left to redo: for a
    // change that failed half-way.
    virtual void Revert(int areaNumber) = 0;
    // Where the rows came from, for data that mirrors the unit (the main
    // window's); null for a file's data.
    virtual CUnitProvenance* GetProvenance() { return nullptr; }
    virtual const CUnitProvenance* GetProvenance() const { return nullptr; }
};
