#pragma once
// Whoever watches the requester wait for the unit: the window program shows
// what is awaited, with Cancel, and keeps its windows alive meanwhile. One
// process-wide observer, none by default (the command-line tool), so the
// requester's waits stay as they were without one.
#include <cstdint>
#include <string>

// What a wait is for.
struct SOruWait {
    std::uint8_t deviceId = 0; // as on the wire: 0x10 is shown as 17
    std::string input;         // the device the reply is awaited on
    std::string output;        // the device the request went out through
    bool identity = false;     // the identity check; else a data request
};

class IOruWaitObserver {
public:
    virtual ~IOruWaitObserver() = default;
    // A request has gone out and its reply is awaited.
    virtual void WaitBegins(const SOruWait& wait) = 0;
    // Called at least every kWaitSliceMs while the reply is awaited: lets
    // the user interface run. False stops the wait and the operation, with
    // no message.
    virtual bool WaitGoesOn() = 0;
    // The wait is over: a reply came, the time ran out or it was stopped.
    virtual void WaitEnds() = 0;
};

// How long the requester waits at most between two WaitGoesOn.
inline constexpr int kWaitSliceMs = 30;
