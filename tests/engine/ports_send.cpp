// What the logical outputs put on the wire.
#include "tests/engine/setup_support.h"

namespace test {
namespace {

using SendTest = EngineTest;

TEST_F(SendTest, TheFirstMemoryPatchIsRequestedWithTheUnitsBytes) {
    RecordingOutDevice& first = BindRecorder(0, "first");
    RecordingOutDevice& second = BindRecorder(0, "second");
    Output(0).SendDataRequest(0x7F << 21, 128);

    const Bytes expected{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00,
                         0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
    EXPECT_EQ(first.sent, std::vector<Bytes>{expected});
    EXPECT_EQ(second.sent, std::vector<Bytes>{expected});
    EXPECT_EQ(Bytes(Output(0).lastMessage.begin(), Output(0).lastMessage.end()), expected);
}

TEST_F(SendTest, ADataSetCarriesAddressDataAndChecksum) {
    RecordingOutDevice& device = BindRecorder(0);
    Output(0).deviceId = 0x11;
    Output(0).SendDataSet((0x7Fu << 21) | (0x7Fu << 14), Bytes(128, 0x01)); // 7F 7F 00 00

    ASSERT_EQ(device.sent.size(), 1u);
    const Bytes& sent = device.sent[0];
    ASSERT_EQ(sent.size(), 141u);
    EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 11),
              (Bytes{0xF0, 0x41, 0x11, 0x00, 0x00, 0x45, 0x12, 0x7F, 0x7F, 0x00, 0x00}));
    unsigned sum = 0;
    for (std::size_t i = 7; i < 140; ++i)
        sum += sent[i];
    EXPECT_EQ(sum % 128, 0u);
    EXPECT_EQ(sent.back(), 0xF7);
}

TEST_F(SendTest, AnAddressSizeOfTwoShortensAddressAndSize) {
    RecordingOutDevice& device = BindRecorder(1);
    Output(1).addressSize = 2;
    Output(1).SendDataRequest(0x0102, 0x100);
    ASSERT_EQ(device.sent.size(), 1u);
    const Bytes& sent = device.sent[0];
    EXPECT_EQ(Bytes(sent.end() - 6, sent.end()), (Bytes{0x02, 0x02, 0x02, 0x00, 0x7A, 0xF7}));
}

} // namespace
} // namespace test
