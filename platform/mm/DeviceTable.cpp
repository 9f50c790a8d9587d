#include "platform/mm/DeviceTable.h"

#include "platform/mm/rtmidi/RtMidiBackend.h"
#include "platform/mm/virtual/VirtualBackend.h"

#include <algorithm>

namespace mm {

namespace {

template <typename T>
T* Find(const std::vector<std::unique_ptr<T>>& open, UINT_PTR value) {
    for (const auto& p : open)
        if (reinterpret_cast<UINT_PTR>(p.get()) == value)
            return p.get();
    return nullptr;
}

template <typename T>
std::unique_ptr<T> Take(std::vector<std::unique_ptr<T>>& open, const T* handle) {
    auto it = std::find_if(open.begin(), open.end(), [&](const auto& p) { return p.get() == handle; });
    if (it == open.end())
        return nullptr;
    std::unique_ptr<T> taken = std::move(*it);
    open.erase(it);
    return taken;
}

} // namespace

DeviceTable& DeviceTable::Instance() {
    // Never destroyed: ports held by other process-wide objects may close
    // their devices during the process's exit, in any order.
    static DeviceTable* table = new DeviceTable;
    return *table;
}

DeviceTable::DeviceTable() : backends_{&VirtualBackend::Instance(), &RtMidiBackend::Instance()} {}

UINT DeviceTable::RefreshInputs() {
    // Backends are asked without the table's lock: listing real devices can
    // take a while and must not hold up calls on open handles.
    std::vector<std::shared_ptr<InputDevice>> devices;
    for (Backend* backend : backends_)
        backend->ListInputs(devices);
    std::lock_guard lock(mutex_);
    inputs_ = std::move(devices);
    inputsListed_ = true;
    return static_cast<UINT>(inputs_.size());
}

UINT DeviceTable::RefreshOutputs() {
    std::vector<std::shared_ptr<OutputDevice>> devices;
    for (Backend* backend : backends_)
        backend->ListOutputs(devices);
    std::lock_guard lock(mutex_);
    outputs_ = std::move(devices);
    outputsListed_ = true;
    return static_cast<UINT>(outputs_.size());
}

std::shared_ptr<InputDevice> DeviceTable::Input(UINT index) {
    bool listed = false;
    {
        std::lock_guard lock(mutex_);
        listed = inputsListed_;
    }
    if (!listed)
        RefreshInputs();
    std::lock_guard lock(mutex_);
    return index < inputs_.size() ? inputs_[index] : nullptr;
}

std::shared_ptr<OutputDevice> DeviceTable::Output(UINT index) {
    bool listed = false;
    {
        std::lock_guard lock(mutex_);
        listed = outputsListed_;
    }
    if (!listed)
        RefreshOutputs();
    std::lock_guard lock(mutex_);
    return index < outputs_.size() ? outputs_[index] : nullptr;
}

MidiIn* DeviceTable::Add(std::unique_ptr<MidiIn> in) {
    std::lock_guard lock(mutex_);
    openIns_.push_back(std::move(in));
    return openIns_.back().get();
}

MidiOut* DeviceTable::Add(std::unique_ptr<MidiOut> out) {
    std::lock_guard lock(mutex_);
    openOuts_.push_back(std::move(out));
    return openOuts_.back().get();
}

bool DeviceTable::IsOpen(const MidiIn* in) const {
    return in != nullptr && FindIn(reinterpret_cast<UINT_PTR>(in)) != nullptr;
}

bool DeviceTable::IsOpen(const MidiOut* out) const {
    return out != nullptr && FindOut(reinterpret_cast<UINT_PTR>(out)) != nullptr;
}

MidiIn* DeviceTable::FindIn(UINT_PTR value) const {
    std::lock_guard lock(mutex_);
    return Find(openIns_, value);
}

MidiOut* DeviceTable::FindOut(UINT_PTR value) const {
    std::lock_guard lock(mutex_);
    return Find(openOuts_, value);
}

std::unique_ptr<MidiIn> DeviceTable::Remove(MidiIn* in) {
    std::lock_guard lock(mutex_);
    return Take(openIns_, in);
}

std::unique_ptr<MidiOut> DeviceTable::Remove(MidiOut* out) {
    std::lock_guard lock(mutex_);
    return Take(openOuts_, out);
}

void DeviceTable::BeginTransfer() {
    std::lock_guard lock(transferMutex_);
    if (transfers_++ > 0)
        return;
    for (Backend* backend : backends_)
        backend->TransferBegins();
}

void DeviceTable::EndTransfer() {
    std::lock_guard lock(transferMutex_);
    if (transfers_ == 0 || --transfers_ > 0)
        return;
    for (Backend* backend : backends_)
        backend->TransferEnds();
}

} // namespace mm
