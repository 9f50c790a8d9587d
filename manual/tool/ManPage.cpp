#include "manual/tool/ManPage.h"

#include <cctype>

namespace doc {
namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// A placeholder is a word written in capitals ("FILE.z4l", "NAME", "N").
bool IsPlaceholder(std::string_view word) {
    std::size_t letters = 0;
    for (char c : word) {
        if (c == '.')
            break;
        if (std::islower(static_cast<unsigned char>(c)))
            return false;
        if (std::isupper(static_cast<unsigned char>(c)))
            ++letters;
    }
    return letters > 0;
}

// Options and literal words in bold, placeholders in italics, brackets,
// bars and commas as they are.
std::string FormatSynopsis(std::string_view synopsis) {
    std::string out;
    std::size_t i = 0;
    while (i < synopsis.size()) {
        const char c = synopsis[i];
        if (c == ' ' || c == '[' || c == ']' || c == '|' || c == ',' || c == '<' || c == '>') {
            out += RoffEscape(std::string_view(&c, 1));
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < synopsis.size() && std::string_view(" []|,<>").find(synopsis[end]) == std::string_view::npos)
            ++end;
        const std::string_view word = synopsis.substr(i, end - i);
        out += IsPlaceholder(word) ? "\\fI" : "\\fB";
        out += RoffEscape(word);
        out += "\\fR";
        i = end;
    }
    return out;
}

void AppendParagraphs(std::string& out, const std::vector<std::string>& paragraphs) {
    for (const std::string& paragraph : paragraphs) {
        out += ".PP\n";
        out += RoffEscape(paragraph);
        out += '\n';
    }
}

} // namespace

std::string RoffEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string RenderManPage(const HelpText& help, const ManPageInfo& info) {
    std::string out;
    out += ".\\\" Made at build time from the output of " + info.program + " \\-\\-help; do not edit.\n";
    out += ".TH " + Upper(RoffEscape(info.program)) + " 1 \"" + info.date + "\" \"" + RoffEscape(info.program) + " " +
           RoffEscape(info.version) + "\" \"User Commands\"\n";
    out += ".SH NAME\n" + RoffEscape(info.program) + " \\- " + RoffEscape(info.summary) + "\n";
    out += ".SH SYNOPSIS\n";
    bool first = true;
    for (const std::string& usage : help.usage) {
        if (!first)
            out += ".br\n";
        first = false;
        out += FormatSynopsis(usage) + "\n";
    }
    out += ".SH DESCRIPTION\n";
    if (!info.description.empty()) {
        out += info.description;
        if (info.description.back() != '\n')
            out += '\n';
    }
    AppendParagraphs(out, help.intro);
    for (const HelpSection& section : help.sections) {
        // A section listing commands says so, so that "files:" (commands on
        // files) is not taken for the usual FILES section.
        const bool commands =
            !section.entries.empty() && std::islower(static_cast<unsigned char>(section.entries[0].synopsis[0]));
        out += ".SH \"" + std::string(commands ? "COMMANDS: " : "") + Upper(RoffEscape(section.title)) + "\"\n";
        for (const HelpEntry& entry : section.entries) {
            out += ".TP\n" + FormatSynopsis(entry.synopsis) + "\n";
            out += (entry.description.empty() ? std::string("\\&") : RoffEscape(entry.description)) + "\n";
        }
        AppendParagraphs(out, section.paragraphs);
    }
    if (!info.extra.empty()) {
        out += info.extra;
        if (info.extra.back() != '\n')
            out += '\n';
    }
    return out;
}

} // namespace doc
