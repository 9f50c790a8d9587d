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
namespace {

constexpr int kMaxStoredWidth = 10000;

std::string ProfilePath(std::string_view section, std::string_view entry) {
    std::string path(section);
    path += '/';
    path += entry;
    return path;
}

} // namespace

CEditListCtrl::CEditListCtrl(QWidget* parent)
    : QTableView(parent),
      model_(std::make_unique<CEditListModel>(*this)),
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
    if (IsEditing()) EndEdit(false);
    index = std::clamp(index, 0, GetColumnCount());
    model_->BeginInsertColumn(index);
    columns_.insert(columns_.begin() + index, Column{header, column, 0});
    model_->EndInsertColumn();
    if (currentColumn_ >= index) ++currentColumn_;
    const int defaultWidth = width >= 0 ? width : horizontalHeader()->sectionSizeHint(index);
    columns_[static_cast<std::size_t>(index)].defaultWidth = defaultWidth;
    setColumnWidth(index, defaultWidth);
    return index;
}

bool CEditListCtrl::DeleteColumn(int index) {
    if (index < 0 || index >= GetColumnCount()) return false;
    if (IsEditing()) EndEdit(false);
    model_->BeginRemoveColumn(index);
    columns_.erase(columns_.begin() + index);
    model_->EndRemoveColumn();
    if (index == currentColumn_)
        currentColumn_ = -1;
    else if (index < currentColumn_)
        --currentColumn_;
    return true;
}

int CEditListCtrl::GetColumnFlags(int index) const {
    const SELVColumn* column = GetColumn(index);
    return column ? column->flags : 0;
}

const SELVColumn* CEditListCtrl::GetColumn(int index) const {
    return index >= 0 && index < GetColumnCount() ? &columns_[static_cast<std::size_t>(index)].descriptor : nullptr;
}

QString CEditListCtrl::GetColumnText(int index) const {
    return index >= 0 && index < GetColumnCount() ? columns_[static_cast<std::size_t>(index)].header : QString();
}

void CEditListCtrl::SetCurrentColumn(int column) {
    const int old = currentColumn_;
    currentColumn_ = GetColumnCount() == 0 ? -1 : std::clamp(column, 0, GetColumnCount() - 1);
    if (old != currentColumn_) {
        model_->HeaderChanged(old);
        model_->HeaderChanged(currentColumn_);
    }
    if (currentColumn_ < 0) return;
    // Bring the column into view horizontally.
    const int left = columnViewportPosition(currentColumn_);
    const int right = left + columnWidth(currentColumn_);
    QScrollBar* bar = horizontalScrollBar();
    if (left < 0)
        bar->setValue(bar->value() + left);
    else if (right > viewport()->width())
        bar->setValue(bar->value() + std::min(left, right - viewport()->width()));
}

bool CEditListCtrl::GetCellRect(int row, int column, QRect& rect) const {
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
    rect = visualRect(model_->index(row, column));
    return true;
}

void CEditListCtrl::SetGridLines(bool on) {
    setShowGrid(on);
    viewport()->update();
}

int CEditListCtrl::GetDefaultColumnWidth(int index) const {
    return index >= 0 && index < GetColumnCount() ? columns_[static_cast<std::size_t>(index)].defaultWidth : 0;
}

void CEditListCtrl::SetDefaultColumnWidth(int index, int width) {
    if (index < 0 || index >= GetColumnCount() || width < 0) return;
    columns_[static_cast<std::size_t>(index)].defaultWidth = width;
    setColumnWidth(index, width);
}

QString CEditListCtrl::GetColumnWidthsText() const {
    QStringList widths;
    for (int i = 0; i < GetColumnCount(); ++i) widths << QString::number(columnWidth(i));
    return widths.join(u',');
}

void CEditListCtrl::SetColumnWidthsText(const QString& text) {
    const QStringList entries = text.split(u',');
    for (int i = 0; i < GetColumnCount(); ++i) {
        bool ok = false;
        const int width = i < entries.size() ? entries[i].trimmed().toInt(&ok) : 0;
        const bool usable = ok && width >= 0 && width <= kMaxStoredWidth;
        setColumnWidth(i, usable ? width : GetDefaultColumnWidth(i));
    }
}

