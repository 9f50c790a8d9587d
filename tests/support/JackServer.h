#pragma once
// Helpers for tests and benchmarks on a real MIDI system: a private JACK
// server with the dummy driver under a name of its own, and other programs
// (the simulated unit, the command-line tool) run as processes of their own.
//
// A server is found by its name through JACK_DEFAULT_SERVER, which Start
// sets in this process's environment, so every process this one starts
// afterwards talks to the same private server and parallel test runs never
// share one. Waiting is polling with a bounded deadline.
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace test {

// A process started from argv (argv[0] a path) with its standard output and
// error going to files; killed (SIGKILL) if still running when destroyed,
// and ended (SIGTERM) if this process ends first.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::vector<std::string>& argv, const std::string& outPath, const std::string& errPath);
    bool Running() const { return pid_ > 0; }
    // Sends signal to the running process; false when it is not running.
    bool Signal(int signal) const;
    // True (and no longer Running) once the process has ended.
    bool Ended();
    // Sends signal and waits up to limit for the end; the exit status, or
    // -1 when it had to be killed or was not running.
    int Stop(int signal, std::chrono::milliseconds limit);
    // Waits up to limit for the end; the exit status, 128 + the signal's
    // number when a signal ended it (as a shell says it), or -1 (killed)
    // when the limit passed.
    int Wait(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
};

struct RunResult {
    int status = -1; // exit status; -1 when it did not end within the limit
    std::string out;
    std::string err;
};

// Runs a program to its end (at most limit) with output captured in files of
// folder.
RunResult RunProgram(const std::vector<std::string>& argv, const std::string& folder,
                     std::chrono::milliseconds limit = std::chrono::seconds(60));

std::string ReadWholeFile(const std::string& path);

// Polls condition every few milliseconds until it holds (true) or limit
// has passed (false).
bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// The program name on PATH as a path; empty when there is none.
std::string FindProgram(const std::string& name);

// A private server that JACK programs talk to: JACK 2's jackd, or PipeWire
// reached through its own libjack. Which one is the environment's choice
// (ZM47_TEST_SERVER=pipewire), made for a whole test program, because
// PipeWire is reached only by a process that loaded PipeWire's libjack
// (LD_LIBRARY_PATH), this one and the programs it starts alike.
class PrivateJackServer {
public:
    PrivateJackServer() = default;
    ~PrivateJackServer();
    PrivateJackServer(const PrivateJackServer&) = delete;
    PrivateJackServer& operator=(const PrivateJackServer&) = delete;

    static bool PipeWireChosen();
    // Empty when the chosen server can be run here; otherwise why not (no
    // jackd, no pipewire, or this process not on PipeWire's libjack).
    static std::string Missing();
    // The jackd program on PATH; empty when there is none.
    static std::string FindJackd();

    // Starts the server at 48 kHz with periods of periodFrames and waits
    // until it answers. jackd runs with the dummy driver under a name of
    // its own, set as JACK_DEFAULT_SERVER; PipeWire runs in a runtime
    // folder of its own under folder, set as XDG_RUNTIME_DIR, with its
    // period fixed on that server alone. False with the reason in why.
    bool Start(const std::string& folder, std::string& why, unsigned periodFrames = 128);
    void Stop();
    // Stops the server's process (SIGSTOP), as a hung server stands, or
    // lets it go on (SIGCONT).
    bool Pause(bool paused) const { return jackd_.Signal(paused ? SIGSTOP : SIGCONT); }
    const std::string& Name() const { return name_; }
    unsigned PeriodFrames() const { return periodFrames_; }
    // PipeWire: a quantum fixed on the server (true), or left to what its
    // clients ask for (false, the way a desktop runs it). For the next Start.
    void SetFixedPeriod(bool fixed) { fixedPeriod_ = fixed; }

private:
    bool StartJackd(const std::string& folder, std::string& why);
    bool StartPipeWire(const std::string& folder, std::string& why);
    // True when a JACK 2 server of this name takes connections now.
    static bool ServerSocketAnswers(const std::string& name);

    // JACK keeps one system-wide table of eight servers, and a server that
    // is killed leaves its entry behind; only a later server of the same
    // name takes such an entry back. So servers are named from a few slots,
    // each held by a file lock for as long as this object runs one (the
    // kernel lets the lock go when the process dies), rather than by
    // process id, which would fill the table for good.
    bool TakeNameSlot(int from, std::string& why);
    void ReleaseNameSlot();

    ChildProcess jackd_; // or pipewire
    std::string name_;
    int slotLock_ = -1;
    int slot_ = -1;
    unsigned periodFrames_ = 0;
    bool fixedPeriod_ = true;
};

// Polls the running server until every port of names exists (present true)
// or none does (false), at most limit.
bool WaitForJackPorts(const std::vector<std::string>& names, bool present,
                      std::chrono::milliseconds limit = std::chrono::seconds(10));

} // namespace test
