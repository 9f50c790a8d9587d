#pragma once
// The one QApplication of a test program (the offscreen platform is set by the
// test run). It is made on first use and destroyed when the test run ends,
// before the program's exit: destroying it among the static objects at exit
// crashes inside Qt once input events were sent, and never destroying it
// leaves the font cache behind for the leak checker.
//
// The program's settings go to a folder of the test run's own, so a test
// never reads what the user's librarian (or another test run) stored.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace test {

class TestApplicationEnvironment : public ::testing::Environment {
public:
    static QApplication& Get() {
        static TestApplicationEnvironment* environment = [] {
            auto* made = new TestApplicationEnvironment;
            ::testing::AddGlobalTestEnvironment(made); // owned by the test run
            return made;
        }();
        if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return *app;
        static int argc = 1;
        static char name[] = "zm47-test";
        static char* argv[] = {name, nullptr};
        environment->config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", environment->config_->path().toUtf8());
        environment->app_ = std::make_unique<QApplication>(argc, argv);
        return *environment->app_;
    }

    void TearDown() override {
        app_.reset();
        config_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QApplication> app_;
};

inline QApplication& TestApplication() { return TestApplicationEnvironment::Get(); }

} // namespace test
