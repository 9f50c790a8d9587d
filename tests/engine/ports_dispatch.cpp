// The receive dispatch of a logical input: which messages reach the
// receiver, which are dropped, and what the through pair forwards.
#include "engine/MidiResponder.h"
#include "tests/engine/setup_support.h"

#include "ml/TessanMessage.h"

namespace test {
namespace {

// A data set as the unit sends it: 00 00 45, address, data, checksum.
Bytes DataSet(std::uint8_t deviceId = 0x10, const Bytes& modelId = {0x00, 0x00, 0x45}, int checksumError = 0) {
    ML::CTessanMessage message;
    message.SetDeviceId(deviceId);
    message.SetModelId(modelId);
    message.SetCommand(ML::DataSetCommand());
    message.SetAddress(Bytes{0x7F, 0x00, 0x00, 0x00});
    message.SetData(Bytes(128, 0x21));
    message.UpdateChecksum();
    Bytes bytes(message.begin(), message.end());
    bytes[bytes.size() - 2] = static_cast<std::uint8_t>((bytes[bytes.size() - 2] + checksumError) & 0x7F);
    return bytes;
}

const Bytes kDataRequest{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00,
                         0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
const Bytes kIdentityRequest{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
const Bytes kIdentityReply{0xF0, 0x7E, 0x10, 0x06, 0x02, 0x41, 0x45, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};

class CountingResponder : public IOruMidiResponder {
public:
    bool RespondIdentity(const ML::CLongMessage&) override { return ++identity, true; }
    bool RespondData(const ML::CTessanMessage&) override { return ++data, true; }
    int identity = 0;
    int data = 0;
};

class DispatchTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Input(0).receiver = &unit;
        Input(1).receiver = &through;
        Input(0).responder = &responder;
        // Input 0 normally forwards nothing; give it a through output here so
        // that the rules for forwarding checked data sets can be seen.
        unitForward = &BindRecorder(0, "unit forward");
        Input(0).throughOutput = &Output(0);
        throughOut = &BindRecorder(1, "through out");
    }

    RecordingReceiver unit, through;
    CountingResponder responder;
    RecordingOutDevice* unitForward = nullptr;
    RecordingOutDevice* throughOut = nullptr;
};

TEST_F(DispatchTest, AMatchingDataSetReachesTheReceiverAndIsForwarded) {
    Input(0).OnReceive(DataSet());
    ASSERT_EQ(unit.dataSets.size(), 1u);
    EXPECT_EQ(unit.dataSets[0], DataSet());
    EXPECT_EQ(unitForward->sent, std::vector<Bytes>{DataSet()});
    EXPECT_TRUE(Output(0).lastMessage.empty()) << "forwarding does not go through SendMessage";
}

TEST_F(DispatchTest, DataSetsOfAnotherUnitOrWithAWrongChecksumAreDroppedSilently) {
    Input(0).OnReceive(DataSet(0x11));
    Input(0).OnReceive(DataSet(0x10, {0x00, 0x00, 0x46}));
    Input(0).OnReceive(DataSet(0x10, {0x00, 0x45}));
    Input(0).OnReceive(DataSet(0x10, {0x00, 0x00, 0x45}, 1));
    Bytes truncated = DataSet();
    truncated.resize(6);
    Input(0).OnReceive(truncated);

    EXPECT_EQ(unit.Total(), 0u);
    EXPECT_TRUE(unitForward->sent.empty());
    EXPECT_TRUE(dialog.shown().empty());
}

TEST_F(DispatchTest, RequestsAddressedToThisSystemGoToTheResponderOnly) {
    Input(0).OnReceive(kDataRequest);
    Input(0).OnReceive(kIdentityRequest);
    EXPECT_EQ(responder.data, 1);
    EXPECT_EQ(responder.identity, 1);
    EXPECT_EQ(unit.Total(), 0u);
    EXPECT_TRUE(unitForward->sent.empty());

    Input(1).OnReceive(kIdentityRequest);
    Input(1).OnReceive(kDataRequest);
    EXPECT_TRUE(throughOut->sent.empty());
}

TEST_F(DispatchTest, TheThroughPairForwardsWhatTheRulesAllow) {
    const Bytes noteOn{0x90, 0x40, 0x7F};
    const Bytes clock{0xF8};
    const Bytes realTimeUniversal{0xF0, 0x7F, 0x7F, 0x04, 0x01, 0x00, 0x40, 0xF7};
    const Bytes otherMaker{0xF0, 0x43, 0x10, 0x00, 0xF7};
    const Bytes brokenUniversal{0xF0, 0x7E, 0x10, 0x90, 0xF7};

    for (const Bytes& bytes :
         {noteOn, clock, kIdentityReply, realTimeUniversal, otherMaker, brokenUniversal, DataSet()})
        Input(1).OnReceive(bytes);

    EXPECT_EQ(throughOut->sent, (std::vector<Bytes>{noteOn, clock, kIdentityReply, realTimeUniversal}))
        << "input 1 has no model id, so no F0 41 message can match it";
    EXPECT_EQ(through.shorts, std::vector<Bytes>{noteOn});
    EXPECT_EQ(through.universals, (std::vector<Bytes>{kIdentityReply, realTimeUniversal}));
    EXPECT_TRUE(through.dataSets.empty());
    EXPECT_TRUE(Output(1).lastMessage.empty());
}

TEST_F(DispatchTest, TheUnitsInputPassesUniversalAndChannelMessagesToTheReceiver) {
    Input(0).OnReceive(kIdentityReply);
    Input(0).OnReceive(Bytes{0xC0, 0x05});
    Input(0).OnReceive(Bytes{0xFE});
    EXPECT_EQ(unit.universals, std::vector<Bytes>{kIdentityReply});
    EXPECT_EQ(unit.shorts, std::vector<Bytes>{Bytes({0xC0, 0x05})});
    EXPECT_EQ(unitForward->sent.size(), 3u);
}

} // namespace
} // namespace test
