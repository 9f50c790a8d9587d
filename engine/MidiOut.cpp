#include "engine/MidiOut.h"

#include "toolkit/core/TextOut.h"
#include "engine/MidiDevice.h"
#include "engine/StructRegistry.h"
#include "ml/TessanMessage.h"

namespace {

ML::CTessanMessage AddressedMessage(const COruMidiOut& port, const ML::CMessage& command, std::uint32_t address) {
    ML::CTessanMessage message;
    message.SetManufacturerId(port.manufacturerId);
    message.SetDeviceId(port.deviceId);
    message.SetModelId(port.modelId);
    message.SetCommand(command);
    message.SetAddress(ML::ToSevenBitGroups(address, static_cast<std::size_t>(port.addressSize)));
    return message;
}

} // namespace

bool COruMidiOut::SendMessage(const ML::CMessage& message) {
    bool sent = true;
    for (COruMidiOutDevice* device : devices)
        sent = device->Send(message) && sent;
    lastMessage = message;
    return sent;
}

bool COruMidiOut::SendDataSet(std::uint32_t address, std::span<const std::uint8_t> data) {
    ML::CTessanMessage message = AddressedMessage(*this, ML::DataSetCommand(), address);
    message.SetData(data);
    message.UpdateChecksum();
    return SendMessage(message);
}

bool COruMidiOut::SendDataRequest(std::uint32_t address, std::uint32_t size) {
    ML::CTessanMessage message = AddressedMessage(*this, ML::DataRequestCommand(), address);
    message.SetData(ML::ToSevenBitGroups(size, static_cast<std::size_t>(addressSize)));
    message.UpdateChecksum();
    return SendMessage(message);
}

bool COruMidiOut::ParseAttributes(OruAttributes& attributes, GT::ATextOut& errors) {
    if (!COruMidi::ParseAttributes(attributes, errors))
        return false;
    TakeAttribute(attributes, "midiMessageValueRef", messageValueOperatorName);
    return true;
}

bool COruMidiOut::Resolve(const SPortLookUp& lookUp) {
    auto& out = lookUp.errors;
    for (const auto& structName : rootStructNames) {
        AOruMidiStruct* found = LookUpStruct(lookUp, structName, "root struct");
        if (!found)
            return false;
        if (found->output) {
            out.Printf("Unable to associate root struct %s to plural MIDI outputs.\n", structName.c_str());
            return false;
        }
        found->output = this;
    }
    if (!midiStructName.empty()) {
        AOruMidiStruct* found = LookUpStruct(lookUp, midiStructName, "MIDI struct");
        if (!found)
            return false;
        found->output = this;
    }
    if (!messageValueOperatorName.empty() && !lookUp.structs.CreateMessageValueOperator(messageValueOperatorName)) {
        out.Printf("Unable to create MIDI message value operator %s.\n", messageValueOperatorName.c_str());
        return false;
    }
    return true;
}
