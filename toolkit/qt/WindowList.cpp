#include "toolkit/qt/WindowList.h"

#include "toolkit/qt/MDIChildWndEx.h"

namespace GP {

QString WindowMenuLabel(int index) {
    if (index < 0 || index >= kMaxMenuWindows)
        return {};
    const char key = index < 10 ? static_cast<char>('0' + index) : static_cast<char>('A' + index - 10);
    return QStringLiteral("&") + QLatin1Char(key);
}

QString WindowListTitle(const QMdiSubWindow& window) {
    if (const auto* child = qobject_cast<const CMDIChildWndEx*>(&window))
        return child->GetTitle();
    return window.windowTitle();
}

QString EscapeMenuText(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace GP
