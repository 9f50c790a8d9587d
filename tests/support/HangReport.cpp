#include "tests/support/HangReport.h"

#include "tests/support/JackServer.h"

#include <dirent.h>
#include <execinfo.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace test {

namespace {

std::atomic<bool> stackWritten{false};

// Runs on the thread the signal was sent to: its own stack, to standard error.
void WriteOwnStack(int) {
    void* frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
    stackWritten = true;
}

// Straight to the descriptor: a thread that hangs may hold the lock of a
// stdio stream.
void Say(const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

std::string FirstLine(const std::string& path) {
    const std::string text = ReadWholeFile(path);
    return text.substr(0, text.find('\n'));
}

std::vector<int> Numbers(const std::string& folder) {
    std::vector<int> numbers;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return numbers;
    while (const dirent* entry = readdir(dir))
        if (entry->d_name[0] >= '0' && entry->d_name[0] <= '9')
            numbers.push_back(std::atoi(entry->d_name));
    closedir(dir);
    return numbers;
}

int ParentOf(int pid) {
    const std::string stat = ReadWholeFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    int parent = 0;
    char state = 0;
    if (close == std::string::npos || std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) != 2)
        return 0;
    return parent;
}

// Every process below pid, children before their own children.
std::vector<int> Descendants(int pid) {
    std::vector<int> found = {pid};
    const std::vector<int> all = Numbers("/proc");
    for (std::size_t next = 0; next < found.size(); ++next)
        for (int candidate : all)
            if (ParentOf(candidate) == found[next])
                found.push_back(candidate);
    found.erase(found.begin());
    return found;
}

// Where each thread of a process waits in the kernel, and on what.
std::string Threads(int pid) {
    std::string text;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (int tid : Numbers(tasks)) {
        const std::string task = tasks + "/" + std::to_string(tid);
        text += "  thread " + std::to_string(tid) + " " + FirstLine(task + "/comm") + ": waits in " +
                FirstLine(task + "/wchan") + ", system call " + FirstLine(task + "/syscall") + "\n";
    }
    return text;
}

} // namespace

HangReport::HangReport(std::chrono::seconds limit, std::function<std::string()> extra) : extra_(std::move(extra)) {
    // backtrace loads what it needs on its first call, which must not be
    // in a signal handler.
    void* frame[1];
    backtrace(frame, 1);
    thread_ = std::thread([this, limit] {
        std::unique_lock lock(mutex_);
        if (!disarmed_.wait_for(lock, limit, [this] { return done_; }))
            Report(limit);
    });
}

HangReport::~HangReport() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    disarmed_.notify_all();
    thread_.join();
}

void HangReport::Report(std::chrono::seconds limit) {
    const int self = getpid();
    Say("\nThe test has run longer than " + std::to_string(limit.count()) + " s; where it is:\n" + Threads(self));
    struct sigaction action = {};
    action.sa_handler = &WriteOwnStack;
    sigaction(SIGUSR2, &action, nullptr);
    const long watcher = syscall(SYS_gettid);
    for (int tid : Numbers("/proc/self/task")) {
        if (tid == watcher)
            continue;
        Say("stack of thread " + std::to_string(tid) + ":\n");
        stackWritten = false;
        syscall(SYS_tgkill, self, tid, SIGUSR2);
        PollUntil([] { return stackWritten.load(); }, std::chrono::seconds(1));
    }
    const std::vector<int> children = Descendants(self);
    for (int pid : children) {
        std::string command = ReadWholeFile("/proc/" + std::to_string(pid) + "/cmdline");
        for (char& c : command)
            if (c == '\0')
                c = ' ';
        Say("process " + std::to_string(pid) + " (" + command + "):\n" + Threads(pid));
    }
    if (extra_)
        Say(extra_());
    // Killed and reaped here: a server that died unreaped would keep its
    // name taken for the next test.
    for (int pid : children)
        kill(pid, SIGKILL);
    for (int pid : children)
        PollUntil([pid] { return waitpid(pid, nullptr, WNOHANG) != 0; }, std::chrono::seconds(2));
    Say("The test is ended as failed.\n");
    _exit(1);
}

} // namespace test
