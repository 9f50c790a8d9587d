// The words of the questions asked before a transfer: which patches and how
// many, in both languages, long lists cut short.
#include "engine/TransferText.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <gtest/gtest.h>

namespace {

const std::string kDash = "\xE2\x80\x93";
const std::string kDots = "\xE2\x80\xA6";

class TransferText : public ::testing::Test {
protected:
    void TearDown() override { GetMessageTable().SetLanguage(CMessageTable::kEnglish); }
};

TEST_F(TransferText, OnePatchIsNamedManyAreCountedAndListedInOrderOnce) {
    EXPECT_EQ(PatchesPhrase(1, {3}), "MEMORY 4");
    EXPECT_EQ(PatchesPhrase(1, {8, 1, 4, 4}), "3 patches (MEMORY 2, 5, 9)");
    EXPECT_EQ(PatchesPhrase(3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "10 patches (SOUND LIBRARY: CRUNCH 1" + kDash + "10)");
    EXPECT_EQ(WriteQuestion(1, {1, 4, 8}), "Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?");
    EXPECT_EQ(ReadQuestion(1, {59}), "Read MEMORY 60 from the ZM-47?");
}

TEST_F(TransferText, ALongListKeepsItsFirstRangesAndItsLastOne) {
    std::vector<int> odd;
    for (int index = 0; index < 60; index += 2)
        odd.push_back(index);
    EXPECT_EQ(PatchesPhrase(1, odd), "30 patches (MEMORY 1, 3, 5, 7, 9, 11, 13, " + kDots + ", 59)");
    // Eight ranges still fit whole.
    EXPECT_EQ(PatchesPhrase(1, {0, 2, 4, 6, 8, 10, 12, 14}), "8 patches (MEMORY 1, 3, 5, 7, 9, 11, 13, 15)");
    std::vector<int> all(60);
    for (int index = 0; index < 60; ++index)
        all[static_cast<std::size_t>(index)] = index;
    EXPECT_EQ(ReadQuestion(1, all), "Read 60 patches (MEMORY 1" + kDash + "60) from the ZM-47?");
}

TEST_F(TransferText, APreviewNamesTheSlotAndThePatchOrThePatchAlone) {
    EXPECT_EQ(PreviewQuestion(PreviewPatchText(1, 3, "Lead Crunch     ")),
              "Send MEMORY 4 \xE2\x80\x9CLead Crunch\xE2\x80\x9D to the temporary patch of the ZM-47?");
    EXPECT_EQ(PreviewPatchText(0, 3, "Pad"), "\xE2\x80\x9CPad\xE2\x80\x9D") << "a file's row is no slot";
}

TEST_F(TransferText, PatchesOfSeveralAreasKeepFewerRangesAndAPortWithoutDeviceIsNone) {
    EXPECT_EQ(PatchesPhrase({{1, 0}, {1, 1}, {2, 4}, {3, 0}, {7, 9}}),
              "5 patches (MEMORY 1" + kDash + "2, SOUND LIBRARY: CLEAN 5, " + kDots + ", SOUND LIBRARY: EXTREME 10)");
    EXPECT_EQ(TransferFailureDetails(kMsgWritingFailed, "MEMORY 4", nullptr, nullptr, nullptr),
              "Writing MEMORY 4 to the ZM-47 failed.\nInput: (none)\nOutput: (none)\nDevice ID: -");
    ASSERT_TRUE(GetMessageTable().SetLanguage(CMessageTable::kJapanese));
    EXPECT_EQ(TransferFailureDetails(kMsgReadingFailed, "MEMORY 4", nullptr, nullptr, nullptr),
              "ZM-47 から MEMORY 4 を読み込めませんでした。\n入力：（なし）\n出力：（なし）\nデバイスID：-");
}

TEST_F(TransferText, JapaneseQuestionsNameThePatchesToo) {
    ASSERT_TRUE(GetMessageTable().SetLanguage(CMessageTable::kJapanese));
    EXPECT_EQ(WriteQuestion(1, {1, 4, 8}), "3 個のパッチ（MEMORY 2, 5, 9） を ZM-47 に書き込みますか？");
    EXPECT_EQ(ReadQuestion(1, {3}), "ZM-47 から MEMORY 4 を読み込みますか？");
}

} // namespace
