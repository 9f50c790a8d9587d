#include "ml/TessanMessage.h"
#include "tests/ml/message_capture.h"

#include <gtest/gtest.h>

using ML::CTessanMessage;
using Bytes = std::vector<std::uint8_t>;

namespace {

const char kHeaderLine[] = "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n";

CTessanMessage Compose(Bytes model, const Bytes& command, const Bytes& address, const Bytes& data) {
    CTessanMessage message;
    message.SetManufacturerId(0x41);
    message.SetDeviceId(0x10);
    message.SetModelId(model);
    message.SetCommand(command);
    message.SetAddress(address);
    message.SetData(data);
    message.UpdateChecksum();
    return message;
}

std::string DumpOf(const ML::CLongMessage& message) {
    test::TextCapture out;
    message.Dump(out);
    EXPECT_EQ(out.writes.size(), 1u);
    return out.writes.empty() ? std::string() : out.writes.front();
}

} // namespace

TEST(TessanMessage, ResetContents) {
    CTessanMessage message;
    EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x7F, 0x42, 0x12, 0xF7}));
    EXPECT_GE(message.capacity(), 256u);
    EXPECT_EQ(message.GetDeviceId(), 0x7F);
    EXPECT_EQ(message.GetModelId(), Bytes{0x42});
    EXPECT_EQ(message.GetCommand(), Bytes{0x12});
    EXPECT_TRUE(message.GetAddress().empty());
    EXPECT_TRUE(message.GetData().empty());
    EXPECT_EQ(message.GetChecksum(), 0xFF);
    EXPECT_EQ(message.ComputeChecksum(), 0xFF);
    const std::int32_t offsets[] = {2, 3, 4, 5, 5, 5};
    const std::int32_t sizes[] = {1, 1, 1, 0, 0, 0};
    for (int s = 0; s < CTessanMessage::kSectionCount; ++s) {
        EXPECT_EQ(message.GetSectionOffset(CTessanMessage::Section(s)), offsets[s]);
        EXPECT_EQ(message.GetSectionSize(CTessanMessage::Section(s)), sizes[s]);
    }

    message.UpdateChecksum();
    EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x7F, 0x42, 0x12, 0xF7}));

    message = Compose({0x42}, {0x11}, {0, 0, 0x10, 0}, {0, 0, 0, 0x20});
    message.Reset();
    EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x7F, 0x42, 0x12, 0xF7}));
    EXPECT_EQ(message.GetSectionOffset(CTessanMessage::Checksum), 5);
}

TEST(TessanMessage, ComposesDataRequestAndChecksums) {
    const CTessanMessage request = Compose({0x42}, ML::DataRequestCommand(), {0, 0, 0x10, 0}, {0, 0, 0, 0x20});
    EXPECT_EQ(request,
              (Bytes{0xF0, 0x41, 0x10, 0x42, 0x11, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x20, 0x50, 0xF7}));
    EXPECT_EQ(request.GetChecksum(), 0x50);

    const CTessanMessage set = Compose({0x42}, ML::DataSetCommand(), {0, 0, 0x10, 0}, {0x01});
    EXPECT_EQ(set.GetChecksum(), 0x6F);
    EXPECT_EQ(set.GetCommand(), Bytes{0x12});

    // The checksum is replaced, not added, when the fields change again.
    CTessanMessage changed = set;
    changed.SetData(Bytes{0x01, 0x7F, 0x7F});
    changed.UpdateChecksum();
    EXPECT_EQ(changed.size(), set.size() + 2);
    EXPECT_EQ(changed.GetChecksum(), 0x71);
    changed.SetAddress(Bytes{});
    changed.SetData(Bytes{});
    changed.UpdateChecksum();
    EXPECT_EQ(changed, (Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}));
}

