#include "platform/mm/rtmidi/JackSystem.h"

#include "platform/mm/rtmidi/PortName.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <atomic>
#include <cstdlib>

namespace mm {

namespace {

void Silent(const char*) {}

// Copies a list libjack returns and frees it.
std::vector<std::string> TakeNames(const char** names)
{
    std::vector<std::string> result;
    if (names == nullptr) return result;
    for (const char** name = names; *name != nullptr; ++name) result.emplace_back(*name);
    jack_free(names);
    return result;
}

} // namespace

JackSystem& JackSystem::Instance()
{
    static JackSystem* system = new JackSystem;
    return *system;
}

void JackSystem::Quiet()
{
    static std::once_flag once;
    std::call_once(once, [] {
        jack_set_error_function(&Silent);
        jack_set_info_function(&Silent);
    });
}

void JackSystem::OnShutdown(void* self)
{
    // libjack's thread; the client is closed by the next call that needs it.
    std::atomic_ref<bool>(static_cast<JackSystem*>(self)->shutDown_).store(true);
}

bool JackSystem::EnsureClient()
{
    if (client_ != nullptr && std::atomic_ref<bool>(shutDown_).load()) {
        jack_client_close(client_);
        client_ = nullptr;
    }
    if (client_ != nullptr) return true;
    Quiet();
    std::atomic_ref<bool>(shutDown_).store(false);
    const std::string name(kOwnClientName);
    client_ = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
    if (client_ == nullptr) return false;
    jack_on_shutdown(client_, &JackSystem::OnShutdown, this);
    return true;
}

bool JackSystem::Running()
{
    std::lock_guard lock(mutex_);
    return EnsureClient();
}

std::vector<std::string> JackSystem::MidiPorts(bool sources)
{
    std::lock_guard lock(mutex_);
    if (!EnsureClient()) return {};
    return TakeNames(jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE,
                                    sources ? JackPortIsOutput : JackPortIsInput));
}

std::vector<std::string> JackSystem::Connections(const std::string& port)
{
    std::lock_guard lock(mutex_);
    if (!EnsureClient()) return {};
    jack_port_t* found = jack_port_by_name(client_, port.c_str());
    if (found == nullptr) return {};
    return TakeNames(jack_port_get_all_connections(client_, found));
}

bool JackSystem::Connected(const std::string& port, const std::string& other)
{
    if (!HasPort(other)) return false;
    for (const std::string& connected : Connections(port))
        if (connected == other) return true;
    return false;
}

void JackSystem::Close()
{
    std::lock_guard lock(mutex_);
    if (client_ != nullptr) jack_client_close(client_);
    client_ = nullptr;
}

bool JackSystem::HasPort(const std::string& port)
{
    std::lock_guard lock(mutex_);
    return EnsureClient() && jack_port_by_name(client_, port.c_str()) != nullptr;
}

} // namespace mm
