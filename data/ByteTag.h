#pragma once
// A fixed text that opens a binary format (a librarian file, the patches of
// a drag), written and recognised byte for byte.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class CByteTag {
public:
    explicit constexpr CByteTag(std::string_view text) : text_(text) {}

    constexpr std::size_t Size() const { return text_.size(); }
    // Whether bytes begin with the tag.
    bool Opens(std::span<const std::uint8_t> bytes) const {
        return bytes.size() >= text_.size() &&
               std::equal(text_.begin(), text_.end(), bytes.begin(),
                          [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
    }
    void AppendTo(std::vector<std::uint8_t>& out) const { out.insert(out.end(), text_.begin(), text_.end()); }

private:
    std::string_view text_;
};
