// The device image, the two document kinds with their one-step undo, storing
// received data sets and the initial data file.
#include "tests/data/DataTestSupport.h"
#include "tests/support/CapturingTextDialog.h"

#include "data/FileDocument.h"
#include "data/ImageDocument.h"
#include "data/InitialFileDocument.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "data/StoreDataSet.h"

#include <gtest/gtest.h>

namespace {

using datatest::Bytes;

std::string NameAt(const CParameterArray& array, std::size_t index) { return AsPatch(&array[index])->GetName(); }

void Rename(CParameterArray& array, std::size_t index, const std::string& name) {
    AsPatch(&array[index])->SetName(name);
}

TEST(ImageData, AreaNumbersOutsideTwoToSevenMeanMemory) {
    CImageData image;
    EXPECT_EQ(&image.GetArray(0), &image.GetArray(1));
    EXPECT_EQ(&image.GetArray(9), &image.GetArray(1));
    EXPECT_EQ(&image.GetArray(-1), &image.GetArray(1));
    EXPECT_NE(&image.GetArray(7), &image.GetArray(1));
    EXPECT_NE(&image.GetArray(2), &image.GetArray(3));
}

TEST(ImageData, FillWithNewPatchesGivesEveryAreaItsPatchCount) {
    datatest::InitialFileGuard noInitialFile;
    CImageData image;
    image.GetArray(1).Resize(3);
    image.FillWithNewPatches();
    const CParameterAddress map;
    for (int n = 1; n <= 7; ++n) {
        ASSERT_EQ(image.GetArray(n).Size(), static_cast<std::size_t>(map.PatchCount(n)));
        EXPECT_EQ(NameAt(image.GetArray(n), 0), "INIT PATCH");
    }
}

class ImageDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.GetImage().FillWithNewPatches();
        for (int n = 1; n <= 7; ++n)
            Rename(document.GetArray(n), 0, "BEFORE " + std::to_string(n));
    }
    CImageDocument document;
    datatest::InitialFileGuard noInitialFile;
};

TEST_F(ImageDocumentTest, UndoExchangesTheMarkedAreaAndASecondUndoRedoes) {
    EXPECT_FALSE(document.CanUndo(3));
    document.SaveUndo(3);
    EXPECT_TRUE(document.CanUndo(3));
    EXPECT_FALSE(document.CanUndo(1));
    EXPECT_FALSE(document.CanUndo(0));
    Rename(document.GetArray(3), 0, "AFTER");
    Rename(document.GetArray(1), 0, "NOT UNDONE");
    document.GetArray(3).Remove(9);

    document.Undo();
    EXPECT_EQ(NameAt(document.GetArray(3), 0), "BEFORE 3");
    EXPECT_EQ(document.GetArray(3).Size(), 10u);
    EXPECT_EQ(NameAt(document.GetArray(1), 0), "NOT UNDONE");
    EXPECT_EQ(NameAt(document.GetSavedArray(3), 0), "AFTER");

    document.Undo();
    EXPECT_EQ(NameAt(document.GetArray(3), 0), "AFTER");
    EXPECT_EQ(document.GetArray(3).Size(), 9u);
    EXPECT_TRUE(document.CanUndo(3));
}

TEST_F(ImageDocumentTest, SaveUndoZeroCoversAllSevenAreas) {
    document.SaveUndo(0);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_TRUE(document.CanUndo(n)) << n;
        Rename(document.GetArray(n), 0, "AFTER " + std::to_string(n));
    }
    document.Undo();
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(NameAt(document.GetArray(n), 0), "BEFORE " + std::to_string(n));
}

TEST_F(ImageDocumentTest, EachSaveUndoReplacesTheLastOne) {
    document.SaveUndo(0);
    document.SaveUndo(2);
    EXPECT_TRUE(document.CanUndo(2));
    EXPECT_FALSE(document.CanUndo(1));
    document.SaveUndo(8); // no such area: clears the marks, saves nothing
    for (int n = 0; n <= 8; ++n)
        EXPECT_FALSE(document.CanUndo(n)) << n;
    Rename(document.GetArray(2), 0, "CHANGED");
    document.Undo();
    EXPECT_EQ(NameAt(document.GetArray(2), 0), "CHANGED");
}

TEST(FileDocument, UndoUsesAreaOneWhateverTheArgument) {
    CFileDocument document;
    document.GetArray(4).Append(datatest::MakePatch(1, "FIRST"));
    EXPECT_EQ(&document.GetArray(4), &document.GetImage().GetArray(1));
    EXPECT_FALSE(document.CanUndo(1));
    document.Undo(); // nothing saved: nothing happens
    EXPECT_EQ(document.Patches().Size(), 1u);

    document.SaveUndo(6);
    EXPECT_TRUE(document.CanUndo(2));
    document.Patches().Append(datatest::MakePatch(2, "SECOND"));
    document.Undo();
    EXPECT_EQ(document.Patches().Size(), 1u);
    EXPECT_EQ(document.GetSavedArray(0).Size(), 2u);
    document.Undo();
    EXPECT_EQ(document.Patches().Size(), 2u);
}

class StoreDataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.FillWithNewPatches();
        for (int n = 1; n <= 7; ++n)
            for (std::size_t i = 0; i < image.GetArray(n).Size(); ++i)
                image.GetArray(n)[i].SetMemo(1, "memo");
    }
    Bytes DataOf(int area, std::size_t index) {
        const std::uint8_t* data = AsPatch(&image.GetArray(area)[index])->Data();
        return Bytes(data, data + 128);
    }
    DeviceAddress Address(int area, int index) {
        const CParameterAddress map;
        return map.PatchAddress(map.AreaCodeFromNumber(area), index);
    }
    datatest::InitialFileGuard noInitialFile;
    CImageData image;
};

