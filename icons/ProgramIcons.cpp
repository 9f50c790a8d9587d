#include "icons/ProgramIcons.h"

#include <QFile>

namespace {

QString ResourcePath(const QString& name) { return QStringLiteral(":/icons/") + name + QStringLiteral(".svg"); }

QByteArray ReadResource(const QString& name) {
    QFile file(ResourcePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString ProgramIconName() { return QStringLiteral("zm47-librarian"); }

QIcon ProgramIcon() { return OwnIcon(ProgramIconName()); }

QByteArray ProgramIconSvg() { return ReadResource(ProgramIconName()); }

QByteArray FileIconSvg() { return ReadResource(QStringLiteral("application-x-zm47-librarian")); }

bool HasOwnIcon(const QString& name) { return !name.isEmpty() && QFile::exists(ResourcePath(name)); }

QIcon OwnIcon(const QString& name) { return HasOwnIcon(name) ? QIcon(ResourcePath(name)) : QIcon(); }

QIcon ThemedIcon(const QString& name) { return QIcon::fromTheme(name, OwnIcon(name)); }
