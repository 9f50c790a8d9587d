#include "engine/MidiRequester.h"

#include "engine/MidiIn.h"
#include "engine/MidiOut.h"
#include "engine/MidiSetup.h"
#include "engine/WaitObserver.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/LongMessage.h"
#include "ml/TessanMessage.h"

#include <algorithm>

namespace {

constexpr std::size_t kSubId1Offset = 3;
// The state WaitFor leaves when the wait's observer stopped it: the request
// ends at once, without another attempt and without a message.
constexpr std::int32_t kStoppedByUser = -1;

bool Expired(ML::ITickClock& clock, std::uint32_t deadline) {
    return static_cast<std::int32_t>(deadline - clock.GetTickCount()) <= 0;
}

} // namespace

COruMidiRequester::COruMidiRequester(ML::ITickClock& clock) : clock_(&clock) {}

bool COruMidiRequester::ReceiveShort(const ML::CShortMessage&) { return true; }

bool COruMidiRequester::ReceiveUniversal(const ML::CLongMessage& message) { return MatchUniversal(message); }

bool COruMidiRequester::ReceiveDataSet(const ML::CTessanMessage& message) { return MatchDataSet(message); }

bool COruMidiRequester::MatchUniversal(const ML::CLongMessage& message) {
    if (state_ != kWaitingForUniversal || message.size() <= kSubId1Offset || message[kSubId1Offset] != expectedSubId_)
        return false;
    state_ = kUniversalReceived;
    return true;
}

bool COruMidiRequester::MatchDataSet(const ML::CTessanMessage& message) {
    if (state_ != kWaitingForData)
        return false;
    const auto address = message.GetSection(ML::CTessanMessage::Address);
    if (!std::equal(address.begin(), address.end(), requestedAddress_.begin(), requestedAddress_.end()) ||
        message.GetDataSize() != static_cast<std::size_t>(requestedSize_))
        return false;
    state_ = kDataReceived;
    return true;
}

bool COruMidiRequester::RequestData(DeviceAddress address, int size) {
    if (setup_ == nullptr || input_ == nullptr || output_ == nullptr)
        return false;
    for (int attempt = 0; attempt < attempts_; ++attempt) {
        state_ = kWaitingForData;
        requestedAddress_ = AddressToBytes(address, output_->addressSize);
        requestedSize_ = size;
        // A request that did not go out has no answer to wait for.
        if (!output_->SendDataRequest(address, static_cast<std::uint32_t>(size)))
            break;
        if (WaitFor(kDataReceived))
            return true;
        if (state_ == kStoppedByUser) {
            state_ = kIdle;
            return false;
        }
    }
    return FailAfterLastAttempt();
}

bool COruMidiRequester::RequestUniversal(const std::vector<std::uint8_t>& message) {
    if (setup_ == nullptr || input_ == nullptr || output_ == nullptr)
        return false;
    for (int attempt = 0; attempt < attempts_; ++attempt) {
        state_ = kWaitingForUniversal;
        requestedAddress_.clear();
        requestedSize_ = 0;
        expectedSubId_ = message.size() > kSubId1Offset ? message[kSubId1Offset] : 0;
        if (!output_->SendMessage(ML::CMessage(message)))
            break;
        if (WaitFor(kUniversalReceived))
            return true;
        if (state_ == kStoppedByUser) {
            state_ = kIdle;
            return false;
        }
    }
    return FailAfterLastAttempt();
}

bool COruMidiRequester::WaitFor(int received) {
    const COruMidiSetup& setup = *setup_;
    const std::uint32_t deadline = clock_->GetTickCount() + static_cast<std::uint32_t>(std::max(timeout_, 0));
    const bool pumpable = setup.DeviceOf(*input_) != nullptr;
    // Whoever watches says what is awaited and may stop the wait; the
    // sleeps below then last one slice at most.
    IOruWaitObserver* observer = setup.WaitObserver();
    if (observer != nullptr)
        observer->WaitBegins({output_->deviceId, setup.DeviceName(*input_), setup.DeviceName(*output_),
                              received == kUniversalReceived});
    const auto end = [observer](bool result) {
        if (observer != nullptr)
            observer->WaitEnds();
        return result;
    };
    while (true) {
        setup.PumpInput(*input_);
        if (state_ == received) {
            state_ = kIdle;
            return end(true);
        }
        if (Expired(*clock_, deadline))
            return end(false);
        if (observer != nullptr && !observer->WaitGoesOn()) {
            state_ = kStoppedByUser;
            return end(false);
        }
        if (pumpable) {
            // Sleeps until MIDI traffic is queued for this thread or the
            // deadline has come (or, watched, one slice has passed); the
            // pump above then handles it.
            setup.WaitForInput(*clock_, deadline);
        } else {
            // Nothing can arrive without a device: the wait simply runs out.
            std::uint32_t left = deadline - clock_->GetTickCount();
            if (observer != nullptr)
                left = std::min<std::uint32_t>(left, kWaitSliceMs);
            clock_->Sleep(left);
        }
    }
}

bool COruMidiRequester::FailAfterLastAttempt() {
    ShowMessage(kMsgUnableToReadWrite);
    state_ = kIdle;
    return false;
}
