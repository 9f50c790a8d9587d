// Undo and redo of the two document kinds: steps per area, a change of every
// area as one group, a failed change taken back for good, and the limit.
#include "tests/data/DataTestSupport.h"

#include "data/FileDocument.h"
#include "data/ImageDocument.h"

#include <gtest/gtest.h>

namespace {

std::string NameAt(const CDocumentBase& document, int area) { return AsPatch(&document.GetArray(area)[0])->GetName(); }

void Rename(CDocumentBase& document, int area, const std::string& name) {
    document.SaveUndo(area);
    AsPatch(&document.GetArray(area)[0])->SetName(name);
}

// Undo in area gives before back, and Redo then makes after again.
void ExpectUndoRedo(CDocumentBase& document, int area, const std::string& before, const std::string& after) {
    document.Undo(area);
    EXPECT_EQ(NameAt(document, area), before) << "undone";
    document.Redo(area);
    EXPECT_EQ(NameAt(document, area), after) << "redone";
}

class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.GetImage().FillWithNewPatches();
        for (int n = 1; n <= 7; ++n)
            AsPatch(&document.GetArray(n)[0])->SetName("BEFORE " + std::to_string(n));
    }
    datatest::InitialFileGuard noInitialFile;
    CImageDocument document;
};

TEST_F(UndoHistoryTest, EachAreaUndoesItsOwnStepsInTurnAndRedoMakesThemAgain) {
    Rename(document, 3, "ONE");
    Rename(document, 1, "OTHER AREA");
    Rename(document, 3, "TWO");
    document.SaveUndo(3);
    document.GetArray(3).Remove(9);

    document.Undo(3);
    EXPECT_EQ(document.GetArray(3).Size(), 10u);
    document.Undo(3);
    EXPECT_EQ(NameAt(document, 3), "ONE");
    EXPECT_EQ(NameAt(document, 1), "OTHER AREA") << "a later change of another area stays";
    document.Undo(3);
    EXPECT_EQ(NameAt(document, 3), "BEFORE 3");
    EXPECT_FALSE(document.CanUndo(3));
    document.Undo(3); // nothing left: nothing happens
    EXPECT_EQ(NameAt(document, 3), "BEFORE 3");

    document.Redo(3);
    document.Redo(3);
    EXPECT_EQ(NameAt(document, 3), "TWO");
    EXPECT_EQ(document.GetArray(3).Size(), 10u);
    EXPECT_TRUE(document.CanRedo(3));
    EXPECT_FALSE(document.CanRedo(1));

    // A new change forgets what could be redone.
    Rename(document, 3, "THREE");
    EXPECT_FALSE(document.CanRedo(3));
    document.Redo(3); // nothing to redo: nothing happens
    EXPECT_EQ(NameAt(document, 3), "THREE");
    ExpectUndoRedo(document, 3, "TWO", "THREE");
}

TEST_F(UndoHistoryTest, AChangeOfEveryAreaIsUndoneAndRedoneAsOneUnlessAnAreaChangedSince) {
    document.SaveUndo(0);
    for (int n = 1; n <= 7; ++n)
        AsPatch(&document.GetArray(n)[0])->SetName("IMPORTED");
    document.Undo(5);
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(NameAt(document, n), "BEFORE " + std::to_string(n)) << n;
    document.Redo(2);
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(NameAt(document, n), "IMPORTED") << n;

    // Area 4 changed after the import: undoing the import elsewhere leaves
    // area 4's later change, and area 4 then takes its own steps back.
    Rename(document, 4, "LATER");
    document.Undo(1);
    EXPECT_EQ(NameAt(document, 1), "BEFORE 1");
    EXPECT_EQ(NameAt(document, 7), "BEFORE 7");
    EXPECT_EQ(NameAt(document, 4), "LATER");
    document.Undo(4);
    EXPECT_EQ(NameAt(document, 4), "IMPORTED");
    document.Undo(4);
    EXPECT_EQ(NameAt(document, 4), "BEFORE 4");
}

TEST_F(UndoHistoryTest, ARevertedChangeCannotBeRedoneAndEarlierStepsStay) {
    Rename(document, 2, "KEPT");
    Rename(document, 2, "HALF READ");
    document.Revert(2);
    EXPECT_EQ(NameAt(document, 2), "KEPT");
    EXPECT_FALSE(document.CanRedo(2));
    ExpectUndoRedo(document, 2, "BEFORE 2", "KEPT");
}

TEST_F(UndoHistoryTest, OnlyAreasOneToSevenAndTheNewestStepsAreKept) {
    document.SaveUndo(8);
    document.SaveUndo(-1);
    for (int n = -1; n <= 8; ++n)
        EXPECT_FALSE(document.CanUndo(n)) << n;

    const int steps = static_cast<int>(CUndoHistory::kMaxSteps) + 5;
    for (int k = 1; k <= steps; ++k)
        Rename(document, 6, "STEP " + std::to_string(k));
    int undone = 0;
    while (document.CanUndo(6)) {
        document.Undo(6);
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(CUndoHistory::kMaxSteps));
    EXPECT_EQ(NameAt(document, 6), "STEP 5") << "the oldest steps are forgotten";
}

TEST(FileDocumentUndo, EveryAreaArgumentMeansTheFilesList) {
    CFileDocument document;
    document.GetArray(4).Append(datatest::MakePatch(1, "FIRST"));
    EXPECT_FALSE(document.CanUndo(1));
    document.SaveUndo(6);
    EXPECT_TRUE(document.CanUndo(2));
    document.Patches().Append(datatest::MakePatch(2, "SECOND"));
    document.SaveUndo(0);
    document.Patches().Remove(0);
    document.Undo(3);
    document.Undo(5);
    EXPECT_EQ(document.Patches().Size(), 1u);
    document.Redo(7);
    EXPECT_EQ(document.Patches().Size(), 2u);
    EXPECT_TRUE(document.CanRedo(1));
}

} // namespace
