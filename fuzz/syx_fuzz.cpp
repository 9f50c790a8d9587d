// Raw SysEx files from anywhere: the splitter must hand on only whole
// system-exclusive messages that lie inside the file, in file order and
// without overlap; written out one after the other they must split into the
// same messages again. The import stores only whole data sets of a patch.
#include "fuzz/ImportCheck.h"
#include "ml/LongMessage.h"
#include "ml/SysExStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<std::vector<std::uint8_t>> Split(std::span<const std::uint8_t> bytes) {
    std::vector<std::vector<std::uint8_t>> messages;
    const std::uint8_t* next = bytes.data();
    const std::size_t count = ML::ForEachSysEx(bytes, [&](std::span<const std::uint8_t> message) {
        Require(message.data() >= next && message.data() + message.size() <= bytes.data() + bytes.size());
        Require(ML::IsSystemExclusive(message));
        next = message.data() + message.size();
        messages.emplace_back(message.begin(), message.end());
    });
    Require(count == messages.size());
    return messages;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto messages = Split(std::span<const std::uint8_t>(data, size));
    std::vector<std::uint8_t> clean;
    for (const auto& message : messages)
        clean.insert(clean.end(), message.begin(), message.end());
    Require(Split(clean) == messages);
    fuzzcheck::Harness().Check(messages, [&](AReader& reader, CImageData& image) {
        reader.ImportSysExBytes(std::span<const std::uint8_t>(data, size), image);
    });
    return 0;
}
