#include "cli/StderrProgress.h"

#include <cctype>
#include <cstdio>

namespace cli {

void CStderrProgress::SetTitle(std::string_view title) {
    if (title.empty())
        return;
    verb_.clear();
    for (char c : title)
        verb_ += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool CStderrProgress::SetText(std::string_view text) {
    // The label already ends in ": ".
    std::fprintf(stderr, "%.*s%s\n", static_cast<int>(text.size()), text.data(), verb_.c_str());
    return true;
}

} // namespace cli
