// The requester watched while it waits: the watcher learns what is awaited
// (device id, both devices, identity or data), is asked again and again
// during a long wait so the windows can run, and stops the wait and the
// whole read when it says so, without a message and without another attempt.
#include "engine/WaitObserver.h"
#include "tests/engine/transfer_support.h"

#include <gmock/gmock.h>

namespace test {
namespace {

class RecordingWatcher : public IOruWaitObserver {
public:
    void WaitBegins(const SOruWait& wait) override {
        begun.push_back(wait);
        ++open;
    }
    bool WaitGoesOn() override {
        ++asked;
        if (stopDataWaits && !begun.back().identity)
            return false;
        return stopAt == 0 || asked < stopAt;
    }
    void WaitEnds() override { --open; }

    std::vector<SOruWait> begun;
    int asked = 0;
    int stopAt = 0;             // WaitGoesOn answers false at this call (from 1); 0 never
    bool stopDataWaits = false; // WaitGoesOn answers false while a data set is awaited
    int open = 0;
};

class WatchedTransferTest : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        engine.setup.SetWaitObserver(&watcher);
    }
    void TearDown() override {
        engine.setup.SetWaitObserver(nullptr);
        TransferTest::TearDown();
    }
    RecordingWatcher watcher;
};

TEST_F(WatchedTransferTest, TheWatcherLearnsWhatIsAwaitedAndEveryWaitEnds) {
    ASSERT_TRUE(reader->ReadPatches(map.AreaCodeFromNumber(2), {0, 1}, image));
    ASSERT_EQ(watcher.begun.size(), 3u);
    EXPECT_TRUE(watcher.begun[0].identity);
    EXPECT_FALSE(watcher.begun[1].identity);
    EXPECT_EQ(watcher.begun[0].deviceId, 0x10);
    EXPECT_EQ(watcher.begun[0].input, UnitName());
    EXPECT_EQ(watcher.begun[0].output, UnitName());
    EXPECT_EQ(watcher.open, 0);
    EXPECT_THAT(Shown(), ::testing::IsEmpty());
}

TEST_F(WatchedTransferTest, ASilentUnitsWaitIsWatchedInSlicesAndTimesOutAsBefore) {
    Unit().SetReply([](const Bytes&) { return std::vector<Bytes>{}; });
    EXPECT_FALSE(reader->CheckIdentity());
    // Two attempts of 3000 ms each, with the windows let run meanwhile.
    EXPECT_EQ(Unit().Count(IsIdentityRequest), 2u);
    EXPECT_GE(watcher.asked, 2);
    EXPECT_EQ(watcher.open, 0);
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite)});
}

TEST_F(WatchedTransferTest, StoppingTheWaitStopsTheReadWithoutAMessageOrAnotherAttempt) {
    // The unit answers the identity and then falls silent.
    Unit().SetReply([](const Bytes& received) {
        return received == kIdentityRequest ? std::vector<Bytes>{IdentityReply()} : std::vector<Bytes>{};
    });
    const Bytes before = PatchBytes(image, 2, 0);
    watcher.stopDataWaits = true;
    EXPECT_FALSE(reader->ReadPatches(map.AreaCodeFromNumber(2), {0, 1}, image));
    EXPECT_EQ(Unit().Count(IsDataRequest), 1u);
    EXPECT_THAT(Shown(), ::testing::IsEmpty());
    EXPECT_EQ(reader->GetState(), COruMidiRequester::kIdle);
    EXPECT_EQ(PatchBytes(image, 2, 0), before);
    EXPECT_EQ(watcher.open, 0);

    // Stopped during the identity check: nothing else is sent.
    watcher.asked = 0;
    watcher.stopDataWaits = false;
    watcher.stopAt = 1;
    Unit().SetReply([](const Bytes&) { return std::vector<Bytes>{}; });
    EXPECT_FALSE(writer->WritePatches(map.AreaCodeFromNumber(2), {0}, image.GetArray(2)));
    EXPECT_EQ(Unit().Count(IsIdentityRequest), 2u);
    EXPECT_EQ(Unit().Count([](const Bytes& bytes) { return bytes.size() > 6 && bytes[7] == 0x12; }), 0u);
    EXPECT_THAT(Shown(), ::testing::IsEmpty());
}

} // namespace
} // namespace test
