#include "tests/support/JackServer.h"

#include "platform/mm/rtmidi/JackSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace test {

namespace {
using Clock = std::chrono::steady_clock;
} // namespace

bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ChildProcess::~ChildProcess() {
    if (Running())
        Stop(SIGKILL, std::chrono::seconds(5));
}

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::string& outPath,
                         const std::string& errPath) {
    // Everything the child needs is made before the fork: after it, only
    // async-signal-safe calls.
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        // A server or unit left behind by a test that crashed would run on
        // forever: it ends with the test.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0)
            _exit(127);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(args[0], args.data());
        _exit(127);
    }
    pid_ = pid;
    return true;
}

bool ChildProcess::Ended() {
    int status = 0;
    if (!Running() || waitpid(pid_, &status, WNOHANG) != pid_)
        return false;
    pid_ = -1;
    return true;
}

int ChildProcess::Wait(std::chrono::milliseconds limit) {
    if (!Running())
        return -1;
    int status = 0;
    const bool ended = PollUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit);
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }
    pid_ = -1;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ChildProcess::Signal(int signal) const { return Running() && kill(pid_, signal) == 0; }

int ChildProcess::Stop(int signal, std::chrono::milliseconds limit) {
    if (!Running())
        return -1;
    kill(pid_, signal);
    return Wait(limit);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult RunProgram(const std::vector<std::string>& argv, const std::string& folder,
                     std::chrono::milliseconds limit) {
    static std::atomic<int> runs{0};
    const std::string base = folder + "/run" + std::to_string(++runs);
    RunResult result;
    ChildProcess child;
    if (!child.Start(argv, base + ".out", base + ".err"))
        return result;
    result.status = child.Wait(limit);
    result.out = ReadWholeFile(base + ".out");
    result.err = ReadWholeFile(base + ".err");
    return result;
}

PrivateJackServer::~PrivateJackServer() { Stop(); }

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string PrivateJackServer::FindJackd() { return FindProgram("jackd"); }

bool PrivateJackServer::Start(const std::string& folder, std::string& why, unsigned periodFrames) {
    periodFrames_ = periodFrames;
    return PipeWireChosen() ? StartPipeWire(folder, why) : StartJackd(folder, why);
}

bool PrivateJackServer::StartJackd(const std::string& folder, std::string& why) {
    const std::string jackd = FindJackd();
    if (jackd.empty()) {
        why = "no jackd on PATH (Debian: apt-get install jackd2)";
        return false;
    }
    // A slot whose lock is free can still have a server of its name: one
    // whose test was killed (its lock went with it) and that has not ended,
    // or has ended without being reaped, which jackd counts as running. Such
    // a slot is passed over, and so is one whose jackd says its name is taken.
    for (int from = 0; TakeNameSlot(from, why); from = slot_ + 1) {
        if (ServerSocketAnswers(name_)) {
            ReleaseNameSlot();
            continue;
        }
        setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        // No real-time scheduling: test machines rarely allow it.
        const std::vector<std::string> argv = {
            jackd, "--no-realtime", "-n", name_, "-d", "dummy", "-r", "48000", "-p", std::to_string(periodFrames_)};
        const std::string errPath = folder + "/" + name_ + ".err";
        if (!jackd_.Start(argv, folder + "/" + name_ + ".out", errPath)) {
            why = "cannot start " + jackd;
            ReleaseNameSlot();
            return false;
        }
        const bool answered = PollUntil([this] { return jackd_.Ended() || mm::JackSystem::Instance().Running(); },
                                        std::chrono::seconds(10));
        if (answered && jackd_.Running())
            return true;
        const std::string said = ReadWholeFile(errPath);
        if (!jackd_.Running() && said.find("already active") != std::string::npos) {
            ReleaseNameSlot();
            continue;
        }
        why = "jackd -n " + name_ + " did not answer within 10 s: " + said;
        Stop();
        return false;
    }
    return false;
}

bool PrivateJackServer::ServerSocketAnswers(const std::string& name) {
    // Where JACK 2 listens for the clients of a server of this name.
    const std::string path = "/dev/shm/jack_" + name + "_" + std::to_string(getuid()) + "_0";
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return answers;
}

bool PrivateJackServer::TakeNameSlot(int from, std::string& why) {
    // Six slots leave two entries of JACK's table to servers of other users.
    constexpr int kSlots = 6;
    // Always /tmp, never TMPDIR: tests give their programs private TMPDIRs,
    // and the locks must be seen by every test on the machine.
    for (int slot = from; slot < kSlots; ++slot) {
        const std::string lockPath = "/tmp/zm47-jack-slot-" + std::to_string(slot) + ".lock";
        const int fd = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            slotLock_ = fd;
            slot_ = slot;
            name_ = "zm47-test-" + std::to_string(slot);
            return true;
        }
        close(fd);
    }
    why = "every JACK server slot of the tests is in use or has a server left running (" + std::to_string(kSlots) +
          " slots)";
    return false;
}

void PrivateJackServer::ReleaseNameSlot() {
    if (slotLock_ < 0)
        return;
    close(slotLock_);
    slotLock_ = -1;
}

void PrivateJackServer::Stop() {
    if (!jackd_.Running()) {
        ReleaseNameSlot();
        return;
    }
    // jackd and PipeWire alike.
    // jackd waits for its clients before it ends, and when it has to be
    // killed its entry stays in JACK's table of servers, which has room for
    // eight: this process's own client goes first (the callers have closed
    // their ports and ended the other programs).
    mm::JackSystem::Instance().Close();
    jackd_.Stop(SIGTERM, std::chrono::seconds(10));
    ReleaseNameSlot();
}

bool WaitForJackPorts(const std::vector<std::string>& names, bool present, std::chrono::milliseconds limit) {
    return PollUntil(
        [&] {
            for (const std::string& name : names)
                if (mm::JackSystem::Instance().HasPort(name) != present)
                    return false;
            return true;
        },
        limit);
}

} // namespace test
