#include "ml/Out.h"

#include "ml/MMReporter.h"

#include <atomic>
#include <cstring>

namespace ML {

COut::COut(ITickClock& clock) : clock_(clock), completion_(kCompletionTimeoutMs, clock), pacing_(0, clock) {
    completion_.Restart();
    pacing_.Restart();
}

COut::~COut() { Close(); }

bool COut::Open(const std::string& name) {
    Close();
    if (!OpenByName(name, 0, 0, mm::CALLBACK_NULL))
        return false;
    selfPaced_ = (Support() & mm::MIDICAPS_SELFPACED) != 0;
    return true;
}

bool COut::Close() {
    ResetPort();
    selfPaced_ = false;
    return CMMOut::Close();
}

bool COut::SendShort(std::uint32_t packed) { return ShortMsg(packed); }

bool COut::SendLong(std::span<const std::uint8_t> data) {
    if (data.size() > UINT32_MAX)
        return OutputReporter().Report(mm::MMSYSERR_INVALPARAM);
    return SendLong(data.data(), static_cast<std::uint32_t>(data.size()));
}

bool COut::SendLong(const std::uint8_t* data, std::uint32_t length) {
    if (!Fill(data, length))
        return false;
    if (!PrepareHeader(packet_))
        return false;
    Pace(length);
    if (!LongMsg(packet_)) {
        UnprepareHeader(packet_);
        return false;
    }
    if (!AwaitCompletion()) {
        ResetPort();
        UnprepareHeader(packet_);
        return false;
    }
    return UnprepareHeader(packet_);
}

bool COut::Fill(const std::uint8_t* data, std::uint32_t length) {
    const bool inPlace = data == reinterpret_cast<const std::uint8_t*>(packet_.lpData);
    if (inPlace && length > packet_.Capacity()) {
        // The caller claims more bytes than the packet holds.
        return OutputReporter().Report(mm::MMSYSERR_INVALPARAM);
    }
    if (!inPlace) {
        if (length > packet_.Capacity())
            packet_.SetBuffer(length);
        if (length > 0)
            std::memmove(packet_.lpData, data, length);
    }
    packet_.dwBufferLength = length;
    packet_.dwFlags = 0;
    return true;
}

void COut::Pace(std::uint32_t length) {
    const int remaining = pacing_.Remaining();
    if (remaining > 0)
        clock_.Sleep(static_cast<std::uint32_t>(remaining));
    // The wire time imitates a cable; the extra gap is what the far side
    // asks for between messages, whatever carries them.
    const int wire = selfPaced_ ? 0 : static_cast<int>(std::uint64_t{length} * 1000 / kWireBytesPerSecond);
    pacing_.duration = wire + extraGap_;
    completion_.Restart();
    pacing_.Restart();
}

bool COut::AwaitCompletion() {
    std::atomic_ref<mm::DWORD> flags(packet_.dwFlags);
    while (!(flags.load(std::memory_order_acquire) & mm::MHDR_DONE)) {
        clock_.Sleep(kCompletionPollMs);
        if (completion_.Expired())
            return false;
    }
    return true;
}

} // namespace ML
