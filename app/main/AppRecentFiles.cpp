#include "app/main/AppRecentFiles.h"

#include "app/docman/DocMan.h"
#include "toolkit/profile/Profile.h"

#include <QFileInfo>
#include <QMenu>

namespace {

std::string EntryPath(int index) { return "Recent File List/File" + std::to_string(index + 1); }

} // namespace

CAppRecentFiles::CAppRecentFiles(GT::IProfile& profile) : profile_(profile) {}

CAppRecentFiles::~CAppRecentFiles() = default;

void CAppRecentFiles::Load() {
    paths_.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = QString::fromStdString(profile_.GetString(EntryPath(i), ""));
        if (!path.isEmpty())
            paths_.push_back(path);
    }
}

bool CAppRecentFiles::Save() const {
    bool all = true;
    for (int i = 0; i < kSize; ++i)
        all = profile_.WriteString(EntryPath(i), i < paths_.size() ? paths_[i].toStdString() : std::string()) && all;
    return all;
}

void CAppRecentFiles::Add(const QString& path) {
    // An untitled window has no file to offer.
    if (path.isEmpty())
        return;
    Remove(path);
    paths_.prepend(QFileInfo(path).absoluteFilePath());
    while (paths_.size() > kSize)
        paths_.removeLast();
}

void CAppRecentFiles::Remove(const QString& path) {
    paths_.removeIf([&path](const QString& entry) { return IsSameDocumentPath(entry, path); });
}

void CAppRecentFiles::Attach(QMenu& menu, QAction* before, Opener opener) {
    menu_ = &menu;
    before_ = before;
    opener_ = std::move(opener);
    connect(&menu, &QMenu::aboutToShow, this, &CAppRecentFiles::Rebuild);
    Rebuild();
}

std::vector<QAction*> CAppRecentFiles::Actions() const {
    std::vector<QAction*> actions;
    for (const auto& action : actions_)
        actions.push_back(action.get());
    return actions;
}

void CAppRecentFiles::Rebuild() {
    actions_.clear();
    separator_.reset();
    if (!menu_ || paths_.isEmpty())
        return;
    for (int i = 0; i < paths_.size(); ++i) {
        auto action = std::make_unique<QAction>(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(paths_[i]).fileName().replace(u'&', QStringLiteral("&&"))));
        action->setStatusTip(paths_[i]);
        connect(action.get(), &QAction::triggered, this, [this, i] { Open(i); });
        menu_->insertAction(before_, action.get());
        actions_.push_back(std::move(action));
    }
    separator_ = std::make_unique<QAction>();
    separator_->setSeparator(true);
    menu_->insertAction(before_, separator_.get());
}

void CAppRecentFiles::Open(int index) {
    if (index < 0 || index >= paths_.size() || !opener_)
        return;
    const QString path = paths_[index];
    // The opener adds the file again on success; a file that is gone is
    // dropped (its failure has been shown).
    if (!opener_(path))
        Remove(path);
}
