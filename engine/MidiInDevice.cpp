#include "engine/MidiInDevice.h"

#include "engine/MidiIn.h"
#include "ml/ShortMessage.h"

#include <utility>
#include <vector>

namespace {

constexpr msgwin::UINT kPostedShort = msgwin::WM_USER;
constexpr msgwin::UINT kPostedLong = msgwin::WM_USER + 1;

// Status bytes a logical input is given: channel messages and the
// system-exclusive bytes; system common and real-time messages are not.
bool IsDelivered(std::uint8_t status) { return status < 0xF0 || status == 0xF0 || status == 0xF7; }

} // namespace

CMidiInDevice::CMidiInDevice(std::string deviceName, ML::ITickClock& clock)
    : CMidiInDeviceA(std::move(deviceName)), ML::CIn(clock) {}

CMidiInDevice::~CMidiInDevice() {
    // The port first: after Close no handler runs, so nothing posts to the
    // window any more when it goes.
    ML::CIn::Close();
    window_.reset();
}

bool CMidiInDevice::Open() {
    if (!window_) {
        window_ = std::make_unique<msgwin::MessageWindow>(
            [this](msgwin::UINT message, msgwin::WPARAM wparam, msgwin::LPARAM lparam) {
                return OnWindowMessage(message, wparam, lparam);
            });
    }
    if (ML::CIn::IsOpen())
        return true;
    ML::CIn::Close();
    // What the closed connection left queued is dropped with it.
    window_->DiscardPending();
    slots_.Clear();
    if (!ML::CIn::Open(name) || !ML::CIn::Start()) {
        ML::CIn::Close();
        return false;
    }
    return true;
}

bool CMidiInDevice::IsOpen() { return ML::CIn::IsOpen(); }

void CMidiInDevice::CloseDevice() { ML::CIn::Close(); }

void CMidiInDevice::OnShortMessage(std::uint32_t packed) {
    if (window_)
        window_->PostMessage(kPostedShort, packed, 0);
}

void CMidiInDevice::OnLongData(const std::uint8_t* data, std::uint32_t length) {
    std::uint32_t ticket = 0;
    if (window_ && slots_.Put({data, length}, ticket))
        window_->PostMessage(kPostedLong, ticket, 0);
}

msgwin::LRESULT CMidiInDevice::OnWindowMessage(msgwin::UINT message, msgwin::WPARAM wparam, msgwin::LPARAM) {
    if (message == kPostedShort) {
        const ML::CShortMessage shortMessage = ML::UnpackShortMessage(static_cast<std::uint32_t>(wparam));
        if (!IsDelivered(shortMessage.GetStatus()))
            return 0;
        // A copy of the list: a receiver may bind or unbind while it runs.
        const std::vector<COruMidiIn*> inputs = boundInputs;
        for (COruMidiIn* input : inputs)
            input->OnReceive(shortMessage);
    } else if (message == kPostedLong) {
        std::vector<std::uint8_t> bytes;
        if (!slots_.Take(static_cast<std::uint32_t>(wparam), bytes))
            return 0;
        const std::vector<COruMidiIn*> inputs = boundInputs;
        for (COruMidiIn* input : inputs)
            input->OnReceive(bytes);
    }
    return 0;
}
