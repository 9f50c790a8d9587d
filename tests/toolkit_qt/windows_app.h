#pragma once
#include "tests/support/TestApplication.h"

namespace test {

inline QApplication& WindowsApp() { return TestApplication(); }

} // namespace test
