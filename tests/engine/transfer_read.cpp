// Reading from the unit: identity check, one request per patch, retries and
// timeouts on the test clock, progress and cancel, undo of failed areas.
#include "tests/engine/transfer_support.h"

#include "data/ImageDocument.h"

namespace test {
namespace {

using ReadTest = TransferTest;

constexpr int kMemory = 0x21;
constexpr int kClean = 0x31;

TEST_F(ReadTest, IdentityThenOneRequestPerPatchStoresTheRepliesByteForByte) {
    image.GetArray(1)[0].SetMemo(1, "old memo");
    ASSERT_TRUE(reader->ReadPatches(kMemory, {0, 1, 59}, image));

    const std::vector<Bytes> received = Unit().Received();
    ASSERT_EQ(received.size(), 4u);
    EXPECT_EQ(received[0], kIdentityRequest);
    EXPECT_EQ(received[1], (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                                  0x00, 0x00, 0xF7}));
    EXPECT_EQ(RequestedAddress(received[2]), map.PatchAddress(kMemory, 1));
    EXPECT_EQ(RequestedAddress(received[3]), map.PatchAddress(kMemory, 59));
    for (int index : {0, 1, 59})
        EXPECT_EQ(PatchBytes(image, 1, index), UnitData(map.PatchAddress(kMemory, index))) << index;
    EXPECT_EQ(image.GetArray(1)[0].GetMemo(1), "") << "a stored data set empties the memos";
    EXPECT_NE(PatchBytes(image, 1, 2), UnitData(map.PatchAddress(kMemory, 2))) << "unlisted patches are left alone";
    EXPECT_EQ(reader->GetIdentityResult(), kIdentityConfirmed);
    EXPECT_EQ(reader->GetState(), COruMidiRequester::kIdle);
    EXPECT_TRUE(Shown().empty());

    EXPECT_EQ(progress.log,
              (std::vector<std::string>{"range 3", "title ''", "cancellable", "begin", "pos 1", "text 'MEMORY  1: '",
                                        "cancelled?", "pos 2", "text 'MEMORY  2: '", "cancelled?", "pos 3",
                                        "text 'MEMORY 60: '", "cancelled?", "end"}));
}

TEST_F(ReadTest, ASilentUnitGetsTheIdentityRequestTwice3000MsApartThenMessage2) {
    Unit().SetReply([](const Bytes&) { return std::vector<Bytes>{}; });
    const std::uint32_t start = clock.now;
    EXPECT_FALSE(reader->ReadPatches(kMemory, {0, 1}, image));

    ASSERT_EQ(Unit().Received(), (std::vector<Bytes>{kIdentityRequest, kIdentityRequest}));
    const auto at = Unit().ReceivedAt();
    EXPECT_EQ(at[0], start);
    EXPECT_EQ(at[1] - at[0], 3000u);
    EXPECT_EQ(clock.now - start, 6000u);
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite)});
    // What was being done, through which ports, to which device id.
    EXPECT_EQ(Details(), std::vector<std::string>{"Reading 2 patches (MEMORY 1\xE2\x80\x93"
                                                  "2) from the ZM-47 failed.\n"
                                                  "Input: " +
                                                  UnitName() + "\nOutput: " + UnitName() + "\nDevice ID: 17"});
    EXPECT_EQ(reader->GetIdentityResult(), kIdentityNotConfirmed);
    EXPECT_TRUE(progress.log.empty()) << "no progress before the unit has answered";
}

TEST_F(ReadTest, AnotherFamilyCodeEndsTheWaitAtOnceAndReadsNothing) {
    Unit().SetReply([](const Bytes& received) {
        return received == kIdentityRequest ? std::vector<Bytes>{IdentityReply(0x46)} : FakeUnit::Healthy(received);
    });
    const CImageData before = image;
    EXPECT_FALSE(reader->ReadPatches(kMemory, {0}, image));
    ASSERT_EQ(Unit().Received(), std::vector<Bytes>{kIdentityRequest});
    EXPECT_LT(clock.now - Unit().ReceivedAt()[0], 3000u);
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite)});
    EXPECT_EQ(PatchBytes(image, 1, 0), PatchBytes(before, 1, 0));
    EXPECT_EQ(reader->GetIdentityResult(), kIdentityNotConfirmed);
}

