#include "toolkit/core/Cursor.h"
#include "toolkit/core/CursorChanger.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Records every cursor kind applied.
class RecordingCursor : public UL::ACursor {
public:
    using ACursor::SetNextNumber;
    std::vector<int> applied;

protected:
    void Apply(int kind) override { applied.push_back(kind); }
};

TEST(CursorStack, PopFromTheMiddleKeepsTheTopAndEmptyStackShowsTheDefault) {
    RecordingCursor cursor;
    EXPECT_TRUE(cursor.IsEmpty());
    EXPECT_EQ(cursor.Top(), -1);
    const int a = cursor.Push(UL::kCursorArrow);
    const int b = cursor.Push(UL::kCursorWait);
    const int c = cursor.Push(UL::kCursorIBeam);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(cursor.Top(), c);

    EXPECT_TRUE(cursor.Pop(b));
    EXPECT_EQ(cursor.Top(), c);
    EXPECT_TRUE(cursor.Pop(c));
    EXPECT_EQ(cursor.Top(), a);
    EXPECT_TRUE(cursor.Pop(a));
    EXPECT_TRUE(cursor.IsEmpty());
    EXPECT_EQ(cursor.applied, (std::vector<int>{UL::kCursorArrow, UL::kCursorWait, UL::kCursorIBeam, UL::kCursorIBeam,
                                                UL::kCursorArrow, UL::kCursorDefault}));
}

TEST(CursorStack, UnknownOrAlreadyPoppedNumberChangesNothing) {
    RecordingCursor cursor;
    const int a = cursor.Push(UL::kCursorWait);
    cursor.applied.clear();
    EXPECT_FALSE(cursor.Pop(a + 1));
    EXPECT_FALSE(cursor.Pop(-1));
    EXPECT_TRUE(cursor.Pop(a));
    EXPECT_FALSE(cursor.Pop(a));
    EXPECT_EQ(cursor.applied, (std::vector<int>{UL::kCursorDefault}));
}

TEST(CursorStack, NumbersWrapToZeroAndSkipNumbersStillHeld) {
    RecordingCursor cursor;
    const int held = cursor.Push(UL::kCursorWait); // 0, kept
    cursor.SetNextNumber(INT_MAX - 1);
    EXPECT_EQ(cursor.Push(UL::kCursorWait), INT_MAX - 1);
    EXPECT_EQ(cursor.Push(UL::kCursorWait), INT_MAX);
    EXPECT_EQ(cursor.Push(UL::kCursorWait), 1); // 0 is still held
    EXPECT_TRUE(cursor.Pop(held));
    EXPECT_EQ(cursor.Top(), 1);
}

TEST(WaitCursor, ShowsTheWaitCursorForItsLifetimeAndNests) {
    std::vector<int> applied;
    UL::CCursor cursor([&applied](int kind) { applied.push_back(kind); });
    {
        UL::CWaitCursor outer(cursor);
        {
            UL::ACursorChanger beam(cursor, UL::kCursorIBeam);
            EXPECT_EQ(cursor.Top(), beam.GetNumber());
        }
        EXPECT_EQ(cursor.Top(), outer.GetNumber());
    }
    EXPECT_TRUE(cursor.IsEmpty());
    EXPECT_EQ(applied, (std::vector<int>{UL::kCursorWait, UL::kCursorIBeam, UL::kCursorWait, UL::kCursorDefault}));
}

} // namespace
