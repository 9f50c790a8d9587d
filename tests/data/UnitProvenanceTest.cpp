// Where the main window's rows came from: what counts as changed, what a read
// finds changed on the unit, and what each area's line says.
#include "data/ImageDocument.h"
#include "data/UnitProvenance.h"

#include <gtest/gtest.h>

namespace {

CPatch& PatchAt(CImageDocument& document, int area, int index) {
    return *AsPatch(document.GetArray(area).At(static_cast<std::size_t>(index)));
}

std::vector<int> AllOf(const CParameterArray& array) {
    std::vector<int> indexes;
    for (std::size_t k = 0; k < array.Size(); ++k)
        indexes.push_back(static_cast<int>(k));
    return indexes;
}

class UnitProvenanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.GetImage().FillWithNewPatches();
        provenance().Start(document.GetImage());
    }
    CUnitProvenance& provenance() { return *document.GetProvenance(); }
    RowStatus Status(int area, int index) { return provenance().Status(area, index, document.GetArray(area)); }
    AreaSummary Summary(int area) { return provenance().Summarize(area, document.GetArray(area)); }

    CImageDocument document;
};

TEST_F(UnitProvenanceTest, AFreshWindowIsNotReadUntilTheUserFillsARowAndUndoTakesTheFillBack) {
    EXPECT_TRUE(Status(1, 0).NotRead());
    EXPECT_EQ(Summary(1).notice, AreaNotice::kNotRead);
    EXPECT_EQ(Summary(1).notRead, 60);
    EXPECT_TRUE(provenance().ChangedAreas(document.GetImage()).empty());

    document.SaveUndo(1);
    PatchAt(document, 1, 3).SetName("MINE");
    EXPECT_FALSE(Status(1, 3).NotRead()) << "a row the user filled is the user's";
    EXPECT_TRUE(Status(1, 3).changed);
    EXPECT_EQ(Summary(1).notRead, 59);
    EXPECT_EQ(provenance().ChangedAreas(document.GetImage()), std::vector<int>{1});
    EXPECT_EQ(provenance().ChangedIndexes(1, document.GetArray(1)), std::vector<int>{3});

    document.Undo(1);
    EXPECT_TRUE(Status(1, 3).NotRead());
    EXPECT_TRUE(provenance().ChangedAreas(document.GetImage()).empty());
}

TEST_F(UnitProvenanceTest, ReadAndWrittenRowsAreTheUnitsUntilChangedAndMemosDoNotCount) {
    provenance().MarkRead(2, AllOf(document.GetArray(2)), document.GetArray(2), 1000);
    EXPECT_EQ(Summary(2).notice, AreaNotice::kNone);
    EXPECT_EQ(Status(2, 4).source, RowSource::kRead);
    EXPECT_EQ(Status(2, 4).time, 1000);

    PatchAt(document, 2, 4).SetMemo(1, "only a memo");
    EXPECT_FALSE(Status(2, 4).changed) << "memos are not sent to the unit";
    PatchAt(document, 2, 4).Data()[10] = 0x33;
    EXPECT_TRUE(Status(2, 4).changed);
    EXPECT_EQ(Summary(2).notice, AreaNotice::kChangedByUser);
    EXPECT_EQ(Summary(2).changed, 1);

    provenance().MarkWritten(2, {4}, document.GetArray(2), 2000);
    EXPECT_FALSE(Status(2, 4).changed);
    EXPECT_EQ(Status(2, 4).source, RowSource::kWritten);
    EXPECT_EQ(Summary(2).notice, AreaNotice::kNone);
    // Other areas are untouched by either.
    EXPECT_EQ(Summary(3).notice, AreaNotice::kNotRead);
}

