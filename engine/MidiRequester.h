#pragma once
// Request and reply with the unit: sends a request through an output port,
// then pumps the traffic of an input port until the matching reply has
// arrived or the time is up, and tries again once. Everything runs on the
// user-interface thread; replies are matched on the thread that waits.
#include "data/Address.h"
#include "engine/MidiReceiver.h"
#include "ml/TickClock.h"

#include <cstdint>
#include <vector>

class COruMidiIn;
class COruMidiOut;
class COruMidiSetup;

class COruMidiRequester : public IOruMidiReceiver {
public:
    enum State : int {
        kIdle = 0,
        kWaitingForData = 1,
        kDataReceived = 2,
        kWaitingForUniversal = 3,
        kUniversalReceived = 4,
    };
    static constexpr int kDefaultTimeoutMs = 3000;
    static constexpr int kDefaultAttempts = 2;

    // The clock measures the wait (the system's in the program, a test clock
    // in tests).
    explicit COruMidiRequester(ML::ITickClock& clock = ML::SystemTickClock());
    ~COruMidiRequester() override = default;
    COruMidiRequester(const COruMidiRequester&) = delete;
    COruMidiRequester& operator=(const COruMidiRequester&) = delete;

    // Does nothing; answers true.
    bool ReceiveShort(const ML::CShortMessage& message) override;
    // Ends the wait for a universal reply with the requested sub-id 1.
    bool ReceiveUniversal(const ML::CLongMessage& message) override;
    // Ends the wait for a data set of exactly the requested address and size.
    bool ReceiveDataSet(const ML::CTessanMessage& message) override;

    // Sends the universal message and waits for a reply whose byte 3 equals
    // the message's. False without a message when no ports or no setup are
    // set; false
    // with message 2 after the last attempt timed out, or at once when the
    // message could not be sent.
    virtual bool RequestUniversal(const std::vector<std::uint8_t>& message);
    // Sends a data request and waits for the data set; results as above.
    virtual bool RequestData(DeviceAddress address, int size);

    // The setup whose devices the ports are bound to: it pumps and waits for
    // the input, and says whose wait is watched. Not owned; without one a
    // transfer counts as not set up.
    void SetSetup(const COruMidiSetup* setup) { setup_ = setup; }
    const COruMidiSetup* GetSetup() const { return setup_; }
    void SetInput(COruMidiIn* input) { input_ = input; }
    void SetOutput(COruMidiOut* output) { output_ = output; }
    COruMidiIn* GetInput() const { return input_; }
    COruMidiOut* GetOutput() const { return output_; }
    int GetState() const { return state_; }
    void SetTimeout(int milliseconds) { timeout_ = milliseconds; }
    void SetAttempts(int attempts) { attempts_ = attempts; }
    ML::ITickClock& Clock() const { return *clock_; }

protected:
    // The requester's part of the matching, for derived classes that check
    // more before and act after.
    bool MatchUniversal(const ML::CLongMessage& message);
    bool MatchDataSet(const ML::CTessanMessage& message);
    void SetState(int state) { state_ = state; }

private:
    // Pumps the input until the state becomes `received` (true, state idle)
    // or one timeout has passed on the clock (false).
    bool WaitFor(int received);
    // Message 2, then idle: a reply dispatched while the message shows is
    // still taken.
    bool FailAfterLastAttempt();

    const COruMidiSetup* setup_ = nullptr; // not owned
    COruMidiIn* input_ = nullptr;          // not owned
    COruMidiOut* output_ = nullptr;        // not owned
    std::int32_t timeout_ = kDefaultTimeoutMs;
    std::int32_t attempts_ = kDefaultAttempts;
    std::int32_t state_ = kIdle;
    std::vector<std::uint8_t> requestedAddress_;
    std::int32_t requestedSize_ = 0;
    std::uint8_t expectedSubId_ = 0;
    ML::ITickClock* clock_; // not owned
};
