#pragma once
// A physical input device: an input port of the MIDI library and a hidden
// message window on the user-interface thread. The port's handlers run on
// its dispatch thread and only post to the window: WM_USER with a packed
// short message, WM_USER + 1 with the ticket of long data that the handler
// has copied into the device's own slots (no pointer into the port's
// buffers leaves the dispatch thread; how long the user-interface thread
// leaves the notices queued does not matter). The window's handler, run by
// a pump on the user-interface thread, passes the bytes to every bound input
// in binding order. System common and real-time short messages (F1 to F6,
// F8 to FF) are not delivered.
#include "engine/LongDataSlots.h"
#include "engine/MidiDeviceA.h"
#include "ml/In.h"
#include "ml/TickClock.h"
#include "platform/msgwin/MessageWindow.h"

#include <memory>
#include <string>

class CMidiInDevice : public CMidiInDeviceA, public ML::CIn {
public:
    // Created closed; clock times the port's stop.
    explicit CMidiInDevice(std::string deviceName, ML::ITickClock& clock = ML::SystemTickClock());
    // Stops and closes the port, then destroys the window.
    ~CMidiInDevice() override;

    // Creates the window on the first call (on the calling thread's queue);
    // opens and starts the port when it is not open.
    bool Open() override;
    bool IsOpen() override;
    void CloseDevice() override;

    // The window's handler.
    msgwin::LRESULT OnWindowMessage(msgwin::UINT message, msgwin::WPARAM wparam, msgwin::LPARAM lparam);
    bool HasWindow() const { return window_ != nullptr; }
    // System-exclusive messages lost because every slot still waited for
    // the user-interface thread.
    std::uint32_t DroppedLongData() const { return slots_.Dropped(); }

protected:
    void OnShortMessage(std::uint32_t packed) override;
    void OnLongData(const std::uint8_t* data, std::uint32_t length) override;

private:
    COruLongDataSlots slots_;
    std::unique_ptr<msgwin::MessageWindow> window_;
};
