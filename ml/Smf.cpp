#include "ml/Smf.h"

namespace ML {

std::size_t EncodeVariableLength(std::uint32_t value, std::span<std::uint8_t, 4> out) {
    if (value > CSmf::kMaxVariableLength)
        return 0;
    std::size_t count = 1;
    while (count < 4 && (value >> (7 * count)) != 0)
        ++count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t shift = 7 * (count - 1 - i);
        const auto group = static_cast<std::uint8_t>((value >> shift) & 0x7F);
        out[i] = (i + 1 < count) ? static_cast<std::uint8_t>(group | 0x80) : group;
    }
    return count;
}

} // namespace ML
