// The device image, storing received data sets and the initial data file.
#include "tests/data/DataTestSupport.h"
#include "tests/support/CapturingTextDialog.h"

#include "data/FileDocument.h"
#include "data/ImageData.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "data/StoreDataSet.h"

#include <gtest/gtest.h>

namespace {

using datatest::Bytes;

TEST(ImageData, NewImageHasEveryAreaAndOtherNumbersMeanMemory) {
    datatest::InitialFileGuard noInitialFile;
    CImageData image;
    EXPECT_EQ(&image.GetArray(0), &image.GetArray(1));
    EXPECT_EQ(&image.GetArray(9), &image.GetArray(1));
    image.GetArray(1).Resize(3);
    image.FillWithNewPatches();
    const CParameterAddress map;
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(image.GetArray(n).Size(), static_cast<std::size_t>(map.PatchCount(n))) << n;
}

class StoreDataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.FillWithNewPatches();
        for (int n = 1; n <= 7; ++n)
            for (std::size_t i = 0; i < image.GetArray(n).Size(); ++i)
                image.GetArray(n)[i].SetMemo(1, "memo");
    }
    const CParameter& At(int area, std::size_t index) { return image.GetArray(area)[index]; }
    Bytes DataOf(int area, std::size_t index) { return At(area, index).Blocks()[0][0]; }
    datatest::InitialFileGuard noInitialFile;
    CImageData image;
};

TEST_F(StoreDataSetTest, OnlyDataOfExactlyAPatchIsStoredAndThenTheMemosAreEmptied) {
    Bytes received(130);
    for (std::size_t i = 0; i < received.size(); ++i)
        received[i] = static_cast<std::uint8_t>(i + 1);
    const Bytes before5 = DataOf(1, 5);
    // Longer: it would be cut silently; shorter: new first bytes over the old
    // rest ("GlIT PATCH"). Neither changes anything, memos included.
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x05, 0x00}), received, image));
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x05, 0x00}), Bytes(127, 0x55), image));
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x05, 0x00}), Bytes{}, image));
    EXPECT_EQ(DataOf(1, 5), before5);
    EXPECT_EQ(At(1, 5).GetMemo(1), "memo");

    ASSERT_TRUE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x05, 0x00}),
                             Bytes(received.begin(), received.begin() + 128), image));
    EXPECT_EQ(DataOf(1, 5), Bytes(received.begin(), received.begin() + 128));
    EXPECT_EQ(At(1, 5).GetMemo(1), "");
    EXPECT_EQ(At(1, 4).GetMemo(1), "memo");

    // DRIVE, area 4, lies at 7F 02.
    ASSERT_TRUE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x02, 0x09, 0x00}), Bytes(128, 0x55), image));
    EXPECT_EQ(DataOf(4, 9), Bytes(128, 0x55));
    EXPECT_EQ(At(4, 9).GetMemo(1), "");
}

TEST_F(StoreDataSetTest, AddressesOutsideTheImageAreIgnored) {
    const Bytes data(128, 0x11);
    const Bytes before = DataOf(1, 59);
    const Bytes first = DataOf(1, 0);
    // 7F 7F 00 00 is the temporary patch: a preview, not a slot to store.
    for (const Bytes& address : {Bytes{0x7F, 0x00, 0x3C, 0x00}, Bytes{0x7F, 0x01, 0x0A, 0x00},
                                 Bytes{0x7F, 0x7F, 0x00, 0x00}, Bytes{0x01, 0x00, 0x00, 0x04}})
        EXPECT_FALSE(StoreDataSet(AddressFromBytes(address), data, image));
    EXPECT_EQ(DataOf(1, 59), before);
    EXPECT_EQ(DataOf(1, 0), first) << "the temporary patch is not MEMORY 1";
    EXPECT_EQ(At(1, 59).GetMemo(1), "memo");
}

