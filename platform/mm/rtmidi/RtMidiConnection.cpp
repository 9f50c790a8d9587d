#include "platform/mm/rtmidi/RtMidiConnection.h"

#include "platform/mm/MidiIn.h"
#include "platform/mm/rtmidi/PortName.h"

namespace mm {

namespace {

void RecordError(RtMidiError::Type, const std::string&, void* failed)
{
    static_cast<std::atomic<bool>*>(failed)->store(true);
}

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

} // namespace

template <typename Api>
std::unique_ptr<Api> MakeRtMidi(RtMidi::Api api, std::atomic<bool>& failed)
{
    try {
        auto made = std::make_unique<Api>(api, std::string(kOwnClientName));
        made->setErrorCallback(&RecordError, &failed);
        return made;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

template std::unique_ptr<RtMidiIn> MakeRtMidi<RtMidiIn>(RtMidi::Api, std::atomic<bool>&);
template std::unique_ptr<RtMidiOut> MakeRtMidi<RtMidiOut>(RtMidi::Api, std::atomic<bool>&);

void DeliverTo(RtMidiIn& in, MidiIn& port)
{
    in.ignoreTypes(false, false, false);
    in.setCallback(&OnMessage, &port);
}

RtMidiInputConnection::RtMidiInputConnection(std::unique_ptr<RtMidiIn> in, std::unique_ptr<std::atomic<bool>> failed,
                                             PresenceCheck present)
    : in_(std::move(in)), failed_(std::move(failed)), present_(std::move(present))
{
}

RtMidiInputConnection::~RtMidiInputConnection() { in_->closePort(); }

RtMidiOutputConnection::RtMidiOutputConnection(std::unique_ptr<RtMidiOut> out,
                                               std::unique_ptr<std::atomic<bool>> failed, PresenceCheck present)
    : out_(std::move(out)), failed_(std::move(failed)), present_(std::move(present))
{
}

RtMidiOutputConnection::~RtMidiOutputConnection() { out_->closePort(); }

MMRESULT RtMidiOutputConnection::Send(std::span<const std::uint8_t> bytes)
{
    failed_->store(false);
    out_->sendMessage(bytes.data(), bytes.size());
    return failed_->load() ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

} // namespace mm
