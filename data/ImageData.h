#pragma once
// The device image: one patch array per memory area (area numbers 1..7).
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <array>

class CImageData {
public:
    using PatchArray = CConcreteParameterArray<CPatch>;

    virtual ~CImageData() = default;

    // The array of area n for n = 2..7; area 1 for any other n.
    CParameterArray& GetArray(int areaNumber);
    const CParameterArray& GetArray(int areaNumber) const;

    // Empties every area and gives it the unit's number of new, initialized
    // patches: 60 in MEMORY, 10 in each sound library bank. This is how a
    // fresh main window (and a fresh simulated unit) starts.
    void FillWithNewPatches();

private:
    std::array<PatchArray, 7> areas_;
};
