#pragma once
// Raw system-exclusive files (.syx): nothing but whole messages, F0 ... F7,
// one after the other, as a device would send them. Files found elsewhere
// also carry other messages, stray bytes and a last message cut short; the
// splitter hands on only the complete system-exclusive messages and skips
// everything else.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace ML {

// Calls each with every complete system-exclusive message of bytes, in file
// order: an F0, at least one data byte below 0x80, and the F7 that ends it
// (the check of IsSystemExclusive). A message
// broken by another status byte is dropped (an F0 starts the next one); so
// is a message the data end inside. Each span points into bytes. Returns
// the number of messages handed on.
std::size_t ForEachSysEx(std::span<const std::uint8_t> bytes,
                         const std::function<void(std::span<const std::uint8_t> message)>& each);

} // namespace ML
