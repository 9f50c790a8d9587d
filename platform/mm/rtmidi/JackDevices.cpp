#include "platform/mm/rtmidi/JackDevices.h"

#include "platform/mm/rtmidi/JackSystem.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/RtMidiConnection.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <type_traits>

namespace mm {

namespace {

// Far longer than the longest period JACK is run with.
constexpr std::chrono::milliseconds kConnectionShowsWithin{500};

// Opens a port of this program on a new RtMidi object (a JACK client of its
// own) and connects it to the far port fullName. ownPort gets the full name
// of the port made, which the far port's connections must keep holding.
// The object belongs to the server that answered before it was made, and
// is called only while that server runs.
template <typename Api>
MMRESULT OpenJackPort(const std::string& fullName, RtMidiHandle<Api>& handle, std::string& ownPort,
                      const char* ownPortName) {
    JackSystem& jack = JackSystem::Instance();
    // RtMidi's JACK objects print when they find no server; they are only
    // made when one answers.
    const JackSystem::Server server = jack.Answering();
    if (server == 0)
        return MMSYSERR_NODRIVER;
    handle.system = [server](bool confirm) { return JackSystem::Instance().Alive(server, confirm); };
    handle.closeTimedOut = [server] { JackSystem::Instance().GiveUp(server); };
    std::unique_ptr<Api>& api = handle.api;
    std::atomic<bool>& failed = *handle.failed;
    api = MakeRtMidi<Api>(RtMidi::UNIX_JACK, failed);
    if (!api || failed.load())
        return MMSYSERR_NODRIVER;
    const std::vector<std::string> raw = RawPortNames(*api);
    const auto found = std::find(raw.begin(), raw.end(), fullName);
    if (found == raw.end())
        return MMSYSERR_NODRIVER;
    if constexpr (std::is_same_v<Api, RtMidiIn>)
        DeliverTo(*api, *handle.relay);
    const std::vector<std::string> before = jack.Connections(fullName);
    api->openPort(static_cast<unsigned>(found - raw.begin()), ownPortName);
    if (failed.load() || !api->isPortOpen())
        return MMSYSERR_ALLOCATED;
    // RtMidi does not say whether the connection was made; the far port's
    // connections do, once the server's graph has taken it in (at the start
    // of a following cycle).
    const auto deadline = std::chrono::steady_clock::now() + kConnectionShowsWithin;
    for (;;) {
        ownPort = NewOwnConnection(before, jack.Connections(fullName));
        if (!ownPort.empty())
            return MMSYSERR_NOERROR;
        if (std::chrono::steady_clock::now() >= deadline || !jack.Alive(server, false))
            return MMSYSERR_ALLOCATED;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The far side is there while the far port exists and is still connected to
// the port made for it: a port unregistered and registered again under the
// same name has lost the connection.
PresenceCheck JackPresence(std::string fullName, std::string ownPort) {
    return [fullName = std::move(fullName), ownPort = std::move(ownPort)] {
        return JackSystem::Instance().Connected(fullName, ownPort);
    };
}

class JackInputDevice final : public InputDevice {
public:
    explicit JackInputDevice(std::string fullName)
        : fullName_(std::move(fullName)), listedName_(JackListedName(fullName_)) {}
    const std::string& Name() const override { return listedName_; }

    MMRESULT Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) override {
        RtMidiHandle<RtMidiIn> in;
        in.relay = std::make_unique<InputRelay>(port);
        std::string ownPort;
        const MMRESULT result = OpenJackPort(fullName_, in, ownPort, "in");
        if (result != MMSYSERR_NOERROR)
            return result;
        connection =
            std::make_unique<RtMidiInputConnection>(std::move(in), JackPresence(fullName_, std::move(ownPort)));
        return MMSYSERR_NOERROR;
    }

private:
    std::string fullName_;
    std::string listedName_;
};

class JackOutputDevice final : public OutputDevice {
public:
    JackOutputDevice(std::string fullName, bool physical)
        : fullName_(std::move(fullName)), listedName_(JackListedName(fullName_)), physical_(physical) {}
    const std::string& Name() const override { return listedName_; }
    DWORD Support() const override { return physical_ ? 0 : MIDICAPS_SELFPACED; }

    MMRESULT Connect(std::unique_ptr<OutputConnection>& connection) override {
        RtMidiHandle<RtMidiOut> out;
        std::string ownPort;
        const MMRESULT result = OpenJackPort(fullName_, out, ownPort, "out");
        if (result != MMSYSERR_NOERROR)
            return result;
        connection =
            std::make_unique<RtMidiOutputConnection>(std::move(out), JackPresence(fullName_, std::move(ownPort)));
        return MMSYSERR_NOERROR;
    }

private:
    std::string fullName_;
    std::string listedName_;
    bool physical_;
};

} // namespace

void AddJackInputs(const std::vector<std::string>& fullNames, std::vector<std::shared_ptr<InputDevice>>& devices) {
    for (const std::string& name : fullNames)
        if (!IsOwnPort(name))
            devices.push_back(std::make_shared<JackInputDevice>(name));
}

void AddJackOutputs(const std::vector<std::string>& fullNames, const std::vector<std::string>& physicalNames,
                    std::vector<std::shared_ptr<OutputDevice>>& devices) {
    for (const std::string& name : fullNames) {
        if (IsOwnPort(name))
            continue;
        const bool physical = std::find(physicalNames.begin(), physicalNames.end(), name) != physicalNames.end();
        devices.push_back(std::make_shared<JackOutputDevice>(name, physical));
    }
}

} // namespace mm
