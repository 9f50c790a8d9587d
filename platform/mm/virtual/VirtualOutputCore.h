#pragma once
// The state of one virtual output device, shared by its far-side owner, the
// device lists and the connection of the port that has it open.
#include "platform/mm/Device.h"
#include "platform/mm/virtual/VirtualDeviceState.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <memory>
#include <mutex>
#include <string>

namespace mm {

class VirtualOutputCore final : public OutputDevice,
                                public VirtualDeviceState,
                                public std::enable_shared_from_this<VirtualOutputCore> {
public:
    VirtualOutputCore(std::string name, VirtualOutputDevice::Handler handler);

    const std::string& Name() const override { return name_; }
    DWORD Support() const override;
    MMRESULT Connect(std::unique_ptr<OutputConnection>& connection) override;
    void Disconnect();

    MMRESULT Send(std::span<const std::uint8_t> bytes, bool longMessage, bool& completed);
    void Reset();

    void SetHandler(VirtualOutputDevice::Handler handler);
    bool IsOpen() const;
    void HoldLongMessages(bool hold);
    int Resets() const;
    void DeclareSelfPaced(bool on);
    void Unplug();

private:
    const std::string name_;
    bool open_ = false;
    bool hold_ = false;
    bool selfPaced_ = false;
    int resets_ = 0;
    // Held while the handler runs, so that a new handler never meets a call
    // of the old one.
    std::mutex handlerMutex_;
    VirtualOutputDevice::Handler handler_;
};

} // namespace mm
