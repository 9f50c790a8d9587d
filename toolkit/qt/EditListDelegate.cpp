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

    painter->save();
    painter->fillRect(rect, selected ? palette.color(QPalette::Active, QPalette::Highlight)
                                     : palette.color(QPalette::Base));
    QColor textColor = selected ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                : palette.color(QPalette::Text);
    if (!enabled) {
        textColor = QColor(0x80, 0x80, 0x80);
        if (textColor == palette.color(QPalette::Base)) textColor = QColor(0xC0, 0xC0, 0xC0);
    }
    painter->setPen(textColor);
    painter->setFont(option.font);

    const QFontMetrics metrics(option.font);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    bool elided = false;
    const QString text = CEditListCtrl::ElideCellText(metrics, list_.GetCellText(index.row(), index.column()),
                                                      rect.width(), &elided);
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
