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
    if (event->key() == Qt::Key_Escape)
        EndSpin();
    const auto acceptable = [this] {
        double value = 0.0;
        return GetValue(&value) && (!validator_ || validator_(value));
    };
    if (!TakeReturnKey(*event, acceptable, [this](int code) { emit popupReturn(code); }))
        CSpinEdit::keyPressEvent(event);
}

// Spin edits grow to the left, keeping their right edge on the cell's.
void CPopupSpinEdit::Widen() { WidenOverCell(*this, true); }

} // namespace GP
