// Standard MIDI Files from anywhere: the reader must end every file, however
// broken, with a result and without reading past it. The SysEx messages of a
// file that parses are written out again and must read back the same. The
// import stores only whole data sets of a patch.
#include "fuzz/ImportCheck.h"
#include "ml/SmfBuffer.h"

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

class Collector : public ML::CSmfBufferReader {
public:
    using CSmfBufferReader::CSmfBufferReader;

    bool OnSysEx(std::uint32_t, const ML::CLongMessage& message) override {
        Require(ML::IsSystemExclusive(message));
        messages.push_back(message);
        return true;
    }
    bool OnChannelMessage(std::uint32_t, const ML::CShortMessage& message) override {
        Require(!message.empty() && message.size() <= 3 && message.GetStatus() >= 0x80);
        return true;
    }
    bool OnMeta(std::uint32_t, const Meta& meta) override {
        for (std::uint8_t b : meta.bytes)
            checksum += b;
        return true;
    }

    std::vector<std::vector<std::uint8_t>> messages;
    unsigned checksum = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Collector reader(std::span<const std::uint8_t>(data, size));
    const bool parsed = reader.ParseSmf();
    fuzzcheck::Harness().Check(reader.messages, [&](AReader& importer, CImageData& image) {
        importer.ImportSmfBytes(std::span<const std::uint8_t>(data, size), image);
    });
    if (!parsed)
        return 0;

    ML::CSmfBufferWriter writer;
    Require(writer.Begin() && writer.BeginTrack());
    for (const auto& message : reader.messages)
        Require(writer.AddSysEx(0, message));
    Require(writer.EndTrack() && writer.Finish());

    Collector again(writer.GetBytes());
    Require(again.ParseSmf());
    Require(again.messages == reader.messages);
    return 0;
}
