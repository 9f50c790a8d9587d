#include "library/StoredForms.h"

#include "toolkit/core/CodePage.h"

#include <algorithm>

namespace {

void PutNumber(std::uint64_t value, std::vector<std::uint8_t>& out) {
    do {
        std::uint8_t byte = value & 0x7F;
        value >>= 7;
        if (value != 0)
            byte |= 0x80;
        out.push_back(byte);
    } while (value != 0);
}

// Reads one number from bytes at pos; false when it runs past the end or
// beyond 63 bits.
bool GetNumber(std::span<const std::uint8_t> bytes, std::size_t& pos, std::uint64_t& value) {
    value = 0;
    for (int shift = 0; shift < 63; shift += 7) {
        if (pos >= bytes.size())
            return false;
        const std::uint8_t byte = bytes[pos++];
        const std::uint64_t part = byte & 0x7F;
        value |= part << shift;
        if ((byte & 0x80) == 0)
            return value <= static_cast<std::uint64_t>(INT64_MAX);
    }
    return false;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::vector<std::uint8_t> EncodeSlotList(const std::vector<std::int64_t>& ids) {
    std::vector<std::uint8_t> out;
    out.reserve(ids.size() * 3 + 2);
    PutNumber(ids.size(), out);
    for (std::int64_t id : ids)
        PutNumber(static_cast<std::uint64_t>(std::max<std::int64_t>(id, 0)), out);
    return out;
}

bool DecodeSlotList(std::span<const std::uint8_t> bytes, std::vector<std::int64_t>& ids) {
    std::size_t pos = 0;
    std::uint64_t count = 0;
    // Every id takes at least one byte, so the count cannot exceed what is left.
    if (!GetNumber(bytes, pos, count) || count > bytes.size() - pos)
        return false;
    std::vector<std::int64_t> decoded;
    decoded.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        std::uint64_t id = 0;
        if (!GetNumber(bytes, pos, id))
            return false;
        decoded.push_back(static_cast<std::int64_t>(id));
    }
    if (pos != bytes.size())
        return false;
    ids = std::move(decoded);
    return true;
}

std::vector<std::uint8_t> EncodeMemos(const CParameter& patch) {
    std::vector<std::uint8_t> out;
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo) {
        const std::string& text = patch.GetMemo(memo);
        out.insert(out.end(), text.begin(), text.end());
        out.push_back(0);
    }
    return out;
}

bool DecodeMemos(std::span<const std::uint8_t> bytes, std::array<std::string, CParameter::kMemoCount>& memos) {
    std::array<std::string, CParameter::kMemoCount> decoded;
    std::size_t pos = 0;
    for (auto& memo : decoded) {
        const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end(), 0);
        if (end == bytes.end())
            return false;
        const auto stop = static_cast<std::size_t>(end - bytes.begin());
        memo.assign(reinterpret_cast<const char*>(bytes.data()) + pos, stop - pos);
        pos = stop + 1;
    }
    if (pos != bytes.size())
        return false;
    memos = std::move(decoded);
    return true;
}

bool PatchFromStored(std::span<const std::uint8_t> data, std::span<const std::uint8_t> memos, CPatch& patch) {
    if (data.size() != static_cast<std::size_t>(CPatch::kDataSize))
        return false;
    std::array<std::string, CParameter::kMemoCount> texts;
    if (!memos.empty() && !DecodeMemos(memos, texts))
        return false;
    CPatch made;
    made.Blocks().assign(1, CParameter::Block(1, CParameter::Segment(data.begin(), data.end())));
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo)
        made.SetMemo(memo, texts[static_cast<std::size_t>(memo - 1)]);
    patch = std::move(made);
    return true;
}

std::int64_t ContentHash(std::span<const std::uint8_t> bytes, std::uint64_t seed) {
    std::uint64_t hash = seed;
    for (std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    // SQLite integers are signed; the bits are what matters.
    return static_cast<std::int64_t>(hash);
}

std::string SearchText(const CPatch& patch) {
    std::string text = patch.GetName();
    for (int memo = 1; memo <= CParameter::kMemoCount; ++memo) {
        const std::string& bytes = patch.GetMemo(memo);
        if (bytes.empty())
            continue;
        text += '\x1f';
        if (IsAscii(bytes)) {
            text += bytes;
            continue;
        }
        std::string utf8;
        UL::CodePageToUtf8(bytes, UL::kCodePageEnglish, utf8);
        text += utf8;
        utf8.clear();
        text += '\x1f';
        UL::CodePageToUtf8(bytes, UL::kCodePageJapanese, utf8);
        text += utf8;
    }
    return text;
}
