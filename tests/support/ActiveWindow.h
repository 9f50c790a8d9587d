#pragma once
// For window tests (they link Qt Test): makes a shown window the active one,
// as a click on it would, and waits until the platform says so.
// QApplication::setActiveWindow, which did it at once, is deprecated from
// Qt 6.5 on.
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace test {

inline bool MakeActive(QWidget& window) {
    window.activateWindow();
    return QApplication::activeWindow() == &window || QTest::qWaitForWindowActive(&window);
}

} // namespace test
