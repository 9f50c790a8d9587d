#include "platform/mm/virtual/VirtualInputCore.h"

#include "platform/mm/virtual/VirtualDevices.h"

#include <algorithm>
#include <chrono>

namespace mm {

namespace {

class VirtualInputConnection final : public InputConnection {
public:
    explicit VirtualInputConnection(std::shared_ptr<VirtualInputCore> core) : core_(std::move(core)) {}
    ~VirtualInputConnection() override { core_->Disconnect(); }
    bool Present() const override { return core_->Present(); }

private:
    std::shared_ptr<VirtualInputCore> core_;
};

} // namespace

VirtualInputCore::VirtualInputCore(std::string name) : name_(std::move(name)), queue_(kQueueSize) {}

VirtualInputCore::~VirtualInputCore() = default;

MMRESULT VirtualInputCore::Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) {
    std::lock_guard lock(mutex_);
    if (const MMRESULT refusal = OpenRefusal(); refusal != MMSYSERR_NOERROR)
        return refusal;
    if (port_ != nullptr)
        return MMSYSERR_ALLOCATED;
    port_ = &port;
    stopping_ = false;
    first_ = count_ = 0;
    parser_.Reset();
    thread_ = std::thread(&VirtualInputCore::Run, this);
    connection = std::make_unique<VirtualInputConnection>(shared_from_this());
    return MMSYSERR_NOERROR;
}

void VirtualInputCore::Disconnect() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
    {
        std::lock_guard lock(mutex_);
        port_ = nullptr;
        first_ = count_ = 0;
    }
    changed_.notify_all();
}

bool VirtualInputCore::Send(std::span<const std::uint8_t> bytes) {
    std::unique_lock lock(mutex_);
    while (!bytes.empty()) {
        changed_.wait(lock, [&] { return !present_ || port_ == nullptr || count_ < queue_.size(); });
        if (!present_ || port_ == nullptr)
            return false;
        const std::size_t n = std::min(bytes.size(), queue_.size() - count_);
        for (std::size_t i = 0; i < n; ++i)
            queue_[(first_ + count_ + i) % queue_.size()] = bytes[i];
        count_ += n;
        bytes = bytes.subspan(n);
        changed_.notify_all();
    }
    return true;
}

void VirtualInputCore::WaitUntilDelivered() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return port_ == nullptr || (count_ == 0 && !busy_); });
}

bool VirtualInputCore::IsOpen() const {
    std::lock_guard lock(mutex_);
    return port_ != nullptr;
}

int VirtualInputCore::QueuedBuffers() const {
    std::lock_guard lock(mutex_);
    return port_ != nullptr ? port_->QueuedBuffers() : 0;
}

void VirtualInputCore::ReturnFirstBuffer() {
    std::lock_guard lock(mutex_);
    if (port_ != nullptr)
        port_->ReturnFirstBuffer();
}

void VirtualInputCore::Unplug() {
    {
        std::lock_guard lock(mutex_);
        present_ = false;
        first_ = count_ = 0;
    }
    changed_.notify_all();
}

std::size_t VirtualInputCore::Take(std::uint8_t* target, std::size_t most) {
    const std::size_t n = std::min(most, count_);
    for (std::size_t i = 0; i < n; ++i)
        target[i] = queue_[(first_ + i) % queue_.size()];
    first_ = (first_ + n) % queue_.size();
    count_ -= n;
    return n;
}

void VirtualInputCore::Run() {
    using Clock = std::chrono::steady_clock;
    std::uint8_t chunk[256];
    Clock::time_point lastArrival{};
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || count_ > 0; });
        if (stopping_)
            return;
        const bool wire = wireSpeed_;
        const std::size_t n = Take(chunk, wire ? 1 : sizeof chunk);
        MidiIn* port = port_;
        busy_ = true;
        lock.unlock();
        changed_.notify_all();
        if (wire) {
            // A byte arrives once its last bit is in, one wire time after the
            // previous byte or after it was sent, whichever is later.
            lastArrival = std::max(lastArrival, Clock::now()) + kWireTimePerByte;
            std::this_thread::sleep_until(lastArrival);
        }
        parser_.Feed({chunk, n}, *port);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace mm
