#pragma once
// The table model behind the edit list: it holds no data and asks the list
// for each cell's text and each header's text when the view draws them.
#include <QAbstractTableModel>

namespace GP {

class CEditListCtrl;

class CEditListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CEditListModel(const CEditListCtrl& list);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list changed its rows or columns: begin/end pairs around the change.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void BeginInsertColumn(int index) { beginInsertColumns(QModelIndex(), index, index); }
    void EndInsertColumn() { endInsertColumns(); }
    void BeginRemoveColumn(int index) { beginRemoveColumns(QModelIndex(), index, index); }
    void EndRemoveColumn() { endRemoveColumns(); }
    void RowsChanged(int first, int last);
    void HeaderChanged(int column);

private:
    const CEditListCtrl& list_;
};

} // namespace GP
