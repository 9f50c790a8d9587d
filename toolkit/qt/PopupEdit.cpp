#include "toolkit/qt/PopupEdit.h"

#include "toolkit/qt/SELVColumn.h"

#include <QKeyEvent>

#include <algorithm>

namespace GP {

CPopupEdit::CPopupEdit(const QRect& cellRect, int alignment, std::intptr_t userValue, QWidget* parent)
    : QLineEdit(parent), IPopup(kKindEdit, cellRect, userValue), alignment_(alignment & SELVColumn::kAlignMask) {
    setAlignment(ToQtAlignment(alignment_));
    setGeometry(cellRect);
    connect(this, &QLineEdit::textChanged, this, [this] {
        SetModified(true);
        Widen();
        emit popupChanged();
    });
}

void CPopupEdit::SetText(const QString& text) {
    if (text != this->text()) setText(text);
}

int CPopupEdit::RunModal(const QRect& rect, QWidget* parent) { return RunModalLoop(*this, rect, parent); }

void CPopupEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (IsModal()) {
            if (!validator_ || validator_(text())) EndModal(kReturnEnter);
        } else {
            emit popupReturn(kReturnEnter);
        }
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        if (!EndModal(kReturnEscape)) emit popupReturn(kReturnEscape);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CPopupEdit::Widen() {
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = textMargins();
    const QRect cell = GetCellRect();
    const int wanted = metrics.horizontalAdvance(text()) + margins.left() + margins.right() + metrics.maxWidth() + 4;
    const int width = std::max(wanted, cell.width());
    if (width == this->width()) return;
    if (alignment_ == SELVColumn::kAlignRight)
        setGeometry(cell.right() + 1 - width, cell.top(), width, cell.height());
    else
        setGeometry(cell.left(), cell.top(), width, cell.height());
}

} // namespace GP
