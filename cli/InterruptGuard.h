#pragma once
// Ctrl-C (SIGINT) and SIGTERM as a request to stop: a running transfer ends
// before its next patch, `zm47-cli sim` saves its memory and ends.
namespace cli {

// Catches both signals from now on until the guard ends; the request flag
// starts cleared.
class CInterruptGuard {
public:
    CInterruptGuard();
    ~CInterruptGuard();
    CInterruptGuard(const CInterruptGuard&) = delete;
    CInterruptGuard& operator=(const CInterruptGuard&) = delete;
};

bool StopRequested();

} // namespace cli
