// The patch list's part in drag and drop: starting a drag of the selected
// rows, showing where dragged patches would go, and handing a drop to the
// window.
#include "views/ParameterListCtrl.h"

#include "data/ParameterArray.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QStatusTipEvent>

#include <algorithm>

namespace {

// A picture of what is dragged: the first names, as the list shows them.
QPixmap DragPixmap(const CParameterListCtrl& list, const std::vector<int>& rows) {
    constexpr int kShownRows = 4;
    const QFontMetrics metrics = list.fontMetrics();
    QStringList lines;
    for (std::size_t k = 0; k < rows.size() && lines.size() < kShownRows; ++k)
        lines.push_back(list.GetCellText(rows[k], 0).trimmed() + QLatin1String("  ") + list.GetCellText(rows[k], 1));
    if (rows.size() > static_cast<std::size_t>(kShownRows))
        lines.push_back(QStringLiteral("+%1").arg(rows.size() - kShownRows));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.height() + 2;
    const qreal scale = list.devicePixelRatioF();
    QPixmap pixmap(QSize(width + 12, lineHeight * static_cast<int>(lines.size()) + 4) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect frame(0, 0, width + 11, lineHeight * static_cast<int>(lines.size()) + 3);
    QColor background = list.palette().color(QPalette::Highlight);
    background.setAlpha(200);
    painter.fillRect(frame, background);
    painter.setPen(list.palette().color(QPalette::HighlightedText));
    painter.setFont(list.font());
    for (int k = 0; k < lines.size(); ++k)
        painter.drawText(QRect(6, 2 + k * lineHeight, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, lines[k]);
    return pixmap;
}

} // namespace

std::vector<int> CParameterListCtrl::GetRowIndexes(int firstRow, int count) const {
    std::vector<int> indexes;
    for (int row = std::max(firstRow, 0); row < firstRow + count && row < GetItemCount(); ++row) {
        const int index = GetObjectIndex(row);
        if (index < 0)
            break;
        indexes.push_back(index);
    }
    return indexes;
}

std::size_t CParameterListCtrl::GetInsertIndex(int row) const {
    const int index = GetObjectIndex(row);
    if (index >= 0)
        return static_cast<std::size_t>(index);
    const CParameterArray* array = GetArray();
    return array ? array->Size() : 0;
}

void CParameterListCtrl::SelectObjects(int first, int count) {
    SetAllSelected(false);
    int focus = -1;
    for (int row = 0; row < GetItemCount(); ++row) {
        const int index = GetObjectIndex(row);
        if (index >= first && index < first + count) {
            SetRowSelected(row, true);
            if (focus < 0)
                focus = row;
        }
    }
    if (focus >= 0) {
        SetFocusedRow(focus);
        SetSelectionMark(focus);
    }
}

bool CParameterListCtrl::IsInIndexOrder() const {
    return sortKind_ == -1 || (sortKind_ == kKindNumber && sortAscending_);
}

int CParameterListCtrl::DropRowAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    return row >= 0 ? row : GetItemCount();
}

void CParameterListCtrl::StartRowDrag() {
    const CParameterArray* array = GetArray();
    if (IsEditing() || !array)
        return;
    std::vector<int> rows = GetSelectedRows();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return GetObjectIndex(row) < 0; }),
               rows.end());
    const std::vector<int> indexes = GetSelectedIndexes();
    CPatchDragOrigin origin;
    origin.area = endRow_ ? 0 : GetAreaNumber();
    origin.codePage = MemoCodePage();
    std::unique_ptr<QMimeData> data = MakePatchMimeData(*array, indexes, origin);
    if (!data)
        return;
    // A file list's rows move within it; everything else is copied, so the
    // window the patches come from never changes.
    const Qt::DropActions actions = endRow_ ? (Qt::CopyAction | Qt::MoveAction) : Qt::CopyAction;
    const Qt::DropAction defaultAction = endRow_ ? Qt::MoveAction : Qt::CopyAction;
    draggingIndexes_ = indexes;
    dragging_ = true;
    if (dragRunner_) {
        dragRunner_(std::move(data), actions, defaultAction);
    } else {
        // Qt deletes the drag object once the drag has ended.
        auto* drag = new QDrag(this);
        drag->setMimeData(data.release());
        drag->setPixmap(DragPixmap(*this, rows));
        drag->exec(actions, defaultAction);
    }
    dragging_ = false;
    draggingIndexes_.clear();
}

bool CParameterListCtrl::AcceptPatchDrag(QDropEvent& event) const {
    const QMimeData* data = event.mimeData();
    if (!dropTarget_ || !GetArray() || !data || !HasPatchMimeData(*data)) {
        event.ignore();
        return false;
    }
    // Only this list's own drag can be running while it is dragged over:
    // the desktop runs one drag at a time. Ctrl makes a move a copy.
    const bool move = dragging_ && endRow_ && !(event.modifiers() & Qt::ControlModifier) &&
                      (event.possibleActions() & Qt::MoveAction);
    if (!move && !(event.possibleActions() & Qt::CopyAction)) {
        event.ignore();
        return false;
    }
    event.setDropAction(move ? Qt::MoveAction : Qt::CopyAction);
    event.accept();
    return true;
}

void CParameterListCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (!AcceptPatchDrag(*event))
        return;
    setState(DraggingState);
    // An area is overwritten from the drop row on, as many rows as patches
    // come; the count is read once, not at every move.
    std::unique_ptr<CParameterArray> patches = CreateArray();
    CPatchDragOrigin origin;
    draggedCount_ = ReadPatchMimeData(*event->mimeData(), *patches, origin) ? static_cast<int>(patches->Size()) : 0;
}

void CParameterListCtrl::dragMoveEvent(QDragMoveEvent* event) {
    // The item view scrolls while the mouse is near its top or bottom edge;
    // whether the drop is taken is decided here.
    GP::CEditListCtrl::dragMoveEvent(event);
    if (!AcceptPatchDrag(*event)) {
        SetDropIndicator(-1, 0);
        ShowDropHint(QString());
        return;
    }
    const int row = DropRowAt(event->position().toPoint());
    SetDropIndicator(row, draggedCount_);
    ShowDropHint(DropHint(row, draggedCount_, event->dropAction() == Qt::MoveAction));
}

void CParameterListCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDropIndicator(-1, 0);
    ShowDropHint(QString());
    GP::CEditListCtrl::dragLeaveEvent(event);
}

QString CParameterListCtrl::DropHint(int row, int count, bool move) const {
    if (count <= 0)
        return QString();
    if (!endRow_) {
        if (static_cast<int>(GetRowIndexes(row, count).size()) != count)
            return tr("The %1 dragged patches do not fit from here to the end of the area.").arg(count);
        return tr("Drop to overwrite the framed patches with the %1 dragged ones.").arg(count);
    }
    const int index = GetObjectIndex(row);
    if (move)
        return index >= 0 ? tr("Drop to move the %1 patches before number %2.").arg(count).arg(index + 1)
                          : tr("Drop to move the %1 patches to the end.").arg(count);
    return index >= 0 ? tr("Drop to insert the %1 dragged patches before number %2.").arg(count).arg(index + 1)
                      : tr("Drop to add the %1 dragged patches at the end.").arg(count);
}

void CParameterListCtrl::ShowDropHint(const QString& hint) {
    if (hint == dropHint_)
        return;
    dropHint_ = hint;
    // Status tips travel up to the main window, which shows them.
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(this, &tip);
}

void CParameterListCtrl::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    SetDropIndicator(-1, 0);
    ShowDropHint(QString());
    if (!AcceptPatchDrag(*event))
        return;
    std::shared_ptr<CParameterArray> patches = CreateArray();
    CPatchDrop drop;
    const bool readable = ReadPatchMimeData(*event->mimeData(), *patches, drop.origin);
    drop.row = DropRowAt(event->position().toPoint());
    drop.fromThisList = dragging_;
    drop.move = event->dropAction() == Qt::MoveAction;
    if (drop.fromThisList)
        drop.draggedIndexes = draggingIndexes_;
    if (!readable)
        event->ignore();
    // The change and any message wait until the drag has ended: a message
    // box must not hold up the desktop's drag.
    QMetaObject::invokeMethod(
        this,
        [this, drop = std::move(drop), patches, readable]() mutable {
            FinishDrop(std::move(drop), patches, readable);
        },
        Qt::QueuedConnection);
}

void CParameterListCtrl::FinishDrop(CPatchDrop drop, std::shared_ptr<CParameterArray> patches, bool readable) {
    if (!readable) {
        ShowMessage(kMsgDropUnreadable);
        return;
    }
    // Memos are kept in the code page of the language, which a drag from a
    // program running in the other language does not share.
    if (!ConvertMemoCodePage(*patches, drop.origin.codePage, MemoCodePage())) {
        ShowMessage(kMsgDropMemoCodePage);
        return;
    }
    drop.patches = std::move(patches);
    // The window dropped on becomes the active one, so that its Undo is the
    // one at hand.
    setFocus(Qt::OtherFocusReason);
    if (dropTarget_)
        dropTarget_->DropPatches(drop);
}

void CParameterListCtrl::SetDropIndicator(int row, int count) {
    if (row == dropIndicatorRow_ && count == dropIndicatorCount_)
        return;
    dropIndicatorRow_ = row;
    dropIndicatorCount_ = count;
    viewport()->update();
}

void CParameterListCtrl::paintEvent(QPaintEvent* event) {
    GP::CEditListCtrl::paintEvent(event);
    if (dropIndicatorRow_ < 0)
        return;
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    const int right = viewport()->width() - 1;
    if (endRow_) {
        // A file: the patches go in between two rows.
        const int row = std::min(dropIndicatorRow_, GetItemCount() - 1);
        if (row < 0)
            return;
        const int top = rowViewportPosition(row);
        const int y = dropIndicatorRow_ < GetItemCount() ? top + 1 : top + rowHeight(row) - 1;
        painter.drawLine(0, y, right, y);
        return;
    }
    // An area: the rows that would be overwritten; dashed when the patches
    // do not all fit from there.
    const int wanted = dropIndicatorRow_ + std::max(dropIndicatorCount_, 1);
    const int last = std::min(wanted, GetItemCount()) - 1;
    if (last < dropIndicatorRow_)
        return;
    if (wanted > GetItemCount()) {
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
    }
    const int top = rowViewportPosition(dropIndicatorRow_);
    const int bottom = rowViewportPosition(last) + rowHeight(last);
    painter.drawRect(QRect(1, top + 1, right - 2, bottom - top - 2));
}
