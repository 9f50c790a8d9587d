#pragma once
// What the fuzz targets and checks share: the stop on a broken rule, which
// the fuzzer takes for a finding, and message boxes that answer by
// themselves.
#include "toolkit/core/TextDialog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzsupport {

// Ends the run with "<who>: <what>" on standard error when condition does
// not hold.
inline void Require(bool condition, const char* who, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "%s: %s\n", who, what);
    std::abort();
}

// Answers every message box with OK without showing it.
class SilentDialog : public UL::ATextDialog {
public:
    int Show(const std::string&, int, int) override { return UL::kResultOk; }
};

} // namespace fuzzsupport
