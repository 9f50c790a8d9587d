// The PipeWire side of the tests' private server: PipeWire started in a
// runtime folder of its own, so that neither a desktop's PipeWire nor
// another test's is ever reached, and the JACK programs on it through
// PipeWire's libjack.
#include "tests/support/JackServer.h"

#include "platform/mm/rtmidi/JackSystem.h"

#include <dlfcn.h>
#include <jack/jack.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace test {

namespace {

// True when the libjack this process loaded is PipeWire's.
bool OnPipeWiresLibjack() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&jack_client_open), &info) == 0 || info.dli_fname == nullptr)
        return false;
    return std::strstr(info.dli_fname, "pipewire") != nullptr;
}

constexpr const char* kLibjackLeaks = "leak:pipewire-0.3/jack/libjack.so\n";

} // namespace

// PipeWire's libjack keeps some memory of closed clients and ports to the
// end of the process: the leak checker of a sanitized build is told so,
// here for the test programs and through LSAN_OPTIONS for the programs
// they start on PipeWire.
extern "C" const char* __lsan_default_suppressions() { return kLibjackLeaks; }

bool PrivateJackServer::PipeWireChosen() {
    const char* chosen = std::getenv("ZM47_TEST_SERVER");
    return chosen != nullptr && std::string(chosen) == "pipewire";
}

std::string PrivateJackServer::Missing() {
    if (!PipeWireChosen())
        return FindJackd().empty() ? "no jackd installed (Debian: jackd2); the tests on a real MIDI system need one"
                                   : std::string();
    if (FindProgram("pipewire").empty() || FindProgram("pw-metadata").empty())
        return "no PipeWire installed (Debian: pipewire, pipewire-bin, pipewire-jack); the tests on PipeWire need it";
    if (!OnPipeWiresLibjack())
        return "PipeWire's libjack is not installed or not loaded (Debian: pipewire-jack; the tests run with "
               "LD_LIBRARY_PATH set to its folder, as pw-jack does)";
    return {};
}

bool PrivateJackServer::StartPipeWire(const std::string& folder, std::string& why) {
    why = Missing();
    if (!why.empty())
        return false;
    // The runtime folder is where PipeWire puts its socket and where every
    // client looks for it: a private one makes a private server. No JACK
    // server name: PipeWire's libjack would look for a PipeWire of that
    // name.
    const std::string runtime = folder + "/runtime";
    std::filesystem::create_directories(runtime);
    chmod(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("JACK_DEFAULT_SERVER");
    unsetenv("PIPEWIRE_REMOTE");
    // No session bus: PipeWire does without the modules that need one.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    const std::string suppressions = folder + "/libjack-leaks.supp";
    std::FILE* file = std::fopen(suppressions.c_str(), "w");
    if (file != nullptr) {
        std::fputs(kLibjackLeaks, file);
        std::fclose(file);
        // Without the list of suppressions used, which would end up in what
        // the tests read of the programs' standard error.
        setenv("LSAN_OPTIONS", ("suppressions=" + suppressions + ":print_suppressions=0").c_str(), 1);
    }
    name_ = "pipewire in " + runtime;
    if (!jackd_.Start({FindProgram("pipewire")}, folder + "/pipewire.out", folder + "/pipewire.err")) {
        why = "cannot start pipewire";
        return false;
    }
    if (!PollUntil([] { return mm::JackSystem::Instance().Running(); }, std::chrono::seconds(10))) {
        why = "pipewire did not answer within 10 s: " + ReadWholeFile(folder + "/pipewire.err");
        Stop();
        return false;
    }
    // The period: fixed on this private server, as the tests on JACK 2 fix
    // it; or a desktop's default, which clients may ask to lower.
    const std::string quantum = fixedPeriod_ ? std::to_string(periodFrames_) : "0";
    const RunResult set =
        RunProgram({FindProgram("pw-metadata"), "-n", "settings", "0", "clock.force-quantum", quantum}, folder,
                   std::chrono::seconds(10));
    if (set.status != 0) {
        why = "pw-metadata failed: " + set.err;
        Stop();
        return false;
    }
    return true;
}

} // namespace test
