#include "platform/shell/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::unique_ptr<IDesktopOpener>& Opener() {
    static std::unique_ptr<IDesktopOpener> opener = std::make_unique<CDesktopOpener>();
    return opener;
}

} // namespace

bool CDesktopOpener::OpenLocalFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

IDesktopOpener& GetDesktopOpener() { return *Opener(); }

std::unique_ptr<IDesktopOpener> SetDesktopOpener(std::unique_ptr<IDesktopOpener> opener) {
    if (!opener)
        opener = std::make_unique<CDesktopOpener>();
    Opener().swap(opener);
    return opener;
}
