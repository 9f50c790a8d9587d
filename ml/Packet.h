#pragma once
// A MIDI buffer as the platform takes it: the platform's header, pointing at
// a byte buffer the packet owns (or at memory given to it). The header's
// address is what the platform keeps while the buffer is queued, so a packet
// is neither copied nor moved.
#include "platform/mm/MMSystem.h"

#include <cstdint>
#include <vector>

namespace ML {

class CPacket : public mm::MIDIHDR {
public:
    static constexpr std::uint32_t kDefaultSize = 2048;

    // An own buffer of kDefaultSize bytes.
    CPacket();
    virtual ~CPacket() = default;
    CPacket(const CPacket&) = delete;
    CPacket& operator=(const CPacket&) = delete;

    // Points the header at external memory of size bytes if given (the own
    // buffer is freed), else at the own buffer resized to size bytes; then
    // lpData, dwBufferLength = size, dwBytesRecorded = 0, dwUser = the
    // buffer's address, dwFlags = 0, dwOffset = 0. Not while the platform
    // has the header.
    void SetBuffer(std::uint32_t size, char* external = nullptr);

    // The size of the memory lpData points at.
    std::uint32_t Capacity() const { return capacity_; }
    mm::MIDIHDR& Header() { return *this; }

private:
    std::vector<char> buffer_;
    std::uint32_t capacity_ = 0;
};

} // namespace ML
