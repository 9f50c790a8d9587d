#pragma once
// What a backend offers the device table: devices that can be listed by name
// and connected to an open port. A connection lives from the open to the
// close of one handle; destroying it stops every delivery to the port and
// returns only after the last one has finished.
#include "platform/mm/MMSystem.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace mm {

class InputConnection {
public:
    virtual ~InputConnection() = default;
    // False once the device has been unplugged.
    virtual bool Present() const = 0;
};

class OutputConnection {
public:
    virtual ~OutputConnection() = default;
    virtual bool Present() const = 0;
    // One whole message: a short message of one to three bytes or a
    // system-exclusive message.
    virtual MMRESULT SendShort(std::span<const std::uint8_t> bytes) = 0;
    // completed is set false when the device keeps the buffer until a reset.
    virtual MMRESULT SendLong(std::span<const std::uint8_t> bytes, bool& completed) = 0;
    // Gives up anything held; after it no buffer is with the device.
    virtual void Reset() = 0;
};

class InputDevice {
public:
    virtual ~InputDevice() = default;
    virtual const std::string& Name() const = 0;
    // Connects the device to port, which receives from now on.
    virtual MMRESULT Connect(MidiIn& port, std::unique_ptr<InputConnection>& connection) = 0;
};

class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    virtual const std::string& Name() const = 0;
    // What the device declares of itself: MIDICAPS_ flags.
    virtual DWORD Support() const { return 0; }
    virtual MMRESULT Connect(std::unique_ptr<OutputConnection>& connection) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // The devices present now, in the backend's order.
    virtual void ListInputs(std::vector<std::shared_ptr<InputDevice>>& devices) = 0;
    virtual void ListOutputs(std::vector<std::shared_ptr<OutputDevice>>& devices) = 0;
    // A transfer of many requests and replies begins and ends; the table
    // calls these once for the outermost of nested transfers.
    virtual void TransferBegins() {}
    virtual void TransferEnds() {}
};

} // namespace mm
