#pragma once
// A logical MIDI input: receives the complete messages its physical devices
// deliver (on the user-interface thread), checks them against the partner's
// identifiers and hands them to the receiver (the requester), the responder
// and the structs; what it accepts may also be forwarded unchanged to the
// devices of a through output.
#include "engine/Midi.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class AOruMidiStruct;
class COruMidiOut;
class IOruMidiReceiver;
class IOruMidiResponder;

class COruMidiIn : public COruMidi {
public:
    virtual ~COruMidiIn() = default;
    COruMidiIn() = default;
    COruMidiIn(const COruMidiIn&) = default;
    COruMidiIn& operator=(const COruMidiIn&) = default;

    // The receive dispatch:
    // - F0 41 ...: parsed as an address/checksum message; dropped unless
    //   manufacturer, model and device id are this port's. A data request
    //   goes to the responder only; a data set with a correct checksum goes
    //   to the root structs and the receiver, then is forwarded; anything
    //   else is dropped.
    // - other system exclusive: only universal messages (7E, 7F) are taken;
    //   an identity request (7E .. 06 01) goes to the responder only; the
    //   rest goes to the MIDI struct and the receiver, then is forwarded.
    // - other status below F8: a short message to the MIDI struct and the
    //   receiver, then forwarded. F8 and above: forwarded only.
    virtual void OnReceive(std::span<const std::uint8_t> bytes);

    // ParseAttributes of the base, then "midiOutRef".
    bool ParseAttributes(OruAttributes& attributes, GT::ATextOut& errors);
    // Looks the names up: root structs, MIDI struct, through output.
    bool Resolve(const SPortLookUp& lookUp);

    std::vector<AOruMidiStruct*> rootStructs; // not owned
    AOruMidiStruct* midiStruct = nullptr;     // not owned
    IOruMidiReceiver* receiver = nullptr;     // not owned
    IOruMidiResponder* responder = nullptr;   // not owned
    std::string outputReference;
    COruMidiOut* throughOutput = nullptr; // not owned

private:
    void OnAddressChecksum(std::span<const std::uint8_t> bytes);
    void OnSystemExclusive(std::span<const std::uint8_t> bytes);
    void Forward(std::span<const std::uint8_t> bytes);
};
