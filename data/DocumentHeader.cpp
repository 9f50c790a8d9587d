#include "data/DocumentHeader.h"

#include "data/BigEndian.h"
#include "data/ByteTag.h"

namespace {

constexpr CByteTag kMagic("ZM4LibrarianFile0000            ");
static_assert(kMagic.Size() == 32);
constexpr std::size_t kCountOffset = 32;

} // namespace

bool CDocumentHeader::HasMagic(std::span<const std::uint8_t> bytes) { return kMagic.Opens(bytes); }

bool CDocumentHeader::Read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize || !HasMagic(bytes))
        return false;
    count_ = LoadU32(bytes.subspan(kCountOffset));
    return true;
}

void CDocumentHeader::Write(std::vector<std::uint8_t>& out) const {
    const std::size_t start = out.size();
    kMagic.AppendTo(out);
    AppendU32(out, count_);
    out.resize(start + kSize, 0);
}
