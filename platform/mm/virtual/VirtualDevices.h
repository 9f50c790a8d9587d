#pragma once
// In-process MIDI devices for tests, benchmarks and the simulated unit. A
// VirtualInputDevice appears among the system's MIDI inputs and its owner
// plays the far side: the bytes it sends arrive at the port that has the
// device open as if they came off a MIDI cable. A VirtualOutputDevice appears
// among the outputs and hands every message a port sends it to a handler.
// Constructing a device plugs it in (listed after the devices already there),
// Unplug or destruction takes it out; open handles then stay valid but no
// longer work.
#include "platform/mm/MMSystem.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>

namespace mm {

// Wire speed: 31250 baud, ten bits a byte.
inline constexpr std::chrono::microseconds kWireTimePerByte{320};

class VirtualInputCore;
class VirtualOutputCore;

class VirtualInputDevice {
public:
    explicit VirtualInputDevice(std::string name);
    ~VirtualInputDevice();
    VirtualInputDevice(const VirtualInputDevice&) = delete;
    VirtualInputDevice& operator=(const VirtualInputDevice&) = delete;

    const std::string& Name() const;

    // Sends bytes as a device would: any mix of whole or partial messages,
    // running status, real-time bytes inside other messages. They are
    // delivered in order on the device's own thread. Blocks while the device
    // still has 16 KiB undelivered. False when no port has the device open
    // or it has been unplugged (the bytes are lost, as on a cable nobody
    // listens to); bytes sent before a port starts are dropped by the port.
    bool Send(std::span<const std::uint8_t> bytes);
    bool Send(std::initializer_list<std::uint8_t> bytes);
    // Returns when everything sent so far has been handed to the port.
    void WaitUntilDelivered() const;

    bool IsOpen() const;
    // The buffers the open port has queued and not got back.
    int QueuedBuffers() const;
    // Hands the first queued buffer back as it is, 0 bytes if nothing has
    // arrived in it: a driver giving up on a buffer.
    void ReturnFirstBuffer();

    // Opens fail with result until FailOpens(MMSYSERR_NOERROR).
    void FailOpens(MMRESULT result);
    // Delivers at 320 microseconds per byte instead of at once.
    void SetWireSpeed(bool on);
    void Unplug();

private:
    std::shared_ptr<VirtualInputCore> core_;
};

class VirtualOutputDevice {
public:
    // Called on the sending thread with one whole message at a time.
    using Handler = std::function<void(std::span<const std::uint8_t>)>;

    explicit VirtualOutputDevice(std::string name, Handler handler = {});
    ~VirtualOutputDevice();
    VirtualOutputDevice(const VirtualOutputDevice&) = delete;
    VirtualOutputDevice& operator=(const VirtualOutputDevice&) = delete;

    const std::string& Name() const;
    // Must not be called from inside the handler.
    void SetHandler(Handler handler);

    bool IsOpen() const;
    // While set, long messages reach the handler but their buffers stay with
    // the device (never flagged done) until the port resets the device.
    void HoldLongMessages(bool hold);
    // How often a port has reset the device since it was plugged in.
    int Resets() const;

    void FailOpens(MMRESULT result);
    // Each message takes its wire time before the send call returns.
    void SetWireSpeed(bool on);
    // Declares MIDICAPS_SELFPACED, as a device does that needs no cable
    // imitated; a port reads it when it opens the device.
    void DeclareSelfPaced(bool on);
    void Unplug();

private:
    std::shared_ptr<VirtualOutputCore> core_;
};

// A unit as the system sees it: an input and an output of one name.
struct VirtualDevicePair {
    explicit VirtualDevicePair(const std::string& name, VirtualOutputDevice::Handler handler = {})
        : input(name), output(name, std::move(handler)) {}
    VirtualInputDevice input;
    VirtualOutputDevice output;
};

} // namespace mm
