// zm47-docgen: makes a program's man page and its bash completion from the
// text the program prints for --help, at build time.
//   zm47-docgen man PROGRAM NAME SUMMARY VERSION DATE DESCRIPTION.roff EXTRA.roff OUT.1
//   zm47-docgen bash-completion PROGRAM NAME OUT
// PROGRAM is the built program file; NAME the name it is installed as.
#include "manual/tool/BashCompletion.h"
#include "manual/tool/HelpText.h"
#include "manual/tool/ManPage.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

int Fail(const std::string& problem) {
    std::fprintf(stderr, "zm47-docgen: %s\n", problem.c_str());
    return 1;
}

// The program's --help output; false when it could not be run or failed.
bool RunHelp(const std::string& program, std::string& text) {
    std::string quoted = "'";
    for (char c : program)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "' --help";
    FILE* pipe = popen(quoted.c_str(), "r");
    if (!pipe)
        return false;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    const int status = pclose(pipe);
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool man = mode == "man" && argc == 10;
    const bool completion = mode == "bash-completion" && argc == 5;
    if (!man && !completion)
        return Fail("usage: zm47-docgen man PROGRAM NAME SUMMARY VERSION DATE DESCRIPTION.roff EXTRA.roff OUT.1\n"
                    "       zm47-docgen bash-completion PROGRAM NAME OUT");
    const std::string program = argv[2];
    std::string text;
    if (!RunHelp(program, text))
        return Fail(program + " --help failed");
    doc::HelpText help;
    std::string error;
    if (!doc::ParseHelpText(text, help, error))
        return Fail(program + ": " + error);
    std::string output;
    std::string outPath;
    if (man) {
        doc::ManPageInfo info{argv[3], argv[4], argv[5], argv[6], {}, {}};
        if (!ReadFile(argv[7], info.description))
            return Fail(std::string("cannot read ") + argv[7]);
        if (!ReadFile(argv[8], info.extra))
            return Fail(std::string("cannot read ") + argv[8]);
        output = doc::RenderManPage(help, info);
        outPath = argv[9];
    } else {
        const doc::CompletionModel model = doc::BuildCompletionModel(argv[3], help);
        if (model.commands.empty())
            return Fail(program + " --help lists no commands");
        output = doc::RenderBashCompletion(model);
        outPath = argv[4];
    }
    if (!WriteFile(outPath, output))
        return Fail("cannot write " + outPath);
    return 0;
}
