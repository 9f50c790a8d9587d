#pragma once
// A MIDI input port. The platform's callback thread only turns each
// notification into a 32-bit event and pushes it onto a lock-free ring; the
// port's own dispatch thread pops the events and runs the handlers, which a
// derived class overrides. System-exclusive data lands in 128 packets of
// 2048 bytes, 32 of them queued to the platform at a time; a packet handed to
// OnLongData is queued again only after the next 96 long-data events. A
// handler that hands the bytes to another thread copies them: how fast that
// thread takes them is not the port's to know.
//
// Order of use: Open, Start, then events flow until Stop or Close. A derived
// class calls Close in its own destructor, so that no handler runs on a
// half-destroyed object.
#include "ml/MMIn.h"
#include "ml/Packet.h"
#include "ml/TickClock.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <semaphore>
#include <string>
#include <thread>

namespace ML {

class CIn : public CMMIn {
public:
    // Ring indexes: the read index is written by the consumer only, the
    // write index by the producer only, each published after the slot it
    // covers has been read or written.
    class ARing {
    public:
        virtual ~ARing() = default;
        virtual int Size() const = 0;

    protected:
        int Next(int index) const { return (index + 1) % Size(); }
        std::atomic<int> read_{0};
        std::atomic<int> write_{0};
    };

    // Events from the callback thread to the dispatch thread: a packed short
    // message (>= 0) or one of the event codes below. Holds at most 2047
    // unread events. The last kLongReserve free slots are kept for long-data
    // and long-error events: each of them stands for a packet the platform
    // has handed back, and the dispatch thread pairs events with packets by
    // their order, so losing one would pair every later reply with the
    // packet before it. At most 32 packets are with the platform at a time,
    // so the reserve always has room for them; what a full ring drops is
    // always one whole short message (or another notification), counted.
    class CEventRing final : public ARing {
    public:
        static constexpr int kSize = 2048;
        static constexpr int kLongReserve = 32;
        CEventRing();
        int Size() const override { return kSize; }
        // False (and counted) when the event found no room.
        bool Push(std::int32_t value);
        // kEmpty when there is nothing to read.
        std::int32_t Pop();
        std::uint32_t Dropped() const { return dropped_.load(std::memory_order_relaxed); }

    private:
        std::array<std::int32_t, kSize> slots_;
        std::atomic<std::uint32_t> dropped_{0};
    };

    // The packets, queued to the platform and taken back in the same
    // circular order.
    class CPacketRing final : public ARing {
    public:
        static constexpr int kSize = 128;
        int Size() const override { return kSize; }
        // The packet at the write index if its header is prepared (the index
        // moves on), else none.
        CPacket* NextToQueue();
        // None when every queued packet has been taken back, else the packet
        // at the read index (the index moves on).
        CPacket* NextFilled();
        // Both indexes back to the first packet; only while the platform has
        // none of them.
        void Rewind();
        CPacket& operator[](int index) { return packets_[static_cast<std::size_t>(index)]; }

    private:
        std::array<CPacket, kSize> packets_;
    };

    enum Event : std::int32_t {
        kEmpty = -1,
        kLongData = -2,
        kOpen = -3,
        kClose = -4,
        kError = -5,
        kLongError = -6,
        kMoreData = -7,
    };
    static constexpr int kQueuedPackets = CPacketRing::kSize / 4;
    static constexpr int kStopTimeoutMs = 4000;

    // clock times Stop's wait for the dispatch thread.
    explicit CIn(ITickClock& clock = SystemTickClock());
    ~CIn() override;

    // Opens the input device of that product name (closing any open one
    // first). Events flow from Start on.
    bool Open(const std::string& name);
    // Queues the buffers, starts the device and the dispatch thread. True
    // at once when already running.
    bool Start();
    // Stops the device and the dispatch thread and takes the buffers back.
    // A dispatch thread still busy in a handler after 4000 ms is reported
    // through the output reporter and left to finish alone: it touches the
    // port no more once the handler returns.
    bool Stop();
    bool Close();
    // Handles one event; false when the ring was empty. A packet that comes
    // back empty is handled by nobody but goes back to the platform, so a
    // device that gives up on buffers cannot starve the port. The dispatch
    // thread calls it; anyone else only while the port is not running.
    bool DispatchOne();

    bool IsRunning() const;
    // Events the callback had to drop because the ring was full.
    std::uint32_t DroppedEvents() const;

    // The platform's callback; instance is the port.
    static void InputCallback(mm::HMIDIIN handle, mm::UINT message, mm::DWORD_PTR instance, mm::DWORD_PTR param1,
                              mm::DWORD_PTR param2);

protected:
    virtual void OnOpen() {}
    virtual void OnClose() {}
    virtual void OnShortMessage(std::uint32_t /*packed*/) {}
    virtual void OnLongData(const std::uint8_t* /*data*/, std::uint32_t /*length*/) {}
    virtual void OnError() {}
    virtual void OnLongError(const std::uint8_t* /*data*/, std::uint32_t /*length*/) {}
    virtual void OnMoreData() {}

private:
    struct State;
    static bool Dispatch(CIn* port, State& state);
    static void DispatchThread(CIn* port, std::shared_ptr<State> state);
    bool WaitForDispatchThread(State& state);
    bool DispatchLong(State& state, bool error);

    ITickClock& clock_;
    std::thread dispatchThread_; // not joinable when stopped
    // The running flag, the rings and the packets, co-owned by the dispatch
    // thread: a thread left behind by Stop keeps them alive while it may
    // still read a packet, and the port starts again with a fresh set.
    std::shared_ptr<State> state_;
};

} // namespace ML
