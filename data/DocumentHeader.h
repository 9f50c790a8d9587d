#pragma once
// The header record of a librarian file: 160 bytes that begin with the
// magic "ZM4LibrarianFile0000" padded with 12 spaces, then the number of
// patch records as a big-endian 32-bit integer; the remaining 124 bytes are
// reserved (zeros when written, ignored when read).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CDocumentHeader {
public:
    static constexpr std::size_t kSize = 160;

    CDocumentHeader() = default;
    explicit CDocumentHeader(std::uint32_t count) : count_(count) {}

    // True when bytes begin with the magic (the header may be cut short).
    static bool HasMagic(std::span<const std::uint8_t> bytes);

    // Takes the count from the first kSize bytes. False, leaving the header
    // as it was, when there are fewer or they do not begin with the magic.
    bool Read(std::span<const std::uint8_t> bytes);
    // Appends the kSize bytes of the header.
    void Write(std::vector<std::uint8_t>& out) const;

    // The number of patch records the file says follow. Not to be trusted
    // for sizing: the records must still be there.
    std::uint32_t GetCount() const { return count_; }
    void SetCount(std::uint32_t count) { count_ = count; }

private:
    std::uint32_t count_ = 0;
};
