#include "sim/ReplyWorker.h"

namespace sim {

CReplyWorker::CReplyWorker(Sink sink) : sink_(std::move(sink)), thread_(&CReplyWorker::Run, this) {}

CReplyWorker::~CReplyWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    thread_.join();
}

void CReplyWorker::Post(std::vector<std::uint8_t> bytes, Clock::time_point due) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({std::move(bytes), due});
    }
    changed_.notify_all();
}

void CReplyWorker::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopping_ || (queue_.empty() && !busy_); });
}

int CReplyWorker::Sent() const {
    std::lock_guard lock(mutex_);
    return sent_;
}

void CReplyWorker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            return;
        const Clock::time_point due = queue_.front().due;
        if (Clock::now() < due) {
            // Woken early by a new post or by the stop; look again.
            changed_.wait_until(lock, due, [&] { return stopping_; });
            continue;
        }
        Reply reply = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        sink_(reply.bytes);
        lock.lock();
        busy_ = false;
        ++sent_;
        changed_.notify_all();
    }
}

} // namespace sim
