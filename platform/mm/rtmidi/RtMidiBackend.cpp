#include "platform/mm/rtmidi/RtMidiBackend.h"

#include "platform/mm/MidiIn.h"
#include "platform/mm/rtmidi/PortName.h"

#include <RtMidi.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>

namespace mm {

namespace {

const std::string kClientName(kOwnClientName);

// RtMidi reports through this instead of printing and throwing.
void RecordError(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        static_cast<std::atomic<bool>*>(failed)->store(true);
}

template <typename Api>
std::vector<std::string> RawPortNames(Api& api)
{
    std::vector<std::string> names;
    const unsigned count = api.getPortCount();
    for (unsigned i = 0; i < count; ++i) names.push_back(api.getPortName(i));
    return names;
}

// Makes an RtMidi object on the ALSA sequencer, or none. RtMidi reports
// failures while constructing by exception; they stay in here.
template <typename Api>
std::unique_ptr<Api> MakeApi(std::atomic<bool>& failed)
{
    try {
        auto api = std::make_unique<Api>(RtMidi::LINUX_ALSA, kClientName);
        api->setErrorCallback(&RecordError, &failed);
        return api;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

template <typename Api>
bool PortPresent(Api& api, const std::string& name)
{
    for (const std::string& raw : RawPortNames(api))
        if (CleanPortName(raw) == name) return true;
    return false;
}

class RtMidiInputConnection final : public InputConnection {
public:
    RtMidiInputConnection(std::unique_ptr<RtMidiIn> in, std::unique_ptr<std::atomic<bool>> failed, std::string name)
        : in_(std::move(in)), failed_(std::move(failed)), name_(std::move(name))
    {
    }
    // Closing the port ends RtMidi's input thread, so no callback follows.
    ~RtMidiInputConnection() override { in_->closePort(); }
    bool Present() const override { return PortPresent(*in_, name_); }

private:
    std::unique_ptr<RtMidiIn> in_;
    std::unique_ptr<std::atomic<bool>> failed_;
    std::string name_;
};

class RtMidiOutputConnection final : public OutputConnection {
public:
    RtMidiOutputConnection(std::unique_ptr<RtMidiOut> out, std::unique_ptr<std::atomic<bool>> failed, std::string name)
        : out_(std::move(out)), failed_(std::move(failed)), name_(std::move(name))
    {
    }
    ~RtMidiOutputConnection() override { out_->closePort(); }
    bool Present() const override { return PortPresent(*out_, name_); }
    MMRESULT SendShort(std::span<const std::uint8_t> bytes) override { return Send(bytes); }
    MMRESULT SendLong(std::span<const std::uint8_t> bytes, bool& completed) override
    {
        completed = true;  // RtMidi hands the bytes to the sequencer before it returns
        return Send(bytes);
    }
    void Reset() override {}

private:
    MMRESULT Send(std::span<const std::uint8_t> bytes)
    {
        failed_->store(false);
        out_->sendMessage(bytes.data(), bytes.size());
        return failed_->load() ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
    }

    std::unique_ptr<RtMidiOut> out_;
    std::unique_ptr<std::atomic<bool>> failed_;
    std::string name_;
};

void OnMessage(double, std::vector<unsigned char>* message, void* port)
{
    if (message == nullptr || message->empty()) return;
    auto& in = *static_cast<MidiIn*>(port);
    const std::vector<unsigned char>& bytes = *message;
    if (bytes[0] == 0xF0) {
        in.ReceiveSysEx({bytes.data(), bytes.size()});
        in.EndSysEx(bytes.back() == 0xF7);
        return;
    }
    DWORD packed = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 3; ++i) packed |= DWORD{bytes[i]} << (8 * i);
    in.ReceiveShort(packed);
}

// A port as listed: its clean name and which of the ports of that name it
// is, so that it is found again even if the port numbers have moved.
struct PortRef {
    RtMidiBackend* backend;
    std::string name;
    int occurrence;
};

class RtMidiInputDevice final : public InputDevice {
public:
    explicit RtMidiInputDevice(PortRef ref) : ref_(std::move(ref)) {}
    const std::string& Name() const override { return ref_.name; }

    MMRESULT Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) override
    {
        if (!ref_.backend->SystemPresent()) return MMSYSERR_NODRIVER;
        auto failed = std::make_unique<std::atomic<bool>>(false);
        auto in = MakeApi<RtMidiIn>(*failed);
        if (!in) return MMSYSERR_NODRIVER;
        const int index = RtMidiBackend::FindPort(RawPortNames(*in), ref_.name, ref_.occurrence);
        if (index < 0) return MMSYSERR_NODRIVER;
        in->ignoreTypes(false, false, false);
        in->setCallback(&OnMessage, &port);
        in->openPort(static_cast<unsigned>(index), "in");
        if (failed->load() || !in->isPortOpen()) return MMSYSERR_ALLOCATED;
        connection = std::make_unique<RtMidiInputConnection>(std::move(in), std::move(failed), ref_.name);
        return MMSYSERR_NOERROR;
    }

private:
    PortRef ref_;
};

class RtMidiOutputDevice final : public OutputDevice {
public:
    explicit RtMidiOutputDevice(PortRef ref) : ref_(std::move(ref)) {}
    const std::string& Name() const override { return ref_.name; }

