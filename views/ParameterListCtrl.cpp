#include "views/ParameterListCtrl.h"

#include "data/DocumentBase.h"
#include "data/ParameterArray.h"
#include "messages/MessageTable.h"
#include "toolkit/core/CodePage.h"
#include "toolkit/profile/Profile.h"
#include "toolkit/qt/EditListText.h"
#include "views/ParameterEdits.h"
#include "views/PreviewConfirmation.h"
#include "views/RowSort.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

CParameterListCtrl::CParameterListCtrl(bool endRow, QWidget* parent) : GP::CEditListCtrl(parent), endRow_(endRow) {
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CParameterListCtrl::SortByColumn);
    // Selected rows can be dragged to another list, and patches dropped here
    // once the window has said where they go (SetDropTarget).
    SetRowDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CParameterListCtrl::OnColumnResized);
}

namespace {

// The one list whose row is marked as previewed, if any.
CParameterListCtrl* previewedList = nullptr;

} // namespace

CParameterListCtrl::~CParameterListCtrl() {
    if (previewedList == this)
        previewedList = nullptr;
}

void CParameterListCtrl::SetPreviewedIndex(int index) {
    if (previewedList && previewedList != this) {
        CParameterListCtrl* other = previewedList;
        other->previewedIndex_ = -1;
        other->viewport()->update();
        emit other->previewedChanged();
    }
    previewedList = this;
    previewedIndex_ = index;
    viewport()->update();
    emit previewedChanged();
}

CParameterListCtrl::RowLook CParameterListCtrl::GetRowLook(int row) const {
    RowLook look = GetObjectRowLook(row);
    if (previewedIndex_ >= 0 && GetObjectIndex(row) == previewedIndex_) {
        look.strong = true;
        const QString heard = tr("Previewed last: the patch the ZM-47's temporary patch holds");
        look.tip = look.tip.isEmpty() ? heard : look.tip + QLatin1Char('\n') + heard;
    }
    return look;
}

int CParameterListCtrl::MemoCodePage() {
    return GetMessageTable().GetLanguage() == CMessageTable::kJapanese ? UL::kCodePageJapanese : UL::kCodePageEnglish;
}

GT::IProfile& CParameterListCtrl::Profile() const { return profile_ ? *profile_ : GT::GetProfile(); }

int CParameterListCtrl::ColumnKind(int column) const {
    const std::vector<ColumnEntry>& columns = GetColumns();
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return -1;
    return columns[static_cast<std::size_t>(column)].kind;
}

CParameter* CParameterListCtrl::ObjectOfRow(int row) const {
    CParameterArray* array = GetArray();
    if (!array || row < 0 || row >= GetItemCount())
        return nullptr;
    const std::intptr_t index = GetItemData(row);
    return index >= 0 ? array->At(static_cast<std::size_t>(index)) : nullptr;
}

int CParameterListCtrl::GetObjectIndex(int row) const {
    return ObjectOfRow(row) ? static_cast<int>(GetItemData(row)) : -1;
}

void CParameterListCtrl::FillColumns() {
    fitting_ = true;
    while (GetColumnCount() > 0)
        DeleteColumn(GetColumnCount() - 1);
    const std::vector<ColumnEntry>& columns = GetColumns();
    for (std::size_t k = 0; k < columns.size(); ++k)
        InsertColumn(static_cast<int>(k), tr(columns[k].name), columns[k].descriptor);
    // The natural widths need the headers in place.
    for (int column = 0; column < GetColumnCount(); ++column)
        SetDefaultColumnWidth(column, NaturalColumnWidth(column));
    std::string section;
    std::string key;
    GetProfileKeys(section, key);
    fittedColumns_ = !LoadColumnWidths(Profile(), section, key);
    fitting_ = false;
    FitColumns();
}

