#include "platform/mm/MidiOut.h"

#include "platform/mm/MidiHeader.h"
#include "platform/mm/MidiStreamParser.h"

#include <cstdint>

namespace mm {

MidiOut::MidiOut(std::shared_ptr<OutputDevice> device) : Port(std::move(device)) {}

MMRESULT MidiOut::Open() { return device_->Connect(connection_); }

MMRESULT MidiOut::Close() {
    std::lock_guard lock(mutex_);
    if (pending_ != nullptr)
        return MIDIERR_STILLPLAYING;
    connection_.reset();
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOut::ShortMsg(DWORD packed) {
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
                                   static_cast<std::uint8_t>(packed >> 16)};
    const int length = ShortMessageLength(bytes[0]);
    if (length == 0)
        return MMSYSERR_INVALPARAM;
    std::lock_guard lock(mutex_);
    if (!Present())
        return MMSYSERR_NODRIVER;
    return connection_->SendShort({bytes, static_cast<std::size_t>(length)});
}

MMRESULT MidiOut::LongMsg(MIDIHDR* header) {
    std::lock_guard lock(mutex_);
    if (const MMRESULT result = CheckQueueable(header); result != MMSYSERR_NOERROR)
        return result;
    if (pending_ != nullptr)
        return MIDIERR_NOTREADY;
    if (!Present())
        return MMSYSERR_NODRIVER;
    MarkQueued(*header);
    bool completed = true;
    const auto* data = reinterpret_cast<const std::uint8_t*>(header->lpData);
    const MMRESULT result = connection_->SendLong({data, header->dwBufferLength}, completed);
    if (result != MMSYSERR_NOERROR) {
        SetHeaderFlags(*header, header->dwFlags & ~MHDR_INQUEUE);
        return result;
    }
    if (completed)
        MarkDone(*header);
    else
        pending_ = header;
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOut::Reset() {
    std::lock_guard lock(mutex_);
    if (connection_)
        connection_->Reset();
    if (pending_ != nullptr) {
        MarkDone(*pending_);
        pending_ = nullptr;
    }
    return MMSYSERR_NOERROR;
}

} // namespace mm
