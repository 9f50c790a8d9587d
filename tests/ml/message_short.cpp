#include "ml/ShortMessage.h"
#include "tests/ml/message_capture.h"

#include <gtest/gtest.h>

using ML::CShortMessage;
using Bytes = std::vector<std::uint8_t>;

TEST(ShortMessage, SetStatusGivesTheStandardLengthAndKeepsExistingBytes) {
    const struct {
        std::uint8_t status;
        std::size_t length;
    } cases[] = {{0x80, 3}, {0x9F, 3}, {0xA1, 3}, {0xB2, 3}, {0xE5, 3}, {0xF2, 3}, {0xC3, 2}, {0xDE, 2},
                 {0xF1, 2}, {0xF3, 2}, {0xF0, 1}, {0xF4, 1}, {0xF6, 1}, {0xF8, 1}, {0xFE, 1}, {0xFF, 1}};
    for (const auto& c : cases) {
        CShortMessage message(0x90, 0x3C, 0x64);
        message.SetStatus(c.status);
        EXPECT_EQ(message.size(), c.length) << std::hex << int(c.status);
        EXPECT_EQ(message.GetStatus(), c.status);
        if (c.length >= 2) {
            EXPECT_EQ(message.GetData1(), 0x3C);
        }
    }

    CShortMessage grown(Bytes{0xC0, 0x05});
    grown.SetStatus(0xB0);
    EXPECT_EQ(grown, (Bytes{0xB0, 0x05, 0x00}));
}

TEST(ShortMessage, ShorteningDropsDataAndGettersAnswerZero) {
    CShortMessage message(0x90, 0x3C, 0x64);
    message.SetStatus(0xC3);
    EXPECT_EQ(message, (Bytes{0xC3, 0x3C}));
    EXPECT_EQ(message.GetData2(), 0);
    message.SetData2(0x11); // too short: ignored
    EXPECT_EQ(message.size(), 2u);

    message.SetStatus(0xF8);
    EXPECT_EQ(message, Bytes{0xF8});
    EXPECT_EQ(message.GetData1(), 0);
    EXPECT_EQ(message.GetData2(), 0);
}

TEST(ShortMessage, DataByteAsStatusKeepsTheLength) {
    CShortMessage message(0x90, 0x3C, 0x64);
    message.SetStatus(0x12);
    EXPECT_EQ(message, (Bytes{0x12, 0x3C, 0x64}));

    CShortMessage empty;
    empty.SetStatus(0x12);
    EXPECT_EQ(empty, Bytes{0x12});
}

TEST(ShortMessage, StatusAndChannel) {
    std::uint8_t status = 0;
    std::uint8_t channel = 0x55;
    CShortMessage(0x9A, 1, 2).GetStatusAndChannel(status, channel);
    EXPECT_EQ(status, 0x90);
    EXPECT_EQ(channel, 0x0A);

    channel = 0x55;
    CShortMessage(0xF8, 0, 0).GetStatusAndChannel(status, channel);
    EXPECT_EQ(status, 0xF8);
    EXPECT_EQ(channel, 0x55);
}

TEST(ShortMessage, PackAndUnpack) {
    EXPECT_EQ(ML::PackShortMessage(CShortMessage(0x90, 0x3C, 0x64)), 0x643C90u);
    EXPECT_EQ(ML::PackShortMessage(CShortMessage(0xC2, 0x07, 0x7F)), 0x0007C2u);
    EXPECT_EQ(ML::PackShortMessage(CShortMessage(Bytes{0xF8})), 0xF8u);

    EXPECT_EQ(ML::UnpackShortMessage(0x643C90), (Bytes{0x90, 0x3C, 0x64}));
    // The platform may leave stale bytes above a short message's length.
    EXPECT_EQ(ML::UnpackShortMessage(0x7F07C2), (Bytes{0xC2, 0x07}));
    EXPECT_EQ(ML::UnpackShortMessage(0xABCDFE), Bytes{0xFE});
}

TEST(ShortMessage, DumpWritesEveryByteOnce) {
    test::TextCapture out;
    CShortMessage(0x90, 0x0A, 0x64).Dump(out);
    CShortMessage(Bytes{0xF8}).Dump(out);
    ASSERT_EQ(out.writes.size(), 2u);
    EXPECT_EQ(out.writes[0], "90 0A 64 \n");
    EXPECT_EQ(out.writes[1], "F8 \n");
}
