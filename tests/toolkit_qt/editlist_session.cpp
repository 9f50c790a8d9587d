// The edit list's parts that hold no widget: the values of an edit session
// and the column model with its stored widths.
#include "toolkit/qt/EditListColumns.h"
#include "toolkit/qt/EditListSelector.h"
#include "toolkit/qt/EditSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using GP::CEditSession;
using GP::CellValue;
using GP::SELVColumn;

// Rows with numbers (a row missing from numbers has none) that accept values
// in 0..100 and texts other than "bad"; it records whether the session said
// it was validating while it asked.
class FakeCells : public GP::IEditCells {
public:
    std::map<int, double> numbers;
    const CEditSession* session = nullptr;
    bool askedWhileValidating = true;
    int asked = 0;

    bool ReadCellNumber(int row, int, double* out) override {
        const auto it = numbers.find(row);
        if (it == numbers.end())
            return false;
        *out = it->second;
        return true;
    }
    bool AcceptsCellValue(int, int, const CellValue& value, GP::EditValidateMode mode) override {
        ++asked;
        if (session && mode != GP::kValidateSpin)
            askedWhileValidating &= session->IsValidating();
        if (const double* number = std::get_if<double>(&value))
            return std::isfinite(*number) && *number >= 0 && *number <= 100;
        return std::get<QString>(value) != "bad";
    }
};

SELVColumn NumberColumn() {
    SELVColumn column;
    column.flags = SELVColumn::kEditable | SELVColumn::kEditorSpin | SELVColumn::kTypeInteger;
    column.min = 0;
    column.max = 100;
    return column;
}

SELVColumn TextColumn() {
    SELVColumn column;
    column.flags = SELVColumn::kEditable | SELVColumn::kEditorText;
    return column;
}

TEST(EditSession, SpinStepsAddToEachRowsOwnValueAndMoveEveryRowOrNone) {
    FakeCells cells;
    cells.numbers = {{0, 10}, {1, 93}};
    CEditSession session(cells);
    session.Begin(2, NumberColumn(), "ignored for numbers");
    EXPECT_TRUE(session.IsActive());
    EXPECT_EQ(session.Column(), 2);
    EXPECT_TRUE(session.Step({0, 1}, 5));
    double shown = 0;
    ASSERT_TRUE(session.ShownNumber(0, &shown));
    EXPECT_EQ(shown, 15);
    ASSERT_TRUE(session.ShownNumber(1, &shown));
    EXPECT_EQ(shown, 98);
    // 93 + 5 + 3 is past the end: no row takes the step.
    EXPECT_FALSE(session.Step({0, 1}, 3));
    ASSERT_TRUE(session.ShownNumber(1, &shown));
    EXPECT_EQ(shown, 98);

    CEditSession::RowValues values;
    EXPECT_TRUE(session.NewValues({0, 1}, GP::kValidateCommit, values));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(std::get<double>(values[0].second), 15);
    EXPECT_EQ(std::get<double>(values[1].second), 98);

    // A row without a value of its own can take no step, and a commit gives
    // it a value that no row accepts.
    EXPECT_FALSE(session.Step({0, 1, 7}, 1));
    EXPECT_FALSE(session.ShownNumber(7, &shown));
    EXPECT_FALSE(session.NewValues({0, 7}, GP::kValidateCommit, values));
    EXPECT_TRUE(std::isnan(std::get<double>(values[1].second)));
}

TEST(EditSession, ATypedNumberIsTheSameForEveryRowAndAnUnreadableOneIsRefused) {
    FakeCells cells;
    cells.numbers = {{0, 10}, {1, 90}};
    CEditSession session(cells);
    session.Begin(2, NumberColumn(), {});
    session.TakeNumber("40", 40);
    double shown = 0;
    ASSERT_TRUE(session.ShownNumber(1, &shown));
    EXPECT_EQ(shown, 40);
    // Steps now start from the typed number, not from each row's own.
    EXPECT_TRUE(session.Step({0, 1}, 2));
    CEditSession::RowValues values;
    EXPECT_TRUE(session.NewValues({0, 1}, GP::kValidateCommit, values));
    EXPECT_EQ(std::get<double>(values[0].second), 42);
    EXPECT_EQ(std::get<double>(values[1].second), 42);

    session.TakeNumber("4x", std::nan(""));
    EXPECT_FALSE(session.NewValues({0, 1}, GP::kValidateCommit, values));
}