int CParameterListCtrl::NaturalColumnWidth(int column) const {
    const QFontMetrics metrics = fontMetrics();
    // The cell's text stands a blank in from either side; a grid line and a
    // pixel of air come on top.
    const int frame = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 2;
    int text = 0;
    if (ColumnKind(column) == kKindNumber) {
        // Every list fits "End of Line", so that widths stored from the main
        // window's lists still show it whole in a file window.
        text =
            std::max(metrics.horizontalAdvance(QStringLiteral("888")), metrics.horizontalAdvance(tr("End of Line")));
    } else {
        // Names are 16 characters; the widest letter or digit sixteen times
        // covers any name a user types.
        static const QString kLettersAndDigits =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
        int widest = 0;
        for (const QChar c : kLettersAndDigits)
            widest = std::max(widest, metrics.horizontalAdvance(c));
        text = 16 * widest;
    }
    return std::max(text + frame, horizontalHeader()->sectionSizeHint(column));
}

void CParameterListCtrl::FitColumns() {
    const int count = GetColumnCount();
    if (!fittedColumns_ || fitting_ || count == 0)
        return;
    fitting_ = true;
    // Number and name whole; the memos (every other text column) share what
    // is left, none narrower than its natural width, and the last column
    // takes the rest of the list's width.
    int used = 0;
    std::vector<int> sharing;
    for (int column = 0; column < count; ++column) {
        const int kind = ColumnKind(column);
        if (kind >= kKindMemo1 && kind <= kKindMemo4) {
            sharing.push_back(column);
        } else {
            setColumnWidth(column, NaturalColumnWidth(column));
            used += columnWidth(column);
        }
    }
    const int available = viewport()->width();
    const int share = sharing.empty() ? 0 : (available - used) / static_cast<int>(sharing.size());
    for (int column : sharing) {
        const int width = std::max(NaturalColumnWidth(column) * 3 / 4, share);
        setColumnWidth(column, width);
        used += width;
    }
    const int last = count - 1;
    if (used < available)
        setColumnWidth(last, columnWidth(last) + available - used);
    fitting_ = false;
}

void CParameterListCtrl::OnColumnResized() {
    if (!fitting_)
        fittedColumns_ = false;
}

bool CParameterListCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize)
        FitColumns();
    return GP::CEditListCtrl::viewportEvent(event);
}

void CParameterListCtrl::changeEvent(QEvent* event) {
    GP::CEditListCtrl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitColumns();
}

bool CParameterListCtrl::SaveColumnWidths() const {
    if (fittedColumns_)
        return true;
    std::string section;
    std::string key;
    GetProfileKeys(section, key);
    return GP::CEditListCtrl::SaveColumnWidths(Profile(), section, key);
}

void CParameterListCtrl::FillRows() {
    const CParameterArray* array = GetArray();
    const int objects = array ? static_cast<int>(array->Size()) : 0;
    SetItemCount(objects + (endRow_ ? 1 : 0));
}

QString CParameterListCtrl::GetCellText(int row, int column) const {
    const int kind = ColumnKind(column);
    if (const CParameter* object = ObjectOfRow(row))
        return GetObjectText(*object, static_cast<int>(GetItemData(row)), kind);
    const CParameterArray* array = GetArray();
    const bool endOfLine = endRow_ && row >= 0 && row < GetItemCount() &&
                           GetItemData(row) == static_cast<std::intptr_t>(array ? array->Size() : 0);
    return endOfLine && kind == kKindNumber ? tr("End of Line") : QString();
}

QString CParameterListCtrl::GetObjectText(const CParameter& object, int index, int kind) const {
    if (kind == kKindNumber)
        return QString::asprintf("%2d", index + 1);
    if (kind >= kKindMemo1 && kind <= kKindMemo4)
        return GP::CellTextFromBytes(object.GetMemo(kind), MemoCodePage());
    return QString();
}

bool CParameterListCtrl::IsValidObjectText(int kind, const QString& text) const {
    if (kind >= kKindMemo1 && kind <= kKindMemo4) {
        std::string bytes;
        return GP::CellTextToBytes(text, MemoCodePage(), bytes);
    }
    return true;
}

void CParameterListCtrl::SetObjectText(CParameter& object, int kind, const QString& text) {
    if (kind < kKindMemo1 || kind > kKindMemo4)
        return;
    std::string bytes;
    if (GP::CellTextToBytes(text, MemoCodePage(), bytes))
        object.SetMemo(kind, bytes);
}

bool CParameterListCtrl::IsValidCellValue(int row, int column, const GP::CellValue& value, ValidateMode mode) {
    const QString* text = std::get_if<QString>(&value);
    if (!text || !ObjectOfRow(row))
        return GP::CEditListCtrl::IsValidCellValue(row, column, value, mode);
    return IsValidObjectText(ColumnKind(column), *text);
}

