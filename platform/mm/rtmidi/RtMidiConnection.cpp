#include "platform/mm/rtmidi/RtMidiConnection.h"

#include "platform/mm/MidiIn.h"
#include "platform/mm/rtmidi/Abandoned.h"
#include "platform/mm/rtmidi/JackSystem.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/ReturnedWithin.h"

namespace mm {

namespace {

void RecordError(RtMidiError::Type, const std::string&, void* failed) {
    static_cast<std::atomic<bool>*>(failed)->store(true);
}

} // namespace

template <typename Api>
std::unique_ptr<Api> MakeRtMidi(RtMidi::Api api, std::atomic<bool>& failed) {
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

void InputRelay::Detach() {
    std::lock_guard lock(mutex_);
    port_ = nullptr;
}

void InputRelay::OnMessage(double, std::vector<unsigned char>* message, void* relay) {
    if (message == nullptr || message->empty())
        return;
    auto& self = *static_cast<InputRelay*>(relay);
    std::lock_guard lock(self.mutex_);
    if (self.port_ == nullptr)
        return;
    MidiIn& in = *self.port_;
    const std::vector<unsigned char>& bytes = *message;
    if (bytes[0] == 0xF0) {
        in.ReceiveSysEx({bytes.data(), bytes.size()});
        in.EndSysEx(bytes.back() == 0xF7);
        return;
    }
    DWORD packed = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 3; ++i)
        packed |= DWORD{bytes[i]} << (8 * i);
    in.ReceiveShort(packed);
}

void DeliverTo(RtMidiIn& in, InputRelay& relay) {
    in.ignoreTypes(false, false, false);
    in.setCallback(&InputRelay::OnMessage, &relay);
}

template <typename Api>
RtMidiHandle<Api>::~RtMidiHandle() {
    if (relay)
        relay->Detach();
    if (!api)
        return;
    if (system(true)) {
        if (!closeTimedOut) {
            api->closePort();
            return;
        }
        // The object goes before the flag and the relay it reports to.
        const bool closed =
            ReturnedWithin<bool>(JackSystem::kAnswerWithin, [api = std::move(api), failed = std::move(failed),
                                                             relay = std::move(relay)]() mutable {
                api->closePort();
                api.reset();
                return true;
            }).has_value();
        if (!closed)
            closeTimedOut();
        return;
    }
    Abandon(std::move(api));
    Abandon(std::move(failed));
    Abandon(std::move(relay));
}

template struct RtMidiHandle<RtMidiIn>;
template struct RtMidiHandle<RtMidiOut>;

MMRESULT RtMidiOutputConnection::Send(std::span<const std::uint8_t> bytes) {
    if (!out_.system(false))
        return MMSYSERR_NODRIVER;
    out_.failed->store(false);
    out_.api->sendMessage(bytes.data(), bytes.size());
    return out_.failed->load() ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

} // namespace mm