TEST(EditSession, TextStartsFromTheActiveEditorAndEveryRowMustAcceptIt) {
    FakeCells cells;
    CEditSession session(cells);
    cells.session = &session;
    session.Begin(1, TextColumn(), "Lead");
    CEditSession::RowValues values;
    EXPECT_TRUE(session.NewValues({3, 5}, GP::kValidateCommit, values));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].first, 3);
    EXPECT_EQ(std::get<QString>(values[1].second), "Lead");

    session.TakeText("bad");
    cells.asked = 0;
    EXPECT_FALSE(session.NewValues({3, 5}, GP::kValidateCommit, values));
    EXPECT_EQ(cells.asked, 1); // the first refusal ends the checks
    EXPECT_TRUE(cells.askedWhileValidating);
    EXPECT_FALSE(session.IsValidating());

    session.End();
    EXPECT_FALSE(session.IsActive());
    EXPECT_EQ(session.Column(), -1);
}

TEST(EditListColumns, TheCurrentColumnFollowsInsertsAndRemovals) {
    GP::CEditListColumns columns;
    EXPECT_EQ(columns.SetCurrent(3), -1);
    EXPECT_EQ(columns.Current(), -1); // no columns yet
    EXPECT_EQ(columns.Insert(5, "A", TextColumn(), 40), 0);
    EXPECT_EQ(columns.Insert(1, "C", NumberColumn(), 60), 1);
    EXPECT_EQ(columns.Insert(1, "B", TextColumn(), 50), 1);
    columns.SetCurrent(9);
    EXPECT_EQ(columns.Current(), 2);
    EXPECT_EQ(columns.Header(2), "C");
    columns.Insert(0, "Z", TextColumn(), 10);
    EXPECT_EQ(columns.Current(), 3);
    EXPECT_TRUE(columns.Remove(0));
    EXPECT_EQ(columns.Current(), 2);
    EXPECT_TRUE(columns.Remove(2));
    EXPECT_EQ(columns.Current(), -1);
    EXPECT_FALSE(columns.Remove(2));
    EXPECT_EQ(columns.Descriptor(2), nullptr);
    EXPECT_EQ(columns.Flags(-1), 0);
    EXPECT_FALSE(columns.SetDefaultWidth(0, -1));
    EXPECT_EQ(columns.DefaultWidth(0), 40);
}

TEST(EditListColumns, StoredWidthsAreTakenWhereReadableElseTheDefaults) {
    GP::CEditListColumns columns;
    for (int i = 0; i < 5; ++i)
        columns.Insert(i, QString::number(i), TextColumn(), 10 * (i + 1));
    EXPECT_EQ(columns.ParseWidths(" 70, x,-3,10001"), (std::vector<int>{70, 20, 30, 40, 50}));
    EXPECT_EQ(columns.ParseWidths("0,10000,5,6,7,8,9"), (std::vector<int>{0, 10000, 5, 6, 7}));
    EXPECT_EQ(columns.ParseWidths(""), (std::vector<int>{10, 20, 30, 40, 50}));
    EXPECT_EQ(GP::CEditListColumns::FormatWidths({70, 0, 5}), "70,0,5");
}

TEST(EditListSelector, DragsSelectARangeOrSetItToTheMarksStateWhenToggling) {
    using S = GP::CEditListSelector;
    EXPECT_EQ(S::DragStates(5, 3, 1, S::kDragRange, {}), (std::vector<char>{0, 1, 1, 1, 0}));
    const std::vector<char> snapshot{1, 0, 0, 1, 1};
    EXPECT_EQ(S::DragStates(5, 1, 3, S::kDragToggle, snapshot), (std::vector<char>{1, 0, 0, 0, 1}));
    EXPECT_EQ(S::DragStates(5, 3, 2, S::kDragToggle, snapshot), (std::vector<char>{1, 0, 1, 1, 1}));
    // A snapshot of other rows than there are now is no snapshot.
    EXPECT_EQ(S::DragStates(5, 1, 2, S::kDragToggle, {1}), (std::vector<char>{0, 1, 1, 0, 0}));
    EXPECT_TRUE(S::DragStates(5, 5, 2, S::kDragRange, {}).empty());
    EXPECT_TRUE(S::DragStates(5, -1, 2, S::kDragRange, {}).empty());
    EXPECT_TRUE(S::DragStates(5, 1, 5, S::kDragRange, {}).empty());
}

} // namespace
