#pragma once
// A report list whose rows are virtual (the derived class answers the text of
// each cell when it is drawn) and whose selected rows can be edited in one
// column all at once through pop-up editors laid over the cells.
//
// Rows carry an item value (by default their position when the rows were
// created) that follows them through sorting. The current column is marked
// by a leading '*' in its header. Nothing is stored by the control itself:
// the derived class reads and stores cell values and may refuse them.
#include "toolkit/qt/EditListColumns.h"
#include "toolkit/qt/EditListSelector.h"
#include "toolkit/qt/EditSession.h"
#include "toolkit/qt/Popup.h"
#include "toolkit/qt/SELVColumn.h"

#include <QString>
#include <QColor>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

class QFontMetrics;

namespace GT {
class IProfile;
}

namespace GP {

class CEditListDelegate;
class CEditListModel;
class CMouseHook;

class CEditListCtrl : public QTableView, private IEditCells {
    Q_OBJECT
public:
    using SELVColumn = GP::SELVColumn;
    using ValidateMode = EditValidateMode;
    using enum EditValidateMode;
    // A pop-up's id is its row + kPopupIdBase.
    static constexpr int kPopupIdBase = 100;

    explicit CEditListCtrl(QWidget* parent = nullptr);
    ~CEditListCtrl() override;

    // Columns. InsertColumn copies the descriptor; width is the column's
    // default width (< 0: fit the header). Returns the index used (clamped to
    // the columns there are).
    int InsertColumn(int index, const QString& header, const SELVColumn& column, int width = -1);
    bool DeleteColumn(int index);
    int GetColumnCount() const { return columns_.Count(); }
    int GetColumnFlags(int index) const;
    const SELVColumn* GetColumn(int index) const;
    // The header text as given, without the current column's '*'.
    QString GetColumnText(int index) const;
    int GetCurrentColumn() const { return columns_.Current(); }
    void SetCurrentColumn(int column);
    // The cell's rectangle in viewport coordinates; false without such a cell.
    bool GetCellRect(int row, int column, QRect& rect) const;
    void SetGridLines(bool on);
    bool GetGridLines() const { return showGrid(); }

    // The width a column has until widths are stored; given when it was
    // inserted or later.
    int GetDefaultColumnWidth(int index) const;
    void SetDefaultColumnWidth(int index, int width);
    // Column widths as the profile keeps them: pixels in column order,
    // decimal, separated by commas. A missing, empty or unreadable entry
    // gives the column its default width.
    QString GetColumnWidthsText() const;
    void SetColumnWidthsText(const QString& text);
    // False when the profile holds no widths (every column then has its
    // default width).
    bool LoadColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry);
    bool SaveColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry) const;

    // Rows. SetItemCount makes count rows with item values 0..count-1,
    // nothing selected; an edit in progress is cancelled.
    void SetItemCount(int count);
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    std::intptr_t GetItemData(int row) const;
    void SetItemData(int row, std::intptr_t data);
    // Reorders the rows by their item values (stable); selection, focus and
    // selection mark follow their rows. less must be a strict weak order.
    void SortItems(const std::function<bool(std::intptr_t, std::intptr_t)>& less);
    // Redraws rows whose texts changed.
    void RedrawItems(int first, int last);

    // Selection, focus and page.
    bool IsRowSelected(int row) const;
    void SetRowSelected(int row, bool selected);
    void SelectRange(int first, int last, bool selected);
    void SetAllSelected(bool selected);
    std::vector<int> GetSelectedRows() const;
    int GetSelectedCount() const;
    int GetSelectionMark() const { return selector_.SelectionMark(); }
    void SetSelectionMark(int row) { selector_.SetSelectionMark(row); }
    int GetFocusedRow() const;
    void SetFocusedRow(int row);
    int GetTopIndex() const;
    void SetTopIndex(int row);
    // Whole rows that fit the viewport (at least 1).
    int GetCountPerPage() const;
    // Every row is as high as the list's font needs; it follows the font.
    int GetRowHeight() const;
    void EnsureRowVisible(int row);
    // The row and column under a viewport point; -1 for none.
    int HitTest(const QPoint& point, int* column = nullptr) const;

    // Row dragging: with it on, a plain left press on a selected row keeps
    // the selection, and moving the mouse on from there with the button held
    // calls StartRowDrag. A release without such a move selects that row
    // alone, as the press would have done without dragging.
    void SetRowDragEnabled(bool on) { selector_.SetRowDragEnabled(on); }
    bool IsRowDragEnabled() const { return selector_.IsRowDragEnabled(); }

    // The text shown in a cell (asked whenever the cell is drawn).
    virtual QString GetCellText(int row, int column) const = 0;

    // How a row stands out, asked whenever it is drawn: dimmed text, a
    // coloured mark along its left edge with a light tint of that colour,
    // and a tool tip saying why.
    struct RowLook {
        bool dimmed = false;
        bool strong = false; // bold text
        QColor mark;         // invalid: no mark
        QString tip;
    };
    virtual RowLook GetRowLook(int /*row*/) const { return {}; }

    // In-place editing.
    bool IsEditing() const { return activePopup_ != nullptr; }
    IPopup* GetActivePopup() const { return activePopup_; }
    IPopup* GetPopup(int row) const;
    int GetPopupCount() const { return static_cast<int>(popups_.size()); }
    // Opens pop-ups over the column's cells of the selected rows on the
    // visible page; row's pop-up becomes active (row -1: the first). False
    // when the column is not editable, nothing is selected or an edit runs.
    virtual bool BeginEdit(int row, int column);
    // Ends the edit. With commit every selected row's new value must pass
    // IsValidCellValue or the edit goes on (false); then each is stored.
    virtual bool EndEdit(bool commit);
    // Asks for a search and a replacement string and replaces in the
    // column's text of every selected row.
    virtual void ReplaceString(int column);
    // Whether ReplaceString can run on the current column now: it has a
    // text editor, a row is selected and no edit runs. The window offers
    // the command (menu, shortcut, context menu); the list binds no key.
    bool CanReplaceString() const;

    // The text as drawn in width pixels: unchanged when it fits with a blank
    // either side, else cut from its end and followed by "...".
    static QString ElideCellText(const QFontMetrics& metrics, const QString& text, int width, bool* elided = nullptr);
    // Every occurrence of search in text, scanned left to right, replaced.
    static QString ReplaceAll(const QString& text, const QString& search, const QString& replacement);

