#include "ml/ShortMessage.h"

#include "toolkit/core/TextOut.h"

#include <string>

namespace ML {

std::size_t StandardLength(std::uint8_t status) {
    if (status < 0x80)
        return 0;
    if (status < 0xF0) {
        const std::uint8_t kind = status & 0xF0;
        return (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
    }
    switch (status) {
    case 0xF2:
        return 3;
    case 0xF1:
    case 0xF3:
        return 2;
    default:
        return 1;
    }
}

CShortMessage::CShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    SetStatus(status);
    SetData1(data1);
    SetData2(data2);
}

void CShortMessage::SetStatus(std::uint8_t status) {
    if (status >= 0x80)
        resize(StandardLength(status), 0x00);
    // A data byte on an empty message still becomes its only byte, so that
    // the status is never silently lost.
    if (empty())
        resize(1, 0x00);
    (*this)[0] = status;
}

std::uint8_t CShortMessage::GetStatus() const { return empty() ? 0 : (*this)[0]; }

void CShortMessage::GetStatusAndChannel(std::uint8_t& status, std::uint8_t& channel) const {
    status = GetStatus();
    if (status < 0xF0) {
        channel = status & 0x0F;
        status = status & 0xF0;
    }
}

void CShortMessage::SetData1(std::uint8_t data) {
    if (size() >= 2)
        (*this)[1] = data;
}

void CShortMessage::SetData2(std::uint8_t data) {
    if (size() >= 3)
        (*this)[2] = data;
}

std::uint8_t CShortMessage::GetData1() const { return size() >= 2 ? (*this)[1] : 0; }

std::uint8_t CShortMessage::GetData2() const { return size() >= 3 ? (*this)[2] : 0; }

void CShortMessage::Dump(GT::ITextOut& out) const {
    std::string text;
    text.reserve(size() * 3 + 1);
    for (std::uint8_t byte : *this)
        AppendHex(text, byte);
    text += '\n';
    out.Write(text);
}

std::uint32_t PackShortMessage(const CShortMessage& message) {
    return static_cast<std::uint32_t>(message.GetStatus()) | static_cast<std::uint32_t>(message.GetData1()) << 8 |
           static_cast<std::uint32_t>(message.GetData2()) << 16;
}

CShortMessage UnpackShortMessage(std::uint32_t packed) {
    return CShortMessage(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

} // namespace ML
