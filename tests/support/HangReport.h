#pragma once
// A test on a real MIDI system that hangs (a JACK server that stops
// answering blocks every libjack call, with no time limit of its own) would
// be killed by CTest's time limit and leave nothing to go by. Armed for a
// test, this waits up to a limit; past it, it writes to standard error what
// each thread of this process is running, what each child process is
// waiting in, and what the test adds (its programs' error output), kills
// the children and ends the test as failed, before CTest's limit.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace test {

class HangReport {
public:
    HangReport(std::chrono::seconds limit, std::function<std::string()> extra);
    ~HangReport(); // disarms
    HangReport(const HangReport&) = delete;
    HangReport& operator=(const HangReport&) = delete;

private:
    void Report(std::chrono::seconds limit);

    std::function<std::string()> extra_;
    std::mutex mutex_;
    std::condition_variable disarmed_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace test
