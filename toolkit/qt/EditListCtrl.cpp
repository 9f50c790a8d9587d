#include "toolkit/qt/EditListCtrl.h"

#include "toolkit/profile/Profile.h"
#include "toolkit/qt/EditListDelegate.h"
#include "toolkit/qt/EditListModel.h"
#include "toolkit/qt/MouseHook.h"
#include "toolkit/qt/PopupComboBox.h"
#include "toolkit/qt/PopupEdit.h"
#include "toolkit/qt/PopupSpinEdit.h"
#include "toolkit/qt/ReplaceStringDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace GP {

CEditListCtrl::CEditListCtrl(QWidget* parent)
    : QTableView(parent), model_(std::make_unique<CEditListModel>(*this)),
      delegate_(std::make_unique<CEditListDelegate>(*this)) {
    setModel(model_.get());
    setItemDelegate(delegate_.get());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    setAutoScroll(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FollowFont();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(true);
}

CEditListCtrl::~CEditListCtrl() {
    // Destroying the list cancels an edit; nothing is stored or reported.
    CMouseHook::Remove(*this);
    DestroyPopups();
    activePopup_ = nullptr;
    setModel(nullptr);
}

// ---------------------------------------------------------------------------
// Columns

int CEditListCtrl::InsertColumn(int index, const QString& header, const SELVColumn& column, int width) {
    if (IsEditing())
        EndEdit(false);
    index = std::clamp(index, 0, GetColumnCount());
    model_->BeginInsertColumn(index);
    columns_.Insert(index, header, column, 0);
    model_->EndInsertColumn();
    const int defaultWidth = width >= 0 ? width : horizontalHeader()->sectionSizeHint(index);
    columns_.SetDefaultWidth(index, defaultWidth);
    setColumnWidth(index, defaultWidth);
    return index;
}

bool CEditListCtrl::DeleteColumn(int index) {
    if (index < 0 || index >= GetColumnCount())
        return false;
    if (IsEditing())
        EndEdit(false);
    model_->BeginRemoveColumn(index);
    columns_.Remove(index);
    model_->EndRemoveColumn();
    return true;
}

int CEditListCtrl::GetColumnFlags(int index) const { return columns_.Flags(index); }

const SELVColumn* CEditListCtrl::GetColumn(int index) const { return columns_.Descriptor(index); }

QString CEditListCtrl::GetColumnText(int index) const { return columns_.Header(index); }

void CEditListCtrl::SetCurrentColumn(int column) {
    const int old = columns_.SetCurrent(column);
    const int current = columns_.Current();
    if (old != current) {
        model_->HeaderChanged(old);
        model_->HeaderChanged(current);
    }
    if (current < 0)
        return;
    // Bring the column into view horizontally.
    const int left = columnViewportPosition(current);
    const int right = left + columnWidth(current);
    QScrollBar* bar = horizontalScrollBar();
    if (left < 0)
        bar->setValue(bar->value() + left);
    else if (right > viewport()->width())
        bar->setValue(bar->value() + std::min(left, right - viewport()->width()));
}

bool CEditListCtrl::GetCellRect(int row, int column, QRect& rect) const {
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount())
        return false;
    rect = visualRect(model_->index(row, column));
    return true;
}

void CEditListCtrl::SetGridLines(bool on) {
    setShowGrid(on);
    viewport()->update();
}

int CEditListCtrl::GetDefaultColumnWidth(int index) const { return columns_.DefaultWidth(index); }

void CEditListCtrl::SetDefaultColumnWidth(int index, int width) {
    if (columns_.SetDefaultWidth(index, width))
        setColumnWidth(index, width);
}

QString CEditListCtrl::GetColumnWidthsText() const {
    std::vector<int> widths;
    for (int i = 0; i < GetColumnCount(); ++i)
        widths.push_back(columnWidth(i));
    return CEditListColumns::FormatWidths(widths);
}

void CEditListCtrl::SetColumnWidthsText(const QString& text) {
    const std::vector<int> widths = columns_.ParseWidths(text);
    for (int i = 0; i < static_cast<int>(widths.size()); ++i)
        setColumnWidth(i, widths[static_cast<std::size_t>(i)]);
}

bool CEditListCtrl::LoadColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry) {
    const QString stored = CEditListColumns::LoadWidthsText(profile, section, entry);
    SetColumnWidthsText(stored);
    return !stored.trimmed().isEmpty();
}

