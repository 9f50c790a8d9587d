// Patches: the initial contents, the name rules and the sort order of list
// columns; owning arrays of them.
#include "tests/data/DataTestSupport.h"

#include "data/ParameterArray.h"

#include <gtest/gtest.h>

namespace {

using datatest::Bytes;
using PatchArray = CConcreteParameterArray<CPatch>;

TEST(Patch, NewPatchIsInitPatchWithZeroData) {
    datatest::InitialFileGuard noInitialFile;
    CPatch patch;
    patch.Initialize();
    const Bytes data(patch.Data(), patch.Data() + 128);
    const Bytes name{0x00, 0x49, 0x00, 0x4E, 0x00, 0x49, 0x00, 0x54, 0x00, 0x20};
    EXPECT_EQ(Bytes(data.begin() + 96, data.begin() + 106), name);
    EXPECT_EQ(Bytes(data.begin() + 116, data.end()), Bytes(12, 0));
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 96), Bytes(96, 0));
    EXPECT_EQ(patch.GetName(), "INIT PATCH");
    EXPECT_EQ(patch.GetSerializedSize(), 140u);
    patch.SetMemo(1, "a");
    EXPECT_EQ(patch.GetSerializedSize(), 141u);
}

TEST(Patch, InitializeKeepsDeviceParametersAndResetsNameAndMemos) {
    datatest::InitialFileGuard noInitialFile;
    auto patch = datatest::MakePatch(7, "LOUD LEAD", "memo", "four");
    const Bytes before(patch->Data(), patch->Data() + 96);
    patch->Initialize();
    EXPECT_EQ(Bytes(patch->Data(), patch->Data() + 96), before);
    EXPECT_EQ(patch->GetName(), "INIT PATCH");
    EXPECT_EQ(patch->GetMemo(1), "");
    EXPECT_EQ(patch->GetMemo(4), "");
}

TEST(Patch, NameRules) {
    CPatch patch;
    EXPECT_EQ(patch.GetName(), ""); // no data yet: nothing to read
    patch.SetName("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(patch.GetName(), "ABCDEFGHIJKLMNOP");

    patch.SetName(std::string("a\tb\xE9\x7F") + std::string(1, '\0') + "c");
    EXPECT_EQ(patch.GetName(), "a b \x7F c");
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(patch.Data()[96 + 2 * k], 0) << k;
    EXPECT_EQ(patch.Data()[97 + 2 * 7], 0); // padding after the seventh character

    patch.Data()[97 + 2 * 3] = 0; // a stored 0 ends the name
    EXPECT_EQ(patch.GetName(), "a b");
}

TEST(Patch, MemosEndBeforeAZeroByte) {
    // Files store memos 0-terminated; an inner 0 would shift every later memo.
    CPatch patch;
    patch.SetMemo(1, std::string("ab\0cd", 5));
    EXPECT_EQ(patch.GetMemo(1), "ab");
}

TEST(PatchCompare, CaseInsensitiveThenBytesThenIndex) {
    auto make = [](const std::string& text) {
        CPatch patch;
        patch.SetName(text);
        patch.SetMemo(2, text);
        return patch;
    };
    const CPatch abc = make("abc"), abd = make("ABD"), upper = make("ABC"), same = make("abc");
    for (int column : {2, 5}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(abc.Compare(column, abd, 0, 1, false), -1);
        EXPECT_EQ(abc.Compare(column, upper, 0, 1, false), 1); // equal folded, 'a' > 'A'
        EXPECT_EQ(abc.Compare(column, same, 3, 7, false), -1); // equal texts: index order
        EXPECT_EQ(abc.Compare(column, same, 3, 7, true), 1);
        EXPECT_EQ(abc.Compare(column, same, 3, 3, false), 0);
    }
    EXPECT_EQ(abd.Compare(0, abc, 3, 7, true), -1); // the number column ignores reverseTies
    CPatch high, low;
    high.SetMemo(1, "\xE9");
    low.SetMemo(1, "z");
    EXPECT_EQ(low.Compare(1, high, 0, 1, false), -1); // bytes compare unsigned
}

std::vector<std::string> Names(const CParameterArray& array) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < array.Size(); ++i)
        names.push_back(AsPatch(&array[i])->GetName());
    return names;
}

TEST(ParameterArray, ResizeCreatesInitializedPatchesAndShrinks) {
    datatest::InitialFileGuard noInitialFile;
    PatchArray array;
    array.Resize(60);
    ASSERT_EQ(array.Size(), 60u);
    EXPECT_EQ(AsPatch(&array[59])->GetName(), "INIT PATCH");
    AsPatch(&array[5])->SetName("KEEP");
    array.Resize(6);
    EXPECT_EQ(Names(array).back(), "KEEP");
    array.Resize(0);
    EXPECT_TRUE(array.Empty());
}

TEST(ParameterArray, CopiesCloneAndSelfAssignmentKeepsElements) {
    PatchArray original;
    for (const char* name : {"A", "B"})
        original.Append(datatest::MakePatch(1, name));
    PatchArray copy(original);
    PatchArray assigned;
    assigned = original;
    AsPatch(&copy[0])->SetName("CHANGED");
    AsPatch(&assigned[1])->SetName("CHANGED");
    EXPECT_EQ(Names(original), (std::vector<std::string>{"A", "B"}));

    const CParameter* first = &original[0];
    PatchArray& alias = original;
    original = alias;
    EXPECT_EQ(&original[0], first);
    EXPECT_EQ(Names(original), (std::vector<std::string>{"A", "B"}));
}

TEST(ParameterArray, InsertRemoveAndTakeStayInBounds) {
    PatchArray array;
    array.Append(datatest::MakePatch(1, "A"));
    array.Insert(99, datatest::MakePatch(2, "C")); // past the end appends
    array.Insert(1, datatest::MakePatch(3, "B"));
    array.Append(nullptr); // an array never holds a missing element
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(AsPatch(array.Take(1).get())->GetName(), "B");
    EXPECT_EQ(array.Take(9), nullptr);
    array.Remove(1, 99); // clipped to the array
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A"}));
    EXPECT_EQ(array.At(1), nullptr);
}

} // namespace
