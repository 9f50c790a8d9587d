#include "platform/mm/rtmidi/AlsaDevices.h"

#include "platform/mm/rtmidi/AlsaSequencer.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/RtMidiConnection.h"

#include <algorithm>
#include <optional>
#include <type_traits>

namespace mm {

namespace {

// A port as listed: its clean name and which of the ports of that name it
// is, so that it is found again even if the port numbers have moved.
struct AlsaPortRef {
    std::string listedName;
    std::string cleanName;
    int occurrence;
};

// Opens the port on a new RtMidi object; rawName gets the port's name with
// its numbers, which stand for the port while it is open, and ownRaw the
// name of the port RtMidi subscribed to it (empty when it was not seen).
// An input reads from the port, an output writes to it.
template <typename Api>
MMRESULT OpenAlsaPort(const AlsaPortRef& ref, RtMidiHandle<Api>& handle, std::string& rawName, std::string& ownRaw,
                      const char* ownPortName) {
    constexpr bool reads = std::is_same_v<Api, RtMidiIn>;
    std::unique_ptr<Api>& api = handle.api;
    std::atomic<bool>& failed = *handle.failed;
    api = MakeRtMidi<Api>(RtMidi::LINUX_ALSA, failed);
    if (!api)
        return MMSYSERR_NODRIVER;
    const std::vector<std::string> raw = RawPortNames(*api);
    const int index = FindAlsaPort(raw, ref.cleanName, ref.occurrence);
    if (index < 0)
        return MMSYSERR_NODRIVER;
    rawName = raw[static_cast<std::size_t>(index)];
    if constexpr (reads)
        DeliverTo(*api, *handle.relay);
    AlsaSequencer& sequencer = AlsaSequencer::Instance();
    const auto before = sequencer.Subscribers(AlsaAddress(rawName), reads);
    api->openPort(static_cast<unsigned>(index), ownPortName);
    if (failed.load() || !api->isPortOpen())
        return MMSYSERR_ALLOCATED;
    const auto after = sequencer.Subscribers(AlsaAddress(rawName), reads);
    ownRaw = before && after ? NewOwnConnection(*before, *after) : std::string();
    return MMSYSERR_NOERROR;
}

// The far side is there while the sequencer still lists the port under the
// numbers it had when it was opened and the subscription made for it stands.
template <typename Api>
PresenceCheck AlsaPresence(Api& api, std::string rawName, std::string ownRaw) {
    constexpr bool reads = std::is_same_v<Api, RtMidiIn>;
    return [&api, rawName = std::move(rawName), ownRaw = std::move(ownRaw)] {
        std::optional<std::vector<std::string>> subscribers;
        if (!ownRaw.empty())
            subscribers = AlsaSequencer::Instance().Subscribers(AlsaAddress(rawName), reads);
        return AlsaConnectionStands(RawPortNames(api), rawName, ownRaw, subscribers);
    };
}

class AlsaInputDevice final : public InputDevice {
public:
    explicit AlsaInputDevice(AlsaPortRef ref) : ref_(std::move(ref)) {}
    const std::string& Name() const override { return ref_.listedName; }

    MMRESULT Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) override {
        RtMidiHandle<RtMidiIn> in;
        in.relay = std::make_unique<InputRelay>(port);
        std::string rawName;
        std::string ownRaw;
        const MMRESULT result = OpenAlsaPort(ref_, in, rawName, ownRaw, "in");
        if (result != MMSYSERR_NOERROR)
            return result;
        PresenceCheck present = AlsaPresence(*in.api, std::move(rawName), std::move(ownRaw));
        connection = std::make_unique<RtMidiInputConnection>(std::move(in), std::move(present));
        return MMSYSERR_NOERROR;
    }

private:
    AlsaPortRef ref_;
};

class AlsaOutputDevice final : public OutputDevice {
public:
    explicit AlsaOutputDevice(AlsaPortRef ref) : ref_(std::move(ref)) {}
    const std::string& Name() const override { return ref_.listedName; }

    MMRESULT Connect(std::unique_ptr<OutputConnection>& connection) override {
        RtMidiHandle<RtMidiOut> out;
        std::string rawName;
        std::string ownRaw;
        const MMRESULT result = OpenAlsaPort(ref_, out, rawName, ownRaw, "out");
        if (result != MMSYSERR_NOERROR)
            return result;
        PresenceCheck present = AlsaPresence(*out.api, std::move(rawName), std::move(ownRaw));
        connection = std::make_unique<RtMidiOutputConnection>(std::move(out), std::move(present));
        return MMSYSERR_NOERROR;
    }

private:
    AlsaPortRef ref_;
};

template <typename Device, typename Base>
void AddDevices(const std::vector<std::string>& rawNames, std::vector<std::shared_ptr<Base>>& devices) {
    std::vector<std::string> seen;
    for (const std::string& raw : rawNames) {
        std::string name = CleanPortName(raw);
        if (IsOwnPort(name))
            continue;
        const int occurrence = static_cast<int>(std::count(seen.begin(), seen.end(), name));
        seen.push_back(name);
        devices.push_back(
            std::make_shared<Device>(AlsaPortRef{AlsaListedName(name, occurrence), std::move(name), occurrence}));
    }
}

} // namespace

int FindAlsaPort(const std::vector<std::string>& rawNames, const std::string& name, int occurrence) {
    int seen = 0;
    for (std::size_t i = 0; i < rawNames.size(); ++i) {
        const std::string clean = CleanPortName(rawNames[i]);
        if (IsOwnPort(clean) || clean != name)
            continue;
        if (seen++ == occurrence)
            return static_cast<int>(i);
    }
    return -1;
}

void AddAlsaInputs(const std::vector<std::string>& rawNames, std::vector<std::shared_ptr<InputDevice>>& devices) {
    AddDevices<AlsaInputDevice>(rawNames, devices);
}

void AddAlsaOutputs(const std::vector<std::string>& rawNames, std::vector<std::shared_ptr<OutputDevice>>& devices) {
    AddDevices<AlsaOutputDevice>(rawNames, devices);
}

} // namespace mm
