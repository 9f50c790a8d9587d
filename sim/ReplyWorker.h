#pragma once
// Sends the simulated unit's replies from a thread of its own, each at the
// time it is due, in the order they were posted. The unit decides replies on
// the thread that sent the request, which must never wait for a delayed or
// wire-timed reply; this worker does the waiting.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace sim {

class CReplyWorker {
public:
    using Clock = std::chrono::steady_clock;
    // Hands one whole message to the transport; false when nobody listens.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;

    explicit CReplyWorker(Sink sink);
    // Replies not yet sent are dropped.
    ~CReplyWorker();
    CReplyWorker(const CReplyWorker&) = delete;
    CReplyWorker& operator=(const CReplyWorker&) = delete;

    // Queues a reply to be sent at `due` (or at once when that has passed),
    // but never before the replies posted earlier.
    void Post(std::vector<std::uint8_t> bytes, Clock::time_point due);
    // Returns when every reply posted so far has been handed to the sink.
    void WaitUntilIdle();
    // Replies handed to the sink so far.
    int Sent() const;

private:
    struct Reply {
        std::vector<std::uint8_t> bytes;
        Clock::time_point due;
    };
    void Run();

    Sink sink_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Reply> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    int sent_ = 0;
    std::thread thread_;
};

} // namespace sim
