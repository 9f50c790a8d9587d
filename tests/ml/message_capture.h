#pragma once
// A text sink for the dump tests: records every Write as one entry.
#include "toolkit/core/TextOut.h"

#include <string>
#include <vector>

namespace test {

class TextCapture : public GT::ITextOut {
public:
    void Write(std::string_view text) override { writes.emplace_back(text); }
    void Printf(const char*, ...) override {}
    void Indent(int) override {}
    void Output(std::string_view text) override { writes.emplace_back(text); }

    std::vector<std::string> writes;
};

} // namespace test
