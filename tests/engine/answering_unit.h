#pragma once
// A unit that only answers the identity request, on in-process virtual
// devices of any names: for the tests of finding the unit.
#include "platform/mm/virtual/VirtualDevices.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace test {

inline std::vector<std::uint8_t> UnitIdentityReply(std::uint8_t deviceId, std::uint8_t family0 = 0x45,
                                                   std::uint8_t family1 = 0x02) {
    return {0xF0, 0x7E, deviceId, 0x06, 0x02, 0x41, family0, family1, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
}

// A unit on an input and an output of different names: it answers the
// identity request for its device id or for every device on its input.
class AnsweringUnit {
public:
    AnsweringUnit(const std::string& input, const std::string& output, std::uint8_t deviceId,
                  std::vector<std::uint8_t> reply = {})
        : in(input), reply_(reply.empty() ? UnitIdentityReply(deviceId) : std::move(reply)),
          out(output, [this, deviceId](std::span<const std::uint8_t> bytes) {
              const bool request = bytes.size() == 6 && bytes[0] == 0xF0 && bytes[1] == 0x7E && bytes[3] == 0x06 &&
                                   bytes[4] == 0x01 && (bytes[2] == deviceId || bytes[2] == 0x7F);
              if (!request || silent)
                  return;
              ++requests;
              in.Send(reply_);
          }) {}
    mm::VirtualInputDevice in;
    std::atomic<int> requests{0};
    std::atomic<bool> silent{false};

private:
    std::vector<std::uint8_t> reply_;

public:
    mm::VirtualOutputDevice out;
};

} // namespace test
