#pragma once
// A logical MIDI output: sends messages to every physical output device bound
// to it, in binding order.
#include "engine/Midi.h"
#include "ml/Message.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class COruMidiOutDevice;

class COruMidiOut : public COruMidi {
public:
    // Every bound device's Send, then the bytes become the last message.
    // False when a device failed to send them (the others still got them).
    bool SendMessage(const ML::CMessage& message);
    // An address/checksum message with command 0x12 of this port's
    // identifiers, the address in addressSize 7-bit groups and the data.
    bool SendDataSet(std::uint32_t address, std::span<const std::uint8_t> data);
    // The same with command 0x11 and the size, in addressSize 7-bit groups,
    // as data.
    bool SendDataRequest(std::uint32_t address, std::uint32_t size);

    // ParseAttributes of the base, then "midiMessageValueRef".
    bool ParseAttributes(OruAttributes& attributes, GT::ATextOut& errors);
    // Looks the names up: root structs (each may belong to one output only),
    // MIDI struct, message value operator.
    bool Resolve(const SPortLookUp& lookUp);

    std::vector<COruMidiOutDevice*> devices; // not owned: the device list owns them
    ML::CMessage lastMessage;
    std::string messageValueOperatorName;
};
