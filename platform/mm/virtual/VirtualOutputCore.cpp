#include "platform/mm/virtual/VirtualOutputCore.h"

#include <thread>

namespace mm {

namespace {

class VirtualOutputConnection final : public OutputConnection {
public:
    explicit VirtualOutputConnection(std::shared_ptr<VirtualOutputCore> core) : core_(std::move(core)) {}
    ~VirtualOutputConnection() override { core_->Disconnect(); }

    bool Present() const override { return core_->Present(); }
    MMRESULT SendShort(std::span<const std::uint8_t> bytes) override {
        bool completed = true;
        return core_->Send(bytes, false, completed);
    }
    MMRESULT SendLong(std::span<const std::uint8_t> bytes, bool& completed) override {
        return core_->Send(bytes, true, completed);
    }
    void Reset() override { core_->Reset(); }

private:
    std::shared_ptr<VirtualOutputCore> core_;
};

} // namespace

VirtualOutputCore::VirtualOutputCore(std::string name, VirtualOutputDevice::Handler handler)
    : name_(std::move(name)), handler_(std::move(handler)) {}

MMRESULT VirtualOutputCore::Connect(std::unique_ptr<OutputConnection>& connection) {
    std::lock_guard lock(mutex_);
    if (const MMRESULT refusal = OpenRefusal(); refusal != MMSYSERR_NOERROR)
        return refusal;
    if (open_)
        return MMSYSERR_ALLOCATED;
    open_ = true;
    connection = std::make_unique<VirtualOutputConnection>(shared_from_this());
    return MMSYSERR_NOERROR;
}

void VirtualOutputCore::Disconnect() {
    std::lock_guard lock(mutex_);
    open_ = false;
}

MMRESULT VirtualOutputCore::Send(std::span<const std::uint8_t> bytes, bool longMessage, bool& completed) {
    bool wire = false;
    {
        std::lock_guard lock(mutex_);
        if (!present_)
            return MMSYSERR_NODRIVER;
        wire = wireSpeed_;
        completed = !(longMessage && hold_);
    }
    if (wire)
        std::this_thread::sleep_for(kWireTimePerByte * bytes.size());
    std::lock_guard lock(handlerMutex_);
    if (handler_)
        handler_(bytes);
    return MMSYSERR_NOERROR;
}

void VirtualOutputCore::Reset() {
    std::lock_guard lock(mutex_);
    ++resets_;
}

void VirtualOutputCore::SetHandler(VirtualOutputDevice::Handler handler) {
    std::lock_guard lock(handlerMutex_);
    handler_ = std::move(handler);
}

bool VirtualOutputCore::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

void VirtualOutputCore::HoldLongMessages(bool hold) {
    std::lock_guard lock(mutex_);
    hold_ = hold;
}

int VirtualOutputCore::Resets() const {
    std::lock_guard lock(mutex_);
    return resets_;
}

DWORD VirtualOutputCore::Support() const {
    std::lock_guard lock(mutex_);
    return selfPaced_ ? MIDICAPS_SELFPACED : 0;
}

void VirtualOutputCore::DeclareSelfPaced(bool on) {
    std::lock_guard lock(mutex_);
    selfPaced_ = on;
}

void VirtualOutputCore::Unplug() {
    std::lock_guard lock(mutex_);
    present_ = false;
}

} // namespace mm