TEST_F(StoreDataSetTest, DataSetsAddressedInsideAPatchChangeNothing) {
    const Bytes before5 = DataOf(1, 5);
    const Bytes before6 = DataOf(1, 6);
    // Patch 5 of MEMORY starts at 7F 00 05 00; these point into its middle.
    for (const Bytes& address :
         {Bytes{0x7F, 0x00, 0x05, 0x40}, Bytes{0x7F, 0x00, 0x05, 0x01}, Bytes{0x7F, 0x00, 0x05, 0x7F}})
        EXPECT_FALSE(StoreDataSet(AddressFromBytes(address), Bytes(128, 0x22), image));
    EXPECT_EQ(DataOf(1, 5), before5);
    EXPECT_EQ(DataOf(1, 6), before6);
    EXPECT_EQ(At(1, 5).GetMemo(1), "memo");
}

TEST_F(StoreDataSetTest, APatchWithALongerSegmentTakesAPatchsDataAtItsStart) {
    // A hand-made file may give a patch a segment longer than the unit's.
    CParameter::Segment* segment = image.GetArray(1)[3].FindSegment(0, 0);
    ASSERT_NE(segment, nullptr);
    segment->assign(200, 0x00);
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x03, 0x00}), Bytes(200, 0x33), image));
    EXPECT_EQ(DataOf(1, 3), Bytes(200, 0x00));
    ASSERT_TRUE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x03, 0x00}), Bytes(128, 0x33), image));
    Bytes expected(200, 0x00);
    std::fill_n(expected.begin(), 128, 0x33);
    EXPECT_EQ(DataOf(1, 3), expected);
}

class InitialFileTest : public ::testing::Test {
protected:
    std::filesystem::path WriteFile(CParameterArray&& patches) {
        CFileDocument document;
        document.Patches() = std::move(patches);
        const std::filesystem::path path = dir / "initial.z4l";
        EXPECT_TRUE(WriteLibrarianFile(path, document));
        return path;
    }
    datatest::InitialFileGuard guard;
    datatest::TempDir dir;
    test::CapturingTextDialog dialog;
};

TEST_F(InitialFileTest, NewPatchesBecomeCopiesOfTheFirstPatchUntilUnloaded) {
    CConcreteParameterArray<CPatch> patches;
    patches.Append(datatest::MakePatch(3, "HOUSE SOUND", "from file"));
    patches.Append(datatest::MakePatch(4, "SECOND"));
    const Bytes firstData = patches[0].Blocks()[0][0];
    ASSERT_TRUE(CInitialFileDocument::Instance().Load(WriteFile(std::move(patches))));

    CImageData image;
    image.FillWithNewPatches();
    const CParameter& fresh = image.GetArray(7)[9];
    EXPECT_EQ(AsPatch(&fresh)->GetName(), "HOUSE SOUND");
    EXPECT_EQ(fresh.GetMemo(1), "from file");
    EXPECT_EQ(fresh.Blocks()[0][0], firstData);

    CInitialFileDocument::Instance().Unload();
    CPatch plain;
    plain.Initialize();
    EXPECT_EQ(plain.GetName(), "INIT PATCH");
    EXPECT_TRUE(dialog.shown().empty());
}

TEST_F(InitialFileTest, EmptyMisshapenOrMissingFilesDoNotLoad) {
    EXPECT_FALSE(CInitialFileDocument::Instance().Load(WriteFile(CConcreteParameterArray<CPatch>())));
    CConcreteParameterArray<CPatch> twoSegments;
    twoSegments.Append(datatest::MakePatch(1, "TWO SEGMENTS"));
    twoSegments[0].Blocks()[0].push_back(CParameter::Segment(128, 0));
    EXPECT_FALSE(CInitialFileDocument::Instance().Load(WriteFile(std::move(twoSegments))));
    EXPECT_TRUE(dialog.shown().empty()); // start-up reports an unusable initial file itself

    EXPECT_FALSE(CInitialFileDocument::Instance().Load(dir / "missing.z4l"));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be loaded.");
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
}

} // namespace
