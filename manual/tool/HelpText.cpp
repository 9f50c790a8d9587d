#include "manual/tool/HelpText.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace doc {
namespace {

// Lines indented this far or further only continue a description.
constexpr std::size_t kDeepIndent = 20;
// A label at the margin ("Exit status: ...") has at most this many words.
constexpr std::size_t kMaxLabelWords = 3;

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

void Append(std::string& to, std::string_view more) {
    if (more.empty())
        return;
    if (!to.empty())
        to += ' ';
    to += more;
}

// The column most descriptions start at: where the text after the gap of
// an entry line, or a deep continuation, begins most often.
std::size_t DescriptionColumn(std::string_view text) {
    std::map<std::size_t, int> counts;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == 0 || indent == std::string_view::npos)
            continue;
        if (indent >= kDeepIndent) {
            ++counts[indent];
            continue;
        }
        const std::size_t gap = line.find("  ", indent);
        if (gap == std::string_view::npos)
            continue;
        const std::size_t start = line.find_first_not_of(' ', gap);
        if (start != std::string_view::npos)
            ++counts[start];
    }
    std::size_t column = 0;
    int best = 0;
    for (const auto& [at, count] : counts)
        if (count > best) {
            best = count;
            column = at;
        }
    return column;
}

// Where a synopsis that fills its column is followed by its description
// after a single space ("  cmd A [--area N] the file's ..."): the column,
// when a word in lower case starts there outside any brackets; else npos.
std::size_t TightSplit(std::string_view line, std::size_t column) {
    if (column == 0 || line.size() <= column || line[column - 1] != ' ' ||
        !std::islower(static_cast<unsigned char>(line[column])))
        return std::string_view::npos;
    const std::size_t gap = line.find("  ", line.find_first_not_of(' '));
    if (gap != std::string_view::npos && gap < column)
        return std::string_view::npos;
    int depth = 0;
    for (std::size_t i = 0; i < column; ++i)
        depth += line[i] == '[' ? 1 : line[i] == ']' ? -1 : 0;
    return depth == 0 ? column : std::string_view::npos;
}

// Splits "synopsis   description" at the first run of two or more spaces.
void SplitEntry(std::string_view content, std::string& synopsis, std::string& description) {
    const std::size_t gap = content.find("  ");
    if (gap == std::string_view::npos) {
        synopsis = Trim(content);
        description.clear();
        return;
    }
    synopsis = Trim(content.substr(0, gap));
    description = Trim(content.substr(gap));
}

// "Exit status: 0 done" -> "Exit status"; empty when the line is no label.
std::string LabelOf(std::string_view line) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos || colon == 0)
        return {};
    const std::string_view label = line.substr(0, colon);
    if (std::count(label.begin(), label.end(), ' ') + 1 > static_cast<long>(kMaxLabelWords))
        return {};
    if (!std::isupper(static_cast<unsigned char>(label[0])))
        return {};
    return std::string(label);
}

} // namespace

bool ParseHelpText(std::string_view text, HelpText& help, std::string& error) {
    help = HelpText{};
    const std::size_t descriptionColumn = DescriptionColumn(text);
    HelpSection* section = nullptr;
    std::string* paragraph = nullptr; // the paragraph being filled, if any
    bool inUsage = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const std::string content = Trim(line);
        if (content.empty()) {
            paragraph = nullptr;
            inUsage = false;
            continue;
        }
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == 0 && StartsWithNoCase(content, "usage:")) {
            help.usage.push_back(Trim(std::string_view(content).substr(6)));
            inUsage = true;
            paragraph = nullptr;
            continue;
        }
        if (indent > 0 && inUsage) {
            help.usage.push_back(content);
            continue;
        }
        inUsage = false;
        if (indent == 0) {
            if (content.back() == ':') {
                help.sections.push_back(HelpSection{content.substr(0, content.size() - 1), {}, {}});
                section = &help.sections.back();
                paragraph = nullptr;
                continue;
            }
            if (!paragraph) {
                const std::string label = LabelOf(content);
                if (!label.empty()) {
                    help.sections.push_back(HelpSection{label, {}, {Trim(content.substr(label.size() + 1))}});
                    section = &help.sections.back();
                    paragraph = &section->paragraphs.back();
                    continue;
                }
                std::vector<std::string>& list = section ? section->paragraphs : help.intro;
                list.emplace_back();
                paragraph = &list.back();
            }
            Append(*paragraph, content);
            continue;
        }
        paragraph = nullptr;
        if (!section) {
            // Indented text before any section belongs to the introduction.
            help.intro.push_back(content);
            continue;
        }
        std::string synopsis;
        std::string description;
        if (const std::size_t split = TightSplit(line, descriptionColumn); split != std::string_view::npos) {
            synopsis = Trim(line.substr(0, split));
            description = Trim(line.substr(split));
        } else {
            SplitEntry(content, synopsis, description);
        }
        if (section->entries.empty() || indent <= 2) {
            section->entries.push_back(HelpEntry{synopsis, description});
        } else if (indent >= kDeepIndent) {
            Append(section->entries.back().description, content);
        } else {
            Append(section->entries.back().synopsis, synopsis);
            Append(section->entries.back().description, description);
        }
    }
    if (help.usage.empty()) {
        error = "the help text has no usage line";
        return false;
    }
    return true;
}

const HelpSection* FindSection(const HelpText& help, std::string_view title) {
    for (const HelpSection& section : help.sections)
        if (section.title.size() == title.size() && StartsWithNoCase(section.title, title))
            return &section;
    return nullptr;
}

} // namespace doc
