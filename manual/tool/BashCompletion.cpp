#include "manual/tool/BashCompletion.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace doc {
namespace {

struct Token {
    std::string word; // without brackets, angle brackets and a trailing comma
    bool opensGroup;  // began with '['
    bool closesGroup; // ended with ']'
};

std::vector<Token> Tokenize(const std::string& synopsis) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < synopsis.size()) {
        while (i < synopsis.size() && synopsis[i] == ' ')
            ++i;
        std::size_t end = synopsis.find(' ', i);
        if (end == std::string::npos)
            end = synopsis.size();
        std::string raw = synopsis.substr(i, end - i);
        i = end;
        if (raw.empty())
            continue;
        Token token{{}, raw.front() == '[', false};
        while (!raw.empty() && (raw.back() == ']' || raw.back() == ',')) {
            token.closesGroup = token.closesGroup || raw.back() == ']';
            raw.pop_back();
        }
        std::size_t start = raw.find_first_not_of('[');
        raw = start == std::string::npos ? std::string() : raw.substr(start);
        raw.erase(std::remove(raw.begin(), raw.end(), '<'), raw.end());
        raw.erase(std::remove(raw.begin(), raw.end(), '>'), raw.end());
        if (raw.empty())
            continue;
        token.word = raw;
        tokens.push_back(token);
    }
    return tokens;
}

bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

bool IsLowerWord(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '-';
    });
}

// A word in capitals, maybe with an extension: "FILE.z4l", "NAME", "N".
bool IsPlaceholder(const std::string& word) {
    const std::string stem = word.substr(0, word.find('.'));
    return !stem.empty() && std::all_of(stem.begin(), stem.end(), [](char c) {
        return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_';
    }) && std::isupper(static_cast<unsigned char>(stem[0]));
}

// "FILE.z4l" -> "z4l"; "" when the placeholder names no extension.
std::string ExtensionOf(const std::string& placeholder) {
    const std::size_t dot = placeholder.rfind('.');
    if (dot == std::string::npos || dot + 1 == placeholder.size())
        return {};
    return placeholder.substr(dot + 1);
}

// "1..7" -> 1 2 3 4 5 6 7; false when the word is no such range.
bool ExpandRange(const std::string& word, std::vector<std::string>& out) {
    const std::size_t dots = word.find("..");
    if (dots == std::string::npos || dots == 0)
        return false;
    const std::string first = word.substr(0, dots);
    const std::string last = word.substr(dots + 2);
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() < 4 &&
               std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    };
    if (!digits(first) || !digits(last))
        return false;
    const int from = std::stoi(first);
    const int to = std::stoi(last);
    if (to < from)
        return false;
    for (int n = from; n <= to; ++n)
        out.push_back(std::to_string(n));
    return true;
}

OptionSpec ValueSpec(const std::string& value) {
    OptionSpec spec;
    spec.takesValue = true;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t bar = value.find('|', start);
        if (bar == std::string::npos)
            bar = value.size();
        const std::string alternative = value.substr(start, bar - start);
        start = bar + 1;
        if (ExpandRange(alternative, spec.words))
            continue;
        if (IsPlaceholder(alternative)) {
            if (spec.extension.empty())
                spec.extension = ExtensionOf(alternative);
            continue;
        }
        if (IsLowerWord(alternative))
            spec.words.push_back(alternative);
    }
    return spec;
}

void AddUnique(std::vector<std::string>& list, const std::string& word) {
    if (std::find(list.begin(), list.end(), word) == list.end())
        list.push_back(word);
}

struct ParsedOptions {
    std::vector<std::string> order;
    std::map<std::string, OptionSpec> specs;
    std::vector<std::string> arguments; // placeholders that are not option values
};

// Options (with their values) and other words of a synopsis from `first` on.
ParsedOptions ParseOptions(const std::vector<Token>& tokens, std::size_t first) {
    ParsedOptions parsed;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (!IsOption(token.word)) {
            parsed.arguments.push_back(token.word);
            continue;
        }
        std::string name = token.word;
        OptionSpec spec;
        const std::size_t equals = name.find('=');
        if (equals != std::string::npos) {
            spec = ValueSpec(name.substr(equals + 1));
            name.erase(equals);
        } else if (!token.closesGroup && i + 1 < tokens.size() && !tokens[i + 1].opensGroup &&
                   !IsOption(tokens[i + 1].word)) {
            spec = ValueSpec(tokens[i + 1].word);
            ++i;
        }
        AddUnique(parsed.order, name);
        parsed.specs[name] = spec;
    }
    return parsed;
}

