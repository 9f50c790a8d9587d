#include "platform/mm/rtmidi/PortName.h"

#include <algorithm>

namespace mm {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool IsOwnClient(std::string_view client) {
    if (!client.starts_with(kOwnClientName))
        return false;
    const std::string_view rest = client.substr(kOwnClientName.size());
    return rest.empty() || (rest.size() > 1 && rest[0] == '-' && AllDigits(rest.substr(1)));
}

} // namespace

std::string CleanPortName(std::string_view name) {
    const std::size_t space = name.rfind(' ');
    if (space == std::string_view::npos || space == 0)
        return std::string(name);
    const std::string_view numbers = name.substr(space + 1);
    const std::size_t colon = numbers.find(':');
    if (colon == std::string_view::npos || !AllDigits(numbers.substr(0, colon)) ||
        !AllDigits(numbers.substr(colon + 1)))
        return std::string(name);
    std::string_view clean = name.substr(0, space);
    while (!clean.empty() && clean.back() == ' ')
        clean.remove_suffix(1);
    return clean.empty() ? std::string(name) : std::string(clean);
}

bool IsOwnPort(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon != std::string_view::npos && colon + 1 < name.size() && IsOwnClient(name.substr(0, colon));
}

std::string AlsaListedName(const std::string& cleanName, int occurrence) {
    return occurrence == 0 ? cleanName : cleanName + " (" + std::to_string(occurrence + 1) + ")";
}

bool AlsaPortPresent(const std::vector<std::string>& rawNames, std::string_view rawName) {
    return std::find(rawNames.begin(), rawNames.end(), rawName) != rawNames.end();
}

std::string AlsaAddress(std::string_view rawName) {
    const std::string clean = CleanPortName(rawName);
    if (clean.size() == rawName.size())
        return {};
    const std::size_t space = rawName.rfind(' ');
    return std::string(rawName.substr(space + 1));
}

bool AlsaConnectionStands(const std::vector<std::string>& rawNames, std::string_view rawName, std::string_view ownRaw,
                          const std::optional<std::vector<std::string>>& subscribers) {
    if (!AlsaPortPresent(rawNames, rawName))
        return false;
    if (ownRaw.empty() || !subscribers)
        return true;
    return std::find(subscribers->begin(), subscribers->end(), ownRaw) != subscribers->end();
}

std::string JackListedName(std::string_view fullName) { return std::string(kJackPrefix) + std::string(fullName); }

std::string JackFullName(std::string_view listedName) {
    if (!listedName.starts_with(kJackPrefix))
        return {};
    return std::string(listedName.substr(kJackPrefix.size()));
}

std::string NewOwnConnection(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    for (const std::string& port : after)
        if (IsOwnPort(port) && std::find(before.begin(), before.end(), port) == before.end())
            return port;
    return {};
}

} // namespace mm
