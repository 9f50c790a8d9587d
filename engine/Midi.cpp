#include "engine/Midi.h"

#include "toolkit/core/TextOut.h"
#include "engine/StructRegistry.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool ParseModelId(const std::string& text, std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> result;
    int digits = 0;
    int value = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (digits > 0)
                result.push_back(static_cast<std::uint8_t>(value));
            digits = 0;
            value = 0;
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0 || digits == 2)
            return false;
        value = value * 16 + digit;
        ++digits;
    }
    if (digits > 0)
        result.push_back(static_cast<std::uint8_t>(value));
    bytes = std::move(result);
    return true;
}

bool ParseCInteger(const std::string& text, long& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 0);
    if (end == begin)
        return false;
    value = parsed;
    return true;
}

bool COruMidi::ParseAttributes(OruAttributes& attributes, GT::ATextOut& out) {
    for (auto it = attributes.begin(); it != attributes.end();) {
        const auto& [key, text] = *it;
        if (key == "name") {
            name = text;
        } else if (key == "modelID") {
            if (!ParseModelId(text, modelId)) {
                out.Printf("MIDI %s modelID is invalid. : %s\n", name.c_str(), text.c_str());
                return false;
            }
        } else if (key == "rootStructRef" || key == "rootStruct") {
            rootStructNames.push_back(text);
        } else if (key == "midiStructRef") {
            midiStructName = text;
        } else if (key == "addressSize") {
            long size = 0;
            if (!ParseCInteger(text, size)) {
                out.Printf("MIDI %s addressSize is invalid. : %s\n", name.c_str(), text.c_str());
                return false;
            }
            if (size < 1 || size > 4) {
                out.Printf("MIDI %s addressSize must be 1 through 4.\n", name.c_str());
                return false;
            }
            addressSize = static_cast<std::int32_t>(size);
        } else {
            ++it;
            continue;
        }
        it = attributes.erase(it);
    }
    return true;
}

void COruMidi::TakeAttribute(OruAttributes& attributes, std::string_view key, std::string& value) {
    std::erase_if(attributes, [&](const OruAttribute& attribute) {
        if (attribute.first != key)
            return false;
        value = attribute.second;
        return true;
    });
}

AOruMidiStruct* COruMidi::LookUpStruct(const SPortLookUp& lookUp, const std::string& structName, const char* kind) {
    AOruMidiStruct* found = lookUp.structs.FindStruct(structName);
    if (!found)
        lookUp.errors.Printf("Unable to convert %s name %s to struct.\n", kind, structName.c_str());
    return found;
}