bool Mentions(const std::string& text, const std::string& word) {
    std::size_t at = text.find(word);
    while (at != std::string::npos) {
        const bool before = at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]));
        const std::size_t end = at + word.size();
        const bool after = end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end]));
        if (before && after)
            return true;
        at = text.find(word, at + 1);
    }
    return false;
}

bool IsCapitalTitle(const std::string& title) { return IsPlaceholder(title) && title.find('.') == std::string::npos; }

} // namespace

CompletionModel BuildCompletionModel(const std::string& program, const HelpText& help) {
    CompletionModel model;
    model.program = program;
    for (const std::string& usage : help.usage) {
        const std::vector<Token> tokens = Tokenize(usage);
        for (const Token& token : tokens)
            if (IsOption(token.word))
                AddUnique(model.topLevelOptions, token.word);
    }

    // The options of each section in capitals ("DEVICES"), for the commands
    // that name it.
    std::map<std::string, ParsedOptions> groups;
    for (const HelpSection& section : help.sections) {
        if (!IsCapitalTitle(section.title))
            continue;
        ParsedOptions& group = groups[section.title];
        for (const HelpEntry& entry : section.entries) {
            const ParsedOptions parsed = ParseOptions(Tokenize(entry.synopsis), 0);
            for (const std::string& name : parsed.order) {
                AddUnique(group.order, name);
                group.specs[name] = parsed.specs.at(name);
            }
        }
    }

    for (const HelpSection& section : help.sections) {
        for (const HelpEntry& entry : section.entries) {
            const std::vector<Token> tokens = Tokenize(entry.synopsis);
            if (tokens.empty() || !IsLowerWord(tokens[0].word) || IsOption(tokens[0].word))
                continue;
            CommandCompletion command;
            command.name = tokens[0].word;
            const ParsedOptions parsed = ParseOptions(tokens, 1);
            command.options = parsed.order;
            command.optionSpecs = parsed.specs;
            for (const std::string& word : parsed.arguments) {
                if (groups.count(word))
                    continue; // "DEVICES": the group, below
                if (IsPlaceholder(word))
                    command.argumentExtensions.push_back(ExtensionOf(word));
            }
            for (const auto& [title, group] : groups) {
                if (!Mentions(entry.synopsis, title) && !Mentions(section.title, title))
                    continue;
                // A command that names some of the group's options itself
                // takes only those ("devices [--simulator]").
                const bool namesSome =
                    std::any_of(group.order.begin(), group.order.end(),
                                [&](const std::string& name) { return parsed.specs.count(name) > 0; });
                if (namesSome)
                    continue;
                for (const std::string& name : group.order) {
                    AddUnique(command.options, name);
                    if (!command.optionSpecs.count(name))
                        command.optionSpecs[name] = group.specs.at(name);
                }
            }
            // A command with several lines of its own ("history",
            // "history --show ID") is one command with all their options.
            const auto same = std::find_if(model.commands.begin(), model.commands.end(),
                                           [&](const CommandCompletion& known) { return known.name == command.name; });
            if (same == model.commands.end()) {
                model.commands.push_back(command);
                continue;
            }
            for (const std::string& name : command.options) {
                AddUnique(same->options, name);
                if (!same->optionSpecs.count(name))
                    same->optionSpecs[name] = command.optionSpecs.at(name);
            }
            if (same->argumentExtensions.empty())
                same->argumentExtensions = command.argumentExtensions;
        }
    }

    // An option whose value a command names only by a placeholder ("--area
    // N") is offered the values that every command spelling them out
    // accepts.
    std::map<std::string, std::vector<std::string>> shared;
    std::set<std::string> seen;
    for (const CommandCompletion& command : model.commands) {
        for (const auto& [name, spec] : command.optionSpecs) {
            if (spec.words.empty())
                continue;
            if (!seen.insert(name).second) {
                std::vector<std::string> common;
                for (const std::string& word : shared[name])
                    if (std::find(spec.words.begin(), spec.words.end(), word) != spec.words.end())
                        common.push_back(word);
                shared[name] = common;
            } else {
                shared[name] = spec.words;
            }
        }
    }
    for (CommandCompletion& command : model.commands)
        for (auto& [name, spec] : command.optionSpecs)
            if (spec.takesValue && spec.words.empty() && spec.extension.empty() && shared.count(name))
                spec.words = shared[name];
    return model;
}

