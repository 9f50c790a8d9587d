// The stored forms the library reads back, and how patches are compared.
#include "LibraryTestSupport.h"

#include "library/PatchCompare.h"
#include "library/StoredForms.h"

using namespace librarytest;
using Bytes = std::vector<std::uint8_t>;

TEST(StoredForms, SlotListsRoundTripAndRejectEveryMalformedForm) {
    const std::vector<std::int64_t> ids{0, 1, 127, 128, 300000, INT64_MAX};
    const Bytes bytes = EncodeSlotList(ids);
    std::vector<std::int64_t> back;
    ASSERT_TRUE(DecodeSlotList(bytes, back));
    EXPECT_EQ(back, ids);
    EXPECT_EQ(EncodeSlotList({5, 0}), (Bytes{2, 5, 0}));

    const std::vector<std::int64_t> untouched{42};
    auto rejects = [&](const Bytes& bad) {
        std::vector<std::int64_t> out = untouched;
        return !DecodeSlotList(bad, out) && out == untouched;
    };
    EXPECT_TRUE(rejects({}));
    EXPECT_TRUE(rejects({2, 1}));                                                          // fewer ids than counted
    EXPECT_TRUE(rejects({1, 1, 1}));                                                       // bytes left over
    EXPECT_TRUE(rejects({1, 0x80}));                                                       // a number cut short
    EXPECT_TRUE(rejects({0xFF, 0xFF, 0xFF, 0xFF, 0x0F}));                                  // a count no bytes can hold
    EXPECT_TRUE(rejects({1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01})); // beyond 63 bits
}

TEST(StoredForms, PatchesNeedExactly128BytesAndFourTerminatedMemos) {
    CPatch original = MakePatch(3, "Stored");
    original.SetMemo(2, "two");
    CPatch patch;
    ASSERT_TRUE(PatchFromStored({original.Data(), 128}, EncodeMemos(original), patch));
    EXPECT_EQ(patch.GetName(), "Stored");
    EXPECT_EQ(patch.GetMemo(2), "two");
    EXPECT_EQ(patch.GetSerializedSize(), original.GetSerializedSize());

    CPatch untouched = MakePatch(9, "Untouched");
    EXPECT_FALSE(PatchFromStored({original.Data(), 127}, {}, untouched));
    const Bytes threeMemos{'a', 0, 0, 0};
    const Bytes trailing{0, 0, 0, 0, 'x'};
    EXPECT_FALSE(PatchFromStored({original.Data(), 128}, threeMemos, untouched));
    EXPECT_FALSE(PatchFromStored({original.Data(), 128}, trailing, untouched));
    EXPECT_EQ(untouched.GetName(), "Untouched");
}

TEST(PatchCompare, NameSoundAndMemoDifferencesAndDuplicateGroups) {
    const CPatch base = MakePatch(1, "Base");
    CPatch renamed = base;
    renamed.SetName("Other");
    CPatch resound = base;
    resound.Data()[95] ^= 1;
    CPatch both = renamed;
    both.Data()[0] ^= 1;
    CPatch memo = base;
    memo.SetMemo(1, "note");
    EXPECT_EQ(ComparePatches(base, base), EPatchDifference::kSame);
    EXPECT_EQ(DifferenceText(ComparePatches(base, renamed)), "name");
    EXPECT_EQ(DifferenceText(ComparePatches(base, resound)), "sound");
    EXPECT_EQ(DifferenceText(ComparePatches(base, both)), "name+sound");
    EXPECT_EQ(DifferenceText(ComparePatches(base, memo)), "memo");
    both.SetMemo(1, "note");
    EXPECT_EQ(ComparePatches(base, both), EPatchDifference::kNameSound) << "data comes before memos";

    CConcreteParameterArray<CPatch> list;
    for (const CPatch* patch : std::initializer_list<const CPatch*>{&base, &resound, &renamed, &memo, &resound})
        list.Append(patch->Clone());
    EXPECT_EQ(SoundDuplicateGroups(list), (std::vector<std::vector<int>>{{0, 2, 3}, {1, 4}}));
}

TEST(StoredForms, SearchTextHoldsMemosInBothCodePages) {
    CPatch patch = MakePatch(1, "Name");
    patch.SetMemo(1, "\xE9t\xE9"); // "été" in 1252
    const std::string text = SearchText(patch);
    EXPECT_TRUE(text.starts_with("Name"));
    EXPECT_NE(text.find("\xC3\xA9t\xC3\xA9"), std::string::npos);
}
