#include "app/ui/PatchTree.h"

#include "views/ParameterListCtrl.h"
#include "views/PatchDrop.h"

#include <QMimeData>

#include <algorithm>

namespace {

constexpr int kPatchRole = Qt::UserRole + 20;

} // namespace

CPatchTree::CPatchTree(QWidget* parent) : QTreeWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
}

void CPatchTree::ClearPatches() {
    clear();
    patches_.Clear();
}

QTreeWidgetItem* CPatchTree::AddPatchRow(const CPatch& patch, const QStringList& texts) {
    patches_.Append(patch.Clone());
    auto* item = new QTreeWidgetItem(this, texts);
    item->setData(0, kPatchRole, static_cast<int>(patches_.Size()) - 1);
    return item;
}

QTreeWidgetItem* CPatchTree::AddTextRow(const QStringList& texts, QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent, texts) : new QTreeWidgetItem(this, texts);
    item->setData(0, kPatchRole, -1);
    return item;
}

int CPatchTree::PatchIndexOf(const QTreeWidgetItem* item) const {
    for (; item; item = item->parent()) {
        bool ok = false;
        const int index = item->data(0, kPatchRole).toInt(&ok);
        if (ok && index >= 0 && static_cast<std::size_t>(index) < patches_.Size())
            return index;
    }
    return -1;
}

const CPatch* CPatchTree::PatchOf(const QTreeWidgetItem* item) const {
    const int index = PatchIndexOf(item);
    return index < 0 ? nullptr : AsPatch(patches_.At(static_cast<std::size_t>(index)));
}

std::vector<int> CPatchTree::SelectedPatchIndexes() const {
    std::vector<int> indexes;
    // Row order, not the order of selecting.
    for (QTreeWidgetItemIterator it(const_cast<CPatchTree*>(this)); *it; ++it) {
        if (!(*it)->isSelected())
            continue;
        const int index = PatchIndexOf(*it);
        if (index >= 0 && std::find(indexes.begin(), indexes.end(), index) == indexes.end())
            indexes.push_back(index);
    }
    return indexes;
}

QStringList CPatchTree::mimeTypes() const { return {QString::fromLatin1(kPatchMimeType)}; }

QMimeData* CPatchTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    std::vector<int> indexes;
    for (const QTreeWidgetItem* item : items) {
        const int index = PatchIndexOf(item);
        if (index >= 0 && std::find(indexes.begin(), indexes.end(), index) == indexes.end())
            indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    CPatchDragOrigin origin;
    origin.area = originArea_;
    origin.codePage = CParameterListCtrl::MemoCodePage();
    return MakePatchMimeData(patches_, indexes, origin).release();
}
