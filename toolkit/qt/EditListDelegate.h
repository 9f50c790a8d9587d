#pragma once
// Draws the edit list's cells: background, the text inset by one blank with
// the column's alignment, or cut with "..." when it does not fit.
#include <QStyledItemDelegate>

namespace GP {

class CEditListCtrl;

class CEditListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CEditListDelegate(CEditListCtrl& list);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CEditListCtrl& list_;
};

} // namespace GP
