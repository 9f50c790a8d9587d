// What the program reads back from its history library: the stored lists of
// patch ids and the stored patches (128 data bytes and a memo blob). A
// damaged or hand-edited library must give a failure, never a read past a
// bound or a patch of the wrong shape; what decodes must encode back to a
// form that decodes to the same.
//
// Input: the first byte chooses the form, 0 a slot list, anything else a
// patch, whose first 128 bytes after it are the data (fewer when the input is
// shorter) and the rest the memo blob; with the form byte odd the data is
// cut one byte short, to try the length check.
#include "library/StoredForms.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void SlotList(std::span<const std::uint8_t> bytes) {
    std::vector<std::int64_t> ids{7};
    if (!DecodeSlotList(bytes, ids)) {
        Require(ids == std::vector<std::int64_t>{7});
        return;
    }
    Require(ids.size() <= bytes.size());
    for (std::int64_t id : ids)
        Require(id >= 0);
    std::vector<std::int64_t> again;
    Require(DecodeSlotList(EncodeSlotList(ids), again));
    Require(again == ids);
}

void Patch(std::span<const std::uint8_t> bytes, bool cut) {
    std::size_t dataSize = std::min<std::size_t>(bytes.size(), CPatch::kDataSize);
    if (cut && dataSize > 0)
        --dataSize;
    const auto data = bytes.first(dataSize);
    const auto memos = bytes.subspan(dataSize);
    CPatch patch;
    patch.SetName("UNTOUCHED");
    if (!PatchFromStored(data, memos, patch)) {
        Require(patch.GetName() == "UNTOUCHED");
        return;
    }
    Require(data.size() == static_cast<std::size_t>(CPatch::kDataSize));
    Require(patch.Data() != nullptr && patch.GetName().size() <= 16);
    Require(patch.GetBlockCount() == 1 && patch.Blocks().size() == 1 && patch.Blocks()[0].size() == 1);
    const std::vector<std::uint8_t> stored = EncodeMemos(patch);
    CPatch again;
    Require(PatchFromStored(data, stored, again));
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
        Require(again.GetMemo(memo) == patch.GetMemo(memo));
    (void)SearchText(patch);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    if (data[0] == 0)
        SlotList(bytes);
    else
        Patch(bytes, (data[0] & 1) != 0);
    return 0;
}
