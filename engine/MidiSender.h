#pragma once
// Sending to the unit without waiting for an answer: one data set, then a
// pause that gives the unit time to store it.
#include "data/Address.h"
#include "ml/TickClock.h"

#include <cstdint>
#include <span>

class COruMidiOut;
class COruMidiSetup;

class COruMidiSender {
public:
    static constexpr std::uint32_t kPauseMs = 20;

    explicit COruMidiSender(ML::ITickClock& clock = ML::SystemTickClock()) : clock_(&clock) {}
    virtual ~COruMidiSender() = default;
    COruMidiSender(const COruMidiSender&) = delete;
    COruMidiSender& operator=(const COruMidiSender&) = delete;

    // The output's data set for address and data, then the pause. A write
    // is never acknowledged, so true means only that the data set went out;
    // when the output has no port or a device failed to send it, message 2
    // is shown and the result is false (no pause).
    bool Send(DeviceAddress address, std::span<const std::uint8_t> data);
    // The same without the message: the caller says what the failure means.
    bool SendQuietly(DeviceAddress address, std::span<const std::uint8_t> data);

    // The setup whose devices the output is bound to. Not owned; without one
    // a write counts as not set up.
    void SetSetup(const COruMidiSetup* setup) { setup_ = setup; }
    const COruMidiSetup* GetSetup() const { return setup_; }
    void SetOutput(COruMidiOut* output) { output_ = output; }
    COruMidiOut* GetOutput() const { return output_; }
    ML::ITickClock& Clock() const { return *clock_; }

private:
    const COruMidiSetup* setup_ = nullptr; // not owned
    COruMidiOut* output_ = nullptr;        // not owned
    ML::ITickClock* clock_;                // not owned
};
