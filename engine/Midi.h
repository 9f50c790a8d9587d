#pragma once
// The base of the engine's logical MIDI ports: one conversation partner on
// the MIDI side, with the identifiers its address/checksum messages carry.
#include "engine/ElementDefinition.h"
#include "ml/UnitIdentity.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class AOruMidiStruct;
class CMidiPorts;
class COruStructRegistry;
namespace GT {
class ATextOut;
}

// What the names of a port's definition are looked up in, and where a
// failure is reported: the engine's struct registry, its ports and its
// definition-error output (none owned).
struct SPortLookUp {
    const COruStructRegistry& structs;
    CMidiPorts& ports;
    GT::ATextOut& errors;
};

class COruMidi {
public:
    // Applies and removes the attributes every port understands ("name",
    // "modelID", "rootStructRef"/"rootStruct", "midiStructRef",
    // "addressSize"); others stay in the list. False, after a report to
    // errors (the definition-error output), when a value is malformed.
    bool ParseAttributes(OruAttributes& attributes, GT::ATextOut& errors);

    std::string name;
    std::uint8_t manufacturerId = ML::kMakerId;
    std::uint8_t deviceId = ML::kDefaultDeviceId;
    std::vector<std::uint8_t> modelId;
    std::int32_t addressSize = 4;
    std::vector<std::string> rootStructNames;
    std::string midiStructName;

protected:
    // Removes every `key` attribute from the list; the last one's value goes
    // to `value`. The input and the output each take their own one this way.
    static void TakeAttribute(OruAttributes& attributes, std::string_view key, std::string& value);
    // The registered struct of that name, or nullptr after reporting
    // "Unable to convert <kind> name <name> to struct." (kind: "root struct"
    // or "MIDI struct").
    static AOruMidiStruct* LookUpStruct(const SPortLookUp& lookUp, const std::string& structName, const char* kind);
};

// Reads a model id written as hexadecimal bytes (pairs or single digits)
// separated by blanks; false for any other character or three digits in a
// row.
bool ParseModelId(const std::string& text, std::vector<std::uint8_t>& bytes);
// Reads an integer the way "%li" does: decimal, 0x hexadecimal or leading-0
// octal, after optional blanks and a sign. False when no number starts the
// text.
bool ParseCInteger(const std::string& text, long& value);
