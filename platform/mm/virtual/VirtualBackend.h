#pragma once
// The virtual devices plugged in now, in the order they were plugged in.
#include "platform/mm/Device.h"

#include <memory>
#include <mutex>
#include <vector>

namespace mm {

class VirtualInputCore;
class VirtualOutputCore;

class VirtualBackend final : public Backend {
public:
    static VirtualBackend& Instance();

    void ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) override;
    void ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) override;

    void Plug(std::shared_ptr<VirtualInputCore> device);
    void Plug(std::shared_ptr<VirtualOutputCore> device);
    void Unplug(const VirtualInputCore* device);
    void Unplug(const VirtualOutputCore* device);

private:
    VirtualBackend() = default;
    std::mutex mutex_;
    std::vector<std::shared_ptr<VirtualInputCore>> inputs_;
    std::vector<std::shared_ptr<VirtualOutputCore>> outputs_;
};

} // namespace mm
