#pragma once
// A system-exclusive message: F0, manufacturer id, body, F7. Universal
// messages (manufacturer id 0x7E or 0x7F) carry the device id at offset 2 and
// their two sub-ids at offsets 3 and 4.
#include "ml/Message.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace GT {
class ITextOut;
}

namespace ML {

class CLongMessage : public CMessage {
public:
    // F0 00 F7 with room for a typical data set.
    CLongMessage();
    // Copies the bytes without checking them (see Assign for the check).
    explicit CLongMessage(const std::vector<std::uint8_t>& bytes);

    // Capacity for 256 bytes; content F0 00 F7.
    virtual void Reset();
    // Stores the bytes from offset 2 and closes with F7; bytes 0 and 1 stay.
    virtual void SetData(std::span<const std::uint8_t> data);
    // The bytes from offset 2 up to, not including, the last byte.
    virtual std::vector<std::uint8_t> GetData() const;
    virtual std::size_t GetDataSize() const;
    virtual void SetDeviceId(std::uint8_t id);
    virtual std::uint8_t GetDeviceId() const;
    // Hexadecimal dump with a column header, written once.
    virtual void Dump(GT::ITextOut& out) const;

    std::uint8_t GetManufacturerId() const;
    // Values of 0x80 and above are ignored.
    void SetManufacturerId(std::uint8_t id);
    std::uint8_t GetSubId1() const;
    void SetSubId1(std::uint8_t id);
    std::uint8_t GetSubId2() const;
    void SetSubId2(std::uint8_t id);

    // Takes the bytes when they form a system-exclusive message: at least 3
    // bytes, F0 first, F7 last, nothing of 0x80 or above in between.
    // Otherwise returns false and leaves the message unchanged.
    bool Assign(std::span<const std::uint8_t> bytes);

protected:
    // The byte at offset, or 0 when the message is shorter.
    std::uint8_t ByteAt(std::size_t offset) const;
    void SetByteAt(std::size_t offset, std::uint8_t value);
};

// True when the bytes form a system-exclusive message (the check of Assign).
bool IsSystemExclusive(std::span<const std::uint8_t> bytes);

} // namespace ML
