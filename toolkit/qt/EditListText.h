#pragma once
// Cell texts of byte-string data (memos) in the language's code page.
#include <QString>

#include <string>
#include <string_view>

namespace GP {

// The text to show for bytes in codePage.
QString CellTextFromBytes(std::string_view bytes, int codePage);

// The bytes to store for a text. When the code page cannot hold one of its
// characters, the user is told which (through UL::GetTextDialog) and false is
// returned with out untouched.
bool CellTextToBytes(const QString& text, int codePage, std::string& out);

} // namespace GP
