#pragma once
// A channel or system message of one to three bytes: status, then up to two
// data bytes. The form in which the platform delivers and takes short
// messages is the packed 32-bit value of PackShortMessage.
#include "ml/Message.h"

#include <cstddef>
#include <cstdint>

namespace GT {
class ITextOut;
}

namespace ML {

class CShortMessage : public CMessage {
public:
    CShortMessage() = default;
    // Copies the bytes unchanged.
    explicit CShortMessage(const std::vector<std::uint8_t>& bytes) : CMessage(bytes) {}
    CShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    // A status of 0x80 or above also sets the length to that status's
    // standard length (new bytes 0, existing bytes kept).
    void SetStatus(std::uint8_t status);
    std::uint8_t GetStatus() const;
    // Splits a channel status into its high nibble and its channel; a system
    // status goes to status whole and channel is left untouched.
    void GetStatusAndChannel(std::uint8_t& status, std::uint8_t& channel) const;

    // The setters do nothing on a message too short to hold the byte; the
    // getters return 0 then.
    void SetData1(std::uint8_t data);
    void SetData2(std::uint8_t data);
    std::uint8_t GetData1() const;
    std::uint8_t GetData2() const;

    // Every byte as "%02X ", then a line feed, written once.
    virtual void Dump(GT::ITextOut& out) const;
};

// The number of bytes a message with this status has (1 to 3); 0 for a data
// byte (below 0x80).
std::size_t StandardLength(std::uint8_t status);

// status | data1 << 8 | data2 << 16, absent data bytes counting as 0.
std::uint32_t PackShortMessage(const CShortMessage& message);
CShortMessage UnpackShortMessage(std::uint32_t packed);

} // namespace ML
