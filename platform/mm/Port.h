#pragma once
// What an open input and an open output have alike: the device, its
// connection while open, the port's lock, and preparing headers under it.
#include "platform/mm/MidiHeader.h"

#include <memory>
#include <mutex>
#include <string>

namespace mm {

template <class Device, class Connection>
class Port {
public:
    const std::string& Name() const { return device_->Name(); }
    bool Present() const { return connection_ && connection_->Present(); }

    MMRESULT Prepare(MIDIHDR* header) {
        std::lock_guard lock(mutex_);
        return PrepareHeader(header);
    }
    MMRESULT Unprepare(MIDIHDR* header) {
        std::lock_guard lock(mutex_);
        return UnprepareHeader(header);
    }

protected:
    explicit Port(std::shared_ptr<Device> device) : device_(std::move(device)) {}
    ~Port() = default;

    std::shared_ptr<Device> device_;
    std::unique_ptr<Connection> connection_;
    mutable std::mutex mutex_;
};

} // namespace mm
