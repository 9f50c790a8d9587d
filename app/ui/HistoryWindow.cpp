#include "app/ui/HistoryWindow.h"

#include "data/ParameterAddress.h"
#include "library/PatchCompare.h"
#include "views/ProvenanceText.h"

#include <QBrush>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

constexpr int kStateIdRole = Qt::UserRole + 1;

QString AreaText(int area) { return QString::fromStdString(CParameterAddress().AreaName(area)); }

QString NameText(const CPatch& patch) { return QString::fromLatin1(patch.GetName()); }

} // namespace

QString HistoryTimeText(std::int64_t secondsSinceEpoch) { return UnitTimeText(secondsSinceEpoch); }

QColor HistoryMarkColor() { return ChangedOnUnitColor(); }

QString UnitEventText(EUnitEvent event, EVerify verify) {
    switch (event) {
    case EUnitEvent::kRead:
        return CHistoryWindow::tr("Read");
    case EUnitEvent::kBeforeWrite:
        return CHistoryWindow::tr("Before a write");
    case EUnitEvent::kWritten:
        return verify == EVerify::kPassed   ? CHistoryWindow::tr("Written, verified")
               : verify == EVerify::kFailed ? CHistoryWindow::tr("Written, verify failed")
                                            : CHistoryWindow::tr("Written");
    }
    return QString();
}

QString DifferenceLabel(EPatchDifference difference) {
    switch (difference) {
    case EPatchDifference::kName:
        return CHistoryWindow::tr("name");
    case EPatchDifference::kSound:
        return CHistoryWindow::tr("sound");
    case EPatchDifference::kNameSound:
        return CHistoryWindow::tr("name and sound");
    case EPatchDifference::kMemo:
        return CHistoryWindow::tr("memo");
    case EPatchDifference::kSame:
        break;
    }
    return QString();
}