TEST(TessanMessage, ReplacingASectionShiftsTheLaterOnes) {
    CTessanMessage message = Compose({0x42}, {0x12}, {0, 0, 0x10, 0}, {0x05});
    std::int32_t before[CTessanMessage::kSectionCount];
    for (int s = 0; s < CTessanMessage::kSectionCount; ++s)
        before[s] = message.GetSectionOffset(CTessanMessage::Section(s));

    message.SetModelId(Bytes{0x00, 0x00, 0x42});
    EXPECT_EQ(message.GetSectionOffset(CTessanMessage::DeviceId), before[CTessanMessage::DeviceId]);
    EXPECT_EQ(message.GetSectionOffset(CTessanMessage::ModelId), before[CTessanMessage::ModelId]);
    for (auto s : {CTessanMessage::Command, CTessanMessage::Address, CTessanMessage::Data, CTessanMessage::Checksum})
        EXPECT_EQ(message.GetSectionOffset(s), before[s] + 2);
    EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x05, 0x6B, 0xF7}));

    // Empty model ids and commands are ignored; an empty address is not.
    message.SetModelId(Bytes{});
    message.SetCommand(Bytes{});
    EXPECT_EQ(message.GetModelId(), (Bytes{0x00, 0x00, 0x42}));
    EXPECT_EQ(message.GetCommand(), Bytes{0x12});
    message.SetAddress(Bytes{});
    EXPECT_TRUE(message.GetAddress().empty());
    EXPECT_EQ(message.GetData(), Bytes{0x05});
    // Setters leave the stale checksum alone until UpdateChecksum.
    EXPECT_EQ(message.GetChecksum(), 0x6B);

    // A section filled from the message's own bytes.
    message.SetData(message.GetSection(CTessanMessage::ModelId));
    EXPECT_EQ(message.GetData(), (Bytes{0x00, 0x00, 0x42}));
    EXPECT_EQ(message.back(), 0xF7);
}

TEST(TessanMessage, ParsesTheFieldsOfReceivedMessages) {
    CTessanMessage message;
    const Bytes example{0xF0, 0x41, 0x10, 0x00, 0x00, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x05, 0x6B, 0xF7};
    ASSERT_TRUE(message.Parse(example, 4));
    EXPECT_EQ(message, example);
    EXPECT_EQ(message.GetDeviceId(), 0x10);
    EXPECT_EQ(message.GetModelId(), (Bytes{0x00, 0x00, 0x42}));
    EXPECT_EQ(message.GetCommand(), Bytes{0x12});
    EXPECT_EQ(message.GetAddress(), (Bytes{0x00, 0x00, 0x10, 0x00}));
    EXPECT_EQ(message.GetData(), Bytes{0x05});
    EXPECT_EQ(message.GetChecksum(), 0x6B);
    EXPECT_EQ(message.ComputeChecksum(), 0x6B);

    ASSERT_TRUE(message.Parse(Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x7F, 0x71, 0xF7}, 4));
    EXPECT_EQ(message.GetData(), Bytes{0x7F});
    EXPECT_EQ(message.GetChecksum(), 0x71);
    EXPECT_EQ(message.GetDataSize(), 1u);

    // A data set as the unit sends it: 128 data bytes after a 3-byte model id.
    Bytes patch(128);
    for (std::size_t i = 0; i < patch.size(); ++i)
        patch[i] = static_cast<std::uint8_t>(i * 7 & 0x7F);
    const CTessanMessage sent = Compose({0x00, 0x00, 0x45}, ML::DataSetCommand(), {0x01, 0x00, 0x00, 0x00}, patch);
    EXPECT_EQ(sent.size(), 141u);
    ASSERT_TRUE(message.Parse(sent, 4));
    EXPECT_EQ(message.GetData(), patch);
    EXPECT_EQ(message.GetChecksum(), message.ComputeChecksum());
    EXPECT_EQ(ML::FromSevenBitGroups(message.GetAddress()), 0x200000u);

    // The reply to a request without address and data.
    ASSERT_TRUE(message.Parse(Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}, 0));
    EXPECT_TRUE(message.GetAddress().empty());
    EXPECT_EQ(message.GetChecksum(), 0xFF);
}

TEST(TessanMessage, ParseRejectsMessagesWithoutRoomForTheirFields) {
    // With one-byte model id and command, a 4-byte address needs 11 bytes.
    const Bytes full{0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x70, 0xF7};
    for (std::size_t n = 3; n < full.size(); ++n) {
        Bytes shorter(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n - 1));
        shorter.push_back(0xF7);
        CTessanMessage message;
        EXPECT_FALSE(message.Parse(shorter, 4)) << n;
    }
    CTessanMessage message;
    EXPECT_TRUE(message.Parse(full, 4));

    const Bytes rejected[] = {
        {0xF0, 0x41, 0x10, 0x00, 0x00, 0x00, 0x00, 0xF7}, // model id never ends
        {0xF0, 0x41, 0x10, 0x42, 0x00, 0x00, 0x00, 0xF7}, // command never ends
        {0xF0, 0x41, 0x10, 0x00, 0x42, 0xF7},             // the model id leaves no room for a command
        {0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x90, 0x70, 0xF7}, // not system-exclusive
        {0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x70, 0xF7},
    };
    for (const Bytes& bytes : rejected)
        EXPECT_FALSE(message.Parse(bytes, 4)) << ::testing::PrintToString(bytes);
    EXPECT_FALSE(message.Parse(full, -1));
    EXPECT_FALSE(message.Parse(full, 8));
}

