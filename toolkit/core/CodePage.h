#pragma once
// Memo texts are byte strings in the code page of the language (1252 for
// English, 932 for Japanese). This converts them to and from UTF-8 at the
// user-interface boundary.
#include <string>
#include <string_view>

namespace UL {

enum CodePage { kCodePageEnglish = 1252, kCodePageJapanese = 932 };

// Bytes in codePage to UTF-8. A byte sequence the code page does not define
// becomes U+FFFD, so a text is always shown; false when that happened or the
// code page is unknown.
bool CodePageToUtf8(std::string_view bytes, int codePage, std::string& utf8);

// UTF-8 to bytes in codePage. False, with out untouched, when the text holds a
// character the code page cannot hold (refused gets that character, in UTF-8),
// when the text is not UTF-8 or when the code page is unknown.
bool Utf8ToCodePage(std::string_view utf8, int codePage, std::string& out, std::string* refused = nullptr);

} // namespace UL
