#pragma once
// The one QApplication of the toolkit's window tests (offscreen platform,
// set by the test run). It is made on first use and destroyed when the test
// run ends, before the program's exit: destroying it among the static
// objects at exit crashes inside Qt, and never destroying it leaves the
// font cache behind for the leak checker.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace test {

class WindowsAppEnvironment : public ::testing::Environment {
public:
    static QApplication& App() {
        static WindowsAppEnvironment* environment = [] {
            auto* made = new WindowsAppEnvironment;
            ::testing::AddGlobalTestEnvironment(made); // owned by the test run
            return made;
        }();
        if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return *app;
        static int argc = 1;
        static char name[] = "test_toolkit_qt";
        static char* argv[] = {name, nullptr};
        environment->app_ = std::make_unique<QApplication>(argc, argv);
        return *environment->app_;
    }

    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

inline QApplication& WindowsApp() { return WindowsAppEnvironment::App(); }

} // namespace test
