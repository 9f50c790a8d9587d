#include "ml/LongMessage.h"
#include "tests/ml/message_capture.h"

#include <gtest/gtest.h>

using ML::CLongMessage;
using Bytes = std::vector<std::uint8_t>;

TEST(LongMessage, ResetAndTheFieldAccessors) {
    CLongMessage message;
    EXPECT_EQ(message, (Bytes{0xF0, 0x00, 0xF7}));
    EXPECT_GE(message.capacity(), 256u);
    EXPECT_EQ(message.GetDataSize(), 0u);
    EXPECT_TRUE(message.GetData().empty());

    // An identity request built the way the engine builds universal messages.
    message.SetManufacturerId(0x7E);
    message.SetData(Bytes{0x7F, 0x06, 0x01});
    message.SetDeviceId(0x10);
    EXPECT_EQ(message, (Bytes{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7}));
    EXPECT_EQ(message.GetDeviceId(), 0x10);
    EXPECT_EQ(message.GetSubId1(), 0x06);
    EXPECT_EQ(message.GetSubId2(), 0x01);
    EXPECT_EQ(message.GetData(), (Bytes{0x10, 0x06, 0x01}));
    EXPECT_EQ(message.GetDataSize(), 3u);

    message.SetSubId1(0x07);
    message.SetSubId2(0x02);
    EXPECT_EQ(message, (Bytes{0xF0, 0x7E, 0x10, 0x07, 0x02, 0xF7}));

    message.SetManufacturerId(0x80); // not a data byte: ignored
    EXPECT_EQ(message.GetManufacturerId(), 0x7E);

    message.SetData(Bytes{});
    EXPECT_EQ(message, (Bytes{0xF0, 0x7E, 0xF7}));
    EXPECT_EQ(message.GetSubId2(), 0); // past the end reads as 0
    message.SetSubId2(0x05);           // and writes nothing
    EXPECT_EQ(message.size(), 3u);
}

TEST(LongMessage, AssignAcceptsOnlySystemExclusiveMessages) {
    const Bytes rejected[] = {
        {},
        {0xF0},
        {0xF0, 0xF7},
        {0x90, 0x41, 0xF7},
        {0xF0, 0x41, 0x10},
        {0xF0, 0x41, 0x80, 0xF7},
        {0xF0, 0x41, 0xF7, 0xF7},
        {0xF0, 0xF0, 0xF7},
    };
    for (const Bytes& bytes : rejected) {
        CLongMessage message(Bytes{0xF0, 0x41, 0x55, 0xF7});
        EXPECT_FALSE(message.Assign(bytes)) << ::testing::PrintToString(bytes);
        EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x55, 0xF7})) << "a rejected message stays unchanged";
    }

    CLongMessage message;
    const Bytes universal{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    EXPECT_TRUE(message.Assign(universal));
    EXPECT_EQ(message, universal);
    EXPECT_TRUE(message.Assign(Bytes{0xF0, 0x00, 0xF7}));
}

namespace {

// What Dump writes for bytes, in one write.
std::string DumpOf(const Bytes& bytes) {
    test::TextCapture out;
    CLongMessage(bytes).Dump(out);
    EXPECT_EQ(out.writes.size(), 1u);
    return out.writes.empty() ? std::string() : out.writes[0];
}

constexpr const char* kOffsets = "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n";

} // namespace

TEST(LongMessage, DumpRowsOfSixteen) {
    EXPECT_EQ(DumpOf(Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}),
              std::string("F0\n") + kOffsets + "7E 7F 06 01 \nF7\n");

    // Offsets 1 to 15 fill the first row, 16 starts the next one.
    Bytes bytes{0xF0};
    for (std::uint8_t i = 1; i <= 16; ++i)
        bytes.push_back(i);
    bytes.push_back(0xF7);
    const std::string firstRow = "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n";
    EXPECT_EQ(DumpOf(bytes), std::string("F0\n") + kOffsets + firstRow + "10 \nF7\n");

    // A row that ends exactly at offset 15 gets no second line feed.
    bytes.resize(16);
    bytes.push_back(0xF7);
    EXPECT_EQ(DumpOf(bytes), std::string("F0\n") + kOffsets + firstRow + "F7\n");
}

TEST(LongMessage, ShortOrEmptyBytesAreHandledWithoutReadingPastThem) {
    CLongMessage message(Bytes{});
    EXPECT_EQ(message.GetDataSize(), 0u);
    EXPECT_TRUE(message.GetData().empty());
    EXPECT_EQ(message.GetManufacturerId(), 0);
    message.SetDeviceId(0x10);
    EXPECT_TRUE(message.empty());
    test::TextCapture out;
    message.Dump(out);
    EXPECT_EQ(out.writes.at(0), "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n");
}