void CParameterListCtrl::SetCellValue(int row, int column, const GP::CellValue& value) {
    CParameter* object = ObjectOfRow(row);
    const QString* text = std::get_if<QString>(&value);
    if (!object || !text)
        return;
    // The undo step is taken once per edit, just before its first change,
    // so that an edit refused by the check leaves the last undo step alone.
    if (pendingUndo_) {
        pendingUndo_ = false;
        if (document_)
            document_->SaveUndo(GetAreaNumber());
    }
    SetObjectText(*object, ColumnKind(column), *text);
    RedrawItems(row, row);
    if (row == editRow_) {
        // The last selected object is stored last (a selected "End of Line"
        // below it stores nothing): the rows can move now, and a file is
        // marked as changed.
        editRow_ = -1;
        SortAgain();
        if (endRow_)
            emit modified();
    }
}

bool CParameterListCtrl::BeginEdit(int row, int column) {
    const int target = row >= 0 ? row : FirstSelectedRow();
    if (IsEditing() || !ObjectOfRow(target))
        return false;
    editRow_ = LastSelectedObjectRow();
    pendingUndo_ = true;
    if (GP::CEditListCtrl::BeginEdit(row, column))
        return true;
    pendingUndo_ = false;
    editRow_ = -1;
    return false;
}

bool CParameterListCtrl::EndEdit(bool commit) {
    if (!GP::CEditListCtrl::EndEdit(commit))
        return false;
    pendingUndo_ = false;
    editRow_ = -1;
    return true;
}

void CParameterListCtrl::ReplaceString(int column) {
    // A replace changes objects like an edit does: one undo step (taken only
    // when something is stored), a new sort and, in a file, the modified mark.
    editRow_ = LastSelectedObjectRow();
    pendingUndo_ = true;
    GP::CEditListCtrl::ReplaceString(column);
    pendingUndo_ = false;
    editRow_ = -1;
}

int CParameterListCtrl::FirstSelectedRow() const {
    const std::vector<int> rows = GetSelectedRows();
    return rows.empty() ? -1 : *std::min_element(rows.begin(), rows.end());
}

int CParameterListCtrl::LastSelectedRow() const {
    const std::vector<int> rows = GetSelectedRows();
    return rows.empty() ? -1 : *std::max_element(rows.begin(), rows.end());
}

int CParameterListCtrl::LastSelectedObjectRow() const {
    // "End of Line" shows no object and is never stored into.
    const std::vector<int> rows = GetSelectedRows();
    const auto last = std::find_if(rows.rbegin(), rows.rend(), [this](int row) { return ObjectOfRow(row); });
    return last == rows.rend() ? -1 : *last;
}

std::vector<int> CParameterListCtrl::GetSelectedIndexes() const {
    std::vector<int> rows = GetSelectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<int> indexes;
    indexes.reserve(rows.size());
    for (int row : rows)
        if (ObjectOfRow(row))
            indexes.push_back(static_cast<int>(GetItemData(row)));
    return indexes;
}

void CParameterListCtrl::SelectAll() {
    const CParameterArray* array = GetArray();
    const int objects = std::min(array ? static_cast<int>(array->Size()) : 0, GetItemCount());
    SetAllSelected(false);
    if (objects > 0)
        SelectRange(0, objects - 1, true);
}

void CParameterListCtrl::selectAll() { SelectAll(); }

void CParameterListCtrl::DeleteSelected() {
    if (CParameterArray* array = GetArray())
        DeleteObjects(*array, GetSelectedIndexes());
}

void CParameterListCtrl::InitializeSelected() {
    if (CParameterArray* array = GetArray())
        InitializeObjects(*array, GetSelectedIndexes());
}

void CParameterListCtrl::CopySelected() {
    if (const CParameterArray* array = GetArray())
        CopyObjects(*array, GetSelectedIndexes(), GetClipboard());
}

int CParameterListCtrl::InsertClipboard() {
    CParameterArray* array = GetArray();
    const int first = FirstSelectedRow();
    if (!array || first < 0)
        return 0;
    const std::intptr_t at = GetItemData(first);
    return InsertCopies(*array, at < 0 ? array->Size() : static_cast<std::size_t>(at), GetClipboard());
}