bool CEditListCtrl::LoadColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry) {
    const QString stored = QString::fromStdString(profile.GetString(ProfilePath(section, entry), ""));
    SetColumnWidthsText(stored);
    return !stored.trimmed().isEmpty();
}

bool CEditListCtrl::SaveColumnWidths(GT::IProfile& profile, std::string_view section, std::string_view entry) const {
    return profile.WriteString(ProfilePath(section, entry), GetColumnWidthsText().toStdString());
}

// ---------------------------------------------------------------------------
// Rows and selection

void CEditListCtrl::SetItemCount(int count) {
    if (IsEditing()) EndEdit(false);
    model_->BeginReset();
    items_.resize(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(items_.begin(), items_.end(), std::intptr_t{0});
    model_->EndReset();
    selectionMark_ = -1;
}

std::intptr_t CEditListCtrl::GetItemData(int row) const {
    return row >= 0 && row < GetItemCount() ? items_[static_cast<std::size_t>(row)] : -1;
}

void CEditListCtrl::SetItemData(int row, std::intptr_t data) {
    if (row >= 0 && row < GetItemCount()) items_[static_cast<std::size_t>(row)] = data;
}

void CEditListCtrl::SortItems(const std::function<bool(std::intptr_t, std::intptr_t)>& less) {
    if (IsEditing()) EndEdit(false);
    const int count = GetItemCount();
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return less(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
    });
    std::vector<char> wasSelected(static_cast<std::size_t>(count), 0);
    for (int row : GetSelectedRows()) wasSelected[static_cast<std::size_t>(row)] = 1;
    const int focused = GetFocusedRow();

    std::vector<std::intptr_t> items(items_.size());
    std::vector<char> selected(items_.size());
    int newFocused = -1;
    int newMark = -1;
    for (int i = 0; i < count; ++i) {
        const int from = order[static_cast<std::size_t>(i)];
        items[static_cast<std::size_t>(i)] = items_[static_cast<std::size_t>(from)];
        selected[static_cast<std::size_t>(i)] = wasSelected[static_cast<std::size_t>(from)];
        if (from == focused) newFocused = i;
        if (from == selectionMark_) newMark = i;
    }
    items_ = std::move(items);
    model_->RowsChanged(0, count - 1);
    SelectExactly(selected);
    if (newFocused >= 0) SetFocusedRow(newFocused);
    selectionMark_ = newMark;
}

void CEditListCtrl::RedrawItems(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    model_->RowsChanged(first, last);
}

bool CEditListCtrl::IsRowSelected(int row) const {
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0) return false;
    return selectionModel()->isSelected(model_->index(row, 0));
}

void CEditListCtrl::SetRowSelected(int row, bool selected) { SelectRange(row, row, selected); }

void CEditListCtrl::SelectRange(int first, int last, bool selected) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    if (first > last || GetColumnCount() == 0) return;
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
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
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
        while (row < count && states[static_cast<std::size_t>(row)]) ++row;
        selection.select(model_->index(first, 0), model_->index(row - 1, lastColumn));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int CEditListCtrl::GetFocusedRow() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CEditListCtrl::SetFocusedRow(int row) {
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0) return;
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
    if (rows->defaultSectionSize() == height && rows->minimumSectionSize() == height) return;
    // The default size also resizes every row there is.
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);
    emit rowHeightChanged();
}

void CEditListCtrl::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) FollowFont();
}

void CEditListCtrl::EnsureRowVisible(int row) {
    if (row < 0 || row >= GetItemCount()) return;
    const int top = GetTopIndex();
    if (row < top)
        SetTopIndex(row);
    else if (row >= top + GetCountPerPage())
        SetTopIndex(row - GetCountPerPage() + 1);
}

int CEditListCtrl::HitTest(const QPoint& point, int* column) const {
    const int row = rowAt(point.y());
    const int col = columnAt(point.x());
    if (column) *column = col;
    return row;
}

// ---------------------------------------------------------------------------
// Values

