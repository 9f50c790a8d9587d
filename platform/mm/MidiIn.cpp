#include "platform/mm/MidiIn.h"

#include "platform/mm/MidiHeader.h"

#include <algorithm>
#include <cstring>

namespace mm {

MidiIn::MidiIn(std::shared_ptr<InputDevice> device, MIDIINPROC callback, DWORD_PTR instance)
    : Port(std::move(device)), callback_(callback), instance_(instance) {}

MidiIn::~MidiIn() { connection_.reset(); }

MMRESULT MidiIn::Open() {
    const MMRESULT result = device_->Connect(*this, connection_);
    if (result != MMSYSERR_NOERROR)
        return result;
    std::lock_guard lock(mutex_);
    Call(MIM_OPEN, 0, 0);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiIn::Close() {
    {
        std::lock_guard lock(mutex_);
        if (queued_ > 0)
            return MIDIERR_STILLPLAYING;
        started_ = false;
    }
    connection_.reset();
    std::lock_guard lock(mutex_);
    Call(MIM_CLOSE, 0, 0);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiIn::AddBuffer(MIDIHDR* header) {
    std::lock_guard lock(mutex_);
    if (const MMRESULT result = CheckQueueable(header); result != MMSYSERR_NOERROR)
        return result;
    header->dwBytesRecorded = 0;
    header->lpNext = nullptr;
    MarkQueued(*header);
    if (tail_ != nullptr)
        tail_->lpNext = header;
    else
        head_ = header;
    tail_ = header;
    ++queued_;
    return MMSYSERR_NOERROR;
}

MMRESULT MidiIn::Start() {
    std::lock_guard lock(mutex_);
    if (!started_)
        startTime_ = std::chrono::steady_clock::now();
    started_ = true;
    return MMSYSERR_NOERROR;
}

MMRESULT MidiIn::Stop() {
    std::lock_guard lock(mutex_);
    started_ = false;
    if (head_ != nullptr && head_->dwBytesRecorded > 0)
        ReturnHead(MIM_LONGDATA);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiIn::Reset() {
    std::lock_guard lock(mutex_);
    started_ = false;
    while (head_ != nullptr) {
        head_->dwBytesRecorded = 0;
        ReturnHead(MIM_LONGDATA);
    }
    return MMSYSERR_NOERROR;
}

int MidiIn::QueuedBuffers() const {
    std::lock_guard lock(mutex_);
    return queued_;
}

void MidiIn::ReturnFirstBuffer() {
    std::lock_guard lock(mutex_);
    if (head_ != nullptr)
        ReturnHead(MIM_LONGDATA);
}

void MidiIn::ReceiveShort(DWORD packed) {
    std::lock_guard lock(mutex_);
    if (started_)
        Call(MIM_DATA, packed, Timestamp());
}

void MidiIn::ReceiveSysEx(std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    if (!started_)
        return;
    // Fill the queued buffers in order; with no buffer left the rest is lost.
    while (!bytes.empty() && head_ != nullptr) {
        const std::size_t room = head_->dwBufferLength - head_->dwBytesRecorded;
        const std::size_t n = std::min(room, bytes.size());
        std::memcpy(head_->lpData + head_->dwBytesRecorded, bytes.data(), n);
        head_->dwBytesRecorded += static_cast<DWORD>(n);
        bytes = bytes.subspan(n);
        if (head_->dwBytesRecorded == head_->dwBufferLength)
            ReturnHead(MIM_LONGDATA);
    }
}

void MidiIn::EndSysEx(bool complete) {
    std::lock_guard lock(mutex_);
    if (started_ && head_ != nullptr && head_->dwBytesRecorded > 0)
        ReturnHead(complete ? MIM_LONGDATA : MIM_LONGERROR);
}

void MidiIn::ReceiveError(std::uint8_t byte) {
    std::lock_guard lock(mutex_);
    if (started_)
        Call(MIM_ERROR, byte, Timestamp());
}

void MidiIn::Call(UINT message, DWORD_PTR param1, DWORD_PTR param2) {
    if (callback_ != nullptr)
        callback_(this, message, instance_, param1, param2);
}

DWORD MidiIn::Timestamp() const {
    const auto elapsed = std::chrono::steady_clock::now() - startTime_;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void MidiIn::ReturnHead(UINT message) {
    MIDIHDR* header = head_;
    head_ = header->lpNext;
    if (head_ == nullptr)
        tail_ = nullptr;
    header->lpNext = nullptr;
    --queued_;
    MarkDone(*header);
    Call(message, reinterpret_cast<DWORD_PTR>(header), Timestamp());
}

} // namespace mm
