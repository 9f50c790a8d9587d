#pragma once
// Finds the unit on whatever MIDI ports the system offers, so that nobody has
// to know which port name belongs to it: the identity request goes out on
// every output port, every input port listens, and an input that brings back
// the unit's identity reply is paired with the output that reached the unit.
// Also checks one chosen pair and device id, timing the answer.
//
// The finder opens its own ports (the library's ports, not the engine's
// devices), so it runs on any thread: the windows run it on a thread of its
// own and keep their event loop; the command-line tool runs it where it
// stands. Whoever has the engine's devices open on the same ports closes them
// first where a port can be opened only once (COruMidiSetup::CloseAll).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One unit found: the ports as the device lists name them.
struct SFoundUnit {
    std::string input;         // the unit's replies come in here
    std::string output;        // requests sent here reach the unit
    std::uint8_t deviceId = 0; // as on the wire: 0x10 is shown as 17

    bool operator==(const SFoundUnit&) const = default;
};

// What the search is doing, for a progress line.
struct SUnitFinderStep {
    enum Kind {
        kAskingAll, // the request went out on every output (port empty); waiting for replies
        kAskingOne, // asking one output alone, to tell which one reached the unit
    };
    Kind kind = kAskingAll;
    std::string port;
    int index = 0;  // kAskingOne: 1 to count
    int count = 0;  // outputs asked
    int inputs = 0; // inputs listening
};

// What a check of one pair found.
struct SPairCheck {
    enum Result {
        kAnswered,          // the unit answered on this pair with this device id
        kInputUnavailable,  // the input could not be opened
        kOutputUnavailable, // the output could not be opened, or the request not sent
        kNoAnswer,          // nothing answered, not even to "all devices"
        kOtherDeviceId,     // the unit answered "all devices" with another device id
        kCancelled,
    };
    Result result = kNoAnswer;
    int milliseconds = 0;      // kAnswered: from sending the request to the reply
    std::uint8_t deviceId = 0; // kOtherDeviceId: the id the unit answers to
};

class CUnitFinder {
public:
    using StepCallback = std::function<void(const SUnitFinderStep&)>;

    // The command-line tool promises an answer within 3 s; opening and
    // closing the ports takes the rest.
    static constexpr std::chrono::milliseconds kDefaultBudget{2500};
    static constexpr std::chrono::milliseconds kCheckTimeout{1000};

    CUnitFinder() = default;
    CUnitFinder(const CUnitFinder&) = delete;
    CUnitFinder& operator=(const CUnitFinder&) = delete;

    // Called on the thread that runs Find, before each step.
    void SetStepCallback(StepCallback callback) { onStep_ = std::move(callback); }
    // Asked between waits; true stops the search as Cancel does.
    void SetStopCheck(std::function<bool()> stop) { stop_ = std::move(stop); }
    // From any thread: Find and Check return soon, with what they have.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const;

    // Every unit that answered within the budget, in the order of the
    // inputs. Empty when none did (or the search was cancelled first).
    std::vector<SFoundUnit> Find(std::chrono::milliseconds budget = kDefaultBudget);
    // How many ports the last Find could open and use.
    int InputsOpened() const { return inputsOpened_; }
    int OutputsOpened() const { return outputsOpened_; }

    // Sends the identity request with deviceId through output and waits for
    // the unit's reply on input. Without one it asks "all devices", so a unit
    // set to another device id says which.
    SPairCheck Check(const std::string& input, const std::string& output, std::uint8_t deviceId,
                     std::chrono::milliseconds timeout = kCheckTimeout);

    // The unit's device id when bytes are exactly the unit's identity reply
    // (maker and family code of the unit), else none.
    static std::optional<std::uint8_t> IdentityReplyDeviceId(std::span<const std::uint8_t> bytes);
    // The identity request for a device id (0x7F: every device).
    static std::vector<std::uint8_t> IdentityRequest(std::uint8_t deviceId);
    // The order in which the outputs are asked one by one: those whose name
    // begins most like the name of an input that answered first (an
    // interface names both its ports alike), list order among equals.
    static std::vector<std::size_t> OutputOrder(const std::vector<std::string>& outputs,
                                                const std::vector<std::string>& answeringInputs);

private:
    void Step(const SUnitFinderStep& step) const;

    StepCallback onStep_;
    std::function<bool()> stop_;
    std::atomic<bool> cancelled_{false};
    int inputsOpened_ = 0;
    int outputsOpened_ = 0;
};