bool CEditListCtrl::GetCellValue(int row, int column, double* out) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !out) return false;
    QString text = GetCellText(row, column).trimmed();
    bool ok = false;
    double value = 0.0;
    if (descriptor->Radix() == 16) {
        const bool negative = text.startsWith(u'-');
        if (negative) text.remove(0, 1);
        const qlonglong magnitude = text.toLongLong(&ok, 16);
        value = negative ? -static_cast<double>(magnitude) : static_cast<double>(magnitude);
    } else {
        value = text.toDouble(&ok);
    }
    if (!ok) return false;
    *out = value;
    return true;
}

bool CEditListCtrl::IsValidCellValue(int, int column, const CellValue& value, ValidateMode) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsNumeric()) return true;
    const double* number = std::get_if<double>(&value);
    return number && std::isfinite(*number) && *number >= descriptor->min && *number <= descriptor->max;
}

// ---------------------------------------------------------------------------
// Editing

IPopup* CEditListCtrl::GetPopup(int row) const {
    const auto it = popups_.find(row);
    return it == popups_.end() ? nullptr : it->second.get();
}

IPopup* CEditListCtrl::PopupById(int id) const { return GetPopup(id - kPopupIdBase); }

bool CEditListCtrl::BeginEdit(int row, int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (IsEditing() || !descriptor || !descriptor->IsEditable() || descriptor->Editor() == 0) return false;
    const std::vector<int> selected = GetSelectedRows();
    if (selected.empty()) return false;

    const int top = GetTopIndex();
    const int last = std::min(top + GetCountPerPage(), GetItemCount()) - 1;
    editColumn_ = column;
    for (int r : selected) emit beginLabelEdit(r, column);
    for (int r : selected) {
        if (r < top || r > last) continue;
        std::unique_ptr<IPopup> popup = CreatePopup(r, column);
        if (!popup) continue;
        ConnectPopup(*popup, r + kPopupIdBase);
        popups_[r] = std::move(popup);
    }
    if (popups_.empty()) {
        // Every selected row is out of view: nothing to type into.
        editColumn_ = -1;
        for (int r : selected) emit endLabelEdit(r, column, false, QString());
        return false;
    }
    activePopup_ = GetPopup(row) ? GetPopup(row) : popups_.begin()->second.get();
    editValue_ = EditValue{};
    if (descriptor->IsNumeric()) {
        editValue_.delta = true;
    } else {
        editValue_.text = activePopup_->GetText();
        editValue_.delta = false;
    }
    spinning_ = false;
    for (auto& entry : popups_) entry.second->GetWnd()->show();
    activePopup_->GetWnd()->setFocus();
    CMouseHook::Install(*this);
    return true;
}

std::unique_ptr<IPopup> CEditListCtrl::CreatePopup(int row, int column) {
    const SELVColumn& descriptor = *GetColumn(column);
    QRect rect;
    if (!GetCellRect(row, column, rect)) return nullptr;
    std::unique_ptr<IPopup> popup;
    switch (descriptor.Editor()) {
    case SELVColumn::kEditorText: {
        auto edit = std::make_unique<CPopupEdit>(rect, descriptor.Alignment(), row, viewport());
        edit->setFont(font());
        edit->SetText(GetCellText(row, column));
        popup = std::move(edit);
        break;
    }
    case SELVColumn::kEditorDropDown: {
        auto combo = std::make_unique<CPopupComboBox>(rect, descriptor.items, row, viewport());
        combo->setFont(font());
        combo->SetText(GetCellText(row, column));
        popup = std::move(combo);
        break;
    }
    case SELVColumn::kEditorSpin: {
        double value = 0.0;
        if (!GetCellValue(row, column, &value)) value = descriptor.min;
        auto spin = std::make_unique<CPopupSpinEdit>(rect, descriptor, value, row, viewport());
        spin->setFont(font());
        popup = std::move(spin);
        break;
    }
    default: return nullptr;
    }
    popup->SetModified(false);
    return popup;
}

