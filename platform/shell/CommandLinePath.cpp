#include "platform/shell/CommandLinePath.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Follows a chain of symbolic links to the file; a broken or circular chain
// gives the last link that could be read.
QString FollowLinks(QString path) {
    for (int hops = 0; hops < 32; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            break;
        const QString target = info.symLinkTarget();
        if (target.isEmpty() || !QFileInfo::exists(target))
            break;
        path = target;
    }
    return path;
}

} // namespace

QString CleanCommandLinePath(const QString& text) {
    QString path = text;
    if (path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"'))
        path = path.mid(1, path.size() - 2);
    if (path.trimmed().isEmpty())
        return {};
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (url.isLocalFile())
            path = url.toLocalFile();
    }
    path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return QDir::cleanPath(FollowLinks(path));
}