namespace {

std::string FunctionName(const std::string& program) {
    std::string name = "_";
    for (char c : program)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// "z4l" -> "[zZ]4[lL]": file names are matched in any case.
std::string AnyCasePattern(const std::string& extension) {
    std::string out;
    for (char c : extension) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

// Words of the help text are letters, digits and a few marks; anything a
// shell would read otherwise is dropped.
std::string ShellWord(const std::string& word) {
    std::string out;
    for (char c : word)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' || c == '+')
            out += c;
    return out;
}

std::string Join(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) {
        if (!out.empty())
            out += ' ';
        out += ShellWord(word);
    }
    return out;
}

// The shell's words for "offer these words for the word at the cursor".
std::string OfferWords(const std::vector<std::string>& words) {
    return "COMPREPLY=($(compgen -W \"" + Join(words) + "\" -- \"$cur\"))";
}

} // namespace

std::string RenderBashCompletion(const CompletionModel& model) {
    const std::string fn = FunctionName(model.program);
    // The call that offers folders and files whose names end in extension.
    const auto offerFiles = [&fn](const std::string& extension) {
        return fn + "_files '" + AnyCasePattern(ShellWord(extension)) + "'";
    };
    std::string out;
    out += "# Bash completion for " + model.program + ", made at build time from the output of\n";
    out += "# \"" + model.program + " --help\"; do not edit.\n\n";
    out += fn + "_files() {\n";
    out += R"(    # Folders, and files whose names end in the extension pattern $1.
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!*.$1" -- "$cur"))
}

)";
    out += fn + "() {\n";
    out += R"(    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    # "--name=value" reaches here as "--name" "=" "value".
    if [[ $cur == = ]]; then cur=; elif [[ $prev == = ]]; then prev=${COMP_WORDS[COMP_CWORD-2]}; fi
)";
    std::vector<std::string> first;
    for (const CommandCompletion& command : model.commands)
        first.push_back(command.name);
    for (const std::string& option : model.topLevelOptions)
        first.push_back(option);
    out += "    if ((COMP_CWORD == 1)); then\n";
    out += "        " + OfferWords(first) + "\n";
    out += R"(        return 0
    fi
    local command=${COMP_WORDS[1]}
)";

    // The value of the option before the cursor.
    out += "    case \"$command $prev\" in\n";
    std::vector<std::string> valueOptions; // "command --option" of every option taking a value
    for (const CommandCompletion& command : model.commands) {
        for (const std::string& name : command.options) {
            const OptionSpec& spec = command.optionSpecs.at(name);
            if (!spec.takesValue)
                continue;
            const std::string key = ShellWord(command.name) + " " + ShellWord(name);
            valueOptions.push_back(key);
            out += "    \"" + key + "\") ";
            if (!spec.words.empty())
                out += OfferWords(spec.words);
            else if (!spec.extension.empty())
                out += offerFiles(spec.extension);
            else
                out += ":";
            out += "; return 0 ;;\n";
        }
    }
    out += "    esac\n";

    out += "    if [[ $cur == -* ]]; then\n";
    out += "        case $command in\n";
    for (const CommandCompletion& command : model.commands)
        out += "        " + ShellWord(command.name) + ") " + OfferWords(command.options) + " ;;\n";
    out += R"(        esac
        return 0
    fi
)";

    // Which file argument the cursor is on: the words before it that are
    // neither options nor option values.
    out += R"(    local i n=0 word
    for ((i = 2; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case "$command $word" in
)";
    if (!valueOptions.empty()) {
        out += "        ";
        for (std::size_t k = 0; k < valueOptions.size(); ++k)
            out += (k ? "|\"" : "\"") + valueOptions[k] + "\"";
        out += ")\n";
        out += "            if [[ ${COMP_WORDS[i+1]} == = ]]; then ((i += 2)); else ((i += 1)); fi ;;\n";
    }
    out += R"(        *) [[ $word == -* || $word == = ]] || ((n += 1)) ;;
        esac
    done
    case "$command $n" in
)";
    for (const CommandCompletion& command : model.commands) {
        for (std::size_t k = 0; k < command.argumentExtensions.size(); ++k) {
            const std::string& extension = command.argumentExtensions[k];
            if (extension.empty())
                continue;
            out += "    \"" + ShellWord(command.name) + " " + std::to_string(k) + "\") " + offerFiles(extension) +
                   " ;;\n";
        }
    }
    out += R"(    esac
    return 0
}

)";
    out += "complete -F " + fn + " " + model.program + "\n";
    return out;
}

} // namespace doc
