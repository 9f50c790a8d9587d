#include "platform/shell/Manual.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "platform/shell/DesktopOpener.h"

#include <QDir>
#include <QFileInfo>

QString GetManualPath(const QString& programDirectory) {
    // The table names the file with the backslash of its original platform.
    QString name = QString::fromStdString(GetMessageTable().Get(kMsgManualPath));
    name.replace(u'\\', u'/');
    return QDir::cleanPath(programDirectory + u'/' + name);
}

bool OpenManual(const QString& programDirectory, IDesktopOpener& opener) {
    const QString path = GetManualPath(programDirectory);
    return QFileInfo(path).isFile() && opener.OpenLocalFile(path);
}