signals:
    // The left or right button was released after a press inside the list.
    void leftClicked();
    void rightClicked();
    // Sent for every selected row as editing begins and ends. committed is
    // false on cancel; text is then empty, else the cell's text after the edit.
    void beginLabelEdit(int row, int column);
    void endLabelEdit(int row, int column, bool committed, const QString& text);
    // The rows took a new height (the list's font changed).
    void rowHeightChanged();
    // The user asked for the list's context menu (right button or the menu
    // key) at this screen position; not while a right click starts an edit.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    // A numeric cell's value; the default reads the text shown.
    virtual bool GetCellValue(int row, int column, double* out);
    // Stores an entered value (text for text and drop-down columns).
    virtual void SetCellValue(int row, int column, const CellValue& value) = 0;
    // Text and drop-down values are valid; numbers within [min, max].
    virtual bool IsValidCellValue(int row, int column, const CellValue& value, ValidateMode mode);
    virtual void OnSpinBegin(int id);
    virtual void OnSpinEnd(int id);
    virtual void OnPopupEditChange(int id);
    virtual void OnPopupSelEndOk(int id);
    // Shows the replace dialog preset with search and replacement; true when
    // the user chose Replace (the strings then hold the new choice).
    virtual bool RunReplaceDialog(QString& search, QString& replacement);
    // The user drags the selected rows away (row dragging on). Default:
    // nothing.
    virtual void StartRowDrag() {}

    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    // The pop-ups' Tab and focus (see ConnectPopup).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class CMouseHook;
    friend class CEditListSelector;

    // The session's view of the rows: the overridable value functions.
    bool ReadCellNumber(int row, int column, double* out) override { return GetCellValue(row, column, out); }
    bool AcceptsCellValue(int row, int column, const CellValue& value, ValidateMode mode) override {
        return IsValidCellValue(row, column, value, mode);
    }

    void FollowFont();
    void SelectExactly(const std::vector<char>& states);
    void OnPopupReturn(int id, int code);
    std::unique_ptr<IPopup> CreatePopup(int row, int column);
    void ConnectPopup(IPopup& popup, int id);
    IPopup* PopupById(int id) const;
    bool OnSpinStep(int id, double delta);
    // Sets every other pop-up's text to the active one's.
    void CopyActiveText(IPopup& active, const QString& text);
    void StoreValues(int column, const CEditSession::RowValues& values);
    // Mouse presses anywhere in the program while editing; true swallows it.
    bool OnHookedPress(QWidget* target, Qt::MouseButton button);
    IPopup* PopupOf(QWidget* target) const;
    void DestroyPopups();

    std::unique_ptr<CEditListModel> model_;
    CEditListColumns columns_;
    std::vector<std::intptr_t> items_;
    CEditSession session_{*this};
    CEditListSelector selector_{*this};
    // The pop-up editors of the edit in progress, by row.
    std::map<int, std::unique_ptr<IPopup>> popups_;
    IPopup* activePopup_ = nullptr;
    std::unique_ptr<CEditListDelegate> delegate_;
};

} // namespace GP
