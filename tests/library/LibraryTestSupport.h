#pragma once
// Scratch libraries and patches with known contents for the library's tests.
#include "data/ImageData.h"
#include "data/Patch.h"
#include "library/Library.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

namespace librarytest {

// A scratch folder for a library file (and its backups).
class TempDir : public test::TempFolder {
public:
    TempDir() : test::TempFolder("zm47-library") {}
};

// A patch whose 128 bytes all derive from seed, named name.
inline CPatch MakePatch(int seed, const std::string& name) {
    CPatch patch;
    patch.Initialize();
    auto* data = patch.Data();
    for (int i = 0; i < CPatch::kDataSize; ++i)
        data[i] = static_cast<std::uint8_t>((seed * 7 + i) & 0x7F);
    patch.SetName(name);
    return patch;
}

// The patches of a file, in order.
inline CConcreteParameterArray<CPatch> FileOf(std::initializer_list<CPatch> patches) {
    CConcreteParameterArray<CPatch> file;
    for (const CPatch& patch : patches)
        file.Append(patch.Clone());
    return file;
}

// An area's worth of distinct patches ("Patch 1", ...), from seed on.
inline CConcreteParameterArray<CPatch> MakeArea(int area, int seed = 1) {
    CConcreteParameterArray<CPatch> patches;
    const int count = area == 1 ? 60 : 10;
    for (int i = 0; i < count; ++i)
        patches.Append(MakePatch(seed + i, "Patch " + std::to_string(seed + i)).Clone());
    return patches;
}

} // namespace librarytest
