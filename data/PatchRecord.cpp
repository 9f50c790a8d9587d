#include "data/PatchRecord.h"

#include "data/BigEndian.h"

#include <algorithm>

void WritePatchRecord(const CParameter& patch, std::vector<std::uint8_t>& buffer) {
    const auto& blocks = patch.Blocks();
    for (int b = 0; b < patch.GetBlockCount(); ++b) {
        if (static_cast<std::size_t>(b) >= blocks.size()) {
            AppendU32(buffer, 0);
            continue;
        }
        const CParameter::Block& block = blocks[static_cast<std::size_t>(b)];
        AppendU32(buffer, static_cast<std::uint32_t>(block.size()));
        for (const CParameter::Segment& segment : block) {
            AppendU32(buffer, static_cast<std::uint32_t>(segment.size()));
            buffer.insert(buffer.end(), segment.begin(), segment.end());
        }
    }
    for (int m = 1; m <= CParameter::kMemoCount; ++m) {
        const std::string& memo = patch.GetMemo(m);
        buffer.insert(buffer.end(), memo.begin(), memo.end());
        buffer.push_back(0);
    }
}

namespace {

// Shape of one block as the object's kind prescribes it.
struct BlockShape {
    std::size_t minSegments;
    std::size_t minSize;
};

BlockShape ShapeOf(const CParameter& patch, int block) {
    return {static_cast<std::size_t>(std::max(patch.GetSegmentCount(block), 0)),
            static_cast<std::size_t>(std::max(patch.GetSegmentSize(block), 0))};
}

// Walks one block; with `block` set it also stores the segments. Every count
// and length is checked against what is left of the record before use.
bool ReadBlock(CByteReader& reader, BlockShape shape, CParameter::Block* block) {
    std::uint32_t count = 0;
    if (!reader.ReadU32(count) || count < shape.minSegments)
        return false;
    // Each segment needs its 4-byte length and at least minSize bytes: a
    // count the record cannot hold is rejected before anything is allocated.
    if (count > reader.Remaining() / (4 + shape.minSize))
        return false;
    if (block)
        block->resize(count);
    for (std::uint32_t s = 0; s < count; ++s) {
        std::uint32_t length = 0;
        std::span<const std::uint8_t> bytes;
        if (!reader.ReadU32(length) || length < shape.minSize || !reader.ReadBytes(length, bytes))
            return false;
        if (block)
            (*block)[s].assign(bytes.begin(), bytes.end());
    }
    return true;
}

// The text up to the next 0 byte, which must lie inside the record.
bool ReadMemo(CByteReader& reader, std::string_view& memo) {
    const std::span<const std::uint8_t> rest = reader.Rest();
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (end == rest.end())
        return false;
    const auto length = static_cast<std::size_t>(end - rest.begin());
    std::span<const std::uint8_t> bytes;
    reader.ReadBytes(length + 1, bytes);
    memo = std::string_view(reinterpret_cast<const char*>(bytes.data()), length);
    return true;
}

// One pass over the record; with `patch` set it fills the patch as it goes.
// The reader checks first and fills second, so a bad record changes nothing.
bool WalkRecord(std::span<const std::uint8_t> bytes, const CParameter& kind, CParameter* patch) {
    CByteReader reader(bytes);
    const int blockCount = std::max(kind.GetBlockCount(), 0);
    if (patch)
        patch->Blocks().resize(static_cast<std::size_t>(blockCount));
    for (int b = 0; b < blockCount; ++b) {
        CParameter::Block* block = patch ? &patch->Blocks()[static_cast<std::size_t>(b)] : nullptr;
        if (!ReadBlock(reader, ShapeOf(kind, b), block))
            return false;
    }
    for (int m = 1; m <= CParameter::kMemoCount; ++m) {
        std::string_view memo;
        if (!ReadMemo(reader, memo))
            return false;
        if (patch)
            patch->SetMemo(m, memo);
    }
    return true;
}

} // namespace

bool ReadPatchRecord(std::span<const std::uint8_t> bytes, CParameter& patch) {
    if (!WalkRecord(bytes, patch, nullptr))
        return false;
    WalkRecord(bytes, patch, &patch);
    return true;
}

bool FillNewPatchFromRecord(std::span<const std::uint8_t> bytes, CParameter& patch) {
    return WalkRecord(bytes, patch, &patch);
}
