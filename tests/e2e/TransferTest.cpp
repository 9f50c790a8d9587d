// Reading and writing the simulated unit: the bytes on the wire, what lands
// in the image and in the unit, cancel, and no devices.
#include "tests/e2e/EndToEndFixture.h"

#include "data/ImageData.h"
#include "data/ImageDocument.h"
#include "data/ParameterAddress.h"
#include "toolkit/core/ForwardingProgress.h"

namespace e2e {
namespace {

const Bytes kIdentityRequest{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};

std::vector<int> Indexes(int count) {
    std::vector<int> indexes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        indexes[static_cast<std::size_t>(i)] = i;
    return indexes;
}

TEST_F(EndToEnd, WireTrafficOfAReadAndAWriteByteForByte) {
    Start();
    CImageData image;
    image.FillWithNewPatches();
    ASSERT_TRUE(Reader().ReadPatches(0x21, {0, 59}, image));
    auto seen = Arrivals();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].bytes, kIdentityRequest);
    EXPECT_EQ(seen[1].bytes, (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                                    0x00, 0x00, 0xF7}));
    EXPECT_EQ(seen[2].bytes, (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00, 0x3B, 0x00, 0x00, 0x00, 0x01,
                                    0x00, 0x45, 0xF7}));
    EXPECT_EQ(PatchBytes(image.GetArray(1).At(0)), UnitPatchBytes(1, 0));
    EXPECT_EQ(PatchBytes(image.GetArray(1).At(59)), UnitPatchBytes(1, 59));
    EXPECT_EQ(AsPatch(image.GetArray(1).At(1))->GetName(), "INIT PATCH");

    // Writing DRIVE 2 (7F 02 01 00) and a preview: identity check, then one
    // 141-byte data set each, and nothing is awaited.
    AsPatch(image.GetArray(1).At(1))->SetName("WRITTEN BACK");
    const std::uint32_t before = clock.GetTickCount();
    ASSERT_TRUE(Writer().WritePatches(0x51, {1}, image.GetArray(1)));
    ASSERT_TRUE(Writer().WritePatches(0x11, {59}, image.GetArray(1)));
    Simulator().Devices().input.WaitUntilDelivered();
    seen = Arrivals();
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[3].bytes, kIdentityRequest);
    const Bytes& dataSet = seen[4].bytes;
    ASSERT_EQ(dataSet.size(), 141u);
    EXPECT_EQ(Bytes(dataSet.begin(), dataSet.begin() + 11),
              (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x12, 0x7F, 0x02, 0x01, 0x00}));
    EXPECT_EQ(Bytes(dataSet.begin() + 11, dataSet.begin() + 139), PatchBytes(image.GetArray(1).At(1)));
    EXPECT_EQ(dataSet.back(), 0xF7);
    EXPECT_EQ(Bytes(seen[6].bytes.begin() + 7, seen[6].bytes.begin() + 11), (Bytes{0x7F, 0x7F, 0x00, 0x00}));
    EXPECT_GE(clock.GetTickCount() - before, 40u) << "each data set is followed by a 20 ms pause";
    EXPECT_EQ(Unit().Patch(4, 1)->GetName(), "WRITTEN BACK");
    EXPECT_EQ(UnitTemporaryBytes(), PatchBytes(image.GetArray(1).At(59)));
    EXPECT_EQ(Unit().DataSetsStored(), 2);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(EndToEnd, ReadAllWriteAndReadAgainGiveBackWhatWasWritten) {
    Start();
    CImageDocument first;
    first.GetImage().FillWithNewPatches();
    std::vector<int> failed;
    ASSERT_TRUE(Reader().ReadAll(first, &failed));
    EXPECT_TRUE(failed.empty());
    EXPECT_EQ(Unit().IdentityRequests(), 8) << "ReadAll's own check and one per area";
    EXPECT_EQ(Unit().DataRequests(), 120);
    for (int area = 1; area <= 7; ++area)
        for (std::size_t i = 0; i < first.GetArray(area).Size(); ++i)
            ASSERT_EQ(PatchBytes(first.GetArray(area).At(i)), UnitPatchBytes(area, static_cast<int>(i)));

    // Rename the MEMORY patches in reverse order and write them back.
    CParameterArray& memory = first.GetArray(1);
    for (std::size_t i = 0; i < memory.Size(); ++i)
        AsPatch(memory.At(i))->SetName("REVERSED " + std::to_string(60 - i));
    ASSERT_TRUE(Writer().WritePatches(0x21, Indexes(60), memory));

    CImageDocument second;
    second.GetImage().FillWithNewPatches();
    ASSERT_TRUE(Reader().ReadAll(second, &failed));
    EXPECT_TRUE(failed.empty());
    for (int area = 1; area <= 7; ++area)
        for (std::size_t i = 0; i < first.GetArray(area).Size(); ++i)
            ASSERT_EQ(PatchBytes(second.GetArray(area).At(i)), PatchBytes(first.GetArray(area).At(i)));
    EXPECT_EQ(AsPatch(second.GetArray(1).At(0))->GetName(), "REVERSED 60");
    EXPECT_TRUE(Shown().empty());
}

// Presses "Cancel" while the patch before `patch` (counted from 1) is read.
class CancellingProgress final : public GT::CForwardingProgress {
public:
    explicit CancellingProgress(int patch) : CForwardingProgress(nullptr), patch_(patch) {}
    bool SetText(std::string_view) override {
        ++texts_;
        return true;
    }
    bool IsCancelled() override { return texts_ >= patch_; }

private:
    int patch_;
    int texts_ = 0;
};

TEST_F(EndToEnd, CancelWhilePatchThreeIsReadStopsBeforePatchFour) {
    Start();
    CancellingProgress progress(4);
    Reader().SetProgress(&progress);
    CImageData image;
    image.FillWithNewPatches();
    EXPECT_FALSE(Reader().ReadPatches(0x31, Indexes(10), image));
    Reader().SetProgress(nullptr);
    EXPECT_EQ(DataRequestsSeen().size(), 3u);
    EXPECT_EQ(PatchBytes(image.GetArray(2).At(2)), UnitPatchBytes(2, 2)) << "read patches stay read";
    EXPECT_EQ(AsPatch(image.GetArray(2).At(3))->GetName(), "INIT PATCH");
    EXPECT_TRUE(Shown().empty()) << "a cancel is not an error";
}

TEST_F(EndToEnd, WithoutDevicesNothingIsSentAndMessage13IsShown) {
    Start(cli::DeviceChoice{});
    CImageDocument document;
    document.GetImage().FillWithNewPatches();
    EXPECT_FALSE(Reader().ReadPatches(0x21, {0}, document.GetImage()));
    EXPECT_FALSE(Writer().WritePatches(0x21, {0}, document.GetArray(1)));
    EXPECT_FALSE(Reader().ReadAll(document));
    EXPECT_EQ(Shown(), (std::vector<std::string>{kNotSetUp, kNotSetUp, kNotSetUp}));
    EXPECT_EQ(clock.GetTickCount(), 100000u) << "no wait at all";
}

} // namespace
} // namespace e2e
