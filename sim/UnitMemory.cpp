#include "sim/UnitMemory.h"

#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <algorithm>
#include <memory>

namespace sim {

namespace {

constexpr DeviceAddress kTemporaryAddress = 0x0FFFC000;

} // namespace

CUnitMemory::CUnitMemory() { FillWithFactoryPatches(); }

void CUnitMemory::FillWithFactoryPatches() {
    const CParameterAddress map;
    for (int n = 1; n <= kAreaCount; ++n) {
        CParameterArray& area = image_.GetArray(n);
        area.Clear();
        for (int i = 0; i < map.PatchCount(n); ++i)
            area.Append(FactoryPatch(n, i).Clone());
    }
    temporary_ = FactoryPatch(0, 0);
    ++generation_;
}

CPatch* CUnitMemory::MutablePatchAt(DeviceAddress address) {
    if (address == kTemporaryAddress)
        return &temporary_;
    const CParameterAddress map;
    const int code = map.AreaCodeFromAddress(address);
    if (code == 0)
        return nullptr;
    const int index = map.IndexFromAddress(address, code);
    if (index < 0 || map.PatchAddress(code, index) != address)
        return nullptr; // inside an area but not where a patch starts
    return AsPatch(image_.GetArray(map.AreaNumberFromCode(code)).At(static_cast<std::size_t>(index)));
}

const CPatch* CUnitMemory::PatchAt(DeviceAddress address) const {
    return const_cast<CUnitMemory*>(this)->MutablePatchAt(address);
}

bool CUnitMemory::Store(DeviceAddress address, std::span<const std::uint8_t> bytes) {
    CPatch* patch = MutablePatchAt(address);
    if (patch == nullptr || patch->Data() == nullptr)
        return false;
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), CPatch::kDataSize), patch->Data());
    patch->ClearMemos();
    if (patch != &temporary_)
        ++generation_;
    return true;
}

const CPatch* CUnitMemory::Patch(int areaNumber, int index) const {
    if (areaNumber < 1 || areaNumber > kAreaCount || index < 0)
        return nullptr;
    return AsPatch(image_.GetArray(areaNumber).At(static_cast<std::size_t>(index)));
}

bool CUnitMemory::Load(const std::filesystem::path& path) {
    CFileDocument document;
    if (!ReadLibrarianFile(path, document))
        return false;
    const CParameterArray& patches = document.Patches();
    if (patches.Size() != kPatchTotal) {
        // A librarian file all the same (one area's, say): say what is wanted.
        ShowMessageWith(kMsgSimMemoryWrongCount, {path.string(), std::to_string(patches.Size())});
        return false;
    }
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(patches.At(i));
        if (patch == nullptr || patch->Data() == nullptr) {
            ShowMessage(kMsgCannotReadFileType);
            return false;
        }
    }
    const CParameterAddress map;
    std::size_t next = 0;
    CImageData loaded;
    for (int n = 1; n <= kAreaCount; ++n)
        for (int i = 0; i < map.PatchCount(n); ++i)
            loaded.GetArray(n).Append(patches[next++].Clone());
    for (int n = 1; n <= kAreaCount; ++n)
        image_.GetArray(n).Swap(loaded.GetArray(n));
    ++generation_;
    return true;
}

bool CUnitMemory::Replace(int areaNumber, int index, const CPatch& replacement) {
    if (Patch(areaNumber, index) == nullptr || replacement.Data() == nullptr)
        return false;
    CParameterArray& area = image_.GetArray(areaNumber);
    area.Remove(static_cast<std::size_t>(index));
    area.Insert(static_cast<std::size_t>(index), replacement.Clone());
    ++generation_;
    return true;
}

bool CUnitMemory::Save(const std::filesystem::path& path) const {
    CFileDocument document;
    for (int n = 1; n <= kAreaCount; ++n) {
        const CParameterArray& area = image_.GetArray(n);
        for (std::size_t i = 0; i < area.Size(); ++i)
            document.Patches().Append(area[i].Clone());
    }
    return WriteLibrarianFile(path, document);
}

} // namespace sim
