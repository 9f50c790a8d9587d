#include "ml/In.h"

namespace ML {

CIn::CEventRing::CEventRing() { slots_.fill(kEmpty); }

bool CIn::CEventRing::Push(std::int32_t value) {
    const int write = write_.load(std::memory_order_relaxed);
    const int unread = (write - read_.load(std::memory_order_acquire) + kSize) % kSize;
    const int room = kSize - 1 - unread;
    const bool carriesPacket = value == kLongData || value == kLongError;
    if (room == 0 || (!carriesPacket && room <= kLongReserve)) {
        // Keep every unread event and lose this one.
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    const int next = Next(write);
    slots_[static_cast<std::size_t>(write)] = value;
    write_.store(next, std::memory_order_release);
    return true;
}

std::int32_t CIn::CEventRing::Pop() {
    const int read = read_.load(std::memory_order_relaxed);
    if (read == write_.load(std::memory_order_acquire))
        return kEmpty;
    const std::int32_t value = slots_[static_cast<std::size_t>(read)];
    slots_[static_cast<std::size_t>(read)] = kEmpty;
    read_.store(Next(read), std::memory_order_release);
    return value;
}

CPacket* CIn::CPacketRing::NextToQueue() {
    const int write = write_.load(std::memory_order_relaxed);
    CPacket& packet = packets_[static_cast<std::size_t>(write)];
    if (!(packet.dwFlags & mm::MHDR_PREPARED))
        return nullptr;
    write_.store(Next(write), std::memory_order_relaxed);
    return &packet;
}

CPacket* CIn::CPacketRing::NextFilled() {
    const int read = read_.load(std::memory_order_relaxed);
    if (read == write_.load(std::memory_order_relaxed))
        return nullptr;
    read_.store(Next(read), std::memory_order_relaxed);
    return &packets_[static_cast<std::size_t>(read)];
}

void CIn::CPacketRing::Rewind() {
    read_.store(0, std::memory_order_relaxed);
    write_.store(0, std::memory_order_relaxed);
}

} // namespace ML
