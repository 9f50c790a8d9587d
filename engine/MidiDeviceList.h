#pragma once
// The lists that own the physical devices, kept by the MIDI setup. A device
// name occurs at most once per list (the setup finds before it creates).
#include "engine/MidiDevice.h"

#include <memory>
#include <string_view>
#include <vector>

template <typename Device>
class COruMidiDeviceList {
public:
    using Entries = std::vector<std::unique_ptr<Device>>;

    // The first device of exactly that name, or null.
    Device* Find(std::string_view name) const {
        for (const auto& device : entries_)
            if (device->name == name)
                return device.get();
        return nullptr;
    }
    Device* Append(std::unique_ptr<Device> device) {
        entries_.push_back(std::move(device));
        return entries_.back().get();
    }
    // Deletes every device in list order, then empties the list.
    void DeleteAll() {
        for (auto& device : entries_)
            device.reset();
        entries_.clear();
    }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    Entries entries_;
};

class COruMidiInDevices : public COruMidiDeviceList<COruMidiInDevice> {};
class COruMidiOutDevices : public COruMidiDeviceList<COruMidiOutDevice> {};
