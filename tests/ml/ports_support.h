#pragma once
// Helpers of the port tests: a clock the test advances, a recording input
// port and a reporter that remembers what it was shown.
#include "ml/In.h"
#include "ml/MMReporter.h"
#include "ml/TickClock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace test {

// Sleeping only moves the clock on; each sleep is recorded with the time it
// started.
class FakeTickClock : public ML::ITickClock {
public:
    struct Sleep {
        std::uint32_t at;
        std::uint32_t milliseconds;
    };

    std::uint32_t GetTickCount() override { return now_.load(); }
    void Sleep(std::uint32_t milliseconds) override {
        std::lock_guard lock(mutex_);
        sleeps_.push_back({now_.load(), milliseconds});
        now_ += milliseconds;
    }
    void Set(std::uint32_t now) { now_ = now; }
    std::vector<struct Sleep> Sleeps() {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

private:
    std::atomic<std::uint32_t> now_{1000};
    std::mutex mutex_;
    std::vector<struct Sleep> sleeps_;
};

// Records what the dispatch thread hands to the handlers.
class RecordingIn : public ML::CIn {
public:
    using CIn::CIn;
    ~RecordingIn() override { Close(); }

    struct Record {
        std::vector<std::vector<std::uint8_t>> longData;
        std::vector<std::vector<std::uint8_t>> longErrors;
        std::vector<std::uint32_t> shorts;
        int errors = 0;
        int total() const { return static_cast<int>(longData.size() + longErrors.size() + shorts.size()) + errors; }
    };

    // Runs on the dispatch thread for each short message, before it is
    // recorded; set it only while no message is being dispatched.
    std::function<void(std::uint32_t)> onShort;

    // Waits (up to five seconds, as a guard against a hang) until count
    // handler calls have been recorded.
    bool WaitForCalls(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return record_.total() >= count; });
    }
    Record Taken() {
        std::lock_guard lock(mutex_);
        return record_;
    }

protected:
    void OnShortMessage(std::uint32_t packed) override {
        if (onShort)
            onShort(packed);
        Add([&](Record& r) { r.shorts.push_back(packed); });
    }
    void OnLongData(const std::uint8_t* data, std::uint32_t length) override {
        Add([&](Record& r) { r.longData.emplace_back(data, data + length); });
    }
    void OnLongError(const std::uint8_t* data, std::uint32_t length) override {
        Add([&](Record& r) { r.longErrors.emplace_back(data, data + length); });
    }
    void OnError() override {
        Add([&](Record& r) { ++r.errors; });
    }

private:
    template <typename F>
    void Add(F&& f) {
        {
            std::lock_guard lock(mutex_);
            f(record_);
        }
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    Record record_;
};

// Installed for its lifetime as the input or output reporter; keeps the
// default verdict.
class RecordingReporter {
public:
    enum Which { kInput, kOutput };
    explicit RecordingReporter(Which which) : which_(which) {
        auto reporter = std::make_unique<Reporter>(results_);
        previous_ =
            which == kInput ? ML::SetInputReporter(std::move(reporter)) : ML::SetOutputReporter(std::move(reporter));
    }
    ~RecordingReporter() {
        if (which_ == kInput)
            ML::SetInputReporter(std::move(previous_));
        else
            ML::SetOutputReporter(std::move(previous_));
    }
    std::vector<mm::MMRESULT> Failures() {
        std::lock_guard lock(results_->mutex);
        std::vector<mm::MMRESULT> failures;
        for (mm::MMRESULT r : results_->all)
            if (r != mm::MMSYSERR_NOERROR)
                failures.push_back(r);
        return failures;
    }

private:
    struct Results {
        std::mutex mutex;
        std::vector<mm::MMRESULT> all;
    };
    class Reporter : public ML::AMMReporter {
    public:
        explicit Reporter(std::shared_ptr<Results> results) : results_(std::move(results)) {}
        bool Report(mm::MMRESULT result) override {
            {
                std::lock_guard lock(results_->mutex);
                results_->all.push_back(result);
            }
            return AMMReporter::Report(result);
        }

    private:
        std::shared_ptr<Results> results_;
    };

    Which which_;
    std::shared_ptr<Results> results_ = std::make_shared<Results>();
    std::unique_ptr<ML::AMMReporter> previous_;
};

} // namespace test
