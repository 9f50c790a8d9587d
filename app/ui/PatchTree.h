#pragma once
// A list of patches that are not a window's document (a state of the unit's
// history, a slot's past patches, what Find found): each row stands for one
// patch it holds a copy of, and the selected rows can be dragged into a
// librarian file window or the main window like rows of a patch list.
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <QTreeWidget>

#include <vector>

class CPatchTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CPatchTree(QWidget* parent = nullptr);

    // Empties the list and the patches.
    void ClearPatches();
    // Adds a top-level row showing texts for a copy of patch; the row's
    // patch index.
    QTreeWidgetItem* AddPatchRow(const CPatch& patch, const QStringList& texts);
    // A row without a patch (a heading or a place), under parent or at the
    // top.
    QTreeWidgetItem* AddTextRow(const QStringList& texts, QTreeWidgetItem* parent = nullptr);

    // The patch a row stands for (a row without one: its parent's), or
    // nullptr.
    const CPatch* PatchOf(const QTreeWidgetItem* item) const;
    // The index of that patch in Patches(), or -1.
    int PatchIndexOf(const QTreeWidgetItem* item) const;
    // The patches of the selected rows in row order, each once.
    std::vector<int> SelectedPatchIndexes() const;
    const CParameterArray& Patches() const { return patches_; }
    // The area the patches come from (0 for files and mixed places), told
    // to the window they are dropped on.
    void SetOriginArea(int area) { originArea_ = area; }

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;

private:
    CConcreteParameterArray<CPatch> patches_;
    int originArea_ = 0;
};
