#include "platform/msgwin/MessageQueue.h"

#include "platform/msgwin/MessageWindow.h"

#include <algorithm>
#include <utility>

namespace msgwin {
namespace {

bool InRange(UINT message, UINT first, UINT last) { return message >= first && message <= last; }

} // namespace

MessageQueue::MessageQueue() : entries_(kInitialCapacity) {}

MessageQueue::~MessageQueue() = default;

MessageQueue& MessageQueue::ForCurrentThread() { return *SharedForCurrentThread(); }

std::shared_ptr<MessageQueue> MessageQueue::SharedForCurrentThread() {
    thread_local const auto queue = std::make_shared<MessageQueue>();
    return queue;
}

void MessageQueue::Post(MessageWindow& window, UINT message, WPARAM wparam, LPARAM lparam) {
    {
        std::lock_guard lock(mutex_);
        // A full buffer would drop its oldest message: grow it instead.
        if (entries_.full())
            entries_.set_capacity(entries_.capacity() * 2);
        entries_.push_back({&window, message, wparam, lparam});
    }
    posted_.notify_all();
    std::lock_guard hookLock(hookMutex_);
    if (wake_)
        wake_();
}

void MessageQueue::SetWakeHook(Hook hook) {
    std::lock_guard lock(hookMutex_);
    wake_ = std::move(hook);
}

void MessageQueue::SetPaintHook(Hook hook) {
    std::lock_guard lock(hookMutex_);
    paint_ = std::move(hook);
}

std::size_t MessageQueue::Pump() {
    RemoveRange(WM_TIMER, WM_TIMER);
    std::size_t handled = DispatchRange(WM_PAINT, WM_PAINT);
    Hook paint;
    {
        std::lock_guard lock(hookMutex_);
        paint = paint_;
    }
    if (paint)
        paint();
    return handled + DispatchRange(WM_USER, WM_USER_LAST);
}

std::size_t MessageQueue::DispatchRange(UINT first, UINT last) {
    std::size_t handled = 0;
    Entry entry{};
    while (TakeFirst(first, last, entry)) {
        entry.window->Handle(entry.message, entry.wparam, entry.lparam);
        ++handled;
    }
    return handled;
}

std::size_t MessageQueue::DispatchAll() { return DispatchRange(0, ~UINT{0}); }

std::size_t MessageQueue::RemoveRange(UINT first, UINT last) {
    std::lock_guard lock(mutex_);
    return EraseIf([&](const Entry& e) { return InRange(e.message, first, last); });
}

bool MessageQueue::HasPending(UINT first, UINT last) const {
    std::lock_guard lock(mutex_);
    return HasPendingLocked(first, last);
}

std::size_t MessageQueue::PendingCount() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

bool MessageQueue::WaitForRange(UINT first, UINT last, std::chrono::milliseconds realLimit) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, realLimit, [&] { return HasPendingLocked(first, last); });
}

bool MessageQueue::TakeFirst(UINT first, UINT last, Entry& entry) {
    std::lock_guard lock(mutex_);
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return InRange(e.message, first, last); });
    if (it == entries_.end())
        return false;
    entry = *it;
    entries_.erase(it);
    return true;
}

bool MessageQueue::HasPendingLocked(UINT first, UINT last) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return InRange(e.message, first, last); });
}

void MessageQueue::Forget(const MessageWindow& window) {
    std::lock_guard lock(mutex_);
    EraseIf([&](const Entry& e) { return e.window == &window; });
}

} // namespace msgwin
