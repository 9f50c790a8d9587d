#include "ml/LongMessage.h"

#include "ml/MidiStatus.h"
#include "toolkit/core/TextOut.h"

#include <algorithm>
#include <string>

namespace ML {

namespace {
constexpr std::size_t kReservedSize = 256;
} // namespace

CLongMessage::CLongMessage() { CLongMessage::Reset(); }

CLongMessage::CLongMessage(const std::vector<std::uint8_t>& bytes) : CMessage(bytes) {}

void CLongMessage::Reset() {
    reserve(kReservedSize);
    assign({kSysExStart, 0x00, kSysExEnd});
}

void CLongMessage::SetData(std::span<const std::uint8_t> data) {
    resize(data.size() + 3, 0x00);
    std::copy(data.begin(), data.end(), begin() + 2);
    back() = kSysExEnd;
}

std::vector<std::uint8_t> CLongMessage::GetData() const {
    if (size() < 3)
        return {};
    return std::vector<std::uint8_t>(begin() + 2, end() - 1);
}

std::size_t CLongMessage::GetDataSize() const { return size() < 3 ? 0 : size() - 3; }

void CLongMessage::SetDeviceId(std::uint8_t id) { SetByteAt(2, id); }

std::uint8_t CLongMessage::GetDeviceId() const { return ByteAt(2); }

std::uint8_t CLongMessage::GetManufacturerId() const { return ByteAt(1); }

void CLongMessage::SetManufacturerId(std::uint8_t id) {
    if (id < 0x80)
        SetByteAt(1, id);
}

std::uint8_t CLongMessage::GetSubId1() const { return ByteAt(3); }

void CLongMessage::SetSubId1(std::uint8_t id) { SetByteAt(3, id); }

std::uint8_t CLongMessage::GetSubId2() const { return ByteAt(4); }

void CLongMessage::SetSubId2(std::uint8_t id) { SetByteAt(4, id); }

bool IsSystemExclusive(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 3)
        return false;
    if (bytes.front() != kSysExStart || bytes.back() != kSysExEnd)
        return false;
    const auto body = bytes.subspan(1, bytes.size() - 2);
    return std::none_of(body.begin(), body.end(), [](std::uint8_t b) { return b >= 0x80; });
}

bool CLongMessage::Assign(std::span<const std::uint8_t> bytes) {
    if (!IsSystemExclusive(bytes))
        return false;
    assign(bytes.begin(), bytes.end());
    return true;
}

void CLongMessage::Dump(GT::ITextOut& out) const {
    std::string text;
    text.reserve(size() * 3 + 64);
    if (!empty())
        AppendHex(text, front(), "\n");
    text += "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n";
    if (size() >= 2) {
        const std::size_t last = size() - 2;
        for (std::size_t offset = 1; offset <= last; ++offset) {
            AppendHex(text, (*this)[offset]);
            if (offset % 16 == 15)
                text += '\n';
        }
        if (last >= 1 && last % 16 != 15)
            text += '\n';
        AppendHex(text, back(), "\n");
    }
    out.Write(text);
}

std::uint8_t CLongMessage::ByteAt(std::size_t offset) const { return offset < size() ? (*this)[offset] : 0; }

void CLongMessage::SetByteAt(std::size_t offset, std::uint8_t value) {
    if (offset < size())
        (*this)[offset] = value;
}

} // namespace ML
