#include "platform/mm/MidiOut.h"

#include "platform/mm/MidiStreamParser.h"

#include <atomic>
#include <cstdint>

namespace mm {

namespace {

void SetFlags(MIDIHDR& header, DWORD flags)
{
    std::atomic_ref<DWORD>(header.dwFlags).store(flags, std::memory_order_release);
}

} // namespace

MidiOut::MidiOut(std::shared_ptr<OutputDevice> device) : device_(std::move(device)) {}

MMRESULT MidiOut::Open()
{
    return device_->Connect(connection_);
}

MMRESULT MidiOut::Close()
{
    std::lock_guard lock(mutex_);
    if (pending_ != nullptr) return MIDIERR_STILLPLAYING;
    connection_.reset();
    return MMSYSERR_NOERROR;
}

bool MidiOut::Present() const
{
    return connection_ && connection_->Present();
}

MMRESULT MidiOut::Prepare(MIDIHDR* header)
{
    if (header == nullptr || header->lpData == nullptr) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(mutex_);
    SetFlags(*header, header->dwFlags | MHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOut::Unprepare(MIDIHDR* header)
{
    if (header == nullptr) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(mutex_);
    if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
    SetFlags(*header, header->dwFlags & ~MHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOut::ShortMsg(DWORD packed)
{
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
                                   static_cast<std::uint8_t>(packed >> 16)};
    const int length = ShortMessageLength(bytes[0]);
    if (length == 0) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(mutex_);
    if (!Present()) return MMSYSERR_NODRIVER;
    return connection_->SendShort({bytes, static_cast<std::size_t>(length)});
}

MMRESULT MidiOut::LongMsg(MIDIHDR* header)
{
    if (header == nullptr || header->lpData == nullptr || header->dwBufferLength == 0)
        return MMSYSERR_INVALPARAM;
    std::lock_guard lock(mutex_);
    if (!(header->dwFlags & MHDR_PREPARED)) return MIDIERR_UNPREPARED;
    if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
    if (pending_ != nullptr) return MIDIERR_NOTREADY;
    if (!Present()) return MMSYSERR_NODRIVER;
    SetFlags(*header, (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE);
    bool completed = true;
    const auto* data = reinterpret_cast<const std::uint8_t*>(header->lpData);
    const MMRESULT result = connection_->SendLong({data, header->dwBufferLength}, completed);
    if (result != MMSYSERR_NOERROR) {
        SetFlags(*header, header->dwFlags & ~MHDR_INQUEUE);
        return result;
    }
    if (completed)
        SetFlags(*header, (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE);
    else
        pending_ = header;
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOut::Reset()
{
    std::lock_guard lock(mutex_);
    if (connection_) connection_->Reset();
    if (pending_ != nullptr) {
        SetFlags(*pending_, (pending_->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE);
        pending_ = nullptr;
    }
    return MMSYSERR_NOERROR;
}

} // namespace mm
