#include "app/ui/FindWindow.h"

#include "app/ui/HistoryWindow.h"
#include "data/ParameterAddress.h"
#include "toolkit/core/CodePage.h"
#include "toolkit/qt/EditListText.h"
#include "views/ParameterListCtrl.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPlaceRole = Qt::UserRole + 2;
// Typing finds after this pause, so that a long library is not searched
// for every letter.
constexpr int kTypingPauseMs = 250;

QString AreaText(int area) { return QString::fromStdString(CParameterAddress().AreaName(area)); }

// The first memo that holds the text (else the first memo written). Memos
// are shown in the lists' code page; a memo that holds the text only when
// read in the other one (a Japanese memo in the English windows) is shown
// in that one.
QString MemoText(const CPatch& patch, const QString& text) {
    const int shown = CParameterListCtrl::MemoCodePage();
    const int other = shown == UL::kCodePageJapanese ? UL::kCodePageEnglish : UL::kCodePageJapanese;
    QString first;
    for (int number = 1; number <= CParameter::kMemoCount; ++number) {
        const std::string& bytes = patch.GetMemo(number);
        if (bytes.empty())
            continue;
        for (int codePage : {shown, other}) {
            const QString memo = GP::CellTextFromBytes(bytes, codePage);
            if (!text.isEmpty() && memo.contains(text, Qt::CaseInsensitive))
                return memo;
        }
        if (first.isEmpty())
            first = GP::CellTextFromBytes(bytes, shown);
    }
    return first;
}

// The unit's slots now first, then files, then slots of the past, newest
// first.
int PlaceRank(const CPlace& place) {
    if (place.kind == CPlace::Kind::kUnit)
        return place.now ? 0 : 2;
    return 1;
}

} // namespace

QString PlaceLabel(const CPlace& place) {
    if (place.kind == CPlace::Kind::kFile)
        return CFindWindow::tr("%1, No. %2").arg(QString::fromStdString(place.path.string())).arg(place.number);
    const QString slot = QStringLiteral("%1 %2").arg(AreaText(place.area)).arg(place.index + 1);
    if (place.now)
        return CFindWindow::tr("%1 on the ZM-47 now").arg(slot);
    return CFindWindow::tr("%1 on the ZM-47, last seen %2").arg(slot, HistoryTimeText(place.time));
}

bool CanShowPlace(const CPlace& place) { return place.kind == CPlace::Kind::kFile || place.now; }

