#pragma once
// Edit - Find Duplicates: the patches of a window that have the same sound
// (data bytes 0 to 95), whatever their names or places, in groups. Choosing
// a group or a patch selects its rows in the window's list.
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

#include <functional>
#include <vector>

class CParameterListCtrl;

class CDuplicatesDialog : public QDialog {
    Q_OBJECT
public:
    // What a patch is called where it is: "MEMORY 4" in the main window,
    // "#7" in a file window.
    using PlaceName = std::function<QString(int index)>;

    // The list (not owned) stays the dialog's source until it is gone.
    CDuplicatesDialog(CParameterListCtrl& list, PlaceName place, QWidget* parent = nullptr);

    // Searches the list's array again.
    void Refill();
    // The groups shown, each the indexes of its patches.
    const std::vector<std::vector<int>>& Groups() const { return groups_; }
    QTreeWidget& Tree() { return tree_; }
    // Selects the rows of these patches in the list, and only those.
    void SelectInList(const std::vector<int>& indexes);

private:
    void OnCurrentChanged(QTreeWidgetItem* item);

    QPointer<CParameterListCtrl> list_;
    PlaceName place_;
    QLabel summary_;
    QTreeWidget tree_;
    std::vector<std::vector<int>> groups_;
};