TEST(TessanMessage, FailedParseLeavesAMessageThatIsSafeToTouch) {
    CTessanMessage message = Compose({0x00, 0x00, 0x45}, {0x12}, {0, 0, 0x10, 0}, Bytes(128, 0x11));
    // Passes the system-exclusive check, fails on the command.
    const Bytes received{0xF0, 0x41, 0x10, 0x42, 0x00, 0x00, 0x00, 0xF7};
    ASSERT_FALSE(message.Parse(received, 4));
    EXPECT_EQ(message, received);
    // The stale table points far past these 8 bytes; nothing reads there.
    EXPECT_LE(message.GetData().size(), received.size());
    EXPECT_LE(message.GetSection(CTessanMessage::Checksum).size(), received.size());
    (void)message.GetChecksum();
    (void)message.ComputeChecksum();
    (void)DumpOf(message);
    message.SetData(Bytes{0x01, 0x02});
    message.UpdateChecksum();
    message.Reset();
    EXPECT_EQ(message, (Bytes{0xF0, 0x41, 0x7F, 0x42, 0x12, 0xF7}));
}

TEST(TessanMessage, DumpAlignsDataUnderTheAddressColumn) {
    EXPECT_EQ(DumpOf(CTessanMessage()), std::string("F0 41 7F 42 12 \n") + kHeaderLine + "\nFF F7\n");

    const CTessanMessage request = Compose({0x42}, {0x11}, {0, 0, 0x10, 0}, {0, 0, 0, 0x20});
    EXPECT_EQ(DumpOf(request), std::string("F0 41 10 42 11 \n") + kHeaderLine +
                                   "00 00 10 00 \n"
                                   "00 00 00 20 \n"
                                   "50 F7\n");

    // Address low nibble E: two bytes finish the first row, the rest wraps.
    const CTessanMessage set = Compose({0x00, 0x00, 0x45}, {0x12}, {0, 0, 0x10, 0x0E}, {1, 2, 3});
    EXPECT_EQ(DumpOf(set), std::string("F0 41 10 00 00 45 12 \n") + kHeaderLine + "00 00 10 0E \n" +
                               std::string(14 * 3, ' ') +
                               "01 02 \n"
                               "03 \n"
                               "5C F7\n");

    // Exactly sixteen data bytes from column 0 end without an extra line.
    const CTessanMessage row = Compose({0x42}, {0x12}, {0, 0, 0x10, 0x00}, Bytes(16, 0x01));
    EXPECT_EQ(DumpOf(row), std::string("F0 41 10 42 12 \n") + kHeaderLine +
                               "00 00 10 00 \n"
                               "01 01 01 01 01 01 01 01 01 01 01 01 01 01 01 01 \n"
                               "60 F7\n");
}

TEST(TessanMessage, CommandsAndSevenBitGroups) {
    EXPECT_EQ(ML::DataRequestCommand(), ML::CMessage{0x11});
    EXPECT_EQ(ML::DataSetCommand(), ML::CMessage{0x12});
    EXPECT_EQ(&ML::DataSetCommand(), &ML::DataSetCommand());

    EXPECT_EQ(ML::ToSevenBitGroups(0x200004, 4), (Bytes{0x01, 0x00, 0x00, 0x04}));
    EXPECT_EQ(ML::ToSevenBitGroups(0x0FFFFFFF, 4), (Bytes{0x7F, 0x7F, 0x7F, 0x7F}));
    EXPECT_EQ(ML::ToSevenBitGroups(0x80, 1), Bytes{0x00});
    EXPECT_EQ(ML::ToSevenBitGroups(0x1234, 2), (Bytes{0x24, 0x34}));
    EXPECT_EQ(ML::FromSevenBitGroups(Bytes{0x01, 0x00, 0x00, 0x04}), 0x200004u);
    EXPECT_EQ(ML::FromSevenBitGroups(Bytes{}), 0u);
}
