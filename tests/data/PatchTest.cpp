// Patches: the initial contents, the name rules, memos, record size and the
// sort order of list columns.
#include "tests/data/DataTestSupport.h"

#include "data/Patch.h"

#include <gtest/gtest.h>

namespace {

using datatest::Bytes;
using datatest::InitialFileGuard;

TEST(Patch, NewPatchIsInitPatchWithZeroData) {
    InitialFileGuard noInitialFile;
    CPatch patch;
    patch.Initialize();
    ASSERT_NE(patch.Data(), nullptr);
    const Bytes data(patch.Data(), patch.Data() + 128);
    const Bytes name{0x00, 0x49, 0x00, 0x4E, 0x00, 0x49, 0x00, 0x54, 0x00, 0x20,
                     0x00, 0x50, 0x00, 0x41, 0x00, 0x54, 0x00, 0x43, 0x00, 0x48};
    EXPECT_EQ(Bytes(data.begin() + 96, data.begin() + 116), name);
    EXPECT_EQ(Bytes(data.begin() + 116, data.end()), Bytes(12, 0));
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 96), Bytes(96, 0));
    EXPECT_EQ(patch.GetName(), "INIT PATCH");
    for (int m = 1; m <= 4; ++m)
        EXPECT_EQ(patch.GetMemo(m), "");
    EXPECT_EQ(patch.Blocks().size(), 1u);
    EXPECT_EQ(patch.Blocks()[0].size(), 1u);
}

TEST(Patch, InitializeKeepsDeviceParametersAndResetsNameAndMemos) {
    InitialFileGuard noInitialFile;
    auto patch = datatest::MakePatch(7, "LOUD LEAD", "memo", "four");
    const Bytes before(patch->Data(), patch->Data() + 96);
    patch->Initialize();
    EXPECT_EQ(Bytes(patch->Data(), patch->Data() + 96), before);
    EXPECT_EQ(patch->GetName(), "INIT PATCH");
    EXPECT_EQ(patch->GetMemo(1), "");
    EXPECT_EQ(patch->GetMemo(4), "");
}

TEST(Patch, SetNameClampsCutsAndPads) {
    CPatch patch;
    patch.Initialize();
    patch.SetName("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(patch.GetName(), "ABCDEFGHIJKLMNOP");

    patch.SetName(std::string("a\tb\xE9") + "\x7F");
    EXPECT_EQ(patch.GetName(), "a b \x7F");
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(patch.Data()[96 + 2 * k], 0) << k;
    EXPECT_EQ(patch.Data()[97 + 2 * 5], 0); // padding after the fifth character

    patch.SetName(std::string("AB\0CD", 5)); // a 0 byte in the text becomes a space
    EXPECT_EQ(patch.GetName(), "AB CD");
}

TEST(Patch, GetNameStopsAtTheFirstZeroByte) {
    CPatch patch;
    patch.Initialize();
    patch.SetName("ABCDEF");
    patch.Data()[97 + 2 * 3] = 0;
    EXPECT_EQ(patch.GetName(), "ABC");
}

TEST(Patch, MisshapenPatchHasNoDataAndSetNameShapesIt) {
    CPatch patch;
    patch.SetMemo(2, "kept");
    EXPECT_EQ(patch.Data(), nullptr);
    EXPECT_EQ(patch.GetName(), "");
    patch.SetName("X");
    ASSERT_NE(patch.Data(), nullptr);
    EXPECT_EQ(patch.GetName(), "X");
    EXPECT_EQ(patch.GetMemo(2), "kept");
}

TEST(Patch, SerializedSizeCountsMemosAndSegments) {
    CPatch patch;
    patch.Initialize();
    EXPECT_EQ(patch.GetSerializedSize(), 140u);
    patch.SetMemo(1, "a");
    EXPECT_EQ(patch.GetSerializedSize(), 141u);
    patch.SetMemo(3, "xyz");
    EXPECT_EQ(patch.GetSerializedSize(), 144u);
}

TEST(Patch, MemosEndBeforeAZeroByteAndUnknownNumbersAreIgnored) {
    CPatch patch;
    patch.SetMemo(1, std::string("ab\0cd", 5));
    EXPECT_EQ(patch.GetMemo(1), "ab");
    patch.SetMemo(0, "none");
    patch.SetMemo(5, "none");
    EXPECT_EQ(patch.GetMemo(0), "");
    EXPECT_EQ(patch.GetMemo(5), "");
}

TEST(Patch, CopiesAreDeep) {
    auto original = datatest::MakePatch(1, "ORIGINAL", "m1");
    auto clone = original->Clone();
    AsPatch(clone.get())->SetName("CLONE");
    clone->SetMemo(1, "changed");
    EXPECT_EQ(original->GetName(), "ORIGINAL");
    EXPECT_EQ(original->GetMemo(1), "m1");
    EXPECT_NE(AsPatch(clone.get()), nullptr);
}

class CompareTest : public ::testing::Test {
protected:
    CPatch Named(const std::string& name, const std::string& memo) {
        CPatch patch;
        patch.Initialize();
        patch.SetName(name);
        patch.SetMemo(2, memo);
        return patch;
    }
};

TEST_F(CompareTest, TextsCompareCaseInsensitiveThenByBytes) {
    const CPatch abc = Named("abc", "abc");
    const CPatch abd = Named("ABD", "ABD");
    const CPatch upper = Named("ABC", "ABC");
    for (int column : {2, 5}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(abc.Compare(column, abd, 0, 1, false), -1);
        EXPECT_EQ(abd.Compare(column, abc, 1, 0, false), 1);
        EXPECT_EQ(abc.Compare(column, upper, 0, 1, false), 1); // 'a' > 'A'
        EXPECT_EQ(upper.Compare(column, abc, 1, 0, false), -1);
    }
}

TEST_F(CompareTest, EqualTextsOrderByIndexAndReverseTiesFlipsThat) {
    const CPatch a = Named("SAME", "same");
    const CPatch b = Named("SAME", "same");
    for (int column : {1, 2, 5}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(a.Compare(column, b, 3, 7, false), -1);
        EXPECT_EQ(a.Compare(column, b, 7, 3, false), 1);
        EXPECT_EQ(a.Compare(column, b, 3, 7, true), 1);
        EXPECT_EQ(a.Compare(column, b, 3, 3, false), 0);
    }
    // The number column is the index order and ignores reverseTies.
    EXPECT_EQ(a.Compare(0, b, 3, 7, true), -1);
    // Unknown columns compare two empty texts.
    EXPECT_EQ(a.Compare(9, b, 3, 7, false), -1);
}

TEST_F(CompareTest, BytesCompareUnsignedAndPrefixesFirst) {
    CPatch high;
    CPatch low;
    high.SetMemo(1, "\xE9");
    low.SetMemo(1, "z");
    EXPECT_EQ(low.Compare(1, high, 0, 1, false), -1);
    high.SetMemo(1, "ab");
    low.SetMemo(1, "a");
    EXPECT_EQ(low.Compare(1, high, 5, 1, false), -1);
}

} // namespace
