#pragma once
// What the fuzz targets and checks share: the stop on a broken rule, which
// the fuzzer takes for a finding, and message boxes that answer by
// themselves.
#include "data/Address.h"
#include "toolkit/core/TextDialog.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzzsupport {

// Ends the run with "<who>: <what>" on standard error when condition does
// not hold.
inline void Require(bool condition, const char* who, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "%s: %s\n", who, what);
    std::abort();
}

// Answers every message box with OK without showing it.
class SilentDialog : public UL::ATextDialog {
public:
    int Show(const std::string&, int, int) override { return UL::kResultOk; }
};

// The address and data of a message that is a whole data set of this unit.
inline bool WholeDataSet(const std::vector<std::uint8_t>& message, DeviceAddress& address,
                         std::vector<std::uint8_t>& data) {
    const std::vector<std::uint8_t> head{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x12};
    if (message.size() != 141 || !std::equal(head.begin(), head.end(), message.begin()) || message.back() != 0xF7)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 7; i < 140; ++i)
        sum += message[i];
    if (sum % 128 != 0)
        return false;
    address = 0;
    for (std::size_t i = 7; i < 11; ++i)
        address = address << 7 | (message[i] & 0x7F);
    data.assign(message.begin() + 11, message.begin() + 139);
    return true;
}

} // namespace fuzzsupport