void CEditListCtrl::ConnectPopup(IPopup& popup, int id) {
    // Tab never moves the focus into another row's pop-up, whose typing the
    // edit would not take: pop-ups take the focus by a click only, and Tab
    // inside one is held back (eventFilter).
    popup.GetWnd()->setFocusPolicy(Qt::ClickFocus);
    popup.GetWnd()->installEventFilter(this);
    if (auto* edit = dynamic_cast<CPopupEdit*>(&popup)) {
        connect(edit, &CPopupEdit::popupChanged, this, [this, id] { OnPopupEditChange(id); });
        connect(edit, &CPopupEdit::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
    } else if (auto* combo = dynamic_cast<CPopupComboBox*>(&popup)) {
        connect(combo, &CPopupComboBox::popupSelEndOk, this, [this, id] { OnPopupSelEndOk(id); });
        connect(combo, &CPopupComboBox::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
    } else if (auto* spin = dynamic_cast<CPopupSpinEdit*>(&popup)) {
        connect(spin, &CPopupSpinEdit::popupChanged, this, [this, id] { OnPopupEditChange(id); });
        connect(spin, &CPopupSpinEdit::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
        connect(spin, &CSpinEdit::spinBegin, this, [this, id] { OnSpinBegin(id); });
        connect(spin, &CSpinEdit::spinEnd, this, [this, id] { OnSpinEnd(id); });
        spin->SetStepFilter([this, id](double delta) { return OnSpinStep(id, delta); });
    }
}

void CEditListCtrl::OnSpinBegin(int) { spinning_ = true; }

void CEditListCtrl::OnSpinEnd(int) { spinning_ = false; }

void CEditListCtrl::OnPopupEditChange(int id) {
    IPopup* popup = PopupById(id);
    if (spinning_ || !popup || popup != activePopup_) return;
    const QString text = popup->GetText();
    for (auto& entry : popups_)
        if (entry.second.get() != popup) entry.second->SetText(text);
    editValue_.text = text;
    editValue_.delta = false;
    const SELVColumn* descriptor = GetColumn(editColumn_);
    if (descriptor && descriptor->IsNumeric()) {
        // An unreadable number is kept as NaN, which no row accepts.
        double number = std::nan("");
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(popup); spin && spin->Parse(text, &number) &&
                                                               descriptor->IsInteger())
            number = std::round(number);
        editValue_.number = number;
    }
}

void CEditListCtrl::OnPopupSelEndOk(int id) {
    IPopup* popup = PopupById(id);
    if (!popup || popup != activePopup_) return;
    const QString text = popup->GetText();
    for (auto& entry : popups_)
        if (entry.second.get() != popup) entry.second->SetText(text);
    editValue_.text = text;
    editValue_.delta = false;
}

bool CEditListCtrl::OnSpinStep(int id, double delta) {
    IPopup* popup = PopupById(id);
    if (!popup) return false;
    activePopup_ = popup;
    const std::vector<int> rows = GetSelectedRows();
    const double next = editValue_.number + delta;
    // Every selected row must take the step, or none does.
    for (int row : rows) {
        double value = next;
        if (editValue_.delta) {
            double own = 0.0;
            if (!GetCellValue(row, editColumn_, &own)) return false;
            value = own + next;
        }
        if (!IsValidCellValue(row, editColumn_, value, kValidateSpin)) return false;
    }
    editValue_.number = next;
    for (auto& [row, other] : popups_) {
        if (other.get() == popup) continue;
        auto* spin = dynamic_cast<CPopupSpinEdit*>(other.get());
        double own = 0.0;
        if (!spin) continue;
        if (editValue_.delta && GetCellValue(row, editColumn_, &own))
            spin->SetValue(own + next);
        else if (!editValue_.delta)
            spin->SetValue(next);
    }
    return true;
}

void CEditListCtrl::OnPopupReturn(int id, int code) {
    if (!PopupById(id)) return;
    activePopup_ = PopupById(id);
    EndEdit(code == IPopup::kReturnEnter && activePopup_->IsModified());
}

bool CEditListCtrl::ComputeNewValues(std::vector<std::pair<int, CellValue>>& values, ValidateMode mode) {
    const SELVColumn* descriptor = GetColumn(editColumn_);
    if (!descriptor) return false;
    values.clear();
    for (int row : GetSelectedRows()) {
        if (!descriptor->IsNumeric()) {
            values.emplace_back(row, editValue_.text);
            continue;
        }
        double number = editValue_.number;
        if (editValue_.delta) {
            double own = 0.0;
            if (!GetCellValue(row, editColumn_, &own)) own = std::nan("");
            number = own + editValue_.number;
        }
        values.emplace_back(row, number);
    }
    validating_ = true;
    bool valid = true;
    for (const auto& [row, value] : values)
        if (!IsValidCellValue(row, editColumn_, value, mode)) {
            valid = false;
            break;
        }
    validating_ = false;
    return valid;
}

bool CEditListCtrl::StoreValues(const std::vector<std::pair<int, CellValue>>& values, ValidateMode) {
    for (const auto& [row, value] : values) SetCellValue(row, editColumn_, value);
    if (!values.empty()) RedrawItems(values.front().first, values.back().first);
    return true;
}

bool CEditListCtrl::EndEdit(bool commit) {
    if (!IsEditing()) return false;
    std::vector<std::pair<int, CellValue>> values;
    if (commit && !ComputeNewValues(values, kValidateCommit)) {
        // The editors stay open for a correction.
        if (activePopup_) activePopup_->GetWnd()->setFocus();
        return false;
    }
    // The editors close before the values are stored: a store may sort the
    // rows, and the sort must not end this edit a second time.
    const int column = editColumn_;
    CMouseHook::Remove(*this);
    DestroyPopups();
    activePopup_ = nullptr;
    spinning_ = false;
    if (commit) StoreValues(values, kValidateCommit);
    setFocus();
    editColumn_ = -1;
    for (int row : GetSelectedRows())
        emit endLabelEdit(row, column, commit, commit ? GetCellText(row, column) : QString());
    viewport()->update();
    return true;
}

void CEditListCtrl::DestroyPopups() {
    // A pop-up may be the sender of the Enter that ends the edit, so the
    // widgets go once control is back in the event loop.
    for (auto& entry : popups_) {
        QWidget* widget = entry.second->GetWnd();
        widget->disconnect(this);
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(entry.second.get())) {
            spin->SetStepFilter(nullptr);
            spin->EndSpin();
        }
        widget->hide();
        widget->deleteLater();
        entry.second.release();  // owned by deleteLater now
    }
    popups_.clear();
}

bool CEditListCtrl::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (IsEditing() && (type == QEvent::KeyPress || type == QEvent::FocusIn)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (IPopup* popup = widget ? PopupOf(widget) : nullptr) {
            if (type == QEvent::FocusIn) {
                // The pop-up with the focus is the one typed into, however it
                // got there: its text is what the edit takes.
                activePopup_ = popup;
            } else {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

IPopup* CEditListCtrl::PopupOf(QWidget* target) const {
    for (const auto& entry : popups_) {
        QWidget* widget = entry.second->GetWnd();
        if (widget == target || widget->isAncestorOf(target)) return entry.second.get();
        if (auto* combo = dynamic_cast<CPopupComboBox*>(entry.second.get())) {
            QWidget* list = combo->view()->window();
            if (list == target || list->isAncestorOf(target)) return entry.second.get();
        }
    }
    return nullptr;
}

bool CEditListCtrl::OnHookedPress(QWidget* target, Qt::MouseButton button) {
    if (validating_ || !IsEditing()) return false;
    for (const auto& entry : popups_)
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(entry.second.get())) {
            QWidget* slider = &spin->GetSlider();
            if (slider == target || slider->isAncestorOf(target)) return false;
        }
    if (IPopup* popup = PopupOf(target)) {
        activePopup_ = popup;
        return false;
    }
    if (button == Qt::LeftButton) {
        const bool commit = activePopup_ && activePopup_->IsModified();
        return !EndEdit(commit);  // a refused value keeps the editors and eats the press
    }
    EndEdit(false);
    return false;
}

bool CEditListCtrl::CanReplaceString() const {
    const SELVColumn* current = GetColumn(currentColumn_);
    return !IsEditing() && current && current->IsEditable() && current->Editor() == SELVColumn::kEditorText &&
           GetSelectedCount() > 0;
}

void CEditListCtrl::ReplaceString(int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsEditable() || IsEditing()) return;
    QString search = CReplaceStringDlg::LastSearch();
    QString replacement = CReplaceStringDlg::LastReplacement();
    if (!RunReplaceDialog(search, replacement) || search.isEmpty()) return;
    CReplaceStringDlg::LastSearch() = search;
    CReplaceStringDlg::LastReplacement() = replacement;

    std::vector<std::pair<int, CellValue>> values;
    for (int row : GetSelectedRows()) values.emplace_back(row, ReplaceAll(GetCellText(row, column), search, replacement));
    validating_ = true;
    bool valid = true;
    for (const auto& [row, value] : values)
        if (!IsValidCellValue(row, column, value, kValidateReplace)) {
            valid = false;
            break;
        }
    validating_ = false;
    if (!valid) return;
    for (const auto& [row, value] : values) SetCellValue(row, column, value);
    if (!values.empty()) RedrawItems(values.front().first, values.back().first);
}

bool CEditListCtrl::RunReplaceDialog(QString& search, QString& replacement) {
    CReplaceStringDlg dialog(search, replacement, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    search = dialog.GetSearch();
    replacement = dialog.GetReplacement();
    return true;
}

QString CEditListCtrl::ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
    if (search.isEmpty()) return text;
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(search, from); at >= 0; at = text.indexOf(search, from)) {
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString CEditListCtrl::ElideCellText(const QFontMetrics& metrics, const QString& text, int width, bool* elided) {
    const int blanks = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    if (elided) *elided = false;
    if (metrics.horizontalAdvance(text) + blanks <= width) return text;
    const QString dots = QStringLiteral("...");
    const int room = width - blanks - metrics.horizontalAdvance(dots);
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > room) cut.chop(1);
    if (elided) *elided = true;
    return cut + dots;
}

// ---------------------------------------------------------------------------
// Keys

int CEditListCtrl::NextEditableColumn(int from, int direction) const {
    const QHeaderView* header = horizontalHeader();
    const int count = GetColumnCount();
    int visual = from >= 0 ? header->visualIndex(from) : (direction > 0 ? -1 : count);
    for (visual += direction; visual >= 0 && visual < count; visual += direction) {
        const int logical = header->logicalIndex(visual);
        if (GetColumn(logical)->IsEditable()) return logical;
    }
    return -1;
}

void CEditListCtrl::MoveFocusRow(int row, Qt::KeyboardModifiers modifiers) {
    if (GetItemCount() == 0) return;
    row = std::clamp(row, 0, GetItemCount() - 1);
    if (modifiers & Qt::ShiftModifier) {
        const int mark = selectionMark_ >= 0 ? selectionMark_ : row;
        std::vector<char> states(static_cast<std::size_t>(GetItemCount()), 0);
        for (int r = std::min(mark, row); r <= std::max(mark, row); ++r) states[static_cast<std::size_t>(r)] = 1;
        SelectExactly(states);
    } else if (!(modifiers & Qt::ControlModifier)) {
        selectionModel()->clearSelection();
        SetRowSelected(row, true);
        selectionMark_ = row;
    }
    SetFocusedRow(row);
    EnsureRowVisible(row);
}

bool CEditListCtrl::HandleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int focused = GetFocusedRow();
    const int page = GetCountPerPage();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (NextEditableColumn(-1, 1) < 0) return false;
        const SELVColumn* current = GetColumn(currentColumn_);
        if (current && current->IsEditable()) {
            const int top = GetTopIndex();
            const int last = std::min(top + page, GetItemCount()) - 1;
            int row = -1;
            for (int r : GetSelectedRows())
                if (r >= top && r <= last) {
                    row = r;
                    break;
                }
            BeginEdit(row, currentColumn_);
        }
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int next = NextEditableColumn(currentColumn_, event->key() == Qt::Key_Left ? -1 : 1);
        if (next >= 0) SetCurrentColumn(next);
        return true;
    }
    case Qt::Key_Up: MoveFocusRow(focused - 1, modifiers); return true;
    case Qt::Key_Down: MoveFocusRow(focused + 1, modifiers); return true;
    case Qt::Key_PageUp: MoveFocusRow(focused - page + 1, modifiers); return true;
    case Qt::Key_PageDown: MoveFocusRow(focused + page - 1, modifiers); return true;
    case Qt::Key_Home: MoveFocusRow(0, modifiers); return true;
    case Qt::Key_End: MoveFocusRow(GetItemCount() - 1, modifiers); return true;
    case Qt::Key_Space:
        if ((modifiers & Qt::ControlModifier) && focused >= 0) {
            SetRowSelected(focused, !IsRowSelected(focused));
            selectionMark_ = focused;
            return true;
        }
        return false;
    default: return HandleChar(event);
    }
}

