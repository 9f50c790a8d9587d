#include "toolkit/qt/EditListDelegate.h"

#include "toolkit/qt/EditListCtrl.h"

#include <QHeaderView>
#include <QPainter>

namespace GP {

CEditListDelegate::CEditListDelegate(CEditListCtrl& list) : QStyledItemDelegate(&list), list_(list) {}

void CEditListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QPalette& palette = option.palette;
    const bool enabled = list_.isEnabled();
    const bool selected = enabled && list_.IsRowSelected(index.row());
    const QRect rect = option.rect;

    const CEditListCtrl::RowLook look = list_.GetRowLook(index.row());

    painter->save();
    QColor base = palette.color(QPalette::Base);
    if (look.mark.isValid()) {
        // A light tint of the mark's colour over the whole row.
        QColor tint = look.mark;
        tint.setAlpha(40);
        base = QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * tint.alphaF(),
                                base.greenF() + (tint.greenF() - base.greenF()) * tint.alphaF(),
                                base.blueF() + (tint.blueF() - base.blueF()) * tint.alphaF());
    }
    painter->fillRect(rect, selected ? palette.color(QPalette::Active, QPalette::Highlight) : base);
    QColor textColor =
        selected ? palette.color(QPalette::Active, QPalette::HighlightedText) : palette.color(QPalette::Text);
    if (look.dimmed && !selected) {
        // Halfway between the text and the background: styles differ in
        // whether their disabled text colour differs at all.
        const QColor text = palette.color(QPalette::Text);
        textColor = QColor::fromRgbF((text.redF() + base.redF()) / 2, (text.greenF() + base.greenF()) / 2,
                                     (text.blueF() + base.blueF()) / 2);
    }
    // The mark runs down the left edge of the row's first column.
    if (look.mark.isValid() && index.column() == list_.horizontalHeader()->logicalIndex(0))
        painter->fillRect(QRect(rect.left(), rect.top(), 4, rect.height()), look.mark);
    if (!enabled) {
        textColor = QColor(0x80, 0x80, 0x80);
        if (textColor == palette.color(QPalette::Base))
            textColor = QColor(0xC0, 0xC0, 0xC0);
    }
    painter->setPen(textColor);
    QFont font = option.font;
    if (look.strong)
        font.setBold(true);
    painter->setFont(font);

    const QFontMetrics metrics(font);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    bool elided = false;
    const QString text =
        CEditListCtrl::ElideCellText(metrics, list_.GetCellText(index.row(), index.column()), rect.width(), &elided);
    const Qt::Alignment alignment =
        elided ? (Qt::AlignLeft | Qt::AlignVCenter) : ToQtAlignment(list_.GetColumnFlags(index.column()));
    painter->drawText(rect.adjusted(blank, 0, -blank, 0), static_cast<int>(alignment | Qt::TextSingleLine), text);

    // The focus rectangle goes round the whole focused row.
    if (list_.hasFocus() && index.row() == list_.GetFocusedRow()) {
        QPen pen(textColor, 1, Qt::DotLine);
        painter->setPen(pen);
        const QRect inner = rect.adjusted(0, 0, -1, -1);
        painter->drawLine(inner.topLeft(), inner.topRight());
        painter->drawLine(inner.bottomLeft(), inner.bottomRight());
        if (index.column() == list_.horizontalHeader()->logicalIndex(0))
            painter->drawLine(inner.topLeft(), inner.bottomLeft());
        if (index.column() == list_.horizontalHeader()->logicalIndex(list_.GetColumnCount() - 1))
            painter->drawLine(inner.topRight(), inner.bottomRight());
    }
    painter->restore();
}

} // namespace GP
