#include "engine/MidiIn.h"

#include "toolkit/core/TextOut.h"
#include "engine/MidiDevice.h"
#include "engine/MidiReceiver.h"
#include "engine/MidiResponder.h"
#include "engine/MidiOut.h"
#include "engine/MidiPortLists.h"
#include "engine/StructRegistry.h"
#include "ml/LongMessage.h"
#include "ml/MidiStatus.h"
#include "ml/ShortMessage.h"
#include "ml/TessanMessage.h"
#include "ml/UnitIdentity.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kTimingClock = 0xF8;

bool IsCommand(const ML::CTessanMessage& message, const ML::CMessage& command) {
    const auto bytes = message.GetSection(ML::CTessanMessage::Command);
    return std::equal(bytes.begin(), bytes.end(), command.begin(), command.end());
}

} // namespace

void COruMidiIn::OnReceive(std::span<const std::uint8_t> bytes) {
    if (bytes.empty())
        return;
    const std::uint8_t first = bytes[0];
    if (first == ML::kSysExStart && bytes.size() >= 2 && bytes[1] == ML::kMakerId) {
        OnAddressChecksum(bytes);
    } else if (first == ML::kSysExStart) {
        OnSystemExclusive(bytes);
    } else if (first < kTimingClock) {
        const ML::CShortMessage message(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        if (midiStruct)
            midiStruct->AcceptShort(message);
        if (receiver)
            receiver->ReceiveShort(message);
        Forward(bytes);
    } else {
        Forward(bytes);
    }
}

void COruMidiIn::OnAddressChecksum(std::span<const std::uint8_t> bytes) {
    ML::CTessanMessage message;
    if (!message.Parse(bytes, addressSize))
        return;
    const auto model = message.GetSection(ML::CTessanMessage::ModelId);
    if (message.GetManufacturerId() != manufacturerId || message.GetDeviceId() != deviceId ||
        !std::equal(model.begin(), model.end(), modelId.begin(), modelId.end()))
        return;
    if (IsCommand(message, ML::DataRequestCommand())) {
        if (responder)
            responder->RespondData(message);
        return;
    }
    if (!IsCommand(message, ML::DataSetCommand()))
        return;
    if (message.GetChecksum() != message.ComputeChecksum())
        return;
    for (AOruMidiStruct* rootStruct : rootStructs)
        rootStruct->AcceptDataSet(message);
    if (receiver)
        receiver->ReceiveDataSet(message);
    Forward(bytes);
}

void COruMidiIn::OnSystemExclusive(std::span<const std::uint8_t> bytes) {
    ML::CLongMessage message;
    if (!message.Assign(bytes))
        return;
    const std::uint8_t manufacturer = message.GetManufacturerId();
    if (manufacturer != ML::kUniversalNonRealTime && manufacturer != ML::kUniversalRealTime)
        return;
    if (manufacturer == ML::kUniversalNonRealTime && message.GetSubId1() == 0x06 && message.GetSubId2() == 0x01) {
        if (responder)
            responder->RespondIdentity(message);
        return;
    }
    if (midiStruct)
        midiStruct->AcceptUniversal(message);
    if (receiver)
        receiver->ReceiveUniversal(message);
    Forward(bytes);
}

void COruMidiIn::Forward(std::span<const std::uint8_t> bytes) {
    if (!throughOutput)
        return;
    // Passing traffic on is best effort: a Through device that fails loses
    // the message and nothing else notices.
    for (COruMidiOutDevice* device : throughOutput->devices)
        device->Send(bytes);
}

bool COruMidiIn::ParseAttributes(OruAttributes& attributes, GT::ATextOut& errors) {
    if (!COruMidi::ParseAttributes(attributes, errors))
        return false;
    TakeAttribute(attributes, "midiOutRef", outputReference);
    return true;
}

bool COruMidiIn::Resolve(const SPortLookUp& lookUp) {
    for (const auto& structName : rootStructNames) {
        AOruMidiStruct* found = LookUpStruct(lookUp, structName, "root struct");
        if (!found)
            return false;
        rootStructs.push_back(found);
    }
    if (!midiStructName.empty()) {
        midiStruct = LookUpStruct(lookUp, midiStructName, "MIDI struct");
        if (!midiStruct)
            return false;
    }
    if (!outputReference.empty()) {
        throughOutput = lookUp.ports.FindOutput(outputReference);
        if (!throughOutput) {
            lookUp.errors.Printf("Unable to convert MIDI output name %s to MIDI output.\n", outputReference.c_str());
            return false;
        }
    }
    return true;
}
