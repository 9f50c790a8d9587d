#pragma once
// A man page (roff with the man macros) made from a program's parsed --help
// text: NAME, SYNOPSIS from the usage lines, DESCRIPTION, one section per
// help section with its entries as tagged paragraphs, then the hand-written
// sections that --help has no room for (files, see also).
#include "manual/tool/HelpText.h"

#include <string>
#include <string_view>

namespace doc {

struct ManPageInfo {
    std::string program;     // "zm47-cli"
    std::string summary;     // the one line after the name in NAME
    std::string version;     // "0.1.0"
    std::string date;        // "2026-12-08"
    std::string description; // roff paragraphs for DESCRIPTION, before --help's introduction
    std::string extra;       // roff appended as it is (.SH FILES ...)
};

std::string RenderManPage(const HelpText& help, const ManPageInfo& info);

// Text made safe for roff: backslashes and hyphens escaped, a leading '.' or
// '\'' kept from being read as a request.
std::string RoffEscape(std::string_view text);

} // namespace doc
