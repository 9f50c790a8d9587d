#pragma once
// Points every user-scope INI file of a test run into a temporary folder
// before any profile is made, so that the user's real profile is never
// touched. A test file registers it once:
//   [[maybe_unused]] testing::Environment* const kProfileFolder =
//       testing::AddGlobalTestEnvironment(new test::TemporaryProfileFolder);
#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace test {

class TemporaryProfileFolder : public testing::Environment {
public:
    void SetUp() override {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_->path());
    }
    static QString Path() { return folder_->path(); }

private:
    static inline std::unique_ptr<QTemporaryDir> folder_;
};

} // namespace test