bool CEditListCtrl::HandleChar(QKeyEvent* event) {
    if (IsEditing()) return false;
    const QString text = event->text();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    // Replace String is the window's command (see CanReplaceString); the
    // list gives no control key a meaning of its own.
    if (text.size() != 1 || ctrl) return false;
    const int focused = GetFocusedRow();
    switch (text[0].unicode()) {
    case u'$': SetCurrentColumn(GetColumnCount() - 1); return true;
    case u'j':
    case u'J': MoveFocusRow(focused + 1, Qt::NoModifier); return true;
    case u'k':
    case u'K': MoveFocusRow(focused - 1, Qt::NoModifier); return true;
    case u'^':
    case u'_':
    case u'|': SetCurrentColumn(0); return true;
    case u'h':
    case u'l': {
        const int next = NextEditableColumn(currentColumn_, text[0] == u'h' ? -1 : 1);
        if (next >= 0) SetCurrentColumn(next);
        return true;
    }
    default: return false;
    }
}

void CEditListCtrl::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CEditListCtrl::event(QEvent* event) {
    // The list's own keys are not shortcuts of the window (a dialog's default
    // button, a menu accelerator) while the list has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        const bool enter = (code == Qt::Key_Return || code == Qt::Key_Enter) && NextEditableColumn(-1, 1) >= 0;
        const bool arrows = code == Qt::Key_Left || code == Qt::Key_Right;
        const QString text = key->text();
        const bool character = !IsEditing() && (key->modifiers() & Qt::ControlModifier) == 0 && text.size() == 1 &&
                               QStringLiteral("$jJkK^_|hl").contains(text[0]);
        if (enter || arrows || character) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

// ---------------------------------------------------------------------------
// Mouse

void CEditListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        PressLeft(event);
    else if (event->button() == Qt::RightButton)
        PressRight(event);
    else
        QTableView::mousePressEvent(event);
}

