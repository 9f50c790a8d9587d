#include "tests/support/JackServer.h"

#include "platform/mm/rtmidi/JackSystem.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace test {

namespace {

using Clock = std::chrono::steady_clock;

template <typename Condition>
bool PollUntil(Condition condition, std::chrono::milliseconds limit)
{
    const auto deadline = Clock::now() + limit;
    for (;;) {
        if (condition()) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

ChildProcess::~ChildProcess()
{
    if (Running()) Stop(SIGKILL, std::chrono::seconds(5));
}

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::string& outPath, const std::string& errPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return false;
    pid_ = pid;
    return true;
}

int ChildProcess::Wait(std::chrono::milliseconds limit)
{
    if (!Running()) return -1;
    int status = 0;
    const bool ended = PollUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit);
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ChildProcess::Stop(int signal, std::chrono::milliseconds limit)
{
    if (!Running()) return -1;
    kill(pid_, signal);
    return Wait(limit);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult RunProgram(const std::vector<std::string>& argv, const std::string& folder, std::chrono::milliseconds limit)
{
    static std::atomic<int> runs{0};
    const std::string base = folder + "/run" + std::to_string(++runs);
    RunResult result;
    ChildProcess child;
    if (!child.Start(argv, base + ".out", base + ".err")) return result;
    result.status = child.Wait(limit);
    result.out = ReadWholeFile(base + ".out");
    result.err = ReadWholeFile(base + ".err");
    return result;
}

PrivateJackServer::~PrivateJackServer() { Stop(); }

std::string PrivateJackServer::FindJackd()
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/jackd";
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

bool PrivateJackServer::Start(const std::string& folder, std::string& why, unsigned periodFrames)
{
    const std::string jackd = FindJackd();
    if (jackd.empty()) {
        why = "no jackd on PATH (Debian: apt-get install jackd2)";
        return false;
    }
    static std::atomic<int> servers{0};
    name_ = "zm47-test-" + std::to_string(getpid()) + "-" + std::to_string(++servers);
    periodFrames_ = periodFrames;
    setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
    // No real-time scheduling: test machines rarely allow it.
    const std::vector<std::string> argv = {jackd, "--no-realtime", "-n", name_, "-d", "dummy", "-r", "48000",
                                           "-p", std::to_string(periodFrames)};
    if (!jackd_.Start(argv, folder + "/" + name_ + ".out", folder + "/" + name_ + ".err")) {
        why = "cannot start " + jackd;
        return false;
    }
    if (!PollUntil([] { return mm::JackSystem::Instance().Running(); }, std::chrono::seconds(10))) {
        why = "jackd -n " + name_ + " did not answer within 10 s: " + ReadWholeFile(folder + "/" + name_ + ".err");
        Stop();
        return false;
    }
    return true;
}

void PrivateJackServer::Stop()
{
    if (jackd_.Running()) jackd_.Stop(SIGTERM, std::chrono::seconds(5));
}

bool WaitForJackPorts(const std::vector<std::string>& names, bool present, std::chrono::milliseconds limit)
{
    return PollUntil(
        [&] {
            for (const std::string& name : names)
                if (mm::JackSystem::Instance().HasPort(name) != present) return false;
            return true;
        },
        limit);
}

} // namespace test
