#pragma once
// The message queue of one thread: messages posted to the hidden windows that
// live on that thread wait here, in posting order, until the thread pumps
// them. Posting is allowed from any thread; everything else belongs to the
// owning thread. A message stays queued until a pump takes it (by range) or
// its window is destroyed. The queue holds its messages in storage made
// once, so posting (the MIDI input path) allocates nothing until more than
// kInitialCapacity messages wait at the same time.
//
// Two hooks connect the queue to an application's event loop:
// - the wake hook runs on the posting thread after each post, so a normal
//   event loop can schedule DispatchAll on the owning thread when no
//   transfer is pumping;
// - the paint hook runs on the owning thread in the paint step of Pump, so a
//   transfer that pumps the queue itself still repaints the windows.
#include "platform/msgwin/Messages.h"

#include <boost/circular_buffer.hpp>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>

namespace msgwin {

class MessageWindow;

class MessageQueue {
public:
    using Hook = std::function<void()>;

    static constexpr std::size_t kInitialCapacity = 4096;

    MessageQueue();
    ~MessageQueue();
    MessageQueue(const MessageQueue&) = delete;
    MessageQueue& operator=(const MessageQueue&) = delete;

    // The queue of the calling thread, created on first use; the windows
    // made on it share its ownership, so it outlives them.
    static MessageQueue& ForCurrentThread();
    static std::shared_ptr<MessageQueue> SharedForCurrentThread();

    // Any thread. The wake hook is called after the message is queued, on
    // the posting thread, outside the queue's lock.
    void Post(MessageWindow& window, UINT message, WPARAM wparam, LPARAM lparam);

    // Any thread; replaces the hook (an empty one removes it).
    void SetWakeHook(Hook hook);
    void SetPaintHook(Hook hook);

    // The pump of a transfer: removes every pending WM_TIMER without handling
    // it; then handles every pending WM_PAINT and runs the paint hook; then
    // handles every pending message from WM_USER to WM_USER + 255. Returns
    // the number of messages handled.
    std::size_t Pump();

    // Handles, in posting order, the pending messages whose number lies in
    // [first, last], including those posted while it runs; the others stay
    // queued. Returns how many were handled.
    std::size_t DispatchRange(UINT first, UINT last);
    // Everything pending (the normal event loop's share).
    std::size_t DispatchAll();
    // Removes the pending messages in [first, last] without handling them.
    std::size_t RemoveRange(UINT first, UINT last);

    bool HasPending(UINT first, UINT last) const;
    std::size_t PendingCount() const;

    // Blocks the owning thread until a message in [first, last] is pending or
    // realLimit of real time has passed; true when one is pending. Uses the
    // condition variable, so it costs no CPU while nothing arrives.
    bool WaitForRange(UINT first, UINT last, std::chrono::milliseconds realLimit);

private:
    friend class MessageWindow;
    struct Entry {
        MessageWindow* window;
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
    };

    // Takes the first pending message in range out of the queue.
    bool TakeFirst(UINT first, UINT last, Entry& entry);
    bool HasPendingLocked(UINT first, UINT last) const;
    // Called by a window's destructor: its pending messages are dropped.
    void Forget(const MessageWindow& window);
    // Removes the entries that match; the lock is held. Returns how many.
    template <typename Predicate>
    std::size_t EraseIf(Predicate matches) {
        const std::size_t before = entries_.size();
        entries_.erase(std::remove_if(entries_.begin(), entries_.end(), matches), entries_.end());
        return before - entries_.size();
    }

    mutable std::mutex mutex_;
    std::condition_variable posted_;
    boost::circular_buffer<Entry> entries_;

    std::mutex hookMutex_;
    Hook wake_;
    Hook paint_;
};

} // namespace msgwin
