#pragma once
// The one application object of the shell tests, made on first use.
#include <QCoreApplication>

inline QCoreApplication& ShellTestApp() {
    if (QCoreApplication* app = QCoreApplication::instance())
        return *app;
    static int argc = 1;
    static char name[] = "test_shell";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
