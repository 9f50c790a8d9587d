#include "engine/LongDataSlots.h"

#include "ml/MidiStatus.h"

#include <algorithm>

COruLongDataSlots::COruLongDataSlots() : slots_(std::make_unique<std::array<Slot, kSlots>>()) {}

bool COruLongDataSlots::Put(std::span<const std::uint8_t> bytes, std::uint32_t& ticket) {
    if (bytes.empty())
        return false;
    if (bytes.front() == ML::kSysExStart)
        dropping_ = false; // a new message begins
    const std::uint32_t next = next_.load(std::memory_order_relaxed);
    const bool room = next - taken_.load(std::memory_order_acquire) < kSlots;
    if (!dropping_ && room && bytes.size() <= kSlotSize) {
        Slot& slot = (*slots_)[next % kSlots];
        std::copy(bytes.begin(), bytes.end(), slot.bytes.begin());
        slot.length = static_cast<std::uint32_t>(bytes.size());
        next_.store(next + 1, std::memory_order_release);
        ticket = next;
        return true;
    }
    if (!dropping_)
        dropped_.fetch_add(1, std::memory_order_relaxed);
    dropping_ = bytes.back() != ML::kSysExEnd;
    return false;
}

bool COruLongDataSlots::Take(std::uint32_t ticket, std::vector<std::uint8_t>& out) {
    const std::uint32_t taken = taken_.load(std::memory_order_relaxed);
    const std::uint32_t next = next_.load(std::memory_order_acquire);
    // Unsigned differences: right across the wrap of the tickets.
    if (ticket - taken >= next - taken)
        return false;
    const Slot& slot = (*slots_)[ticket % kSlots];
    out.assign(slot.bytes.begin(), slot.bytes.begin() + slot.length);
    taken_.store(ticket + 1, std::memory_order_release);
    return true;
}

void COruLongDataSlots::Clear() { taken_.store(next_.load(std::memory_order_acquire), std::memory_order_release); }
