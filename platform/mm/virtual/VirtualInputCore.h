#pragma once
// The state of one virtual input device, shared by its far-side owner, the
// device lists and the connection of the port that has it open. Sent bytes
// wait in a fixed byte queue until the device's delivery thread (alive while
// a port has the device open) parses them and hands them to the port.
#include "platform/mm/Device.h"
#include "platform/mm/MidiIn.h"
#include "platform/mm/MidiStreamParser.h"
#include "platform/mm/virtual/VirtualDeviceState.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace mm {

class VirtualInputCore final : public InputDevice,
                               public VirtualDeviceState,
                               public std::enable_shared_from_this<VirtualInputCore> {
public:
    static constexpr std::size_t kQueueSize = 16 * 1024;

    explicit VirtualInputCore(std::string name);
    ~VirtualInputCore() override;

    const std::string& Name() const override { return name_; }
    MMRESULT Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) override;
    void Disconnect();

    bool Send(std::span<const std::uint8_t> bytes);
    void WaitUntilDelivered();
    bool IsOpen() const;
    int QueuedBuffers() const;
    void ReturnFirstBuffer();
    void Unplug();

private:
    void Run();
    std::size_t Take(std::uint8_t* target, std::size_t most);

    const std::string name_;
    std::condition_variable changed_;
    MidiIn* port_ = nullptr; // not owned: the port that has the device open
    bool stopping_ = false;
    bool busy_ = false; // the delivery thread is handing bytes to the port
    std::vector<std::uint8_t> queue_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    MidiStreamParser parser_; // used by the delivery thread only
    std::thread thread_;
};

} // namespace mm
