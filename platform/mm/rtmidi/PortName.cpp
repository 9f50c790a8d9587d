#include "platform/mm/rtmidi/PortName.h"

namespace mm {

namespace {

bool AllDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

std::string CleanPortName(std::string_view name)
{
    const std::size_t space = name.rfind(' ');
    if (space == std::string_view::npos || space == 0) return std::string(name);
    const std::string_view numbers = name.substr(space + 1);
    const std::size_t colon = numbers.find(':');
    if (colon == std::string_view::npos || !AllDigits(numbers.substr(0, colon)) || !AllDigits(numbers.substr(colon + 1)))
        return std::string(name);
    std::string_view clean = name.substr(0, space);
    while (!clean.empty() && clean.back() == ' ') clean.remove_suffix(1);
    return clean.empty() ? std::string(name) : std::string(clean);
}

bool IsOwnPort(std::string_view cleanName)
{
    return cleanName.size() > kOwnClientName.size() && cleanName.starts_with(kOwnClientName) &&
           cleanName[kOwnClientName.size()] == ':';
}

} // namespace mm
