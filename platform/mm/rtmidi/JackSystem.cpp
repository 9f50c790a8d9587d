#include "platform/mm/rtmidi/JackSystem.h"

#include "platform/mm/rtmidi/Abandoned.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/ReturnedWithin.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace mm {

std::atomic<bool> JackSystem::clientsDeleted_{false};

namespace {

void Silent(const char*) {}

// Copies a list libjack returns and frees it.
std::vector<std::string> TakeNames(const char** names) {
    std::vector<std::string> result;
    if (names == nullptr)
        return result;
    for (const char** name = names; *name != nullptr; ++name)
        result.emplace_back(*name);
    jack_free(names);
    return result;
}

// True when the libjack in use is PipeWire's, which says so in its version.
bool OnPipeWire() {
    const char* version = jack_get_version_string();
    return version != nullptr && std::strstr(version, "PipeWire") != nullptr;
}

} // namespace

JackSystem& JackSystem::Instance() {
    static JackSystem* system = new JackSystem;
    return *system;
}

void JackSystem::Quiet() {
    static std::once_flag once;
    std::call_once(once, [] {
        jack_set_error_function(&JackSystem::OnError);
        jack_set_info_function(&Silent);
    });
}

void JackSystem::OnError(const char* text) {
    // JACK 2's libjack, opening a client after its server went, deletes the
    // clients still open on the old one and says so only here.
    if (text != nullptr && std::strstr(text, "clients are still allocated") != nullptr)
        clientsDeleted_ = true;
}

void JackSystem::OnShutdown(void* watch) {
    // libjack's thread; the next call under the mutex draws the consequences.
    static_cast<Watch*>(watch)->gone = true;
}

void JackSystem::ServerGone() {
    // The client and its watch are left as they are, never closed: the
    // server is gone, and libjack takes the client back (or already has)
    // when the next client opens.
    client_ = nullptr;
    Abandon(std::unique_ptr<Watch>(watch_));
    watch_ = nullptr;
    ++server_;
}

void JackSystem::Settle() {
    if (clientsDeleted_.exchange(false) || (watch_ != nullptr && watch_->gone))
        ServerGone();
}

bool JackSystem::EnsureClient() {
    Settle();
    if (client_ != nullptr)
        return true;
    Quiet();
    const std::string name(kOwnClientName);
    const std::optional<jack_client_t*> opened = ReturnedWithin<jack_client_t*>(
        kAnswerWithin, [name] { return jack_client_open(name.c_str(), JackNoStartServer, nullptr); });
    // Opening has deleted any client left of a server that went; and
    // without a server now, or one that does not answer, whatever server
    // there was is gone.
    if (clientsDeleted_.exchange(false) || !opened || *opened == nullptr)
        ++server_;
    if (!opened || *opened == nullptr)
        return false;
    client_ = *opened;
    watch_ = new Watch;
    jack_on_shutdown(client_, &JackSystem::OnShutdown, watch_);
    // PipeWire's libjack tells only active clients that the server went.
    // JACK 2 tells every client, and would wake an active one in every
    // period for nothing.
    if (OnPipeWire())
        jack_activate(client_);
    return true;
}

bool JackSystem::RoundTrip() {
    // A question only the server can answer: JACK 2 asks it over its socket
    // and fails at once when the server has gone, but waits as long as a
    // server that stopped does not answer.
    jack_client_t* client = client_;
    const std::optional<bool> answered = ReturnedWithin<bool>(kAnswerWithin, [client] {
        char* uuid = jack_get_uuid_for_client_name(client, jack_get_client_name(client));
        if (uuid == nullptr)
            return false;
        jack_free(uuid);
        return true;
    });
    return answered.value_or(false);
}

void JackSystem::GiveUp(Server server) {
    std::lock_guard lock(mutex_);
    Settle();
    if (server == server_)
        ServerGone();
}

JackSystem::Server JackSystem::Answering() {
    std::lock_guard lock(mutex_);
    if (!EnsureClient())
        return 0;
    if (RoundTrip())
        return server_;
    ServerGone();
    return EnsureClient() && RoundTrip() ? server_ : 0;
}

bool JackSystem::Alive(Server server, bool confirm) {
    std::lock_guard lock(mutex_);
    Settle();
    if (server != server_)
        return false;
    if (!confirm)
        return true;
    // A client closed on purpose is opened again to ask; finding no server
    // ends the number.
    if (!EnsureClient() || server != server_)
        return false;
    if (RoundTrip())
        return true;
    ServerGone();
    return false;
}

std::vector<std::string> JackSystem::MidiPorts(bool sources, bool physical) {
    std::lock_guard lock(mutex_);
    if (!EnsureClient())
        return {};
    const unsigned long flags = (sources ? JackPortIsOutput : JackPortIsInput) | (physical ? JackPortIsPhysical : 0);
    return TakeNames(jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE, flags));
}

std::vector<std::string> JackSystem::Connections(const std::string& port) {
    std::lock_guard lock(mutex_);
    if (!EnsureClient())
        return {};
    jack_port_t* found = jack_port_by_name(client_, port.c_str());
    if (found == nullptr)
        return {};
    return TakeNames(jack_port_get_all_connections(client_, found));
}

bool JackSystem::Connected(const std::string& port, const std::string& other) {
    if (!HasPort(other))
        return false;
    for (const std::string& connected : Connections(port))
        if (connected == other)
            return true;
    return false;
}

void JackSystem::Close() {
    std::lock_guard lock(mutex_);
    Settle();
    if (client_ == nullptr)
        return;
    // No word comes from a closed client: its watch goes with it. A server
    // that does not answer the close is taken as gone.
    jack_client_t* client = client_;
    const bool closed = ReturnedWithin<bool>(kAnswerWithin, [client] {
                            jack_client_close(client);
                            return true;
                        }).has_value();
    if (!closed) {
        ServerGone();
        return;
    }
    delete watch_;
    client_ = nullptr;
    watch_ = nullptr;
}

unsigned JackSystem::Period() {
    std::lock_guard lock(mutex_);
    if (!EnsureClient())
        return 0;
    return jack_get_buffer_size(client_);
}

bool JackSystem::ShortenPeriod(unsigned frames) {
    std::lock_guard lock(mutex_);
    if (periodBefore_ != 0 || !EnsureClient() || !OnPipeWire())
        return false;
    // This program's ports are those of clients of its own name.
    const std::string own = "^" + std::string(kOwnClientName) + "(-[0-9]+)?:";
    if (TakeNames(jack_get_ports(client_, own.c_str(), JACK_DEFAULT_MIDI_TYPE, 0)).empty())
        return false;
    const jack_nframes_t found = jack_get_buffer_size(client_);
    if (found <= frames || jack_set_buffer_size(client_, frames) != 0)
        return false;
    periodBefore_ = found;
    shortenedOn_ = server_;
    return true;
}

void JackSystem::RestorePeriod() {
    std::lock_guard lock(mutex_);
    Settle();
    const unsigned before = periodBefore_;
    periodBefore_ = 0;
    // A server that went took the request with it.
    if (before == 0 || shortenedOn_ != server_ || client_ == nullptr)
        return;
    jack_set_buffer_size(client_, before);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kRestoreWithinMs);
    while (jack_get_buffer_size(client_) != before && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    jack_set_buffer_size(client_, 0);
}

bool JackSystem::HasPort(const std::string& port) {
    std::lock_guard lock(mutex_);
    return EnsureClient() && jack_port_by_name(client_, port.c_str()) != nullptr;
}

} // namespace mm
