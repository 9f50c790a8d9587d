#include "platform/shell/RaiseWindow.h"

#include <QWidget>

void RestoreAndRaise(QWidget& window) {
    if (window.isMinimized())
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}
