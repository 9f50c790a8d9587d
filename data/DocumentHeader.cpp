#include "data/DocumentHeader.h"

#include "data/BigEndian.h"

#include <cstring>

namespace {

constexpr char kMagic[] = "ZM4LibrarianFile0000            ";
constexpr std::size_t kMagicSize = 32;
static_assert(sizeof kMagic - 1 == kMagicSize);
constexpr std::size_t kCountOffset = 32;

} // namespace

bool CDocumentHeader::HasMagic(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kMagicSize && std::memcmp(bytes.data(), kMagic, kMagicSize) == 0;
}

bool CDocumentHeader::Read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize || !HasMagic(bytes))
        return false;
    count_ = LoadU32(bytes.subspan(kCountOffset));
    return true;
}

void CDocumentHeader::Write(std::vector<std::uint8_t>& out) const {
    const std::size_t start = out.size();
    out.insert(out.end(), kMagic, kMagic + kMagicSize);
    AppendU32(out, count_);
    out.resize(start + kSize, 0);
}
