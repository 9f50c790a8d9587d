#pragma once
// The one table of MIDI devices behind the MMSystem.h functions: the devices
// of every backend in one index space (virtual devices first), and the open
// handles. Created on first use and never destroyed, so that devices can be
// closed at any point of the process's exit.
#include "platform/mm/Device.h"
#include "platform/mm/MidiIn.h"
#include "platform/mm/MidiOut.h"

#include <memory>
#include <mutex>
#include <vector>

namespace mm {

class DeviceTable {
public:
    static DeviceTable& Instance();

    // Take a new snapshot of the devices present and return its size.
    UINT RefreshInputs();
    UINT RefreshOutputs();
    // The device at index of the latest snapshot (a snapshot is taken if
    // there is none yet); null when index is out of range.
    std::shared_ptr<InputDevice> Input(UINT index);
    std::shared_ptr<OutputDevice> Output(UINT index);

    // Handles: added after a successful open, looked up by every call that
    // takes one, taken out by a successful close.
    MidiIn* Add(std::unique_ptr<MidiIn> in);
    MidiOut* Add(std::unique_ptr<MidiOut> out);
    bool IsOpen(const MidiIn* in) const;
    bool IsOpen(const MidiOut* out) const;
    MidiIn* FindIn(UINT_PTR value) const;
    MidiOut* FindOut(UINT_PTR value) const;
    std::unique_ptr<MidiIn> Remove(MidiIn* in);
    std::unique_ptr<MidiOut> Remove(MidiOut* out);

    // Counts nested transfers and tells the backends when the outermost
    // begins and ends.
    void BeginTransfer();
    void EndTransfer();

private:
    DeviceTable();
    std::vector<Backend*> backends_;

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<InputDevice>> inputs_;
    std::vector<std::shared_ptr<OutputDevice>> outputs_;
    bool inputsListed_ = false;
    bool outputsListed_ = false;
    std::vector<std::unique_ptr<MidiIn>> openIns_;
    std::vector<std::unique_ptr<MidiOut>> openOuts_;

    std::mutex transferMutex_; // held while the backends are told
    int transfers_ = 0;
};

} // namespace mm
