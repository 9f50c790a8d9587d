#include "cli/InterruptGuard.h"

#include <csignal>

namespace cli {

namespace {

// A signal handler can only leave a flag behind.
volatile std::sig_atomic_t gStopRequested = 0;

extern "C" void OnStopSignal(int) { gStopRequested = 1; }

} // namespace

CInterruptGuard::CInterruptGuard() {
    gStopRequested = 0;
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

CInterruptGuard::~CInterruptGuard() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool StopRequested() { return gStopRequested != 0; }

} // namespace cli
