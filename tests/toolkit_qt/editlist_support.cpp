#include "tests/toolkit_qt/editlist_support.h"

#include "tests/toolkit_qt/windows_app.h"

namespace test {

// One application for the whole test program, however its tests are ordered.
void EnsureApplication() { WindowsApp(); }

} // namespace test