bool CEditListCtrl::SaveColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry) const {
    return CEditListColumns::SaveWidthsText(profile, section, entry, GetColumnWidthsText());
}

// ---------------------------------------------------------------------------
// Rows and selection

void CEditListCtrl::SetItemCount(int count) {
    if (IsEditing())
        EndEdit(false);
    model_->BeginReset();
    items_.resize(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(items_.begin(), items_.end(), std::intptr_t{0});
    model_->EndReset();
    selector_.SetSelectionMark(-1);
}

std::intptr_t CEditListCtrl::GetItemData(int row) const {
    return row >= 0 && row < GetItemCount() ? items_[static_cast<std::size_t>(row)] : -1;
}

void CEditListCtrl::SetItemData(int row, std::intptr_t data) {
    if (row >= 0 && row < GetItemCount())
        items_[static_cast<std::size_t>(row)] = data;
}

void CEditListCtrl::SortItems(const std::function<bool(std::intptr_t, std::intptr_t)>& less) {
    if (IsEditing())
        EndEdit(false);
    const int count = GetItemCount();
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return less(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
    });
    std::vector<char> wasSelected(static_cast<std::size_t>(count), 0);
    for (int row : GetSelectedRows())
        wasSelected[static_cast<std::size_t>(row)] = 1;
    const int focused = GetFocusedRow();
    const int mark = selector_.SelectionMark();

    std::vector<std::intptr_t> items(items_.size());
    std::vector<char> selected(items_.size());
    int newFocused = -1;
    int newMark = -1;
    for (int i = 0; i < count; ++i) {
        const int from = order[static_cast<std::size_t>(i)];
        items[static_cast<std::size_t>(i)] = items_[static_cast<std::size_t>(from)];
        selected[static_cast<std::size_t>(i)] = wasSelected[static_cast<std::size_t>(from)];
        if (from == focused)
            newFocused = i;
        if (from == mark)
            newMark = i;
    }
    items_ = std::move(items);
    model_->RowsChanged(0, count - 1);
    SelectExactly(selected);
    if (newFocused >= 0)
        SetFocusedRow(newFocused);
    selector_.SetSelectionMark(newMark);
}

void CEditListCtrl::RedrawItems(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    model_->RowsChanged(first, last);
}

bool CEditListCtrl::IsRowSelected(int row) const {
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return false;
    return selectionModel()->isSelected(model_->index(row, 0));
}

void CEditListCtrl::SetRowSelected(int row, bool selected) { SelectRange(row, row, selected); }

