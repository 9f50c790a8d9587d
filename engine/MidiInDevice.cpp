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
    : CMidiInDeviceA(std::move(deviceName)), ML::CIn(clock)
{
}

CMidiInDevice::~CMidiInDevice()
{
    // The port first: after Close no handler runs, so nothing posts to the
    // window any more when it goes.
    ML::CIn::Close();
    window_.reset();
}

bool CMidiInDevice::Open()
{
    if (!window_) {
        window_ = std::make_unique<msgwin::MessageWindow>(
            [this](msgwin::UINT message, msgwin::WPARAM wparam, msgwin::LPARAM lparam) {
                return OnWindowMessage(message, wparam, lparam);
            });
    }
    if (ML::CIn::IsOpen()) return true;
    ML::CIn::Close();
    // Long data still queued points into the closed port's packets, which a
    // reopened port no longer keeps: it is dropped with the connection.
    window_->DiscardPending();
    if (!ML::CIn::Open(name) || !ML::CIn::Start()) {
        ML::CIn::Close();
        return false;
    }
    return true;
}

bool CMidiInDevice::IsOpen() { return ML::CIn::IsOpen(); }

void CMidiInDevice::OnShortMessage(std::uint32_t packed)
{
    if (window_) window_->PostMessage(kPostedShort, packed, 0);
}

void CMidiInDevice::OnLongData(const std::uint8_t* data, std::uint32_t length)
{
    if (window_)
        window_->PostMessage(kPostedLong, reinterpret_cast<msgwin::WPARAM>(data), static_cast<msgwin::LPARAM>(length));
}

msgwin::LRESULT CMidiInDevice::OnWindowMessage(msgwin::UINT message, msgwin::WPARAM wparam, msgwin::LPARAM lparam)
{
    if (message == kPostedShort) {
        const ML::CShortMessage shortMessage = ML::UnpackShortMessage(static_cast<std::uint32_t>(wparam));
        if (!IsDelivered(shortMessage.GetStatus())) return 0;
        // A copy of the list: a receiver may bind or unbind while it runs.
        const std::vector<COruMidiIn*> inputs = boundInputs;
        for (COruMidiIn* input : inputs) input->OnReceive(shortMessage);
    } else if (message == kPostedLong) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(wparam);
        const std::vector<std::uint8_t> bytes(data, data + static_cast<std::size_t>(lparam));
        const std::vector<COruMidiIn*> inputs = boundInputs;
        for (COruMidiIn* input : inputs) input->OnReceive(bytes);
    }
    return 0;
}