TEST_F(StoreDataSetTest, SurplusBytesAreDroppedAndMemosEmptied) {
    Bytes received(130);
    for (std::size_t i = 0; i < received.size(); ++i)
        received[i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_TRUE(StoreDataSet(Address(1, 5), received, image));
    EXPECT_EQ(DataOf(1, 5), Bytes(received.begin(), received.begin() + 128));
    EXPECT_EQ(image.GetArray(1)[5].GetMemo(1), "");
    EXPECT_EQ(image.GetArray(1)[5].FindSegment(0, 0)->size(), 128u);
    EXPECT_EQ(image.GetArray(1)[4].GetMemo(1), "memo");
}

TEST_F(StoreDataSetTest, ShortDataChangesOnlyTheFirstBytes) {
    const Bytes before = DataOf(4, 9); // DRIVE lies at 7F 02 although it is area 4
    ASSERT_TRUE(StoreDataSet(Address(4, 9), Bytes(10, 0x55), image));
    Bytes expected = before;
    std::fill_n(expected.begin(), 10, 0x55);
    EXPECT_EQ(DataOf(4, 9), expected);
    EXPECT_EQ(AsPatch(&image.GetArray(4)[9])->GetName(), "INIT PATCH");
    EXPECT_EQ(image.GetArray(4)[9].GetMemo(1), "");
}

TEST_F(StoreDataSetTest, AddressesOutsideTheImageAreIgnored) {
    const Bytes data(128, 0x11);
    const Bytes before = DataOf(1, 59);
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x00, 0x3C, 0x00}), data, image)); // MEMORY 61
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x7F, 0x01, 0x0A, 0x00}), data, image)); // CLEAN 11
    EXPECT_FALSE(StoreDataSet(0x0FFFC000, data, image));                                      // temporary patch
    EXPECT_FALSE(StoreDataSet(AddressFromBytes(Bytes{0x01, 0x00, 0x00, 0x04}), data, image));
    EXPECT_EQ(DataOf(1, 59), before);
    EXPECT_EQ(image.GetArray(1)[59].GetMemo(1), "memo");

    image.GetArray(2).Resize(3); // a shorter area ignores indexes past its end
    EXPECT_FALSE(StoreDataSet(Address(2, 3), data, image));
}

class InitialFileTest : public ::testing::Test {
protected:
    std::filesystem::path WriteFile(const std::string& name, CParameterArray&& patches) {
        CFileDocument document;
        document.Patches() = std::move(patches);
        const std::filesystem::path path = dir / name;
        EXPECT_TRUE(WriteLibrarianFile(path, document));
        return path;
    }
    datatest::InitialFileGuard guard;
    datatest::TempDir dir;
    test::CapturingTextDialog dialog;
};

TEST_F(InitialFileTest, NewPatchesBecomeCopiesOfTheFirstPatch) {
    CConcreteParameterArray<CPatch> patches;
    patches.Append(datatest::MakePatch(3, "HOUSE SOUND", "from file"));
    patches.Append(datatest::MakePatch(4, "SECOND"));
    const Bytes firstData = patches[0].Blocks()[0][0];
    ASSERT_TRUE(CInitialFileDocument::Instance().Load(WriteFile("initial.z4l", std::move(patches))));
    EXPECT_TRUE(CInitialFileDocument::Instance().IsLoaded());

    CImageData image;
    image.FillWithNewPatches();
    for (int n : {1, 7}) {
        const CParameter& fresh = image.GetArray(n)[0];
        EXPECT_EQ(AsPatch(&fresh)->GetName(), "HOUSE SOUND");
        EXPECT_EQ(fresh.GetMemo(1), "from file");
        EXPECT_EQ(fresh.Blocks()[0][0], firstData);
    }
    CInitialFileDocument::Instance().Unload();
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
    EXPECT_EQ(CInitialFileDocument::Instance().GetInitialObject(1), nullptr);
    CPatch plain;
    plain.Initialize();
    EXPECT_EQ(plain.GetName(), "INIT PATCH");
    EXPECT_TRUE(dialog.shown().empty());
}

TEST_F(InitialFileTest, EmptyOrMissingFilesDoNotLoad) {
    EXPECT_FALSE(CInitialFileDocument::Instance().Load(WriteFile("empty.z4l", CConcreteParameterArray<CPatch>())));
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
    EXPECT_TRUE(dialog.shown().empty()); // start-up reports an unusable initial file itself

    EXPECT_FALSE(CInitialFileDocument::Instance().Load(dir / "missing.z4l"));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be loaded.");
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
}

TEST_F(InitialFileTest, AFirstPatchOfTheWrongShapeDoesNotLoad) {
    CConcreteParameterArray<CPatch> patches;
    patches.Append(datatest::MakePatch(1, "TWO SEGMENTS"));
    patches[0].Blocks()[0].push_back(CParameter::Segment(128, 0));
    EXPECT_FALSE(CInitialFileDocument::Instance().Load(WriteFile("two.z4l", std::move(patches))));
    EXPECT_FALSE(CInitialFileDocument::Instance().IsLoaded());
    EXPECT_TRUE(dialog.shown().empty());
}

} // namespace
