#pragma once
// The JACK server as the backend sees it, through one client of its own that
// registers no ports: whether a server runs, which MIDI ports it has and
// which ports they are connected to. The client is opened on demand and
// never starts a server; when the server goes away it is dropped and opened
// again by the next call that finds a server. libjack's own printing is
// silenced for the whole process before the first call into it.
#include <mutex>
#include <string>
#include <vector>

struct _jack_client;

namespace mm {

class JackSystem {
public:
    // Never destroyed, like the backend that uses it.
    static JackSystem& Instance();

    // Silences libjack's error and information output. Every part of the
    // program that opens JACK clients calls this first.
    static void Quiet();

    // True when a JACK server answers now.
    bool Running();
    // Full names ("client:port") of the MIDI ports that send (sources true)
    // or receive; empty without a server.
    std::vector<std::string> MidiPorts(bool sources);
    // Full names of the ports connected to port; empty when it does not exist.
    std::vector<std::string> Connections(const std::string& port);
    // True when both ports exist and are connected to each other.
    bool Connected(const std::string& port, const std::string& other);
    // True when a port of this full name exists.
    bool HasPort(const std::string& port);
    // Closes the client; the next call opens one again. A server that is
    // being stopped waits for its clients to go.
    void Close();

private:
    JackSystem() = default;
    bool EnsureClient();  // with mutex_ held
    static void OnShutdown(void* self);

    std::mutex mutex_;
    _jack_client* client_ = nullptr;
    bool shutDown_ = false;  // set by libjack's thread when the server went
};

} // namespace mm
