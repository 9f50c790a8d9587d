#pragma once
// The JACK server as the backend sees it, through one client of its own that
// registers no ports: whether a server runs, which MIDI ports it has and
// which ports they are connected to. The client is opened on demand and
// never starts a server. libjack's own printing is silenced for the whole
// process before the first call into it.
//
// Every JACK object of this process (this client, and the RtMidi objects
// that carry the ports) belongs to the server that answered when it was
// made. Servers are numbered one after another as this process meets them;
// a number ends when its server is seen gone: the shutdown callback, a
// round trip that fails, or an open that finds no server. Once a number
// has ended, no object of it may be called again, not even to be closed:
// libjack (JACK 2) deletes the clients of a server that went away behind
// their owners' backs as soon as the next client is opened, and a client
// whose server is gone crashes when its ports are unregistered.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct _jack_client;

namespace mm {

class JackSystem {
public:
    using Server = std::uint64_t; // 0: none

    // Never destroyed, like the backend that uses it.
    static JackSystem& Instance();

    // Silences libjack's error and information output. Every part of the
    // program that opens JACK clients calls this first.
    static void Quiet();

    // The number of the server that answers now, asked with a round trip;
    // 0 when none does. Called right before JACK objects are made, which
    // then belong to it.
    Server Answering();
    // True while server has not been seen gone. confirm asks the server now
    // (a round trip) instead of trusting what was last heard: for the last
    // call an object makes into libjack, its close.
    bool Alive(Server server, bool confirm);

    // True when a JACK server answers now.
    bool Running() { return Answering() != 0; }
    // Takes server as gone (when it has not ended already): one of its
    // objects found it not answering.
    void GiveUp(Server server);
    // Full names ("client:port") of the MIDI ports that send (sources true)
    // or receive; empty without a server. physical: only the ports that
    // stand for hardware (a cable behind them).
    std::vector<std::string> MidiPorts(bool sources, bool physical = false);
    // Full names of the ports connected to port; empty when it does not exist.
    std::vector<std::string> Connections(const std::string& port);
    // True when both ports exist and are connected to each other.
    bool Connected(const std::string& port, const std::string& other);
    // True when a port of this full name exists.
    bool HasPort(const std::string& port);
    // Closes the client while its server runs; the next call opens one
    // again. A server that is being stopped waits for its clients to go.
    void Close();

    // A call that needs the server to answer (opening or closing this
    // client, a round trip) waits at most this long; a server that stopped
    // answering (a stopped or hung process) would otherwise hold its
    // caller, the window's thread among them, for ever. Past it the server
    // is taken as gone, its objects left alone.
    static constexpr std::chrono::milliseconds kAnswerWithin{5000};

    // The server's period in frames now; 0 without a server.
    unsigned Period();
    // Asks for periods of at most frames while this program has JACK ports,
    // on PipeWire only: its libjack makes the request a property of this
    // program's own client (the quantum that node wants), which ends with
    // RestorePeriod or the client. JACK 2 would change its one period for
    // every program: there, and where the period is short enough already,
    // nothing is done. True when the period was asked for.
    bool ShortenPeriod(unsigned frames);
    // Gives the period back as ShortenPeriod found it. The JACK clients on
    // PipeWire, this program's own among them, hold the period they run at
    // once nobody asks for another, so the period found is asked for until
    // it runs (at most kRestoreWithin), then nothing is asked for any more.
    void RestorePeriod();
    static constexpr int kRestoreWithinMs = 250;

private:
    JackSystem() = default;
    // What libjack's thread tells one client: its server went. One per
    // client, left with it when the client is given up, so that a late
    // word from an old client never reaches a newer one.
    struct Watch {
        std::atomic<bool> gone{false};
    };

    // With mutex_ held:
    bool EnsureClient();
    void Settle(); // draws the consequences of what libjack said meanwhile
    void ServerGone();
    bool RoundTrip(); // with a client
    static void OnShutdown(void* watch);
    static void OnError(const char* text);

    std::mutex mutex_;
    _jack_client* client_ = nullptr;
    Watch* watch_ = nullptr; // the client's
    Server server_ = 1;
    // While ShortenPeriod holds: the period it found and its server.
    unsigned periodBefore_ = 0;
    Server shortenedOn_ = 0;
    // Set when libjack says it has deleted the clients of a server that
    // went: this one's client among them.
    static std::atomic<bool> clientsDeleted_;
};

} // namespace mm
