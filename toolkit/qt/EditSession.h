#pragma once
// The values of one in-place edit of an edit list, without its widgets: which
// column is edited, the value entered (typed or chosen text, or a number that
// is either absolute or a step added to each row's own value), and the checks
// every row must pass before anything is stored. The list owns the pop-up
// editors and tells the session what the user did in them.
#include "toolkit/qt/SELVColumn.h"

#include <QString>

#include <utility>
#include <variant>
#include <vector>

namespace GP {

// A value entered for a cell: the text of text and drop-down columns, the
// number of numeric columns.
using CellValue = std::variant<QString, double>;

// Why a value is checked: a spin step (asked often; should not talk to the
// user), the end of an edit, a replace.
enum EditValidateMode { kValidateSpin = 0, kValidateCommit = 1, kValidateReplace = 2 };

// What the session asks of the list's rows.
class IEditCells {
public:
    virtual ~IEditCells() = default;
    // A numeric cell's current value; false when it has none.
    virtual bool ReadCellNumber(int row, int column, double* out) = 0;
    virtual bool AcceptsCellValue(int row, int column, const CellValue& value, EditValidateMode mode) = 0;
};

class CEditSession {
public:
    using RowValues = std::vector<std::pair<int, CellValue>>;

    explicit CEditSession(IEditCells& cells) : cells_(cells) {}

    // Starts editing column. A numeric column starts as a step of 0 from each
    // row's own value; a text column from the active editor's text.
    void Begin(int column, const SELVColumn& descriptor, const QString& startText);
    void End();
    bool IsActive() const { return column_ >= 0; }
    int Column() const { return column_; }

    // While a spin button is held its steps change the editors' texts; those
    // changes are not typing.
    bool IsSpinning() const { return spinning_; }
    void SetSpinning(bool on) { spinning_ = on; }
    // True while rows are asked whether they accept values: a message box
    // of a refusing row must not end the edit.
    bool IsValidating() const { return validating_; }

    // Text typed or chosen in the active editor; it becomes the absolute value
    // of every row. For a numeric column number is the text read as a number
    // (rounded for integers; NaN when unreadable, which no row accepts).
    void TakeText(const QString& text);
    void TakeNumber(const QString& text, double number);

    // A spin step of the active editor. Every row must accept the new value
    // or none takes it (false). Then ShownNumber gives each row's new value.
    bool Step(const std::vector<int>& rows, double delta);
    // The number an editor of row shows now; false when it has none (a step
    // on a row without a readable value).
    bool ShownNumber(int row, double* out);

    // The value each row gets when the edit is committed, in rows' order;
    // false (values filled all the same) when a row refuses its value.
    bool NewValues(const std::vector<int>& rows, EditValidateMode mode, RowValues& values);
    // Whether every row accepts its value in column.
    bool AllAccepted(int column, const RowValues& values, EditValidateMode mode);

private:
    IEditCells& cells_;
    int column_ = -1;
    bool numeric_ = false;
    QString text_;
    double number_ = 0.0;
    bool delta_ = true; // number_ is added to each row's own value
    bool spinning_ = false;
    bool validating_ = false;
};

} // namespace GP
