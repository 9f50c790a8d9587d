#pragma once
// Brings a top-level window forward when another instance or the desktop asks
// for the program: restored when minimized, shown, raised and activated.
class QWidget;

void RestoreAndRaise(QWidget& window);