TEST_F(ReadTest, RepliesOfTheWrongSizeOrAddressAreIgnoredAndTheRequestRepeated) {
    int requests = 0;
    Unit().SetReply([&](const Bytes& received) {
        const auto address = RequestedAddress(received);
        if (!address)
            return FakeUnit::Healthy(received);
        if (++requests == 1) // 64 data bytes, then a set for the next patch
            return std::vector<Bytes>{DataSet(*address, UnitData(*address, 64)),
                                      DataSet(*address + 128, UnitData(*address + 128))};
        return FakeUnit::Healthy(received);
    });
    ASSERT_TRUE(reader->ReadPatches(kClean, {4}, image));
    ASSERT_EQ(Unit().Count(IsDataRequest), 2u);
    const auto at = Unit().ReceivedAt();
    EXPECT_EQ(at[2] - at[1], 3000u);
    EXPECT_EQ(PatchBytes(image, 2, 4), UnitData(map.PatchAddress(kClean, 4)));
    EXPECT_NE(PatchBytes(image, 2, 5), UnitData(map.PatchAddress(kClean, 5))) << "the unrequested set is not stored";
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ReadTest, AReplyAfterTheLastTimeoutIsIgnored) {
    Unit().SetReply([](const Bytes& received) {
        return received == kIdentityRequest ? std::vector<Bytes>{IdentityReply()} : std::vector<Bytes>{};
    });
    const Bytes before = PatchBytes(image, 1, 0);
    EXPECT_FALSE(reader->ReadPatches(kMemory, {0, 1}, image));
    EXPECT_EQ(Unit().Count(IsDataRequest), 2u) << "one patch, two attempts, and the read ends";
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite)});

    // The reply turns up after all: it reaches the reader, which ignores it.
    struct Spy : RecordingReceiver {
        explicit Spy(AReader& r) : reader(r) {}
        bool ReceiveDataSet(const ML::CTessanMessage& message) override {
            RecordingReceiver::ReceiveDataSet(message);
            accepted = reader.ReceiveDataSet(message);
            return accepted;
        }
        AReader& reader;
        bool accepted = true;
    } spy(*reader);
    Input(0).receiver = &spy;
    const DeviceAddress address = map.PatchAddress(kMemory, 0);
    Unit().Push(DataSet(address, UnitData(address)));
    ASSERT_TRUE(PumpUntil(Input(0), [&] { return !spy.dataSets.empty(); }));
    EXPECT_FALSE(spy.accepted);
    EXPECT_EQ(PatchBytes(image, 1, 0), before);
    EXPECT_EQ(reader->GetState(), COruMidiRequester::kIdle);
}

TEST_F(ReadTest, CancelDuringPatch3IsNoticedBeforeTheRequestForPatch4) {
    progress.cancelAt = 4;
    std::vector<int> ten{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_FALSE(reader->ReadPatches(0x41, ten, image));
    EXPECT_EQ(Unit().Count(IsDataRequest), 3u);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(progress.log.back(), "end");
    for (int index : {0, 1, 2})
        EXPECT_EQ(PatchBytes(image, 3, index), UnitData(map.PatchAddress(0x41, index))) << "read data stays";
}

TEST_F(ReadTest, AnEmptyListStillChecksTheUnitAndShowsTheProgress) {
    EXPECT_TRUE(reader->ReadPatches(kMemory, {}, image));
    EXPECT_EQ(Unit().Received(), std::vector<Bytes>{kIdentityRequest});
    EXPECT_EQ(progress.log, (std::vector<std::string>{"range 0", "title ''", "cancellable", "begin", "end"}));
}

TEST_F(ReadTest, IndexesAndAreaCodesOutsideTheUnitRequestNothing) {
    EXPECT_FALSE(reader->ReadPatches(kClean, {10}, image));
    EXPECT_FALSE(reader->ReadPatches(kMemory, {-1}, image));
    EXPECT_FALSE(reader->ReadPatches(0x91, {0}, image));
    EXPECT_EQ(Unit().Count(IsDataRequest), 0u);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ReadTest, ReadAllStopsAtTheFirstAreaTheUnitNoLongerAnswers) {
    // The unit falls silent in the middle of the CRUNCH bank (area 3).
    const DeviceAddress crunch5 = map.PatchAddress(0x41, 5);
    bool silent = false;
    Unit().SetReply([&](const Bytes& received) {
        silent = silent || RequestedAddress(received) == crunch5;
        return silent ? std::vector<Bytes>{} : FakeUnit::Healthy(received);
    });
    CImageDocument document;
    document.GetImage().FillWithNewPatches();
    document.GetArray(3)[0].SetMemo(2, "kept");
    document.GetArray(5)[0].SetMemo(2, "left alone");
    const Bytes crunchBefore = PatchBytes(document.GetImage(), 3, 0);
    const Bytes bank7Before = PatchBytes(document.GetImage(), 7, 9);
    const std::uint32_t start = clock.now;

    std::vector<int> failed;
    EXPECT_TRUE(reader->ReadAll(document, &failed));
    EXPECT_EQ(failed, (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite)});
    EXPECT_LE(clock.now - start, 2 * 3000u + 100) << "one wait, not one per area";
    EXPECT_EQ(Unit().Count(IsIdentityRequest), 4u) << "ReadAll's own check and areas 1 to 3";
    EXPECT_EQ(Unit().Count(IsDataRequest), 60u + 10 + 5 + 2);
    EXPECT_EQ(PatchBytes(document.GetImage(), 3, 0), crunchBefore) << "the failed area is undone";
    EXPECT_EQ(document.GetArray(3)[0].GetMemo(2), "kept");
    EXPECT_EQ(document.GetArray(5)[0].GetMemo(2), "left alone");
    EXPECT_EQ(PatchBytes(document.GetImage(), 7, 9), bank7Before);
    EXPECT_EQ(PatchBytes(document.GetImage(), 1, 59), UnitData(map.PatchAddress(kMemory, 59)));
    EXPECT_EQ(PatchBytes(document.GetImage(), 2, 9), UnitData(map.PatchAddress(0x31, 9)));
}

} // namespace
} // namespace test
