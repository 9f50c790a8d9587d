#include "tests/toolkit_qt/editlist_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace test {
namespace {

std::unique_ptr<QApplication>& OwnedApplication() {
    static std::unique_ptr<QApplication> app;
    return app;
}

class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { OwnedApplication().reset(); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

void EnsureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_toolkit_qt";
    static char* argv[] = {name, nullptr};
    OwnedApplication() = std::make_unique<QApplication>(argc, argv);
}

} // namespace test
