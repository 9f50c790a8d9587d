#include "platform/mm/virtual/VirtualBackend.h"

#include "platform/mm/virtual/VirtualInputCore.h"
#include "platform/mm/virtual/VirtualOutputCore.h"

#include <algorithm>

namespace mm {

VirtualBackend& VirtualBackend::Instance() {
    // Never destroyed: ports held by other process-wide objects may close
    // their devices during the process's exit, in any order.
    static VirtualBackend* backend = new VirtualBackend;
    return *backend;
}

void VirtualBackend::ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) {
    std::lock_guard lock(mutex_);
    devices.insert(devices.end(), inputs_.begin(), inputs_.end());
}

void VirtualBackend::ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) {
    std::lock_guard lock(mutex_);
    devices.insert(devices.end(), outputs_.begin(), outputs_.end());
}

void VirtualBackend::Plug(std::shared_ptr<VirtualInputCore> device) {
    std::lock_guard lock(mutex_);
    inputs_.push_back(std::move(device));
}

void VirtualBackend::Plug(std::shared_ptr<VirtualOutputCore> device) {
    std::lock_guard lock(mutex_);
    outputs_.push_back(std::move(device));
}

void VirtualBackend::Unplug(const VirtualInputCore* device) {
    std::lock_guard lock(mutex_);
    std::erase_if(inputs_, [&](const auto& p) { return p.get() == device; });
}

void VirtualBackend::Unplug(const VirtualOutputCore* device) {
    std::lock_guard lock(mutex_);
    std::erase_if(outputs_, [&](const auto& p) { return p.get() == device; });
}

} // namespace mm
