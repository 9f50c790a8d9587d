#pragma once
// A call into a MIDI system that may wait without end (libjack on a server
// that stopped answering) made with a time limit.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace mm {

// Runs call on a thread of its own and waits at most limit for its result:
// none when it did not return in time. Its thread is then left to finish
// whenever the call does; the call owns whatever it needs.
template <typename Result, typename Call>
std::optional<Result> ReturnedWithin(std::chrono::milliseconds limit, Call call) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable returned;
        std::optional<Result> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, call = std::move(call)]() mutable {
        Result result = call();
        std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->returned.notify_all();
    }).detach();
    std::unique_lock lock(shared->mutex);
    shared->returned.wait_for(lock, limit, [&] { return shared->result.has_value(); });
    return shared->result;
}

} // namespace mm
