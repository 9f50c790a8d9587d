// Importing an SMF: ParseSmf over a 10 MB file of data-set SysEx events,
// against reading the same bytes through the same Read without parsing.
#include "ml/SmfBuffer.h"
#include "ml/TessanMessage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kFileSize = 10 * 1024 * 1024;

// Data sets of the unit (141 bytes) with the export's delta of 13 ticks,
// until the file holds about 10 MB.
const std::vector<std::uint8_t>& TenMegabyteFile() {
    static const std::vector<std::uint8_t> file = [] {
        ML::CTessanMessage message;
        message.SetDeviceId(0x10);
        message.SetModelId(std::vector<std::uint8_t>{0x00, 0x00, 0x45});
        message.SetCommand(ML::DataSetCommand());
        message.SetAddress(std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x00});
        message.SetData(std::vector<std::uint8_t>(128, 0x2A));
        message.UpdateChecksum();

        ML::CSmfBufferWriter writer;
        writer.Begin();
        writer.BeginTrack();
        for (std::uint32_t delta = 0; writer.GetPosition() < kFileSize; delta = 13)
            writer.AddSysEx(delta, message);
        writer.EndTrack();
        writer.Finish();
        return writer.GetBytes();
    }();
    return file;
}

class CountingReader : public ML::CSmfBufferReader {
public:
    using CSmfBufferReader::CSmfBufferReader;
    bool OnSysEx(std::uint32_t, const ML::CLongMessage& message) override {
        bytes += message.size();
        return true;
    }
    std::size_t bytes = 0;
};

void BM_ParseSmf(benchmark::State& state) {
    const auto& file = TenMegabyteFile();
    for (auto _ : state) {
        CountingReader reader(file);
        if (!reader.ParseSmf())
            state.SkipWithError("ParseSmf failed");
        benchmark::DoNotOptimize(reader.bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ParseSmf)->Unit(benchmark::kMillisecond);

void BM_ReadSameBytes(benchmark::State& state) {
    const auto& file = TenMegabyteFile();
    std::vector<std::uint8_t> buffer(64 * 1024);
    for (auto _ : state) {
        CountingReader reader(file);
        std::size_t position = 0;
        while (const std::size_t got = reader.Read(buffer, position)) {
            position += got;
            benchmark::DoNotOptimize(buffer.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadSameBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
