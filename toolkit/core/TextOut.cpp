#include "toolkit/core/TextOut.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace GT {
namespace {

constexpr std::size_t kPrintfBufferSize = 512;

// Length of text without a UTF-8 sequence that was cut off at its end, so a
// text shortened to fit a buffer never ends in half a character.
std::size_t WholeCharactersLength(const char* text, std::size_t length) {
    std::size_t start = length;
    // Walk back over at most three continuation bytes to the lead byte.
    while (start > 0 && length - start < 4 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return length;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    std::size_t need = 0;
    if ((lead & 0xE0) == 0xC0)
        need = 2;
    else if ((lead & 0xF0) == 0xE0)
        need = 3;
    else if ((lead & 0xF8) == 0xF0)
        need = 4;
    else
        return length; // ASCII or not UTF-8 at all: nothing to repair
    const std::size_t have = length - (start - 1);
    return have < need ? start - 1 : length;
}

} // namespace

void ATextOut::Write(std::string_view text) {
    std::string out;
    out.reserve(text.size() + indent_.size());
    for (char c : text) {
        if (atLineStart_)
            out += indent_;
        out += c;
        atLineStart_ = (c == '\n');
    }
    Output(out);
}

void ATextOut::Printf(const char* format, ...) {
    if (format == nullptr)
        return;
    char buffer[kPrintfBufferSize];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (written < 0)
        return; // an encoding error in the arguments: nothing sensible to show
    std::size_t length = static_cast<std::size_t>(written);
    if (length >= sizeof buffer) {
        length = sizeof buffer - 1;
        length = WholeCharactersLength(buffer, length);
    }
    Write(std::string_view(buffer, length));
}

void ATextOut::Indent(int delta) {
    const long long wanted = static_cast<long long>(indent_.size()) + delta;
    indent_.assign(static_cast<std::size_t>(std::max(wanted, 0LL)), ' ');
}

} // namespace GT
