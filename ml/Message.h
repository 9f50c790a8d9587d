#pragma once
// The byte sequence every MIDI message is: a plain vector of bytes. The
// message classes derive from it so that they can be handed to anything that
// takes bytes (ports, files, spans) without conversion.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ML {

class CMessage : public std::vector<std::uint8_t> {
public:
    using std::vector<std::uint8_t>::vector;
    CMessage() = default;
    CMessage(const std::vector<std::uint8_t>& bytes) : std::vector<std::uint8_t>(bytes) {}
    CMessage(std::vector<std::uint8_t>&& bytes) : std::vector<std::uint8_t>(std::move(bytes)) {}
};

// Appends a byte as two upper-case hexadecimal digits followed by suffix;
// the building block of the message dumps.
void AppendHex(std::string& text, std::uint8_t byte, const char* suffix = " ");

} // namespace ML
