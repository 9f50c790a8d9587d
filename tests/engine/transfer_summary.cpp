// The status bar's lines after a transfer, an export or a save: a count in
// the singular or the plural, the area alone when the whole area took part,
// the verify and backup clauses only when they apply, in both languages.
#include "engine/TransferSummary.h"

#include "messages/MessageTable.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::vector<int> Indexes(int count) {
    std::vector<int> indexes(static_cast<std::size_t>(count));
    std::iota(indexes.begin(), indexes.end(), 0);
    return indexes;
}

class TransferSummaryTest : public ::testing::Test {
protected:
    void TearDown() override { GetMessageTable().SetLanguage(CMessageTable::kEnglish); }
};

TEST_F(TransferSummaryTest, AWholeAreaIsNamedByTheAreaAndSomePatchesByTheirNumbers) {
    EXPECT_EQ(ReadSummary(1, Indexes(60)), "60 patches read from MEMORY");
    EXPECT_EQ(ReadSummary(3, Indexes(10)), "10 patches read from SOUND LIBRARY: CRUNCH");
    EXPECT_EQ(ReadSummary(1, Indexes(10)), "10 patches read from MEMORY 1\xE2\x80\x93"
                                           "10");
    EXPECT_EQ(ReadSummary(1, {8, 1, 4}), "3 patches read from MEMORY 2, 5, 9") << "in number order";
    EXPECT_EQ(ReadSummary(2, {3}), "1 patch read from SOUND LIBRARY: CLEAN 4");
    EXPECT_EQ(StartUpReadSummary(120, {}), "120 patches read from the ZM-47");
    EXPECT_EQ(StartUpReadSummary(60, {5, 7}),
              "60 patches read from the ZM-47; not read: SOUND LIBRARY: HEAVY, SOUND LIBRARY: EXTREME");
}

TEST_F(TransferSummaryTest, AWriteAddsVerifiedAndTheBackupOnlyWhenTheyHappened) {
    EXPECT_EQ(WriteSummary(1, Indexes(60), true, "2026-12-08_101500_MEMORY.z4l"),
              "60 patches written to MEMORY and verified; backup 2026-12-08_101500_MEMORY.z4l");
    EXPECT_EQ(WriteSummary(1, {3}, false, ""), "1 patch written to MEMORY 4");
    EXPECT_EQ(WriteSummary(1, {3}, true, ""), "1 patch written to MEMORY 4 and verified");
    EXPECT_EQ(WriteSummary(1, {3}, false, "b.z4l"), "1 patch written to MEMORY 4; backup b.z4l");
}

TEST_F(TransferSummaryTest, PreviewsSavesAndCommandsThatDidNothing) {
    EXPECT_EQ(PreviewSummary("MEMORY 4"), "MEMORY 4 sent to the temporary patch");
    EXPECT_EQ(SavedSummary(1, "one.z4l"), "1 patch saved to one.z4l");
    EXPECT_EQ(SavedSummary(12, "live.mid"), "12 patches saved to live.mid");
    EXPECT_EQ(FailedSummary("Read All"), "Read All failed");
    EXPECT_EQ(CancelledSummary("Write All"), "Write All cancelled");
}

TEST_F(TransferSummaryTest, JapaneseLinesKeepTheirOwnWordOrder) {
    GetMessageTable().SetLanguage(CMessageTable::kJapanese);
    EXPECT_EQ(WriteSummary(1, Indexes(60), true, "x.z4l"),
              "60 個のパッチを書き込みました（MEMORY）。照合も済みました。バックアップ: x.z4l");
    EXPECT_EQ(PreviewSummary("MEMORY 4"), "MEMORY 4 をテンポラリー・パッチに送りました");
    EXPECT_EQ(SavedSummary(3, "a.z4l"), "3 個のパッチを a.z4l に保存しました");
}

} // namespace
