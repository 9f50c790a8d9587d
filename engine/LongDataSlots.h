#pragma once
// Storage for received long data on its way from an input port's dispatch
// thread to the user-interface thread. The dispatch thread copies each piece
// into the next free slot and posts the slot's ticket; the user-interface
// thread takes the bytes out by that ticket, which frees the slot. A slot is
// never written again before it has been taken, so no thread ever reads
// bytes that another message is overwriting. When every slot still waits,
// the whole message is dropped and counted.
//
// One producer (the dispatch thread), one consumer (the user-interface
// thread), no locks; nothing is allocated after construction.
#include "ml/Packet.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class COruLongDataSlots {
public:
    static constexpr std::uint32_t kSlots = 128; // a power of two: tickets wrap cleanly
    static constexpr std::uint32_t kSlotSize = ML::CPacket::kDefaultSize;

    COruLongDataSlots();
    COruLongDataSlots(const COruLongDataSlots&) = delete;
    COruLongDataSlots& operator=(const COruLongDataSlots&) = delete;

    // Dispatch thread. Copies one piece of a system-exclusive message into
    // a free slot and gives its ticket. False when the piece is dropped: no
    // slot is free, the piece is empty or larger than a slot, or an earlier
    // piece of the same message was dropped (a message arrives whole or not
    // at all, as far as the slots can tell where it ends).
    bool Put(std::span<const std::uint8_t> bytes, std::uint32_t& ticket);

    // User-interface thread. Copies the bytes of the ticket into out and
    // frees its slot together with the slots of earlier tickets, whose
    // notices were discarded. False for a ticket already taken or freed.
    bool Take(std::uint32_t ticket, std::vector<std::uint8_t>& out);

    // User-interface thread, while nothing puts: frees every slot.
    void Clear();

    // Messages dropped since construction.
    std::uint32_t Dropped() const { return dropped_.load(std::memory_order_relaxed); }

private:
    struct Slot {
        std::array<std::uint8_t, kSlotSize> bytes;
        std::uint32_t length = 0;
    };

    std::unique_ptr<std::array<Slot, kSlots>> slots_;
    std::atomic<std::uint32_t> next_{0};  // the next ticket; written by the producer
    std::atomic<std::uint32_t> taken_{0}; // the oldest ticket not taken; written by the consumer
    std::atomic<std::uint32_t> dropped_{0};
    bool dropping_ = false; // producer only: the rest of a dropped message follows
};
