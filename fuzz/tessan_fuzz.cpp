// Received MIDI bytes: the system-exclusive check, the address/checksum
// parse for every address size the unit's definitions use, and the dumps.
// A parse that succeeds must describe the bytes exactly: the sections follow
// each other from offset 2, and composing a message from them gives the same
// bytes again.
#include "ml/ShortMessage.h"
#include "ml/TessanMessage.h"
#include "toolkit/core/TextOut.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

class NullTextOut : public GT::ITextOut {
public:
    void Write(std::string_view text) override { written += text.size(); }
    void Printf(const char*, ...) override {}
    void Indent(int) override {}
    void Output(std::string_view text) override { written += text.size(); }
    std::size_t written = 0;
};

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckSections(const ML::CTessanMessage& message, int addressSize) {
    using M = ML::CTessanMessage;
    Require(message.GetSectionOffset(M::DeviceId) == 2 && message.GetSectionSize(M::DeviceId) == 1);
    for (int s = 0; s + 1 < M::kSectionCount; ++s) {
        const auto here = M::Section(s);
        Require(message.GetSectionOffset(M::Section(s + 1)) ==
                message.GetSectionOffset(here) + message.GetSectionSize(here));
    }
    Require(message.GetSectionSize(M::Address) == addressSize);
    const auto end =
        static_cast<std::size_t>(message.GetSectionOffset(M::Checksum) + message.GetSectionSize(M::Checksum));
    // A message without address whose one byte before F7 is neither data nor
    // checksum is the only one that leaves a byte outside the sections.
    Require(end == message.size() - 1 || (addressSize == 0 && end == message.size() - 2));

    if (end != message.size() - 1)
        return;
    M composed;
    composed.SetManufacturerId(message.GetManufacturerId());
    composed.SetDeviceId(message.GetDeviceId());
    composed.SetModelId(message.GetSection(M::ModelId));
    composed.SetCommand(message.GetSection(M::Command));
    composed.SetAddress(message.GetSection(M::Address));
    composed.SetData(message.GetSection(M::Data));
    composed.UpdateChecksum();
    Require(composed.size() == message.size());
    const auto checksumAt = static_cast<std::size_t>(message.GetSectionOffset(M::Checksum));
    for (std::size_t i = 0; i < message.size(); ++i)
        Require(i == checksumAt || composed[i] == message[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    NullTextOut out;

    ML::CLongMessage sysEx;
    if (sysEx.Assign(bytes))
        sysEx.Dump(out);

    for (int addressSize = 0; addressSize <= 4; ++addressSize) {
        ML::CTessanMessage message;
        if (message.Parse(bytes, addressSize)) {
            CheckSections(message, addressSize);
        }
        // Succeeded or not, nothing the message offers may read past its bytes.
        (void)message.GetChecksum();
        (void)message.ComputeChecksum();
        message.Dump(out);
        message.SetData(bytes.first(size < 8 ? size : 8));
        message.UpdateChecksum();
    }

    if (size >= 3) {
        const std::uint32_t packed = data[0] | data[1] << 8 | data[2] << 16;
        ML::UnpackShortMessage(packed).Dump(out);
    }
    return 0;
}