void CEditListCtrl::SelectRange(int first, int last, bool selected) {
    if (first > last)
        std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    if (first > last || GetColumnCount() == 0)
        return;
    const QItemSelection range(model_->index(first, 0), model_->index(last, GetColumnCount() - 1));
    selectionModel()->select(range, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void CEditListCtrl::SetAllSelected(bool selected) {
    if (selected)
        SelectRange(0, GetItemCount() - 1, true);
    else
        selectionModel()->clearSelection();
}

std::vector<int> CEditListCtrl::GetSelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CEditListCtrl::GetSelectedCount() const { return static_cast<int>(GetSelectedRows().size()); }

// Selects the rows whose state is set and no others, in as few ranges as
// there are runs.
void CEditListCtrl::SelectExactly(const std::vector<char>& states) {
    QItemSelection selection;
    const int count = std::min(static_cast<int>(states.size()), GetItemCount());
    const int lastColumn = GetColumnCount() - 1;
    for (int row = 0; row < count && lastColumn >= 0;) {
        if (!states[static_cast<std::size_t>(row)]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && states[static_cast<std::size_t>(row)])
            ++row;
        selection.select(model_->index(first, 0), model_->index(row - 1, lastColumn));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int CEditListCtrl::GetFocusedRow() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CEditListCtrl::SetFocusedRow(int row) {
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return;
    const int previous = GetFocusedRow();
    selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    RedrawItems(previous, previous);
    RedrawItems(row, row);
}

int CEditListCtrl::GetTopIndex() const { return std::max(0, verticalScrollBar()->value()); }

void CEditListCtrl::SetTopIndex(int row) { verticalScrollBar()->setValue(std::max(0, row)); }

int CEditListCtrl::GetCountPerPage() const { return std::max(1, viewport()->height() / GetRowHeight()); }

int CEditListCtrl::GetRowHeight() const { return std::max(1, verticalHeader()->defaultSectionSize()); }

void CEditListCtrl::FollowFont() {
    // The text's height and a little air above and below it.
    const int height = fontMetrics().height() + 4;
    QHeaderView* rows = verticalHeader();
    if (rows->defaultSectionSize() == height && rows->minimumSectionSize() == height)
        return;
    // The default size also resizes every row there is.
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);
    emit rowHeightChanged();
}

void CEditListCtrl::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FollowFont();
}

void CEditListCtrl::EnsureRowVisible(int row) {
    if (row < 0 || row >= GetItemCount())
        return;
    const int top = GetTopIndex();
    if (row < top)
        SetTopIndex(row);
    else if (row >= top + GetCountPerPage())
        SetTopIndex(row - GetCountPerPage() + 1);
}

int CEditListCtrl::HitTest(const QPoint& point, int* column) const {
    const int row = rowAt(point.y());
    const int col = columnAt(point.x());
    if (column)
        *column = col;
    return row;
}

// ---------------------------------------------------------------------------
// Values

bool CEditListCtrl::GetCellValue(int row, int column, double* out) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !out)
        return false;
    QString text = GetCellText(row, column).trimmed();
    bool ok = false;
    double value = 0.0;
    if (descriptor->Radix() == 16) {
        const bool negative = text.startsWith(u'-');
        if (negative)
            text.remove(0, 1);
        const qlonglong magnitude = text.toLongLong(&ok, 16);
        value = negative ? -static_cast<double>(magnitude) : static_cast<double>(magnitude);
    } else {
        value = text.toDouble(&ok);
    }
    if (!ok)
        return false;
    *out = value;
    return true;
}

bool CEditListCtrl::IsValidCellValue(int, int column, const CellValue& value, ValidateMode) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsNumeric())
        return true;
    const double* number = std::get_if<double>(&value);
    return number && std::isfinite(*number) && *number >= descriptor->min && *number <= descriptor->max;
}

// ---------------------------------------------------------------------------
// Keys and mouse (the selector decides what they do to the selection)

void CEditListCtrl::keyPressEvent(QKeyEvent* event) {
    if (selector_.HandleKey(*event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CEditListCtrl::event(QEvent* event) {
    // The list's own keys are not shortcuts of the window (a dialog's default
    // button, a menu accelerator) while the list has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        if (selector_.IsListKey(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void CEditListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (!selector_.PressLeft(*event))
            QTableView::mousePressEvent(event);
    } else if (event->button() == Qt::RightButton) {
        selector_.PressRight(*event);
    } else {
        QTableView::mousePressEvent(event);
    }
}

void CEditListCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!selector_.Move(*event))
        QTableView::mouseMoveEvent(event);
}

void CEditListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool clicked = selector_.ReleaseLeft();
        if (selectionMode() == QAbstractItemView::SingleSelection)
            QTableView::mouseReleaseEvent(event);
        if (clicked)
            emit leftClicked();
    } else if (event->button() == Qt::RightButton) {
        if (selector_.ReleaseRight())
            emit rightClicked();
    } else {
        QTableView::mouseReleaseEvent(event);
    }
}

void CEditListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click selects as a press does; then the
    // double click is announced for the row under the mouse.
    mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit doubleClicked(index);
}

void CEditListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // A right click on a selected row's editable cell has started an edit.
    if (IsEditing())
        return;
    QPoint global = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        QRect cell;
        if (GetCellRect(GetFocusedRow(), std::max(GetCurrentColumn(), 0), cell))
            global = viewport()->mapToGlobal(cell.bottomLeft());
    }
    emit contextMenuWanted(global);
}

void CEditListCtrl::wheelEvent(QWheelEvent* event) {
    if (IsEditing())
        EndEdit(false);
    QTableView::wheelEvent(event);
}

void CEditListCtrl::scrollContentsBy(int dx, int dy) {
    if (dy != 0 && IsEditing())
        EndEdit(false);
    QTableView::scrollContentsBy(dx, dy);
}

void CEditListCtrl::focusInEvent(QFocusEvent* event) {
    if (activePopup_) {
        activePopup_->GetWnd()->setFocus();
        return;
    }
    QTableView::focusInEvent(event);
}

} // namespace GP