CFindWindow::CFindWindow(CLibrary& library, CFindActions actions, QWidget* parent)
    : QDialog(parent), library_(library), actions_(std::move(actions)) {
    setWindowTitle(tr("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* label = new QLabel(tr("&Name or memo contains:"), this);
    label->setBuddy(&text_);
    text_.setClearButtonEnabled(true);
    text_.setPlaceholderText(tr("Text to find, in any case"));
    pause_.setSingleShot(true);
    pause_.setInterval(kTypingPauseMs);
    connect(&pause_, &QTimer::timeout, this, &CFindWindow::Find);
    connect(&text_, &QLineEdit::textEdited, this, [this] { pause_.start(); });
    connect(&text_, &QLineEdit::returnPressed, this, &CFindWindow::Find);

    results_.setColumnCount(3);
    results_.setRootIsDecorated(true);
    results_.setHeaderLabels({tr("Name"), tr("Memo"), tr("Where")});
    results_.header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    results_.header()->setSectionResizeMode(1, QHeaderView::Interactive);
    results_.header()->setStretchLastSection(true);
    results_.setColumnWidth(1, 220);
    connect(&results_, &QTreeWidget::currentItemChanged, this, [this] { UpdateButtons(); });
    // A patch row previews, as a double-click on a list row does; a place
    // row shows the patch there.
    connect(&results_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->parent())
            ShowCurrent();
        else
            PreviewCurrent();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    preview_ = buttons->addButton(tr("&Preview"), QDialogButtonBox::ActionRole);
    show_ = buttons->addButton(tr("&Show Where It Is"), QDialogButtonBox::ActionRole);
    preview_->setToolTip(tr("Send the patch to the temporary patch of the ZM-47 to hear it"));
    show_->setToolTip(tr("Open the file with the patch selected, or select its slot in the main window"));
    // Enter in the text field finds; it must not press a button.
    preview_->setAutoDefault(false);
    show_->setAutoDefault(false);
    connect(preview_, &QPushButton::clicked, this, [this] { PreviewCurrent(); });
    connect(show_, &QPushButton::clicked, this, [this] { ShowCurrent(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(&text_, 1);
    summary_.setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(&summary_);
    layout->addWidget(&results_, 1);
    layout->addWidget(buttons);
    resize(760, 460);
    summary_.setText(tr("Type part of a name or memo. Found patches can be dragged into a file window."));
    UpdateButtons();
}

void CFindWindow::FindText(const QString& text) {
    text_.setText(text);
    Find();
}

void CFindWindow::Find() {
    pause_.stop();
    results_.ClearPatches();
    places_.clear();
    const QString text = text_.text().trimmed();
    if (text.isEmpty()) {
        summary_.setText(tr("Type part of a name or memo. Found patches can be dragged into a file window."));
        UpdateButtons();
        return;
    }
    std::vector<CFoundPatch> found = library_.Find(text.toStdString(), kMaxResults + 1);
    const bool more = found.size() > static_cast<std::size_t>(kMaxResults);
    if (more)
        found.resize(kMaxResults);
    for (CFoundPatch& patch : found) {
        std::stable_sort(patch.places.begin(), patch.places.end(), [](const CPlace& a, const CPlace& b) {
            if (PlaceRank(a) != PlaceRank(b))
                return PlaceRank(a) < PlaceRank(b);
            return PlaceRank(a) == 2 && a.time > b.time;
        });
        const QString where =
            patch.places.empty() ? QString()
            : patch.places.size() == 1
                ? PlaceLabel(patch.places.front())
                : tr("%1, and %2 more places").arg(PlaceLabel(patch.places.front())).arg(patch.places.size() - 1);
        QTreeWidgetItem* item = results_.AddPatchRow(
            patch.patch, {QString::fromLatin1(patch.patch.GetName()), MemoText(patch.patch, text), where});
        // A patch in more than one place lists them under its row.
        for (std::size_t at = 0; patch.places.size() > 1 && at < patch.places.size(); ++at) {
            QTreeWidgetItem* place = results_.AddTextRow({QString(), QString(), PlaceLabel(patch.places[at])}, item);
            place->setData(0, kPlaceRole, static_cast<int>(at));
        }
        places_.push_back(std::move(patch.places));
    }
    if (found.empty())
        summary_.setText(tr("No patch of the library holds \"%1\" in its name or memos.").arg(text));
    else if (more)
        summary_.setText(
            tr("The first %1 patches that hold \"%2\"; type more to narrow the search.").arg(kMaxResults).arg(text));
    else
        summary_.setText(tr("Patches that hold \"%1\": %2. Drag them into a file window to keep them.")
                             .arg(text)
                             .arg(found.size()));
    if (results_.topLevelItemCount() > 0)
        results_.setCurrentItem(results_.topLevelItem(0));
    UpdateButtons();
}

const CPlace* CFindWindow::PlaceOf(const QTreeWidgetItem* item) const {
    const int index = results_.PatchIndexOf(item);
    if (index < 0 || static_cast<std::size_t>(index) >= places_.size())
        return nullptr;
    const std::vector<CPlace>& places = places_[static_cast<std::size_t>(index)];
    if (item->parent()) {
        const int at = item->data(0, kPlaceRole).toInt();
        return at >= 0 && static_cast<std::size_t>(at) < places.size() && CanShowPlace(places[at]) ? &places[at]
                                                                                                   : nullptr;
    }
    const auto shown = std::find_if(places.begin(), places.end(), CanShowPlace);
    return shown != places.end() ? &*shown : nullptr;
}

void CFindWindow::UpdateButtons() {
    const QTreeWidgetItem* item = results_.currentItem();
    preview_->setEnabled(item && results_.PatchOf(item) && static_cast<bool>(actions_.preview));
    show_->setEnabled(item && PlaceOf(item) && static_cast<bool>(actions_.show));
}

bool CFindWindow::PreviewCurrent() {
    const CPatch* patch = results_.PatchOf(results_.currentItem());
    return patch && actions_.preview && actions_.preview(*patch);
}

bool CFindWindow::ShowCurrent() {
    const QTreeWidgetItem* item = results_.currentItem();
    const CPatch* patch = results_.PatchOf(item);
    const CPlace* place = item ? PlaceOf(item) : nullptr;
    return patch && place && actions_.show && actions_.show(*place, *patch);
}
