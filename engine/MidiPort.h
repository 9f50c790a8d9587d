#pragma once
// The base of the engine's logical MIDI ports: one conversation partner on
// the MIDI side, with the identifiers its address/checksum messages carry.
#include "engine/ElementDefinition.h"

#include <cstdint>
#include <string>
#include <vector>

class COruMidi {
public:
    // Applies and removes the attributes every port understands ("name",
    // "modelID", "rootStructRef"/"rootStruct", "midiStructRef",
    // "addressSize"); others stay in the list. False, after a report to the
    // definition-error output, when a value is malformed.
    bool ParseAttributes(OruAttributes& attributes);

    std::string name;
    std::uint8_t manufacturerId = 0x41;
    std::uint8_t deviceId = 0x10;
    std::vector<std::uint8_t> modelId;
    std::int32_t addressSize = 4;
    std::vector<std::string> rootStructNames;
    std::string midiStructName;
};

// Reads a model id written as hexadecimal bytes (pairs or single digits)
// separated by blanks; false for any other character or three digits in a
// row.
bool ParseModelId(const std::string& text, std::vector<std::uint8_t>& bytes);
// Reads an integer the way "%li" does: decimal, 0x hexadecimal or leading-0
// octal, after optional blanks and a sign. False when no number starts the
// text.
bool ParseCInteger(const std::string& text, long& value);
