#include "cli/StderrProgress.h"

#include <cstdio>

namespace cli {

bool CStderrProgress::SetText(std::string_view text)
{
    // The label already ends in ": ".
    std::fprintf(stderr, "%.*s%s\n", static_cast<int>(text.size()), text.data(), verb_.c_str());
    return true;
}

} // namespace cli
