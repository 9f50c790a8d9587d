#pragma once
// A program's --help text read back as a structure, so that its man page and
// its shell completion are made from the very text the program prints and
// cannot tell a different story.
//
// The text is laid out the way both programs print it:
//   usage: NAME ...            (more usage lines indented below it)
//   Free text.                 (a paragraph)
//   section title:             (a line at the margin ending in ':')
//     synopsis   description   (an entry: indented, two or more spaces
//                               between the synopsis and its description,
//                               or one where the synopsis fills its column)
//         more synopsis  more  (a shallow continuation: both parts go on)
//                   more text  (a deep continuation: the description goes on)
//   Label: text                (a short label at the margin: a section of
//                               its own holding the text)
#include <string>
#include <string_view>
#include <vector>

namespace doc {

struct HelpEntry {
    std::string synopsis;
    std::string description;
};

struct HelpSection {
    std::string title;
    std::vector<HelpEntry> entries;
    std::vector<std::string> paragraphs;
};

struct HelpText {
    std::vector<std::string> usage; // each usage line without "usage:"
    std::vector<std::string> intro; // paragraphs before the first section
    std::vector<HelpSection> sections;
};

// False, with the reason in `error`, when the text has no usage line.
bool ParseHelpText(std::string_view text, HelpText& help, std::string& error);

// The section whose title (compared without regard to case) is `title`, or
// null.
const HelpSection* FindSection(const HelpText& help, std::string_view title);

} // namespace doc