TEST_F(UnitProvenanceTest, AReadMarksRowsThatDifferFromTheRememberedStateUntilTheNextReadOrWrite) {
    CParameterArray& memory = document.GetArray(1);
    PatchAt(document, 1, 0).SetName("OLD ZERO");
    PatchAt(document, 1, 1).SetName("OLD ONE");
    provenance().Remember(1, memory, 500);
    provenance().SetReading(1, true);
    EXPECT_EQ(Summary(1).notice, AreaNotice::kReading);
    EXPECT_EQ(Summary(1).time, 500);
    EXPECT_TRUE(Status(1, 0).OnlyRemembered());

    // The unit's row 1 was changed on its own panel since.
    PatchAt(document, 1, 1).SetName("PANEL EDIT");
    provenance().MarkRead(1, AllOf(memory), memory, 900);
    provenance().SetReading(1, false);
    EXPECT_EQ(Status(1, 0).changedOnUnitSince, 0);
    EXPECT_EQ(Status(1, 1).changedOnUnitSince, 500);
    EXPECT_FALSE(Status(1, 1).changed);
    EXPECT_EQ(Summary(1).notice, AreaNotice::kChangedOnUnit);
    EXPECT_EQ(Summary(1).changedOnUnit, 1);

    // A second read of a row finds nothing remembered to differ from.
    provenance().MarkRead(1, {1}, memory, 950);
    EXPECT_EQ(Status(1, 1).changedOnUnitSince, 0);
    EXPECT_EQ(Summary(1).notice, AreaNotice::kNone);
}

TEST_F(UnitProvenanceTest, ARememberedStateTheReadCouldNotConfirmStaysMarkedAsSuch) {
    provenance().Remember(4, document.GetArray(4), 700);
    provenance().SetReading(4, true);
    provenance().SetReading(4, false);
    const AreaSummary summary = Summary(4);
    EXPECT_EQ(summary.notice, AreaNotice::kRemembered);
    EXPECT_EQ(summary.time, 700);
    EXPECT_EQ(summary.remembered, 10);
    EXPECT_FALSE(Status(4, 0).NotRead());
    // A changed remembered row is the user's, no longer only remembered.
    PatchAt(document, 4, 2).SetName("EDITED");
    EXPECT_FALSE(Status(4, 2).OnlyRemembered());
    EXPECT_EQ(Summary(4).remembered, 9);
}

TEST_F(UnitProvenanceTest, SlotsRememberedFromDifferentStatesKeepTheirOwnTimesAndUnseenSlotsStayNotRead) {
    CParameterArray& memory = document.GetArray(1);
    std::vector<std::int64_t> times(60, 800);
    times[5] = 300; // seen last by an older state
    times[7] = 0;   // never seen by any state
    provenance().RememberSlots(1, memory, times);
    provenance().SetReading(1, true);
    EXPECT_EQ(Summary(1).notice, AreaNotice::kReading);
    EXPECT_EQ(Summary(1).time, 800) << "the newest state's time";
    EXPECT_EQ(Summary(1).remembered, 59);
    EXPECT_TRUE(Status(1, 7).NotRead());

    PatchAt(document, 1, 5).SetName("PANEL EDIT");
    PatchAt(document, 1, 6).SetName("PANEL EDIT");
    provenance().MarkRead(1, AllOf(memory), memory, 900);
    provenance().SetReading(1, false);
    EXPECT_EQ(Status(1, 5).changedOnUnitSince, 300);
    EXPECT_EQ(Status(1, 6).changedOnUnitSince, 800);
    EXPECT_EQ(Status(1, 7).changedOnUnitSince, 0) << "nothing was remembered to differ from";
    EXPECT_EQ(Summary(1).time, 300) << "the earliest since";
}

TEST_F(UnitProvenanceTest, IndexesOutsideTheAreaAndUnknownAreasAreIgnored) {
    provenance().MarkRead(1, {-1, 60, 500}, document.GetArray(1), 100);
    provenance().MarkWritten(9, {0}, document.GetArray(1), 100);
    provenance().Remember(0, document.GetArray(1), 100);
    EXPECT_EQ(Summary(1).notRead, 60);
    EXPECT_EQ(Status(9, 0).source, RowSource::kInitial);
    EXPECT_EQ(Status(1, 60).source, RowSource::kInitial);
    EXPECT_FALSE(Status(1, 60).changed);
}

} // namespace
