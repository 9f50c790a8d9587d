// The row order of a patch list and the edit commands over its array.
#include "data/ImageData.h"
#include "data/Patch.h"
#include "views/ParameterEdits.h"
#include "views/RowSort.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

using PatchArray = CImageData::PatchArray;

PatchArray Named(const std::vector<std::string>& names) {
    PatchArray array;
    array.Resize(names.size());
    for (std::size_t k = 0; k < names.size(); ++k)
        AsPatch(&array[k])->SetName(names[k]);
    return array;
}

std::vector<std::string> NamesOf(const CParameterArray& array) {
    std::vector<std::string> names;
    for (std::size_t k = 0; k < array.Size(); ++k)
        names.push_back(AsPatch(&array[k])->GetName());
    return names;
}

std::vector<int> Sorted(std::vector<int> rows, const RowLess& less) {
    std::stable_sort(rows.begin(), rows.end(), less);
    return rows;
}

TEST(RowSort, SortsWithTiesByNumberAndKeepsEndOfLineLast) {
    const PatchArray array = Named({"b", "A", "b", "a", "c"});
    const std::vector<int> rows{5, 0, 1, 2, 3, 4}; // End of Line first to start with

    // "A" and "a" differ only in case: case-insensitive first, then bytes.
    EXPECT_EQ(Sorted(rows, MakeRowLess(array, 5, true)), (std::vector<int>{1, 3, 0, 2, 4, 5}));
    // Descending: equal names in descending number order; End of Line last.
    EXPECT_EQ(Sorted(rows, MakeRowLess(array, 5, false)), (std::vector<int>{4, 2, 0, 3, 1, 5}));
    EXPECT_EQ(Sorted({3, 5, 1, 0, 4, 2}, MakeNumberLess(array)), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(RowSort, SortsMemosAndNumbers) {
    PatchArray array = Named({"x", "y", "z"});
    array[0].SetMemo(1, "beta");
    array[2].SetMemo(1, "alpha");
    EXPECT_EQ(Sorted({0, 1, 2}, MakeRowLess(array, 1, true)), (std::vector<int>{1, 2, 0})); // empty memo first
    EXPECT_EQ(Sorted({0, 1, 2}, MakeRowLess(array, 0, false)), (std::vector<int>{2, 1, 0}));
}

TEST(ParameterEdits, ReplaceRepeatsTheClipboardOverTheSelection) {
    PatchArray array = Named({"p0", "p1", "p2", "p3", "p4", "p5", "p6"});
    const PatchArray clipboard = Named({"c0", "c1"});
    // Row order of a sorted list; the End of Line index 7 does not count.
    ReplaceObjects(array, {5, 7, 1, 2, 3, 4}, clipboard);
    EXPECT_EQ(NamesOf(array), (std::vector<std::string>{"p0", "c1", "c0", "c1", "c0", "c0", "p6"}));

    // Clipboard patches are copied, not moved.
    EXPECT_EQ(NamesOf(clipboard), (std::vector<std::string>{"c0", "c1"}));
    AsPatch(&array[1])->SetName("changed");
    EXPECT_EQ(NamesOf(clipboard)[1], "c1");

    ReplaceObjects(array, {0}, PatchArray{});
    EXPECT_EQ(NamesOf(array)[0], "p0");
}

TEST(ParameterEdits, DeleteInitializeCopyAndInsert) {
    PatchArray array = Named({"p0", "p1", "p2", "p3", "p4", "p5"});
    array[3].SetMemo(2, "keep me?");

    InitializeObjects(array, {3, 6});
    EXPECT_EQ(AsPatch(&array[3])->GetName(), "INIT PATCH");
    EXPECT_EQ(array[3].GetMemo(2), "");
    EXPECT_EQ(array.Size(), 6u);

    PatchArray clipboard = Named({"old"});
    CopyObjects(array, {4, 0, 6}, clipboard);
    EXPECT_EQ(NamesOf(clipboard), (std::vector<std::string>{"p4", "p0"}));

    DeleteObjects(array, {4, 1, 0, 6});
    EXPECT_EQ(NamesOf(array), (std::vector<std::string>{"p2", "INIT PATCH", "p5"}));

    EXPECT_EQ(InsertCopies(array, 1, clipboard), 2);
    EXPECT_EQ(NamesOf(array), (std::vector<std::string>{"p2", "p4", "p0", "INIT PATCH", "p5"}));
    // An insertion point past the end (the End of Line row) appends.
    EXPECT_EQ(InsertCopies(array, 99, clipboard), 2);
    EXPECT_EQ(array.Size(), 7u);
    EXPECT_EQ(NamesOf(array)[6], "p0");
    EXPECT_EQ(InsertCopies(array, 0, PatchArray{}), 0);

    DeleteObjects(array, {0, 1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(array.Empty());
}

} // namespace
