#pragma once
// Scratch libraries and patches with known contents for the library's tests.
#include "data/ImageData.h"
#include "data/Patch.h"
#include "library/Library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace librarytest {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zm47-library-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "mkdtemp failed";
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
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

// An area's worth of distinct patches ("Patch 1", ...), from seed on.
inline CConcreteParameterArray<CPatch> MakeArea(int area, int seed = 1) {
    CConcreteParameterArray<CPatch> patches;
    const int count = area == 1 ? 60 : 10;
    for (int i = 0; i < count; ++i)
        patches.Append(MakePatch(seed + i, "Patch " + std::to_string(seed + i)).Clone());
    return patches;
}

} // namespace librarytest