void CEditListCtrl::PressLeft(QMouseEvent* event) {
    if (selectionMode() == QAbstractItemView::SingleSelection) {
        QTableView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    leftPressInside_ = true;
    int column = -1;
    const int row = HitTest(event->position().toPoint(), &column);
    if (row < 0 || column < 0) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    lastDragY_ = event->position().toPoint().y();
    if (modifiers & Qt::ShiftModifier) {
        dragMode_ = kDragRange;
        if (selectionMark_ < 0 || selectionMark_ >= GetItemCount()) selectionMark_ = row;
        DragTo(row);
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        dragMode_ = kDragToggle;
        SetRowSelected(row, !IsRowSelected(row));
        selectionMark_ = row;
        toggleSnapshot_.assign(static_cast<std::size_t>(GetItemCount()), 0);
        for (int r : GetSelectedRows()) toggleSnapshot_[static_cast<std::size_t>(r)] = 1;
        SetFocusedRow(row);
        return;
    }
    if (rowDragEnabled_ && IsRowSelected(row)) {
        // Perhaps the start of a drag of the whole selection: it stays until
        // the release shows that this was only a click.
        pendingDragRow_ = row;
        pendingDragPoint_ = event->position().toPoint();
        SetFocusedRow(row);
        return;
    }
    dragMode_ = kDragSingle;
    selectionMark_ = row;
    DragTo(row);
}

void CEditListCtrl::PressRight(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    rightPressInside_ = true;
    int column = -1;
    const int row = HitTest(event->position().toPoint(), &column);
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsEditable()) return;
    SetCurrentColumn(column);
    if (IsRowSelected(row)) BeginEdit(row, column);
}

