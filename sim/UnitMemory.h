#pragma once
// The simulated unit's patch memory: the seven areas (60 + 6 x 10 patches) and
// the temporary patch. Fresh memory holds the factory patches (FactoryPatches.h),
// whose names and parameter bytes all differ, so every patch that moves is
// recognisable.
//
// Not thread-safe: the simulated unit guards it with its own lock.
#include "data/Address.h"
#include "data/ImageData.h"
#include "data/Patch.h"
#include "sim/FactoryPatches.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace sim {

class CUnitMemory {
public:
    static constexpr int kPatchTotal = 120;

    CUnitMemory();
    CUnitMemory(const CUnitMemory&) = default;
    CUnitMemory& operator=(const CUnitMemory&) = default;

    // Every area and the temporary patch get their factory contents.
    void FillWithFactoryPatches();

    // The patch stored at exactly this address (a patch of an area or the
    // temporary patch), or nullptr for any other address.
    const CPatch* PatchAt(DeviceAddress address) const;
    // Copies a received data set into the patch at exactly this address
    // (bytes beyond 128 dropped, a shorter set leaves the rest). False for any
    // other address. A patch of an area counts as a change.
    bool Store(DeviceAddress address, std::span<const std::uint8_t> bytes);

    // Area number 1..7 and index within the area; nullptr out of range.
    const CPatch* Patch(int areaNumber, int index) const;
    const CPatch& TemporaryPatch() const { return temporary_; }

    // Counts the changes to the areas (the temporary patch is not kept).
    std::uint64_t Generation() const { return generation_; }
    // Puts a patch into an area; false for a place that does not exist.
    bool Replace(int areaNumber, int index, const CPatch& patch);

    // Replaces the memory with the 120 patches of a librarian file, in area
    // order. On failure the memory stays as it was and a message has been
    // shown: 3 when the file does not hold exactly 120 patches, or the
    // reader's message.
    bool Load(const std::filesystem::path& path);
    // Saves the 120 patches in area order; the file is replaced only once the
    // new one is complete. False with message 5 shown.
    bool Save(const std::filesystem::path& path) const;

private:
    CPatch* MutablePatchAt(DeviceAddress address);

    CImageData image_;
    CPatch temporary_;
    std::uint64_t generation_ = 0;
};

} // namespace sim
