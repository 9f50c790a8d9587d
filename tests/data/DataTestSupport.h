#pragma once
// Helpers for the data layer's tests: a scratch folder, file bytes, patches
// with known contents and hand-built librarian files.
#include "data/BigEndian.h"
#include "data/ImageData.h"
#include "data/InitialFileDocument.h"
#include "data/Patch.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace datatest {

using Bytes = std::vector<std::uint8_t>;

using TempDir = test::TempFolder;

inline std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// An initialized patch with a name, memos and data bytes derived from seed.
inline std::unique_ptr<CPatch> MakePatch(int seed, const std::string& name, const std::string& memo1 = "",
                                         const std::string& memo4 = "") {
    auto patch = std::make_unique<CPatch>();
    patch->Initialize();
    for (int i = 0; i < CPatch::kNameOffset; ++i)
        patch->Data()[i] = static_cast<std::uint8_t>((seed * 31 + i) & 0x7F);
    patch->SetName(name);
    patch->SetMemo(1, memo1);
    patch->SetMemo(4, memo4);
    return patch;
}

// The 160-byte header of a librarian file claiming `count` records.
inline Bytes Header(std::uint32_t count) {
    const std::string magic = "ZM4LibrarianFile0000            ";
    Bytes bytes(magic.begin(), magic.end());
    AppendU32(bytes, count);
    bytes.resize(160, 0);
    return bytes;
}

// A patch record (length field included) built by hand: segment count,
// segments, then the raw memo area.
inline Bytes Record(std::uint32_t segmentCount, const std::vector<Bytes>& segments, const Bytes& memoArea) {
    Bytes body;
    AppendU32(body, segmentCount);
    for (const Bytes& segment : segments) {
        AppendU32(body, static_cast<std::uint32_t>(segment.size()));
        body.insert(body.end(), segment.begin(), segment.end());
    }
    body.insert(body.end(), memoArea.begin(), memoArea.end());
    Bytes record;
    AppendU32(record, static_cast<std::uint32_t>(body.size()));
    record.insert(record.end(), body.begin(), body.end());
    return record;
}

inline Bytes EmptyMemos() { return Bytes(4, 0); }

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Tests that load the process-wide initial data file leave it unloaded.
class InitialFileGuard {
public:
    InitialFileGuard() { CInitialFileDocument::Instance().Unload(); }
    ~InitialFileGuard() { CInitialFileDocument::Instance().Unload(); }
};

} // namespace datatest
