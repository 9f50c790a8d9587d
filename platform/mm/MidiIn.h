#pragma once
// An open input device: what an HMIDIIN points to. It keeps the buffers the
// port has queued, writes received system-exclusive bytes into them in queue
// order and hands them back through the port's callback; short messages go
// to the callback directly. Nothing is delivered while the input is not
// started. Every callback runs with the input's lock held, so callbacks of
// one input never overlap and Stop, Reset and Close wait for one in flight.
#include "platform/mm/Device.h"
#include "platform/mm/MMSystem.h"
#include "platform/mm/MidiReceiver.h"
#include "platform/mm/Port.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <string>

namespace mm {

class MidiIn final : public Port<InputDevice, InputConnection>, public MidiReceiver {
public:
    MidiIn(std::shared_ptr<InputDevice> device, MIDIINPROC callback, DWORD_PTR instance);
    ~MidiIn() override;
    MidiIn(const MidiIn&) = delete;
    MidiIn& operator=(const MidiIn&) = delete;

    // Connects the device and sends MIM_OPEN.
    MMRESULT Open();
    // Fails with MIDIERR_STILLPLAYING while buffers are queued; otherwise
    // disconnects the device and sends MIM_CLOSE.
    MMRESULT Close();

    MMRESULT AddBuffer(MIDIHDR* header);
    MMRESULT Start();
    // Stops input; a partly filled buffer is handed back, the others stay.
    MMRESULT Stop();
    // Stops input and hands back every queued buffer with 0 bytes recorded.
    MMRESULT Reset();

    int QueuedBuffers() const;
    // Hands back the first queued buffer as it is now, the way a device that
    // gives up on a buffer does.
    void ReturnFirstBuffer();

    void ReceiveShort(DWORD packed) override;
    void ReceiveSysEx(std::span<const std::uint8_t> bytes) override;
    void EndSysEx(bool complete) override;
    void ReceiveError(std::uint8_t byte) override;

private:
    void Call(UINT message, DWORD_PTR param1, DWORD_PTR param2);
    DWORD Timestamp() const;
    void ReturnHead(UINT message);

    MIDIINPROC callback_;
    DWORD_PTR instance_;
    MIDIHDR* head_ = nullptr; // queued buffers, linked through lpNext
    MIDIHDR* tail_ = nullptr;
    int queued_ = 0;
    bool started_ = false;
    std::chrono::steady_clock::time_point startTime_;
};

} // namespace mm