void CParameterListCtrl::ReplaceSelected() {
    if (CParameterArray* array = GetArray())
        ReplaceObjects(*array, GetSelectedIndexes(), GetClipboard());
}

void CParameterListCtrl::ResizeArray(std::size_t n) {
    if (CParameterArray* array = GetArray())
        array->Resize(n);
}

void CParameterListCtrl::SortByNumber() {
    if (const CParameterArray* array = GetArray())
        SortItems(MakeNumberLess(*array));
}

void CParameterListCtrl::SortByColumn(int column) {
    const int kind = ColumnKind(column);
    const CParameterArray* array = GetArray();
    if (kind < 0 || !array)
        return;
    if (IsEditing())
        EndEdit(false);
    sortAscending_ = kind != sortKind_ ? true : !sortAscending_;
    sortKind_ = kind;
    sortArray_ = array;
    SortAgain();
}

void CParameterListCtrl::ResetSort() {
    sortKind_ = -1;
    sortAscending_ = true;
    sortArray_ = nullptr;
}

void CParameterListCtrl::SortAgain() {
    const CParameterArray* array = GetArray();
    if (sortKind_ == -1 || !sortArray_ || !array)
        return;
    // The objects' order breaks ties by index, so no two rows compare equal
    // and sorting by number first would not change the result.
    SortItems(MakeRowLess(*array, sortKind_, sortAscending_));
}

void CParameterListCtrl::SelectIndexes(const std::vector<int>& sortedIndexes) {
    const int rows = GetItemCount();
    std::size_t k = 0;
    while (k < sortedIndexes.size()) {
        const int first = sortedIndexes[k];
        int last = first;
        while (k + 1 < sortedIndexes.size() && sortedIndexes[k + 1] == last + 1) {
            ++last;
            ++k;
        }
        ++k;
        if (first < rows)
            SelectRange(std::max(first, 0), std::min(last, rows - 1), true);
    }
}

void CParameterListCtrl::Refresh(bool keepSelection, int count) {
    const int top = GetTopIndex();
    const int focused = GetFocusedRow();
    const int column = GetCurrentColumn();
    const int horizontal = horizontalScrollBar()->value();

    std::vector<int> select;
    if (keepSelection && count > 0) {
        const CParameterArray* array = GetArray();
        const int first = FirstSelectedRow();
        const std::intptr_t f = first >= 0 ? GetItemData(first) : -1;
        if (array && f >= 0 && static_cast<std::size_t>(f) + static_cast<std::size_t>(count) <= array->Size())
            for (int k = 0; k < count; ++k)
                select.push_back(static_cast<int>(f) + k);
    } else if (keepSelection) {
        std::vector<int> rows = GetSelectedRows();
        for (int row : rows)
            select.push_back(static_cast<int>(GetItemData(row)));
        std::sort(select.begin(), select.end());
    }

    setUpdatesEnabled(false);
    FillRows();
    horizontalScrollBar()->setValue(horizontal);
    SetTopIndex(std::min(top, std::max(GetItemCount() - 1, 0)));
    SetFocusedRow(std::min(focused, GetItemCount() - 1));
    if (column >= 0)
        SetCurrentColumn(column);
    if (keepSelection)
        SelectIndexes(select);
    SortAgain();
    setUpdatesEnabled(true);
}

void CParameterListCtrl::keyPressEvent(QKeyEvent* event) {
    GP::CEditListCtrl::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit scrolledOrNavigated();
        break;
    default:
        break;
    }
}

void CParameterListCtrl::scrollContentsBy(int dx, int dy) {
    GP::CEditListCtrl::scrollContentsBy(dx, dy);
    emit scrolledOrNavigated();
}

void CParameterListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = HitTest(event->position().toPoint());
    if (event->button() == Qt::LeftButton && ObjectOfRow(row) && confirmation_ &&
        confirmation_->ConfirmPreview(static_cast<int>(GetItemData(row))))
        emit previewRequested(static_cast<int>(GetItemData(row)));
    GP::CEditListCtrl::mouseDoubleClickEvent(event);
}
