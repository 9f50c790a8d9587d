#include "ml/In.h"

#include "ml/MMReporter.h"
#include "ml/TickTimer.h"

#include <chrono>

namespace ML {

namespace {

// Who may touch the port: Stop gives up on a dispatch thread only while the
// thread is idle or inside a handler, and a thread that finds itself given
// up on touches the port no more.
enum Phase : int { kIdle, kBusy, kInHandler, kAbandoned };

} // namespace

struct CIn::State {
    std::atomic<bool> running{false};
    CEventRing events;
    CPacketRing packets;
    // Wakes the dispatch thread; wakePending keeps the semaphore at most 1.
    std::binary_semaphore wake{0};
    std::atomic<bool> wakePending{false};
    std::binary_semaphore ended{0};
    std::atomic<int> phase{kIdle};
};

namespace {

void Wake(std::atomic<bool>& pending, std::binary_semaphore& wake) {
    // Pairs with the fence in WaitForWake: either this thread sees the
    // pending flag cleared and releases, or the dispatch thread sees what
    // was pushed before this call.
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (!pending.exchange(true))
        wake.release();
}

void WaitForWake(std::atomic<bool>& pending, std::binary_semaphore& wake) {
    if (wake.try_acquire_for(std::chrono::milliseconds(10))) {
        pending.store(false);
        std::atomic_thread_fence(std::memory_order_seq_cst);
    }
}

// Runs a handler; false when Stop gave up on the thread meanwhile, in which
// case the port may be gone.
template <typename Handler>
bool RunHandler(std::atomic<int>& phase, Handler&& handler) {
    phase.store(kInHandler, std::memory_order_release);
    handler();
    int expected = kInHandler;
    return phase.compare_exchange_strong(expected, kBusy, std::memory_order_acq_rel);
}

void Abandon(std::atomic<int>& phase) {
    for (;;) {
        int current = phase.load(std::memory_order_acquire);
        if (current == kAbandoned)
            return;
        if (current == kBusy) { // a few platform calls at most
            std::this_thread::yield();
            continue;
        }
        if (phase.compare_exchange_weak(current, kAbandoned, std::memory_order_acq_rel))
            return;
    }
}

std::int32_t EventFor(mm::UINT message, mm::DWORD_PTR param1) {
    switch (message) {
    case mm::MIM_DATA:
        return static_cast<std::int32_t>(param1 & 0x00FFFFFF);
    case mm::MIM_LONGDATA:
        return CIn::kLongData;
    case mm::MIM_OPEN:
        return CIn::kOpen;
    case mm::MIM_CLOSE:
        return CIn::kClose;
    case mm::MIM_ERROR:
        return CIn::kError;
    case mm::MIM_LONGERROR:
        return CIn::kLongError;
    case mm::MIM_MOREDATA:
        return CIn::kMoreData;
    default:
        return CIn::kEmpty;
    }
}

} // namespace

CIn::CIn(ITickClock& clock) : clock_(clock), state_(std::make_shared<State>()) {}

CIn::~CIn() { Close(); }

bool CIn::Open(const std::string& name) {
    Close();
    state_->running.store(false, std::memory_order_release);
    return OpenByName(name, &CIn::InputCallback, reinterpret_cast<mm::DWORD_PTR>(this), mm::CALLBACK_FUNCTION);
}

bool CIn::Start() {
    State& s = *state_;
    if (dispatchThread_.joinable())
        return true;
    // A callback that saw the port running just before the last Stop may
    // have pushed after the final drain; such a leftover would be paired
    // with the wrong packet. No dispatch thread runs now, so this thread is
    // the ring's only reader.
    while (s.events.Pop() != kEmpty) {}
    // No packet is with the platform now; queue from the first one, so that
    // packets come back in the order the ring expects after a restart too.
    s.packets.Rewind();
    s.running.store(true, std::memory_order_release);
    for (int i = 0; i < CPacketRing::kSize; ++i)
        if (!PrepareHeader(s.packets[i]))
            return false;
    for (int i = 0; i < kQueuedPackets; ++i) {
        CPacket* packet = s.packets.NextToQueue();
        if (packet == nullptr) {
            Stop();
            return false;
        }
        packet->dwBytesRecorded = 0;
        if (!AddBuffer(*packet)) {
            Stop();
            return false;
        }
    }
    if (!CMMIn::Start()) {
        Stop();
        return false;
    }
    dispatchThread_ = std::thread(&CIn::DispatchThread, this, state_);
    return true;
}

bool CIn::Stop() {
    State& s = *state_;
    if (!s.running.load(std::memory_order_acquire))
        return true;
    s.running.store(false, std::memory_order_release);
    CMMIn::Stop();
    ResetPort();
    Wake(s.wakePending, s.wake);

    bool result = true;
    bool abandoned = false;
    if (dispatchThread_.joinable()) {
        if (!WaitForDispatchThread(s)) {
            Abandon(s.phase);
            if (!s.ended.try_acquire()) {
                abandoned = true;
                result = OutputReporter().Report(mm::MMSYSERR_HANDLEBUSY);
            }
        }
        if (abandoned)
            dispatchThread_.detach();
        else
            dispatchThread_.join();
        // The thread may have queued a buffer again between the reset above
        // and its end; one left with the device would keep it from closing.
        ResetPort();
    }
    for (int i = 0; i < CPacketRing::kSize; ++i)
        if (s.packets[i].dwFlags & mm::MHDR_PREPARED)
            UnprepareHeader(s.packets[i]);
    if (abandoned)
        state_ = std::make_shared<State>(); // the old set stays with the thread
    return result;
}

bool CIn::Close() {
    const bool stopped = Stop();
    const bool closed = CMMIn::Close();
    return stopped && closed;
}

bool CIn::DispatchOne() { return Dispatch(this, *state_); }

bool CIn::IsRunning() const { return state_->running.load(std::memory_order_acquire); }

std::uint32_t CIn::DroppedEvents() const { return state_->events.Dropped(); }

void CIn::InputCallback(mm::HMIDIIN, mm::UINT message, mm::DWORD_PTR instance, mm::DWORD_PTR param1, mm::DWORD_PTR) {
    const std::int32_t event = EventFor(message, param1);
    if (event == kEmpty)
        return;
    State& s = *reinterpret_cast<CIn*>(instance)->state_;
    if (!s.running.load(std::memory_order_acquire))
        return;
    s.events.Push(event);
    Wake(s.wakePending, s.wake);
}

bool CIn::Dispatch(CIn* port, State& s) {
    // The port is touched only after this claim succeeds.
    int expected = kIdle;
    if (!s.phase.compare_exchange_strong(expected, kBusy, std::memory_order_acq_rel))
        return false;
    const std::int32_t event = s.events.Pop();
    bool stillOurs = true;
    if (event >= 0) {
        stillOurs = RunHandler(s.phase, [&] { port->OnShortMessage(static_cast<std::uint32_t>(event)); });
    } else {
        switch (event) {
        case kLongData:
            stillOurs = port->DispatchLong(s, false);
            break;
        case kLongError:
            stillOurs = port->DispatchLong(s, true);
            break;
        case kOpen:
            stillOurs = RunHandler(s.phase, [&] { port->OnOpen(); });
            break;
        case kClose:
            stillOurs = RunHandler(s.phase, [&] { port->OnClose(); });
            break;
        case kError:
            stillOurs = RunHandler(s.phase, [&] { port->OnError(); });
            break;
        case kMoreData:
            stillOurs = RunHandler(s.phase, [&] { port->OnMoreData(); });
            break;
        default:
            break;
        }
    }
    if (!stillOurs)
        return false;
    s.phase.store(kIdle, std::memory_order_release);
    return event != kEmpty;
}

bool CIn::DispatchLong(State& s, bool error) {
    CPacket* packet = s.packets.NextFilled();
    if (packet == nullptr)
        return true;
    const auto* data = reinterpret_cast<const std::uint8_t*>(packet->lpData);
    const std::uint32_t length = packet->dwBytesRecorded;
    if (length > 0) {
        const bool stillOurs = RunHandler(s.phase, [&] {
            if (error)
                OnLongError(data, length);
            else
                OnLongData(data, length);
        });
        if (!stillOurs)
            return false;
    }
    // An empty packet is replaced as well: otherwise each one a device hands
    // back unused leaves one buffer fewer with the platform.
    if (s.running.load(std::memory_order_acquire)) {
        if (CPacket* next = s.packets.NextToQueue()) {
            next->dwBytesRecorded = 0;
            AddBuffer(*next);
        }
    }
    return true;
}

void CIn::DispatchThread(CIn* port, std::shared_ptr<State> state) {
    State& s = *state;
    auto abandoned = [&] { return s.phase.load(std::memory_order_acquire) == kAbandoned; };
    while (s.running.load(std::memory_order_acquire)) {
        while (Dispatch(port, s)) {}
        if (abandoned())
            break;
        WaitForWake(s.wakePending, s.wake);
    }
    if (!abandoned())
        while (Dispatch(port, s)) {}
    s.ended.release();
}

bool CIn::WaitForDispatchThread(State& s) {
    CTickTimer timer(kStopTimeoutMs, clock_);
    timer.Restart();
    while (!s.ended.try_acquire()) {
        if (timer.Expired())
            return false;
        clock_.Sleep(1);
    }
    return true;
}

} // namespace ML
