#include "toolkit/qt/PopupSpinEdit.h"

#include <QKeyEvent>

#include <algorithm>

namespace GP {

CPopupSpinEdit::CPopupSpinEdit(const QRect& cellRect, const SELVColumn& column, double value, std::intptr_t userValue,
                               QWidget* parent)
    : CSpinEdit(parent), IPopup(kKindSpinEdit, cellRect, userValue) {
    SetRange(column.min, column.max);
    SetInteger(column.IsInteger());
    SetRadix(column.Radix());
    SetDecimals(column.decimals);
    SetFormatFlags(column.formatFlags);
    SetValue(value);
    SetStepExponent(column.stepExponent);
    setAlignment(ToQtAlignment(column.Alignment()));
    setGeometry(cellRect);
    connect(this, &QLineEdit::textChanged, this, [this] {
        SetModified(true);
        Widen();
        emit popupChanged();
    });
}

void CPopupSpinEdit::SetText(const QString& text) {
    if (text != this->text())
        setText(text);
}

int CPopupSpinEdit::RunModal(const QRect& rect, QWidget* parent) { return RunModalLoop(*this, rect, parent); }

void CPopupSpinEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (IsModal()) {
            double value = 0.0;
            if (GetValue(&value) && (!validator_ || validator_(value)))
                EndModal(kReturnEnter);
        } else {
            emit popupReturn(kReturnEnter);
        }
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        EndSpin();
        if (!EndModal(kReturnEscape))
            emit popupReturn(kReturnEscape);
        return;
    }
    CSpinEdit::keyPressEvent(event);
}

void CPopupSpinEdit::Widen() {
    // Spin edits grow to the left, keeping their right edge on the cell's.
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = textMargins();
    const QRect cell = GetCellRect();
    const int wanted = metrics.horizontalAdvance(text()) + margins.left() + margins.right() + metrics.maxWidth() + 4;
    const int width = std::max(wanted, cell.width());
    if (width != this->width())
        setGeometry(cell.right() + 1 - width, cell.top(), width, cell.height());
}

} // namespace GP
