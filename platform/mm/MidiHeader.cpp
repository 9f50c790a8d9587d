#include "platform/mm/MidiHeader.h"

#include <atomic>

namespace mm {

void SetHeaderFlags(MIDIHDR& header, DWORD flags) {
    std::atomic_ref<DWORD>(header.dwFlags).store(flags, std::memory_order_release);
}

MMRESULT PrepareHeader(MIDIHDR* header) {
    if (header == nullptr || header->lpData == nullptr)
        return MMSYSERR_INVALPARAM;
    SetHeaderFlags(*header, header->dwFlags | MHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

MMRESULT UnprepareHeader(MIDIHDR* header) {
    if (header == nullptr)
        return MMSYSERR_INVALPARAM;
    if (header->dwFlags & MHDR_INQUEUE)
        return MIDIERR_STILLPLAYING;
    SetHeaderFlags(*header, header->dwFlags & ~MHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

MMRESULT CheckQueueable(const MIDIHDR* header) {
    if (header == nullptr || header->lpData == nullptr || header->dwBufferLength == 0)
        return MMSYSERR_INVALPARAM;
    if (!(header->dwFlags & MHDR_PREPARED))
        return MIDIERR_UNPREPARED;
    if (header->dwFlags & MHDR_INQUEUE)
        return MIDIERR_STILLPLAYING;
    return MMSYSERR_NOERROR;
}

void MarkQueued(MIDIHDR& header) { SetHeaderFlags(header, (header.dwFlags & ~MHDR_DONE) | MHDR_INQUEUE); }

void MarkDone(MIDIHDR& header) { SetHeaderFlags(header, (header.dwFlags & ~MHDR_INQUEUE) | MHDR_DONE); }

} // namespace mm
