#include "data/Address.h"

#include <algorithm>

std::vector<std::uint8_t> AddressToBytes(DeviceAddress address, int count) {
    count = std::clamp(count, 1, 4);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int shift = 7 * (count - 1 - i);
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((address >> shift) & 0x7F);
    }
    return bytes;
}

DeviceAddress AddressFromBytes(std::span<const std::uint8_t> bytes) {
    DeviceAddress value = 0;
    for (std::uint8_t byte : bytes)
        value = value * 128 + byte;
    return value;
}
