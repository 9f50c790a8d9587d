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
// Editing

IPopup* CEditListCtrl::GetPopup(int row) const {
    const auto it = popups_.find(row);
    return it == popups_.end() ? nullptr : it->second.get();
}

IPopup* CEditListCtrl::PopupById(int id) const { return GetPopup(id - kPopupIdBase); }

bool CEditListCtrl::BeginEdit(int row, int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (IsEditing() || !descriptor || !descriptor->IsEditable() || descriptor->Editor() == 0)
        return false;
    const std::vector<int> selected = GetSelectedRows();
    if (selected.empty())
        return false;

    const int top = GetTopIndex();
    const int last = std::min(top + GetCountPerPage(), GetItemCount()) - 1;
    for (int r : selected)
        emit beginLabelEdit(r, column);
    for (int r : selected) {
        if (r < top || r > last)
            continue;
        std::unique_ptr<IPopup> popup = CreatePopup(r, column);
        if (!popup)
            continue;
        ConnectPopup(*popup, r + kPopupIdBase);
        popups_[r] = std::move(popup);
    }
    if (popups_.empty()) {
        // Every selected row is out of view: nothing to type into.
        for (int r : selected)
            emit endLabelEdit(r, column, false, QString());
        return false;
    }
    activePopup_ = GetPopup(row) ? GetPopup(row) : popups_.begin()->second.get();
    session_.Begin(column, *descriptor, activePopup_->GetText());
    for (auto& entry : popups_)
        entry.second->GetWnd()->show();
    activePopup_->GetWnd()->setFocus();
    CMouseHook::Install(*this);
    return true;
}

