#include "toolkit/qt/PopupEdit.h"

#include "toolkit/qt/SELVColumn.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

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
    if (text != this->text())
        setText(text);
}

void CPopupEdit::SetLimits(int maxLength, bool asciiOnly) {
    limit_ = std::max(maxLength, 0);
    if (limit_ > 0) {
        setMaxLength(limit_);
        // Room for the count at the right edge.
        const QString widest = QString::number(limit_);
        setTextMargins(0, 0, fontMetrics().horizontalAdvance(widest) + 4, 0);
    }
    if (asciiOnly)
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), this));
    Widen();
}

int CPopupEdit::CharactersLeft() const {
    return limit_ > 0 ? std::max<int>(limit_ - static_cast<int>(text().size()), 0) : -1;
}

void CPopupEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (limit_ <= 0)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect().adjusted(0, 0, -3, 0), static_cast<int>(Qt::AlignRight | Qt::AlignVCenter),
                     QString::number(CharactersLeft()));
}

int CPopupEdit::RunModal(const QRect& rect, QWidget* parent) { return RunModalLoop(*this, rect, parent); }

void CPopupEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (IsModal()) {
            if (!validator_ || validator_(text()))
                EndModal(kReturnEnter);
        } else {
            emit popupReturn(kReturnEnter);
        }
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        if (!EndModal(kReturnEscape))
            emit popupReturn(kReturnEscape);
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
    if (width == this->width())
        return;
    if (alignment_ == SELVColumn::kAlignRight)
        setGeometry(cell.right() + 1 - width, cell.top(), width, cell.height());
    else
        setGeometry(cell.left(), cell.top(), width, cell.height());
}

} // namespace GP
