#pragma once
// Bash completion for a command-line tool of the form "PROGRAM COMMAND
// [ARGS]", made from its parsed --help text:
// - the commands are the first words of the entries of every section that
//   lists commands (entries not starting with '-'), with the options of the
//   usage lines ("--help", "--version");
// - a command takes the options its synopsis names, and those of a section
//   whose title (in capitals, "DEVICES") its synopsis or its own section's
//   title mentions, unless it names some of that section's options itself
//   (then it takes only those);
// - an option takes a value when a word follows it ("--in NAME"); values
//   written as "a|b" or "1..7" are offered as words, a value or file
//   argument named like "FILE.z4l" completes file names ending in ".z4l".
#include "manual/tool/HelpText.h"

#include <map>
#include <string>
#include <vector>

namespace doc {

struct OptionSpec {
    bool takesValue = false;
    std::vector<std::string> words; // values offered as they are
    std::string extension;          // or: files ending in this ("z4l")
};

struct CommandCompletion {
    std::string name;
    std::vector<std::string> options;              // with "--"
    std::map<std::string, OptionSpec> optionSpecs; // by option, for this command
    std::vector<std::string> argumentExtensions;   // per file argument; "" for none
};

struct CompletionModel {
    std::string program;
    std::vector<std::string> topLevelOptions; // "--help", "--version"
    std::vector<CommandCompletion> commands;
};

CompletionModel BuildCompletionModel(const std::string& program, const HelpText& help);

// A bash script that completes `program` from the model with `complete -F`.
std::string RenderBashCompletion(const CompletionModel& model);

} // namespace doc
