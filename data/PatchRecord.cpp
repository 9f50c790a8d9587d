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

bool ReadBlock(CByteReader& reader, std::size_t minSegments, std::size_t minSize, CParameter::Block& block) {
    std::uint32_t count = 0;
    if (!reader.ReadU32(count) || count < minSegments)
        return false;
    // Each segment needs its 4-byte length and at least minSize bytes: a
    // count the record cannot hold is rejected before anything is allocated.
    if (count > reader.Remaining() / (4 + minSize))
        return false;
    block.resize(count);
    for (CParameter::Segment& segment : block) {
        std::uint32_t length = 0;
        std::span<const std::uint8_t> bytes;
        if (!reader.ReadU32(length) || length < minSize || !reader.ReadBytes(length, bytes))
            return false;
        segment.assign(bytes.begin(), bytes.end());
    }
    return true;
}

bool ReadMemo(CByteReader& reader, std::string& memo) {
    const std::span<const std::uint8_t> rest = reader.Rest();
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (end == rest.end())
        return false;
    const auto length = static_cast<std::size_t>(end - rest.begin());
    std::span<const std::uint8_t> bytes;
    reader.ReadBytes(length + 1, bytes);
    memo.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return true;
}

} // namespace

bool ReadPatchRecord(std::span<const std::uint8_t> bytes, CParameter& patch) {
    CByteReader reader(bytes);
    std::vector<CParameter::Block> blocks(static_cast<std::size_t>(std::max(patch.GetBlockCount(), 0)));
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int block = static_cast<int>(b);
        const auto minSegments = static_cast<std::size_t>(std::max(patch.GetSegmentCount(block), 0));
        const auto minSize = static_cast<std::size_t>(std::max(patch.GetSegmentSize(block), 0));
        if (!ReadBlock(reader, minSegments, minSize, blocks[b]))
            return false;
    }
    std::string memos[CParameter::kMemoCount];
    for (std::string& memo : memos)
        if (!ReadMemo(reader, memo))
            return false;

    patch.Blocks() = std::move(blocks);
    for (int m = 0; m < CParameter::kMemoCount; ++m)
        patch.SetMemo(m + 1, memos[m]);
    return true;
}
