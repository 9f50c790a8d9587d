#pragma once
// Unsigned 32-bit big-endian integers, as librarian files store them.
#include <cstdint>
#include <span>
#include <vector>

inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// The first four bytes of `bytes`, which must hold at least four.
inline std::uint32_t LoadU32(std::span<const std::uint8_t> bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

// Reads a byte span front to back; every read checks what is left, so a
// length field can never carry a read past the end.
class CByteReader {
public:
    explicit CByteReader(std::span<const std::uint8_t> bytes) : rest_(bytes) {}

    std::size_t Remaining() const { return rest_.size(); }
    bool ReadU32(std::uint32_t& value) {
        if (rest_.size() < 4)
            return false;
        value = LoadU32(rest_);
        rest_ = rest_.subspan(4);
        return true;
    }
    bool ReadBytes(std::size_t count, std::span<const std::uint8_t>& bytes) {
        if (rest_.size() < count)
            return false;
        bytes = rest_.first(count);
        rest_ = rest_.subspan(count);
        return true;
    }
    std::span<const std::uint8_t> Rest() const { return rest_; }

private:
    std::span<const std::uint8_t> rest_;
};
