// Owning patch arrays: resizing, cloning copies and the list operations.
#include "tests/data/DataTestSupport.h"

#include "data/ParameterArray.h"

#include <gtest/gtest.h>

namespace {

using PatchArray = CConcreteParameterArray<CPatch>;

std::vector<std::string> Names(const CParameterArray& array) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < array.Size(); ++i)
        names.push_back(AsPatch(&array[i])->GetName());
    return names;
}

PatchArray Lettered(const std::string& letters) {
    PatchArray array;
    for (char c : letters)
        array.Append(datatest::MakePatch(c, std::string(1, c)));
    return array;
}

TEST(ParameterArray, ResizeCreatesInitializedPatchesAndShrinks) {
    datatest::InitialFileGuard noInitialFile;
    PatchArray array;
    array.Resize(60);
    ASSERT_EQ(array.Size(), 60u);
    for (std::size_t i = 0; i < array.Size(); ++i)
        ASSERT_EQ(AsPatch(&array[i])->GetName(), "INIT PATCH");
    AsPatch(&array[5])->SetName("KEEP");
    array.Resize(6);
    EXPECT_EQ(array.Size(), 6u);
    EXPECT_EQ(AsPatch(&array[5])->GetName(), "KEEP");
    array.Resize(0);
    EXPECT_TRUE(array.Empty());
}

TEST(ParameterArray, CopiesCloneEveryElement) {
    PatchArray original = Lettered("ABC");
    PatchArray copy(original);
    PatchArray assigned;
    assigned = original;
    for (PatchArray* other : {&copy, &assigned}) {
        EXPECT_EQ(Names(*other), Names(original));
        for (std::size_t i = 0; i < original.Size(); ++i)
            EXPECT_NE(&(*other)[i], &original[i]);
        AsPatch(&(*other)[0])->SetName("CHANGED");
    }
    EXPECT_EQ(Names(original), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(ParameterArray, SelfAssignmentKeepsTheElements) {
    PatchArray array = Lettered("AB");
    const CParameter* first = &array[0];
    PatchArray& alias = array;
    array = alias;
    ASSERT_EQ(array.Size(), 2u);
    EXPECT_EQ(&array[0], first);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A", "B"}));
}

TEST(ParameterArray, InsertRemoveAndTake) {
    PatchArray array = Lettered("ACE");
    array.Insert(1, datatest::MakePatch(0, "B"));
    array.Insert(99, datatest::MakePatch(0, "F")); // past the end appends
    array.Insert(0, nullptr);                     // a missing element is not taken
    array.Append(nullptr);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A", "B", "C", "E", "F"}));

    std::unique_ptr<CParameter> taken = array.Take(2);
    EXPECT_EQ(AsPatch(taken.get())->GetName(), "C");
    EXPECT_EQ(array.Take(99), nullptr);
    array.Remove(1, 2);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A", "F"}));
    array.Remove(1, 99); // clipped to the array
    array.Remove(5);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"A"}));
    EXPECT_EQ(array.At(1), nullptr);
}

} // namespace