CHistoryWindow::CHistoryWindow(CLibrary& library, CHistoryActions actions, QWidget* parent)
    : QDialog(parent), library_(library), actions_(std::move(actions)) {
    setWindowTitle(tr("History"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    area_.addItem(tr("All areas"), 0);
    for (int area = 1; area <= kAreaCount; ++area)
        area_.addItem(AreaText(area), area);
    connect(&area_, &QComboBox::currentIndexChanged, this, [this] { Refill(); });

    states_.setColumnCount(4);
    states_.setHeaderLabels({tr("Time"), tr("Area"), tr("What happened"), tr("Changed")});
    states_.setRootIsDecorated(false);
    states_.setUniformRowHeights(true);
    states_.setSelectionMode(QAbstractItemView::SingleSelection);
    states_.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    states_.headerItem()->setToolTip(3, tr("Patches changed since the area's state before"));
    connect(&states_, &QTreeWidget::currentItemChanged, this, [this] { OnStateChosen(); });

    patches_.setColumnCount(4);
    patches_.setHeaderLabels({tr("No."), tr("In this state"), tr("In the main window"), tr("Differs in")});
    patches_.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(&patches_, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    restoreArea_ = buttons->addButton(tr("Restore &Area..."), QDialogButtonBox::ActionRole);
    restoreSelected_ = buttons->addButton(tr("Restore &Selected..."), QDialogButtonBox::ActionRole);
    copy_ = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    restoreArea_->setToolTip(tr("Write every patch of this state back to its area of the ZM-47"));
    restoreSelected_->setToolTip(tr("Write the selected patches of this state back to the ZM-47"));
    copy_->setToolTip(
        tr("Copy the selected patches to the patch clipboard; they can also be dragged into a file window"));
    connect(restoreArea_, &QPushButton::clicked, this, [this] { RestoreArea(); });
    connect(restoreSelected_, &QPushButton::clicked, this, [this] { RestoreSelected(); });
    connect(copy_, &QPushButton::clicked, this, [this] { CopyPatches(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(&area_);
    leftLayout->addWidget(&states_);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    caption_.setWordWrap(true);
    rightLayout->addWidget(&caption_);
    rightLayout->addWidget(&patches_);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(buttons);
    resize(1060, 560);
    splitter->setSizes({520, 540});
    Refill();
    // The newest state is chosen to begin with.
    if (!state_ && states_.topLevelItemCount() > 0)
        states_.setCurrentItem(states_.topLevelItem(0));
}

void CHistoryWindow::ShowArea(int area) {
    const int at = area_.findData(area);
    if (at >= 0)
        area_.setCurrentIndex(at);
}

void CHistoryWindow::Refill() {
    const LibraryId chosen = state_ ? state_->info.id : 0;
    states_.clear();
    for (const CStateInfo& info : library_.History(area_.currentData().toInt())) {
        const QString changed = info.changed ? QString::number(*info.changed) : QStringLiteral("–");
        auto* item = new QTreeWidgetItem(&states_, {HistoryTimeText(info.time), AreaText(info.area),
                                                    UnitEventText(info.event, info.verify), changed});
        item->setData(0, kStateIdRole, QVariant::fromValue<qlonglong>(info.id));
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!ChooseState(chosen)) {
        state_.reset();
        ShowPatches();
    }
}

bool CHistoryWindow::ChooseState(LibraryId id) {
    for (int row = 0; row < states_.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = states_.topLevelItem(row);
        if (item->data(0, kStateIdRole).toLongLong() == id && id != 0) {
            states_.setCurrentItem(item);
            OnStateChosen();
            return true;
        }
    }
    return false;
}

void CHistoryWindow::OnStateChosen() {
    QTreeWidgetItem* item = states_.currentItem();
    const LibraryId id = item ? item->data(0, kStateIdRole).toLongLong() : 0;
    if (state_ && state_->info.id == id)
        return;
    state_ = id != 0 ? library_.State(id) : std::nullopt;
    ShowPatches();
}

EPatchDifference CHistoryWindow::DifferenceAt(int slot) const {
    if (!state_ || slot < 0 || static_cast<std::size_t>(slot) >= state_->patches.size() || !state_->patches[slot])
        return EPatchDifference::kSame;
    const CParameterArray* main = actions_.mainPatches ? actions_.mainPatches(state_->info.area) : nullptr;
    const CPatch* now = main ? AsPatch(main->At(static_cast<std::size_t>(slot))) : nullptr;
    return now ? ComparePatches(*state_->patches[slot], *now) : EPatchDifference::kSame;
}

void CHistoryWindow::ShowPatches() {
    patches_.ClearPatches();
    slots_.clear();
    differences_.clear();
    if (!state_) {
        caption_.setText(tr("Choose a state to see its patches beside the main window's."));
        UpdateButtons();
        return;
    }
    const int area = state_->info.area;
    patches_.SetOriginArea(area);
    const CParameterArray* main = actions_.mainPatches ? actions_.mainPatches(area) : nullptr;
    int differing = 0;
    for (std::size_t slot = 0; slot < state_->patches.size(); ++slot) {
        if (!state_->patches[slot])
            continue;
        const CPatch& patch = *state_->patches[slot];
        const CPatch* now = main ? AsPatch(main->At(slot)) : nullptr;
        const EPatchDifference difference = DifferenceAt(static_cast<int>(slot));
        QTreeWidgetItem* item =
            patches_.AddPatchRow(patch, {QString::number(slot + 1), NameText(patch), now ? NameText(*now) : QString(),
                                         DifferenceLabel(difference)});
        slots_.push_back(static_cast<int>(slot));
        differences_.push_back(difference);
        if (difference != EPatchDifference::kSame) {
            ++differing;
            for (int column = 0; column < 4; ++column)
                item->setForeground(column, QBrush(HistoryMarkColor()));
        }
    }
    caption_.setText(tr("%1, %2 (%3): %4 patches, %5 differ from the main window.")
                         .arg(AreaText(area), HistoryTimeText(state_->info.time),
                              UnitEventText(state_->info.event, state_->info.verify))
                         .arg(slots_.size())
                         .arg(differing));
    UpdateButtons();
}

void CHistoryWindow::UpdateButtons() {
    const bool chosen = state_ && !slots_.empty();
    const bool selected = chosen && !patches_.SelectedPatchIndexes().empty();
    restoreArea_->setEnabled(chosen && static_cast<bool>(actions_.restore));
    restoreSelected_->setEnabled(selected && static_cast<bool>(actions_.restore));
    copy_->setEnabled(chosen && static_cast<bool>(actions_.copy));
}

std::vector<int> CHistoryWindow::Slots(bool selectedOnly) const {
    if (!selectedOnly)
        return slots_;
    std::vector<int> chosen;
    for (int index : patches_.SelectedPatchIndexes())
        chosen.push_back(slots_[static_cast<std::size_t>(index)]);
    return chosen;
}

bool CHistoryWindow::Restore(const std::vector<int>& chosen) {
    if (!state_ || chosen.empty() || !actions_.restore)
        return false;
    // The state's patches at their slots; the write takes only the listed.
    CConcreteParameterArray<CPatch> patches;
    patches.Resize(state_->patches.size());
    for (int slot : chosen)
        if (const auto& patch = state_->patches[static_cast<std::size_t>(slot)])
            *AsPatch(patches.At(static_cast<std::size_t>(slot))) = *patch;
    const bool written = actions_.restore(state_->info.area, chosen, patches, HistoryTimeText(state_->info.time));
    // The write is a new state; the marks follow the main window.
    const LibraryId restored = state_->info.id;
    state_.reset();
    Refill();
    ChooseState(restored);
    return written;
}

bool CHistoryWindow::RestoreArea() { return Restore(Slots(false)); }

bool CHistoryWindow::RestoreSelected() { return Restore(Slots(true)); }

bool CHistoryWindow::CopyPatches() {
    if (!state_ || !actions_.copy)
        return false;
    std::vector<int> indexes = patches_.SelectedPatchIndexes();
    if (indexes.empty())
        for (std::size_t i = 0; i < patches_.Patches().Size(); ++i)
            indexes.push_back(static_cast<int>(i));
    CConcreteParameterArray<CPatch> copies;
    for (int index : indexes)
        copies.Append(patches_.Patches().At(static_cast<std::size_t>(index))->Clone());
    if (copies.Empty())
        return false;
    actions_.copy(copies);
    return true;
}

CSlotHistoryDialog::CSlotHistoryDialog(CLibrary& library, int area, int index, QWidget* parent) : QDialog(parent) {
    const QString slot = QStringLiteral("%1 %2").arg(AreaText(area)).arg(index + 1);
    setWindowTitle(tr("History of %1").arg(slot));
    setAttribute(Qt::WA_DeleteOnClose);
    patches_.setColumnCount(3);
    patches_.setHeaderLabels({tr("Name"), tr("First seen"), tr("Last seen")});
    patches_.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    patches_.SetOriginArea(area);
    const std::vector<CSlotPatch> history = library.SlotHistory(area, index);
    for (const CSlotPatch& held : history)
        patches_.AddPatchRow(held.patch,
                             {NameText(held.patch), HistoryTimeText(held.firstSeen), HistoryTimeText(held.lastSeen)});
    auto* summary = new QLabel(history.empty() ? tr("The library has seen no patch in %1.").arg(slot)
                                               : tr("%1 has held %2 different patches, oldest first. Drag them into "
                                                    "a file window to keep them.")
                                                     .arg(slot)
                                                     .arg(history.size()),
                               this);
    summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(&patches_);
    layout->addWidget(buttons);
    resize(480, 320);
}