    MMRESULT Connect(std::unique_ptr<OutputConnection>& connection) override
    {
        if (!ref_.backend->SystemPresent()) return MMSYSERR_NODRIVER;
        auto failed = std::make_unique<std::atomic<bool>>(false);
        auto out = MakeApi<RtMidiOut>(*failed);
        if (!out) return MMSYSERR_NODRIVER;
        const int index = RtMidiBackend::FindPort(RawPortNames(*out), ref_.name, ref_.occurrence);
        if (index < 0) return MMSYSERR_NODRIVER;
        out->openPort(static_cast<unsigned>(index), "out");
        if (failed->load() || !out->isPortOpen()) return MMSYSERR_ALLOCATED;
        connection = std::make_unique<RtMidiOutputConnection>(std::move(out), std::move(failed), ref_.name);
        return MMSYSERR_NOERROR;
    }

private:
    PortRef ref_;
};

// The listed ports as devices, own ports left out.
template <typename Device, typename Base>
void AddDevices(RtMidiBackend* backend, const std::vector<std::string>& rawNames,
                std::vector<std::shared_ptr<Base>>& devices)
{
    std::vector<std::string> seen;
    for (const std::string& raw : rawNames) {
        std::string name = CleanPortName(raw);
        if (IsOwnPort(name)) continue;
        const int occurrence = static_cast<int>(std::count(seen.begin(), seen.end(), name));
        seen.push_back(name);
        devices.push_back(std::make_shared<Device>(PortRef{backend, std::move(name), occurrence}));
    }
}

} // namespace

RtMidiBackend& RtMidiBackend::Instance()
{
    // Never destroyed: ports held by other process-wide objects may close
    // their devices during the process's exit, in any order.
    static RtMidiBackend* backend = new RtMidiBackend;
    return *backend;
}

RtMidiBackend::RtMidiBackend(std::string sequencerPath) : sequencerPath_(std::move(sequencerPath)) {}

RtMidiBackend::~RtMidiBackend() = default;

bool RtMidiBackend::SystemPresent() const
{
    return access(sequencerPath_.c_str(), R_OK | W_OK) == 0;
}

int RtMidiBackend::FindPort(const std::vector<std::string>& rawNames, const std::string& name, int occurrence)
{
    int seen = 0;
    for (std::size_t i = 0; i < rawNames.size(); ++i) {
        const std::string clean = CleanPortName(rawNames[i]);
        if (IsOwnPort(clean) || clean != name) continue;
        if (seen++ == occurrence) return static_cast<int>(i);
    }
    return -1;
}

void RtMidiBackend::ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices)
{
    if (!SystemPresent()) return;
    std::lock_guard lock(mutex_);
    if (!inputLister_) inputLister_ = MakeApi<RtMidiIn>(listerFailed_);
    if (inputLister_) AddDevices<RtMidiInputDevice>(this, RawPortNames(*inputLister_), devices);
}

void RtMidiBackend::ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices)
{
    if (!SystemPresent()) return;
    std::lock_guard lock(mutex_);
    if (!outputLister_) outputLister_ = MakeApi<RtMidiOut>(listerFailed_);
    if (outputLister_) AddDevices<RtMidiOutputDevice>(this, RawPortNames(*outputLister_), devices);
}

} // namespace mm
