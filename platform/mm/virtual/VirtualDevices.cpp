#include "platform/mm/virtual/VirtualDevices.h"

#include "platform/mm/virtual/VirtualBackend.h"
#include "platform/mm/virtual/VirtualInputCore.h"
#include "platform/mm/virtual/VirtualOutputCore.h"

namespace mm {

VirtualInputDevice::VirtualInputDevice(std::string name) : core_(std::make_shared<VirtualInputCore>(std::move(name))) {
    VirtualBackend::Instance().Plug(core_);
}

VirtualInputDevice::~VirtualInputDevice() { Unplug(); }

const std::string& VirtualInputDevice::Name() const { return core_->Name(); }
bool VirtualInputDevice::Send(std::span<const std::uint8_t> bytes) { return core_->Send(bytes); }
bool VirtualInputDevice::Send(std::initializer_list<std::uint8_t> bytes) {
    return core_->Send({bytes.begin(), bytes.size()});
}
void VirtualInputDevice::WaitUntilDelivered() const { core_->WaitUntilDelivered(); }
bool VirtualInputDevice::IsOpen() const { return core_->IsOpen(); }
int VirtualInputDevice::QueuedBuffers() const { return core_->QueuedBuffers(); }
void VirtualInputDevice::ReturnFirstBuffer() { core_->ReturnFirstBuffer(); }
void VirtualInputDevice::FailOpens(MMRESULT result) { core_->FailOpens(result); }
void VirtualInputDevice::SetWireSpeed(bool on) { core_->SetWireSpeed(on); }

void VirtualInputDevice::Unplug() {
    core_->Unplug();
    VirtualBackend::Instance().Unplug(core_.get());
}

VirtualOutputDevice::VirtualOutputDevice(std::string name, Handler handler)
    : core_(std::make_shared<VirtualOutputCore>(std::move(name), std::move(handler))) {
    VirtualBackend::Instance().Plug(core_);
}

VirtualOutputDevice::~VirtualOutputDevice() {
    Unplug();
    // A port may keep its handle open: it must not call a handler that
    // refers to things the owner is about to destroy.
    SetHandler({});
}

const std::string& VirtualOutputDevice::Name() const { return core_->Name(); }
void VirtualOutputDevice::SetHandler(Handler handler) { core_->SetHandler(std::move(handler)); }
bool VirtualOutputDevice::IsOpen() const { return core_->IsOpen(); }
void VirtualOutputDevice::HoldLongMessages(bool hold) { core_->HoldLongMessages(hold); }
int VirtualOutputDevice::Resets() const { return core_->Resets(); }
void VirtualOutputDevice::FailOpens(MMRESULT result) { core_->FailOpens(result); }
void VirtualOutputDevice::SetWireSpeed(bool on) { core_->SetWireSpeed(on); }
void VirtualOutputDevice::DeclareSelfPaced(bool on) { core_->DeclareSelfPaced(on); }

void VirtualOutputDevice::Unplug() {
    core_->Unplug();
    VirtualBackend::Instance().Unplug(core_.get());
}

} // namespace mm
