#include "toolkit/qt/EditListModel.h"

#include "toolkit/qt/EditListCtrl.h"

namespace GP {

CEditListModel::CEditListModel(const CEditListCtrl& list) : list_(list) {}

int CEditListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.GetItemCount(); }

int CEditListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.GetColumnCount();
}

QVariant CEditListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return list_.GetCellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ToQtAlignment(list_.GetColumnFlags(index.column())));
    case Qt::ToolTipRole: {
        const QString tip = list_.GetRowLook(index.row()).tip;
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
        return {};
    }
}

QVariant CEditListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= list_.GetColumnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return section == list_.GetCurrentColumn() ? QStringLiteral("*") + list_.GetColumnText(section)
                                                   : list_.GetColumnText(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ToQtAlignment(list_.GetColumnFlags(section)));
    default:
        return {};
    }
}

void CEditListModel::RowsChanged(int first, int last) {
    if (first > last || list_.GetColumnCount() == 0)
        return;
    emit dataChanged(index(first, 0), index(last, list_.GetColumnCount() - 1), {Qt::DisplayRole});
}

void CEditListModel::HeaderChanged(int column) {
    if (column >= 0 && column < list_.GetColumnCount())
        emit headerDataChanged(Qt::Horizontal, column, column);
}

} // namespace GP