std::unique_ptr<IPopup> CEditListCtrl::CreatePopup(int row, int column) {
    const SELVColumn& descriptor = *GetColumn(column);
    QRect rect;
    if (!GetCellRect(row, column, rect))
        return nullptr;
    std::unique_ptr<IPopup> popup;
    switch (descriptor.Editor()) {
    case SELVColumn::kEditorText: {
        auto edit = std::make_unique<CPopupEdit>(rect, descriptor.Alignment(), row, viewport());
        edit->setFont(font());
        edit->SetLimits(descriptor.maxLength, descriptor.IsAsciiText());
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
        if (!GetCellValue(row, column, &value))
            value = descriptor.min;
        auto spin = std::make_unique<CPopupSpinEdit>(rect, descriptor, value, row, viewport());
        spin->setFont(font());
        popup = std::move(spin);
        break;
    }
    default:
        return nullptr;
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

void CEditListCtrl::OnSpinBegin(int) { session_.SetSpinning(true); }

void CEditListCtrl::OnSpinEnd(int) { session_.SetSpinning(false); }

void CEditListCtrl::CopyActiveText(IPopup& active, const QString& text) {
    for (auto& entry : popups_)
        if (entry.second.get() != &active)
            entry.second->SetText(text);
}

void CEditListCtrl::OnPopupEditChange(int id) {
    IPopup* popup = PopupById(id);
    if (session_.IsSpinning() || !popup || popup != activePopup_)
        return;
    const QString text = popup->GetText();
    CopyActiveText(*popup, text);
    const SELVColumn* descriptor = GetColumn(session_.Column());
    if (!descriptor || !descriptor->IsNumeric()) {
        session_.TakeText(text);
        return;
    }
    // An unreadable number is kept as NaN, which no row accepts.
    double number = std::nan("");
    if (auto* spin = dynamic_cast<CPopupSpinEdit*>(popup);
        spin && spin->Parse(text, &number) && descriptor->IsInteger())
        number = std::round(number);
    session_.TakeNumber(text, number);
}

void CEditListCtrl::OnPopupSelEndOk(int id) {
    IPopup* popup = PopupById(id);
    if (!popup || popup != activePopup_)
        return;
    const QString text = popup->GetText();
    CopyActiveText(*popup, text);
    session_.TakeText(text);
}

bool CEditListCtrl::OnSpinStep(int id, double delta) {
    IPopup* popup = PopupById(id);
    if (!popup)
        return false;
    activePopup_ = popup;
    // Every selected row must take the step, or none does.
    if (!session_.Step(GetSelectedRows(), delta))
        return false;
    for (auto& [row, other] : popups_) {
        auto* spin = dynamic_cast<CPopupSpinEdit*>(other.get());
        double shown = 0.0;
        if (other.get() != popup && spin && session_.ShownNumber(row, &shown))
            spin->SetValue(shown);
    }
    return true;
}

void CEditListCtrl::OnPopupReturn(int id, int code) {
    if (!PopupById(id))
        return;
    activePopup_ = PopupById(id);
    EndEdit(code == IPopup::kReturnEnter && activePopup_->IsModified());
}

void CEditListCtrl::StoreValues(int column, const CEditSession::RowValues& values) {
    for (const auto& [row, value] : values)
        SetCellValue(row, column, value);
    if (!values.empty())
        RedrawItems(values.front().first, values.back().first);
}

bool CEditListCtrl::EndEdit(bool commit) {
    if (!IsEditing())
        return false;
    CEditSession::RowValues values;
    if (commit && !session_.NewValues(GetSelectedRows(), kValidateCommit, values)) {
        // The editors stay open for a correction.
        if (activePopup_)
            activePopup_->GetWnd()->setFocus();
        return false;
    }
    // The editors close before the values are stored: a store may sort the
    // rows, and the sort must not end this edit a second time.
    const int column = session_.Column();
    CMouseHook::Remove(*this);
    DestroyPopups();
    activePopup_ = nullptr;
    session_.SetSpinning(false);
    if (commit)
        StoreValues(column, values);
    setFocus();
    session_.End();
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
        entry.second.release(); // owned by deleteLater now
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
                if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                    return true;
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

IPopup* CEditListCtrl::PopupOf(QWidget* target) const {
    for (const auto& entry : popups_) {
        QWidget* widget = entry.second->GetWnd();
        if (widget == target || widget->isAncestorOf(target))
            return entry.second.get();
        if (auto* combo = dynamic_cast<CPopupComboBox*>(entry.second.get())) {
            QWidget* list = combo->view()->window();
            if (list == target || list->isAncestorOf(target))
                return entry.second.get();
        }
    }
    return nullptr;
}

bool CEditListCtrl::OnHookedPress(QWidget* target, Qt::MouseButton button) {
    if (session_.IsValidating() || !IsEditing())
        return false;
    for (const auto& entry : popups_)
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(entry.second.get())) {
            QWidget* slider = &spin->GetSlider();
            if (slider == target || slider->isAncestorOf(target))
                return false;
        }
    if (IPopup* popup = PopupOf(target)) {
        activePopup_ = popup;
        return false;
    }
    if (button == Qt::LeftButton) {
        const bool commit = activePopup_ && activePopup_->IsModified();
        return !EndEdit(commit); // a refused value keeps the editors and eats the press
    }
    EndEdit(false);
    return false;
}

bool CEditListCtrl::CanReplaceString() const {
    const SELVColumn* current = GetColumn(GetCurrentColumn());
    return !IsEditing() && current && current->IsEditable() && current->Editor() == SELVColumn::kEditorText &&
           GetSelectedCount() > 0;
}

void CEditListCtrl::ReplaceString(int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsEditable() || IsEditing())
        return;
    QString search = CReplaceStringDlg::LastSearch();
    QString replacement = CReplaceStringDlg::LastReplacement();
    if (!RunReplaceDialog(search, replacement) || search.isEmpty())
        return;
    CReplaceStringDlg::LastSearch() = search;
    CReplaceStringDlg::LastReplacement() = replacement;

    CEditSession::RowValues values;
    for (int row : GetSelectedRows())
        values.emplace_back(row, ReplaceAll(GetCellText(row, column), search, replacement));
    if (session_.AllAccepted(column, values, kValidateReplace))
        StoreValues(column, values);
}

bool CEditListCtrl::RunReplaceDialog(QString& search, QString& replacement) {
    CReplaceStringDlg dialog(search, replacement, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    search = dialog.GetSearch();
    replacement = dialog.GetReplacement();
    return true;
}

QString CEditListCtrl::ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
    if (search.isEmpty())
        return text;
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
    if (elided)
        *elided = false;
    if (metrics.horizontalAdvance(text) + blanks <= width)
        return text;
    const QString dots = QStringLiteral("...");
    const int room = width - blanks - metrics.horizontalAdvance(dots);
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > room)
        cut.chop(1);
    if (elided)
        *elided = true;
    return cut + dots;
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
