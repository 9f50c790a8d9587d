#include "toolkit/qt/EditListSelector.h"

#include "toolkit/qt/EditListCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace GP {

std::vector<char> CEditListSelector::DragStates(int count, int mark, int row, DragMode mode,
                                                const std::vector<char>& snapshot) {
    if (row < 0 || row >= count || mark < 0 || mark >= count)
        return {};
    const int first = std::min(mark, row);
    const int last = std::max(mark, row);
    std::vector<char> states;
    char rangeState = 1;
    if (mode == kDragToggle && snapshot.size() == static_cast<std::size_t>(count)) {
        states = snapshot;
        rangeState = snapshot[static_cast<std::size_t>(mark)];
    } else {
        states.assign(static_cast<std::size_t>(count), 0);
    }
    for (int r = first; r <= last; ++r)
        states[static_cast<std::size_t>(r)] = rangeState;
    return states;
}

// ---------------------------------------------------------------------------
// Keys

int CEditListSelector::NextEditableColumn(int from, int direction) const {
    const QHeaderView* header = list_.horizontalHeader();
    const int count = list_.GetColumnCount();
    int visual = from >= 0 ? header->visualIndex(from) : (direction > 0 ? -1 : count);
    for (visual += direction; visual >= 0 && visual < count; visual += direction) {
        const int logical = header->logicalIndex(visual);
        if (list_.GetColumn(logical)->IsEditable())
            return logical;
    }
    return -1;
}

void CEditListSelector::StepColumn(int direction) {
    const int next = NextEditableColumn(list_.GetCurrentColumn(), direction);
    if (next >= 0)
        list_.SetCurrentColumn(next);
}

void CEditListSelector::MoveFocusRow(int row, Qt::KeyboardModifiers modifiers) {
    const int count = list_.GetItemCount();
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    if (modifiers & Qt::ShiftModifier) {
        const int mark = selectionMark_ >= 0 && selectionMark_ < count ? selectionMark_ : row;
        list_.SelectExactly(DragStates(count, mark, row, kDragRange, {}));
    } else if (!(modifiers & Qt::ControlModifier)) {
        list_.selectionModel()->clearSelection();
        list_.SetRowSelected(row, true);
        selectionMark_ = row;
    }
    list_.SetFocusedRow(row);
    list_.EnsureRowVisible(row);
}

bool CEditListSelector::IsListKey(const QKeyEvent& event) const {
    const int code = event.key();
    const bool enter =
        (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_F2) && NextEditableColumn(-1, 1) >= 0;
    const bool arrows = code == Qt::Key_Left || code == Qt::Key_Right;
    const QString text = event.text();
    const bool character = !list_.IsEditing() && (event.modifiers() & Qt::ControlModifier) == 0 && text.size() == 1 &&
                           QStringLiteral("$jJkK^_|hl").contains(text[0]);
    return enter || arrows || character;
}

