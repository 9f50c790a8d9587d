// The simulated unit misbehaving, one fault at a time: what the transfer
// sends, waits, shows and keeps.
#include "tests/e2e/EndToEndFixture.h"

#include "data/ImageData.h"
#include "data/ImageDocument.h"

namespace e2e {
namespace {

TEST_F(EndToEnd, SilentUnitIsAskedTwice3000MsApartThenMessage2) {
    Start();
    Simulator().SetFaults({.silent = true});
    CImageData image;
    image.FillWithNewPatches();
    const std::uint32_t start = clock.GetTickCount();
    EXPECT_FALSE(Reader().ReadPatches(0x21, {0}, image));
    const auto seen = Arrivals();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].bytes, (Bytes{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7}));
    EXPECT_EQ(seen[1].bytes, seen[0].bytes);
    EXPECT_EQ(seen[1].tick - seen[0].tick, 3000u);
    EXPECT_GE(clock.GetTickCount() - start, 6000u);
    EXPECT_EQ(Shown(), std::vector<std::string>{kUnableToReadWrite});
    EXPECT_TRUE(DataRequestsSeen().empty());
}

TEST_F(EndToEnd, WrongFamilyCodeEndsTheWaitAtOnceWithMessage2) {
    Start();
    Simulator().SetFaults({.wrongFamilyCode = true});
    CImageData image;
    image.FillWithNewPatches();
    const std::uint32_t start = clock.GetTickCount();
    EXPECT_FALSE(Reader().ReadPatches(0x21, {0}, image));
    EXPECT_LT(clock.GetTickCount() - start, 3000u);
    EXPECT_EQ(Unit().IdentityRequests(), 1);
    EXPECT_TRUE(DataRequestsSeen().empty());
    EXPECT_EQ(Shown(), std::vector<std::string>{kUnableToReadWrite});
    EXPECT_FALSE(Writer().WritePatches(0x21, {0}, image.GetArray(1)));
    EXPECT_EQ(Unit().DataSetsStored(), 0);
}

// A reply the requester must not take: the request goes out twice, the read
// fails with message 2 and the patch keeps its contents.
class RefusedReply : public EndToEnd {
protected:
    void ReadFirstPatchWith(const sim::UnitFaults& faults) {
        Start();
        Simulator().SetFaults(faults);
        CImageData image;
        image.FillWithNewPatches();
        EXPECT_FALSE(Reader().ReadPatches(0x21, {0}, image));
        const auto requests = DataRequestsSeen();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[0], requests[1]);
        EXPECT_EQ(Unit().RepliesSent(), 3) << "the identity reply and both data sets went out";
        EXPECT_EQ(AsPatch(image.GetArray(1).At(0))->GetName(), "INIT PATCH");
        EXPECT_EQ(Shown(), std::vector<std::string>{kUnableToReadWrite});
    }
};

TEST_F(RefusedReply, DataSetOf64BytesIsIgnoredAndTheRequestRepeated) { ReadFirstPatchWith({.shortData = true}); }

TEST_F(RefusedReply, DataSetWithABadChecksumIsDropped) { ReadFirstPatchWith({.badChecksum = true}); }

TEST_F(EndToEnd, OneLostReplyIsMadeGoodByTheSecondRequest) {
    Start();
    Simulator().SetFaults({.dropReply = 2}); // the first data set
    CImageData image;
    image.FillWithNewPatches();
    EXPECT_TRUE(Reader().ReadPatches(0x21, {0, 1}, image));
    EXPECT_EQ(DataRequestsSeen().size(), 3u);
    EXPECT_EQ(PatchBytes(image.GetArray(1).At(0)), UnitPatchBytes(1, 0));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(EndToEnd, ReplyArrivingAfterTheLastAttemptIsNotStored) {
    Start();
    // The identity reply goes out; both data sets for MEMORY 1 are held back
    // until both attempts have timed out.
    Simulator().SetFaults({.holdFromReply = 2});
    CImageData image;
    image.FillWithNewPatches();
    EXPECT_FALSE(Reader().ReadPatches(0x21, {0}, image));
    Simulator().SetFaults({});
    Unit().ReleaseHeldReplies();
    Unit().WaitUntilRepliesSent();
    Simulator().Devices().input.WaitUntilDelivered();
    // The late data sets reach the reader during the next transfer's waits
    // and are ignored there.
    EXPECT_TRUE(Reader().ReadPatches(0x21, {1}, image));
    EXPECT_EQ(AsPatch(image.GetArray(1).At(0))->GetName(), "INIT PATCH");
    EXPECT_EQ(PatchBytes(image.GetArray(1).At(1)), UnitPatchBytes(1, 1));
    EXPECT_EQ(Shown(), std::vector<std::string>{kUnableToReadWrite});
}

TEST_F(EndToEnd, ReadAllUndoesTheFailedAreaAndStopsThere) {
    Start();
    // Replies: 1 ReadAll's identity, 2 MEMORY's identity, 3..62 MEMORY,
    // 63 CLEAN's identity, 64..73 CLEAN, 74 CRUNCH's identity, 75.. CRUNCH.
    // Both answers for CRUNCH 6 are lost.
    Simulator().SetFaults({.dropReply = 80, .dropCount = 2});
    CImageDocument document;
    document.GetImage().FillWithNewPatches();
    std::vector<int> failed;
    ASSERT_TRUE(Reader().ReadAll(document, &failed));
    EXPECT_EQ(failed, (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(Shown(), std::vector<std::string>{kUnableToReadWrite});
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(AsPatch(document.GetArray(3).At(static_cast<std::size_t>(i)))->GetName(), "INIT PATCH")
            << "CRUNCH " << i + 1 << " is back as it was";
    EXPECT_EQ(PatchBytes(document.GetArray(1).At(59)), UnitPatchBytes(1, 59));
    EXPECT_EQ(PatchBytes(document.GetArray(2).At(9)), UnitPatchBytes(2, 9));
    EXPECT_EQ(AsPatch(document.GetArray(4).At(0))->GetName(), "INIT PATCH") << "not read";
    EXPECT_EQ(AsPatch(document.GetArray(7).At(9))->GetName(), "INIT PATCH") << "not read";
}

} // namespace
} // namespace e2e
