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
    const auto acceptable = [this] { return !validator_ || validator_(text()); };
    if (!TakeReturnKey(*event, acceptable, [this](int code) { emit popupReturn(code); }))
        QLineEdit::keyPressEvent(event);
}

void CPopupEdit::Widen() { WidenOverCell(*this, alignment_ == SELVColumn::kAlignRight); }

} // namespace GP