void CEditListCtrl::DragTo(int row) {
    if (row < 0 || row >= GetItemCount() || selectionMark_ < 0) return;
    const int first = std::min(selectionMark_, row);
    const int last = std::max(selectionMark_, row);
    std::vector<char> states;
    if (dragMode_ == kDragToggle && toggleSnapshot_.size() == static_cast<std::size_t>(GetItemCount())) {
        states = toggleSnapshot_;
        const char markState = toggleSnapshot_[static_cast<std::size_t>(selectionMark_)];
        for (int r = first; r <= last; ++r) states[static_cast<std::size_t>(r)] = markState;
    } else {
        states.assign(static_cast<std::size_t>(GetItemCount()), 0);
        for (int r = first; r <= last; ++r) states[static_cast<std::size_t>(r)] = 1;
    }
    SelectExactly(states);
    SetFocusedRow(row);
}

void CEditListCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (pendingDragRow_ >= 0) {
        if (!(event->buttons() & Qt::LeftButton)) {
            pendingDragRow_ = -1;
        } else if ((event->position().toPoint() - pendingDragPoint_).manhattanLength() >=
                   QApplication::startDragDistance()) {
            // The drag takes the mouse: no release reaches the list after it.
            pendingDragRow_ = -1;
            leftPressInside_ = false;
            StartRowDrag();
        }
        return;
    }
    if (dragMode_ == kDragNone) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const int y = event->position().toPoint().y();
    const bool upwards = y < lastDragY_;
    const bool downwards = y > lastDragY_;
    lastDragY_ = y;
    const int top = GetTopIndex();
    int row = -1;
    if (y < 0 && upwards) {
        SetTopIndex(top - 1);
        row = GetTopIndex();
    } else if (y >= viewport()->height() && downwards) {
        SetTopIndex(top + 1);
        row = std::min(GetTopIndex() + GetCountPerPage(), GetItemCount()) - 1;
    } else if (y >= 0 && y < viewport()->height()) {
        row = rowAt(y);
        if (row < 0) row = GetItemCount() - 1;  // below the last row
    }
    if (row >= 0) DragTo(row);
}

void CEditListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (pendingDragRow_ >= 0 && pendingDragRow_ < GetItemCount()) {
            // A click on a selected row: select it alone after all.
            dragMode_ = kDragSingle;
            selectionMark_ = pendingDragRow_;
            DragTo(pendingDragRow_);
        }
        pendingDragRow_ = -1;
        dragMode_ = kDragNone;
        toggleSnapshot_.clear();
        if (selectionMode() == QAbstractItemView::SingleSelection) QTableView::mouseReleaseEvent(event);
        if (std::exchange(leftPressInside_, false)) emit leftClicked();
    } else if (event->button() == Qt::RightButton) {
        if (std::exchange(rightPressInside_, false)) emit rightClicked();
    } else {
        QTableView::mouseReleaseEvent(event);
    }
}

void CEditListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click selects as a press does; then the
    // double click is announced for the row under the mouse.
    mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit doubleClicked(index);
}

void CEditListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // A right click on a selected row's editable cell has started an edit.
    if (IsEditing()) return;
    QPoint global = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        QRect cell;
        if (GetCellRect(GetFocusedRow(), std::max(currentColumn_, 0), cell))
            global = viewport()->mapToGlobal(cell.bottomLeft());
    }
    emit contextMenuWanted(global);
}

void CEditListCtrl::wheelEvent(QWheelEvent* event) {
    if (IsEditing()) EndEdit(false);
    QTableView::wheelEvent(event);
}

void CEditListCtrl::scrollContentsBy(int dx, int dy) {
    if (dy != 0 && IsEditing()) EndEdit(false);
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
