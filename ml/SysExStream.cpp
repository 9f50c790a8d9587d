#include "ml/SysExStream.h"

#include "ml/MidiStatus.h"

namespace ML {

std::size_t ForEachSysEx(std::span<const std::uint8_t> bytes,
                         const std::function<void(std::span<const std::uint8_t> message)>& each) {
    std::size_t found = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (bytes[at] != kSysExStart) {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        while (end < bytes.size() && bytes[end] < kStatusBit)
            ++end;
        if (end == bytes.size())
            break; // cut short by the end of the data
        if (bytes[end] == kSysExEnd) {
            // F0 F7 carries nothing, not even a manufacturer id.
            if (end - at >= 2) {
                each(bytes.subspan(at, end - at + 1));
                ++found;
            }
            at = end + 1;
        } else {
            // Broken by another status byte; that byte may start the next
            // message.
            at = end;
        }
    }
    return found;
}

} // namespace ML
