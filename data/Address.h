#pragma once
// Device addresses: the unit addresses its memory with four 7-bit bytes, first
// byte highest. The program keeps an address as the 28-bit integer made of
// those bytes and converts only where a message is built or parsed.
#include <cstdint>
#include <span>
#include <vector>

using DeviceAddress = std::uint32_t;

// The lowest `count` 7-bit groups of the address (count 1 to 4), highest first.
std::vector<std::uint8_t> AddressToBytes(DeviceAddress address, int count);

// Value of the bytes read as base-128 digits, first byte highest.
DeviceAddress AddressFromBytes(std::span<const std::uint8_t> bytes);
