#include "app/ui/DuplicatesDialog.h"

#include "data/ParameterArray.h"
#include "data/Patch.h"
#include "library/PatchCompare.h"
#include "views/ParameterListCtrl.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIndexesRole = Qt::UserRole + 1;

QString NameOf(const CParameterArray& array, int index) {
    const CPatch* patch = AsPatch(array.At(static_cast<std::size_t>(index)));
    return patch ? QString::fromLatin1(patch->GetName()) : QString();
}

} // namespace

CDuplicatesDialog::CDuplicatesDialog(CParameterListCtrl& list, PlaceName place, QWidget* parent)
    : QDialog(parent), list_(&list), place_(std::move(place)) {
    setWindowTitle(tr("Find Duplicates"));
    setAttribute(Qt::WA_DeleteOnClose);
    tree_.setColumnCount(2);
    tree_.setHeaderLabels({tr("Where"), tr("Name")});
    tree_.setRootIsDecorated(true);
    tree_.setUniformRowHeights(true);
    tree_.header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* again = buttons->addButton(tr("Search &Again"), QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &CDuplicatesDialog::Refill);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(&tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { OnCurrentChanged(item); });
    auto* layout = new QVBoxLayout(this);
    summary_.setWordWrap(true);
    layout->addWidget(&summary_);
    layout->addWidget(&tree_);
    layout->addWidget(buttons);
    resize(420, 360);
    Refill();
}

void CDuplicatesDialog::Refill() {
    tree_.clear();
    groups_.clear();
    const CParameterArray* array = list_ ? list_->GetArray() : nullptr;
    if (array)
        groups_ = SoundDuplicateGroups(*array);
    int patches = 0;
    for (const std::vector<int>& group : groups_) {
        patches += static_cast<int>(group.size());
        QStringList names;
        for (int index : group)
            if (!names.contains(NameOf(*array, index)))
                names << NameOf(*array, index);
        auto* top = new QTreeWidgetItem(
            &tree_, {tr("%1 patches with the same sound").arg(group.size()), names.join(QStringLiteral(", "))});
        top->setData(0, kIndexesRole, QVariant::fromValue(QList<int>(group.begin(), group.end())));
        for (int index : group) {
            auto* item =
                new QTreeWidgetItem(top, {place_ ? place_(index) : QString::number(index + 1), NameOf(*array, index)});
            item->setData(0, kIndexesRole, QVariant::fromValue(QList<int>{index}));
        }
        top->setExpanded(true);
    }
    summary_.setText(groups_.empty() ? tr("No two patches here have the same sound.")
                                     : tr("%1 groups, %2 patches: the same sound (data bytes 0 to 95), "
                                          "whatever the names. Choose one to select it in the list.")
                                           .arg(groups_.size())
                                           .arg(patches));
}

void CDuplicatesDialog::SelectInList(const std::vector<int>& indexes) {
    if (!list_)
        return;
    list_->SetAllSelected(false);
    int first = -1;
    for (int row = 0; row < list_->GetItemCount(); ++row) {
        const int index = list_->GetObjectIndex(row);
        if (index >= 0 && std::find(indexes.begin(), indexes.end(), index) != indexes.end()) {
            list_->SetRowSelected(row, true);
            if (first < 0)
                first = row;
        }
    }
    if (first >= 0) {
        list_->SetFocusedRow(first);
        list_->EnsureRowVisible(first);
    }
}

void CDuplicatesDialog::OnCurrentChanged(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QList<int> indexes = item->data(0, kIndexesRole).value<QList<int>>();
    SelectInList(std::vector<int>(indexes.begin(), indexes.end()));
}
