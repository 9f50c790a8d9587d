// The file commands' results, checked with a reader of their own so that a
// fault shared by the writer and the library's reader cannot hide.
#include "cli/Commands.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("zm47-cli-" + std::to_string(::getpid()) + "-" + name);
}

struct SmfSummary {
    int format = -1;
    int tracks = -1;
    std::vector<std::uint32_t> sysExDeltas;
    std::vector<Bytes> sysEx; // F0 and the event's bytes
};

// A plain reading of the file format: header chunk, then track chunks of
// delta-timed events; only what the export writes (SysEx, meta) is expected.
bool ParseSmf(const Bytes& file, SmfSummary& summary) {
    std::size_t at = 0;
    auto u32 = [&](std::size_t p) {
        return std::uint32_t{file[p]} << 24 | std::uint32_t{file[p + 1]} << 16 | std::uint32_t{file[p + 2]} << 8 |
               file[p + 3];
    };
    auto vlq = [&](std::size_t end, std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4 && at < end; ++i) {
            const std::uint8_t byte = file[at++];
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                return true;
        }
        return false;
    };
    if (file.size() < 14 || std::string(file.begin(), file.begin() + 4) != "MThd" || u32(4) != 6)
        return false;
    summary.format = file[8] << 8 | file[9];
    summary.tracks = file[10] << 8 | file[11];
    at = 14;
    while (at + 8 <= file.size()) {
        if (std::string(file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at) + 4) != "MTrk")
            return false;
        const std::size_t end = at + 8 + u32(at + 4);
        if (end > file.size())
            return false;
        at += 8;
        while (at < end) {
            std::uint32_t delta = 0;
            std::uint32_t length = 0;
            if (!vlq(end, delta) || at >= end)
                return false;
            const std::uint8_t status = file[at++];
            if (status == 0xFF) {
                ++at; // meta type
            } else if (status != 0xF0) {
                return false;
            }
            if (!vlq(end, length) || at + length > end)
                return false;
            if (status == 0xF0) {
                Bytes event{0xF0};
                event.insert(event.end(), file.begin() + static_cast<long>(at),
                             file.begin() + static_cast<long>(at + length));
                summary.sysEx.push_back(event);
                summary.sysExDeltas.push_back(delta);
            }
            at += length;
        }
    }
    return at == file.size();
}

TEST(CliFileCommands, ExportOfSixtyPatchesIsAnSmfOfSixtyDataSetsThatImportsBack) {
    test::CapturingTextDialog dialog;
    const auto z4l = TempFile("sixty.z4l");
    const auto mid = TempFile("sixty.mid");
    const auto back = TempFile("back.z4l");
    cli::Arguments make;
    make.files = {z4l.string()};
    make.count = 60;
    ASSERT_EQ(cli::New(make), cli::kExitOk);

    cli::Arguments exportArgs;
    exportArgs.files = {z4l.string(), mid.string()};
    ASSERT_EQ(cli::ExportSmfFile(exportArgs), cli::kExitOk);
    std::ifstream in(mid, std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    SmfSummary smf;
    ASSERT_TRUE(ParseSmf(file, smf));
    EXPECT_EQ(smf.format, 0);
    EXPECT_EQ(smf.tracks, 1);
    ASSERT_EQ(smf.sysEx.size(), 60u);
    EXPECT_EQ(smf.sysEx[0].size(), 141u);
    EXPECT_EQ(smf.sysEx[0].back(), 0xF7);
    EXPECT_EQ(Bytes(smf.sysEx[59].begin() + 7, smf.sysEx[59].begin() + 11), (Bytes{0x7F, 0x00, 0x3B, 0x00}));
    EXPECT_EQ(smf.sysExDeltas[0], 0u);

    cli::Arguments importArgs;
    importArgs.files = {mid.string(), back.string()};
    ASSERT_EQ(cli::ImportSmfFile(importArgs), cli::kExitOk);
    EXPECT_EQ(std::filesystem::file_size(back), std::filesystem::file_size(z4l));
    EXPECT_TRUE(dialog.shown().empty());
    for (const auto& path : {z4l, mid, back})
        std::filesystem::remove(path);
}

TEST(CliFileCommands, ImportOfAFileThatIsNoSmfShowsMessage4AndWritesNothing) {
    test::CapturingTextDialog dialog;
    const auto mid = TempFile("bad.mid");
    const auto out = TempFile("bad.z4l");
    std::ofstream(mid) << "MThd but not really";
    cli::Arguments args;
    args.files = {mid.string(), out.string()};
    EXPECT_EQ(cli::ImportSmfFile(args), cli::kExitFailure);
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be loaded.");
    std::filesystem::remove(mid);
}

TEST(CliFileCommands, AFileWithBytesMidiCannotCarryIsNeitherWrittenPreviewedNorExported) {
    test::CapturingTextDialog dialog;
    const auto z4l = TempFile("damaged.z4l");
    const auto mid = TempFile("damaged.mid");
    cli::Arguments make;
    make.files = {z4l.string()};
    make.count = 3;
    ASSERT_EQ(cli::New(make), cli::kExitOk);
    {
        // Header 160, record length 4, segment count 4, segment length 4:
        // byte 20 of patch 0's data.
        std::fstream file(z4l, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(160 + 12 + 20);
        file.put(static_cast<char>(0xF7));
    }

    cli::Arguments write;
    write.files = {z4l.string()};
    write.area = 1;
    EXPECT_EQ(cli::Write(write), cli::kExitFailure);
    cli::Arguments preview;
    preview.files = {z4l.string()};
    preview.index = 0;
    EXPECT_EQ(cli::Preview(preview), cli::kExitFailure);
    cli::Arguments exportArgs;
    exportArgs.files = {z4l.string(), mid.string()};
    EXPECT_EQ(cli::ExportSmfFile(exportArgs), cli::kExitFailure);
    EXPECT_FALSE(std::filesystem::exists(mid));

    ASSERT_EQ(dialog.shown().size(), 3u);
    for (const auto& shown : dialog.shown())
        EXPECT_EQ(shown.text.rfind("The patch data hold values that MIDI cannot carry", 0), 0u) << shown.text;
    std::filesystem::remove(z4l);
}

} // namespace