bool CEditListSelector::HandleKey(QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int focused = list_.GetFocusedRow();
    const int page = list_.GetCountPerPage();
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2: {
        // The desktops' keys for editing the current cell: the current
        // column of the focused row (selected first when nothing is; brought
        // into view), or of the first selected row on the page.
        if (NextEditableColumn(-1, 1) < 0)
            return false;
        const int column = list_.GetCurrentColumn();
        const SELVColumn* current = list_.GetColumn(column);
        if (current && current->IsEditable()) {
            if (list_.GetSelectedCount() == 0 && focused >= 0) {
                list_.SetRowSelected(focused, true);
                selectionMark_ = focused;
            }
            if (focused >= 0 && list_.IsRowSelected(focused))
                list_.EnsureRowVisible(focused);
            const int top = list_.GetTopIndex();
            const int last = std::min(top + page, list_.GetItemCount()) - 1;
            int row = -1;
            if (focused >= top && focused <= last && list_.IsRowSelected(focused)) {
                row = focused;
            } else {
                for (int r : list_.GetSelectedRows())
                    if (r >= top && r <= last) {
                        row = r;
                        break;
                    }
            }
            list_.BeginEdit(row, column);
        }
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        StepColumn(event.key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_Up:
        MoveFocusRow(focused - 1, modifiers);
        return true;
    case Qt::Key_Down:
        MoveFocusRow(focused + 1, modifiers);
        return true;
    case Qt::Key_PageUp:
        MoveFocusRow(focused - page + 1, modifiers);
        return true;
    case Qt::Key_PageDown:
        MoveFocusRow(focused + page - 1, modifiers);
        return true;
    case Qt::Key_Home:
        MoveFocusRow(0, modifiers);
        return true;
    case Qt::Key_End:
        MoveFocusRow(list_.GetItemCount() - 1, modifiers);
        return true;
    case Qt::Key_Space:
        if ((modifiers & Qt::ControlModifier) && focused >= 0) {
            list_.SetRowSelected(focused, !list_.IsRowSelected(focused));
            selectionMark_ = focused;
            return true;
        }
        return false;
    default:
        return HandleChar(event);
    }
}

bool CEditListSelector::HandleChar(QKeyEvent& event) {
    if (list_.IsEditing())
        return false;
    const QString text = event.text();
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    // Replace String is the window's command (see CanReplaceString); the
    // list gives no control key a meaning of its own.
    if (text.size() != 1 || ctrl)
        return false;
    const int focused = list_.GetFocusedRow();
    switch (text[0].unicode()) {
    case u'$':
        list_.SetCurrentColumn(list_.GetColumnCount() - 1);
        return true;
    case u'j':
    case u'J':
        MoveFocusRow(focused + 1, Qt::NoModifier);
        return true;
    case u'k':
    case u'K':
        MoveFocusRow(focused - 1, Qt::NoModifier);
        return true;
    case u'^':
    case u'_':
    case u'|':
        list_.SetCurrentColumn(0);
        return true;
    case u'h':
    case u'l':
        StepColumn(text[0] == u'h' ? -1 : 1);
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Mouse

bool CEditListSelector::PressLeft(QMouseEvent& event) {
    if (list_.selectionMode() == QAbstractItemView::SingleSelection)
        return false;
    list_.setFocus(Qt::MouseFocusReason);
    leftPressInside_ = true;
    int column = -1;
    const int row = list_.HitTest(event.position().toPoint(), &column);
    if (row < 0 || column < 0)
        return true;
    // The cell clicked is the current cell: F2 and Enter edit it.
    if (const SELVColumn* clicked = list_.GetColumn(column); clicked && clicked->IsEditable())
        list_.SetCurrentColumn(column);
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    lastDragY_ = event.position().toPoint().y();
    if (modifiers & Qt::ShiftModifier) {
        dragMode_ = kDragRange;
        if (selectionMark_ < 0 || selectionMark_ >= list_.GetItemCount())
            selectionMark_ = row;
        DragTo(row);
        return true;
    }
    if (modifiers & Qt::ControlModifier) {
        dragMode_ = kDragToggle;
        list_.SetRowSelected(row, !list_.IsRowSelected(row));
        selectionMark_ = row;
        toggleSnapshot_.assign(static_cast<std::size_t>(list_.GetItemCount()), 0);
        for (int r : list_.GetSelectedRows())
            toggleSnapshot_[static_cast<std::size_t>(r)] = 1;
        list_.SetFocusedRow(row);
        return true;
    }
    if (rowDragEnabled_ && list_.IsRowSelected(row)) {
        // Perhaps the start of a drag of the whole selection: it stays until
        // the release shows that this was only a click.
        pendingDragRow_ = row;
        pendingDragPoint_ = event.position().toPoint();
        list_.SetFocusedRow(row);
        return true;
    }
    dragMode_ = kDragSingle;
    selectionMark_ = row;
    DragTo(row);
    return true;
}

void CEditListSelector::PressRight(QMouseEvent& event) {
    list_.setFocus(Qt::MouseFocusReason);
    rightPressInside_ = true;
    int column = -1;
    const int row = list_.HitTest(event.position().toPoint(), &column);
    const SELVColumn* descriptor = list_.GetColumn(column);
    if (!descriptor || !descriptor->IsEditable())
        return;
    list_.SetCurrentColumn(column);
    if (list_.IsRowSelected(row))
        list_.BeginEdit(row, column);
}

void CEditListSelector::DragTo(int row) {
    const std::vector<char> states = DragStates(list_.GetItemCount(), selectionMark_, row, dragMode_, toggleSnapshot_);
    if (states.empty())
        return;
    list_.SelectExactly(states);
    list_.SetFocusedRow(row);
}

bool CEditListSelector::Move(QMouseEvent& event) {
    if (pendingDragRow_ >= 0) {
        if (!(event.buttons() & Qt::LeftButton)) {
            pendingDragRow_ = -1;
        } else if ((event.position().toPoint() - pendingDragPoint_).manhattanLength() >=
                   QApplication::startDragDistance()) {
            // The drag takes the mouse: no release reaches the list after it.
            pendingDragRow_ = -1;
            leftPressInside_ = false;
            list_.StartRowDrag();
        }
        return true;
    }
    if (dragMode_ == kDragNone)
        return false;
    const int y = event.position().toPoint().y();
    const bool upwards = y < lastDragY_;
    const bool downwards = y > lastDragY_;
    lastDragY_ = y;
    const int top = list_.GetTopIndex();
    const int height = list_.viewport()->height();
    int row = -1;
    if (y < 0 && upwards) {
        list_.SetTopIndex(top - 1);
        row = list_.GetTopIndex();
    } else if (y >= height && downwards) {
        list_.SetTopIndex(top + 1);
        row = std::min(list_.GetTopIndex() + list_.GetCountPerPage(), list_.GetItemCount()) - 1;
    } else if (y >= 0 && y < height) {
        row = list_.rowAt(y);
        if (row < 0)
            row = list_.GetItemCount() - 1; // below the last row
    }
    if (row >= 0)
        DragTo(row);
    return true;
}

bool CEditListSelector::ReleaseLeft() {
    if (pendingDragRow_ >= 0 && pendingDragRow_ < list_.GetItemCount()) {
        // A click on a selected row: select it alone after all.
        dragMode_ = kDragSingle;
        selectionMark_ = pendingDragRow_;
        DragTo(pendingDragRow_);
    }
    pendingDragRow_ = -1;
    dragMode_ = kDragNone;
    toggleSnapshot_.clear();
    return std::exchange(leftPressInside_, false);
}

bool CEditListSelector::ReleaseRight() { return std::exchange(rightPressInside_, false); }

} // namespace GP
