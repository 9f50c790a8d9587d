#pragma once
// Turning the librarian's byte texts into what a terminal shows.
#include <string>
#include <string_view>

namespace cli {

// Memo texts are stored in the code page of the language they were typed in
// (1252 English, 932 Japanese). Converts them to UTF-8 for the terminal;
// bytes that cannot be converted show as '?', control characters as a blank,
// so one patch always stays on one line.
std::string MemoForTerminal(std::string_view memo, const char* codePage);

} // namespace cli
