#pragma once
// The selection and key controller of an edit list: what the navigation keys,
// the character keys and the mouse do to the selection, the focused row and
// the current column, including the selection mark ranges are taken from,
// dragging a selection with the mouse and the start of a row drag.
#include <QPoint>
#include <Qt>

#include <vector>

class QKeyEvent;
class QMouseEvent;

namespace GP {

class CEditListCtrl;

class CEditListSelector {
public:
    enum DragMode { kDragNone = 0, kDragSingle = 1, kDragRange = 2, kDragToggle = 3 };

    explicit CEditListSelector(CEditListCtrl& list) : list_(list) {}

    int SelectionMark() const { return selectionMark_; }
    void SetSelectionMark(int row) { selectionMark_ = row; }
    void SetRowDragEnabled(bool on) { rowDragEnabled_ = on; }
    bool IsRowDragEnabled() const { return rowDragEnabled_; }

    // The logical column of the next editable column in display order from
    // from (-1: from the edge) in direction +1 or -1; -1 for none.
    int NextEditableColumn(int from, int direction) const;
    // Whether the list takes this key itself rather than leaving it to a
    // shortcut of the window while it has the focus.
    bool IsListKey(const QKeyEvent& event) const;
    // True when the key was the list's.
    bool HandleKey(QKeyEvent& event);

    // Each true when the list handled the event, false to leave it to the
    // table view.
    bool PressLeft(QMouseEvent& event);
    void PressRight(QMouseEvent& event);
    bool Move(QMouseEvent& event);
    // Ends a left press (a click on a selected row selects it alone);
    // true when the press had started inside the list.
    bool ReleaseLeft();
    bool ReleaseRight();

    // The rows a drag from the selection mark to row selects: the range
    // alone, or with toggling (snapshot: each row's state before the drag)
    // the snapshot with the range set to the mark's state. Empty when mark
    // or row are outside 0..count-1.
    static std::vector<char> DragStates(int count, int mark, int row, DragMode mode,
                                        const std::vector<char>& snapshot);

private:
    bool HandleChar(QKeyEvent& event);
    // Moves the focus to row as the navigation keys do (Shift: a range from
    // the selection mark, Ctrl: the focus alone).
    void MoveFocusRow(int row, Qt::KeyboardModifiers modifiers);
    void StepColumn(int direction);
    void DragTo(int row);

    CEditListCtrl& list_;
    int selectionMark_ = -1;
    DragMode dragMode_ = kDragNone;
    std::vector<char> toggleSnapshot_;
    int lastDragY_ = 0;
    bool leftPressInside_ = false;
    bool rightPressInside_ = false;
    // Row dragging: the selected row pressed, and where, until the mouse
    // moves far enough to start a drag or the button is released.
    bool rowDragEnabled_ = false;
    int pendingDragRow_ = -1;
    QPoint pendingDragPoint_;
};

} // namespace GP
