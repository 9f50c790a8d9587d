#include "ml/SmfBuffer.h"
#include "ml/TessanMessage.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Encoded(std::uint32_t value) {
    std::array<std::uint8_t, 4> out{};
    const std::size_t count = ML::EncodeVariableLength(value, out);
    return Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count));
}

// A data set of the unit: 141 bytes with 128 data bytes.
ML::CTessanMessage DataSet(std::uint8_t index) {
    ML::CTessanMessage message;
    message.SetDeviceId(0x10);
    message.SetModelId(Bytes{0x00, 0x00, 0x45});
    message.SetCommand(ML::DataSetCommand());
    message.SetAddress(Bytes{0x01, 0x00, index, 0x00});
    message.SetData(Bytes(128, index));
    message.UpdateChecksum();
    return message;
}

// Fails every write that reaches byte limit or beyond.
class LimitedWriter : public ML::CSmfBufferWriter {
public:
    explicit LimitedWriter(std::size_t limit) : limit_(limit) {}
    std::size_t WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) override {
        if (position + bytes.size() > limit_)
            return 0;
        return CSmfBufferWriter::WriteAt(position, bytes);
    }

private:
    std::size_t limit_;
};

} // namespace

TEST(SmfVariableLength, GroupsOfSevenBitsMostSignificantFirst) {
    const struct {
        std::uint32_t value;
        Bytes bytes;
    } cases[] = {
        {0x00, {0x00}},
        {0x40, {0x40}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {0x2000, {0xC0, 0x00}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Encoded(c.value), c.bytes) << std::hex << c.value;
    EXPECT_TRUE(Encoded(0x10000000).empty()) << "more than four bytes cannot be written";
}

TEST(SmfWriter, ChunkLayoutOfAOneTrackFile) {
    ML::CSmfBufferWriter writer;
    const Bytes identity{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};
    ASSERT_TRUE(writer.Begin());
    ASSERT_TRUE(writer.BeginTrack());
    ASSERT_TRUE(writer.AddSysEx(0, identity));
    ASSERT_TRUE(writer.AddSysEx(0x80, identity));
    ASSERT_TRUE(writer.AddMeta(0, 0x51, Bytes{0x07, 0xA1, 0x20}));
    ASSERT_TRUE(writer.EndTrack());
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(writer.GetTrackCount(), 1u);

    const Bytes expected{
        'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0, 0, 1, 0, 96, // format 0, 1 track, 96 ticks
        'M',  'T',  'r',  'k',  0,    0,    0,    28,                         // length of what follows
        0x00, 0xF0, 0x05, 0x7E, 0x10, 0x06, 0x01, 0xF7,                       // delta 0, length 5
        0x81, 0x00, 0xF0, 0x05, 0x7E, 0x10, 0x06, 0x01, 0xF7,                 // delta 128
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                             // a meta event
        0x00, 0xFF, 0x2F, 0x00,                                               // end of track
    };
    EXPECT_EQ(writer.GetBytes(), expected);
    EXPECT_EQ(writer.GetPosition(), expected.size());
}

TEST(SmfWriter, SixtyDataSetsAndTwoTrackFiles) {
    ML::CSmfBufferWriter writer;
    ASSERT_TRUE(writer.Begin());
    ASSERT_TRUE(writer.BeginTrack());
    for (std::uint8_t i = 0; i < 60; ++i)
        ASSERT_TRUE(writer.AddSysEx(i == 0 ? 0 : 13, DataSet(i)));
    ASSERT_TRUE(writer.EndTrack());
    ASSERT_TRUE(writer.Finish());

    // Each event: delta, F0, length 140 in two bytes, 140 message bytes.
    const std::size_t trackLength = 60 * (1 + 1 + 2 + 140) + 4;
    const Bytes& bytes = writer.GetBytes();
    ASSERT_EQ(bytes.size(), 22 + trackLength);
    EXPECT_EQ(Bytes(bytes.begin() + 18, bytes.begin() + 26), (Bytes{0, 0, 0x21, 0xC4, 0x00, 0xF0, 0x81, 0x0C}));
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{0x00, 0xFF, 0x2F, 0x00}));

    // A second track makes a format 1 file; Begin starts over.
    ASSERT_TRUE(writer.BeginTrack());
    ASSERT_TRUE(writer.EndTrack());
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(Bytes(writer.GetBytes().begin() + 8, writer.GetBytes().begin() + 14), (Bytes{0, 1, 0, 2, 0, 96}));

    writer.Clear();
    ASSERT_TRUE(writer.Begin());
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(writer.GetBytes(), (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 0, 0, 96}));
}

TEST(SmfWriter, RefusesWhatWouldMakeABrokenFile) {
    ML::CSmfBufferWriter writer;
    const Bytes sysEx{0xF0, 0x41, 0xF7};
    EXPECT_FALSE(writer.BeginTrack()) << "no header yet";
    ASSERT_TRUE(writer.Begin());
    EXPECT_FALSE(writer.AddSysEx(0, sysEx)) << "outside a track";
    EXPECT_FALSE(writer.EndTrack());
    ASSERT_TRUE(writer.BeginTrack());
    EXPECT_FALSE(writer.BeginTrack()) << "tracks do not nest";
    EXPECT_FALSE(writer.AddSysEx(0, Bytes{0x41, 0xF7})) << "no leading F0";
    EXPECT_FALSE(writer.AddSysEx(0, Bytes{}));
    EXPECT_FALSE(writer.AddSysEx(0x10000000, sysEx)) << "delta beyond four bytes";
    EXPECT_TRUE(writer.AddSysEx(0x0FFFFFFF, sysEx));
    EXPECT_FALSE(writer.Finish()) << "a track is still open";
    EXPECT_TRUE(writer.EndTrack());
    EXPECT_TRUE(writer.Finish());

    // A short write anywhere is a failure of the step that made it.
    LimitedWriter none(0);
    EXPECT_FALSE(none.Begin());
    LimitedWriter header(14);
    EXPECT_TRUE(header.Begin());
    EXPECT_FALSE(header.BeginTrack());
    LimitedWriter small(40);
    ASSERT_TRUE(small.Begin());
    ASSERT_TRUE(small.BeginTrack());
    EXPECT_TRUE(small.AddSysEx(0, sysEx));
    EXPECT_FALSE(small.AddSysEx(0, DataSet(1)));
}
