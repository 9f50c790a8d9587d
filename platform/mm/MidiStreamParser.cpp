#include "platform/mm/MidiStreamParser.h"

namespace mm {

int ShortMessageLength(std::uint8_t status) {
    if (status < 0x80)
        return 0;
    if (status < 0xC0)
        return 3;
    if (status < 0xE0)
        return 2;
    if (status < 0xF0)
        return 3;
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF0:
    case 0xF4:
    case 0xF5:
    case 0xF7:
        return 0;
    default:
        return 1; // 0xF6 and the real-time messages
    }
}

void MidiStreamParser::Reset() {
    running_ = 0;
    have_ = 0;
    inSysEx_ = false;
}

void MidiStreamParser::Feed(std::span<const std::uint8_t> bytes, MidiReceiver& receiver) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (inSysEx_) {
            // Pass the longest run of data bytes as one piece.
            std::size_t end = i;
            while (end < bytes.size() && bytes[end] < 0x80)
                ++end;
            if (end > i)
                receiver.ReceiveSysEx(bytes.subspan(i, end - i));
            i = end;
            if (i == bytes.size())
                break;
        }
        const std::uint8_t byte = bytes[i++];
        if (byte >= 0x80)
            Status(byte, receiver);
        else
            Data(byte, receiver);
    }
}

void MidiStreamParser::Status(std::uint8_t byte, MidiReceiver& receiver) {
    if (byte >= 0xF8) { // real time: never disturbs the message in progress
        receiver.ReceiveShort(byte);
        return;
    }
    if (inSysEx_) {
        inSysEx_ = false;
        if (byte == 0xF7) {
            const std::uint8_t end = 0xF7;
            receiver.ReceiveSysEx({&end, 1});
            receiver.EndSysEx(true);
            return;
        }
        receiver.EndSysEx(false);
    } else if (running_ != 0 && have_ > 0) {
        receiver.ReceiveError(running_); // the previous message was cut short
    }
    have_ = 0;
    running_ = 0;
    if (byte == 0xF0) {
        inSysEx_ = true;
        receiver.ReceiveSysEx({&byte, 1});
        return;
    }
    const int length = ShortMessageLength(byte);
    if (length == 0) {
        receiver.ReceiveError(byte);
        return;
    }
    if (length == 1) {
        receiver.ReceiveShort(byte);
        return;
    }
    running_ = byte;
}

void MidiStreamParser::Data(std::uint8_t byte, MidiReceiver& receiver) {
    if (running_ == 0) {
        receiver.ReceiveError(byte);
        return;
    }
    data_[have_++] = byte;
    if (have_ + 1 < ShortMessageLength(running_))
        return;
    DWORD packed = running_ | DWORD{data_[0]} << 8;
    if (have_ == 2)
        packed |= DWORD{data_[1]} << 16;
    receiver.ReceiveShort(packed);
    have_ = 0;
    // Channel messages keep their status for the data that follows; system
    // common messages do not.
    if (running_ >= 0xF0)
        running_ = 0;
}

} // namespace mm
