#include "manual/tool/BashCompletion.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kToolHelp = "usage: tool COMMAND [ARGS]\n"
                                  "       tool --help | --version\n"
                                  "\n"
                                  "files:\n"
                                  "  show FILE.z4l [--lang en|ja]         list the patches\n"
                                  "  export IN.z4l OUT.mid [--area N]     export\n"
                                  "\n"
                                  "the unit (each takes DEVICES):\n"
                                  "  read OUT.z4l --area 1..7|all         read an area or all\n"
                                  "  write IN.z4l --area 1..7 [--verify] [--backup FILE.z4l]\n"
                                  "                                       write\n"
                                  "  sim [--port-name NAME] [--sim-memory FILE.z4l] [--wire-speed]\n"
                                  "                                       run the unit\n"
                                  "\n"
                                  "DEVICES:\n"
                                  "  --in NAME --out NAME                 the MIDI devices\n"
                                  "  --simulator [--sim-memory FILE.z4l]  the simulated unit\n";

doc::CompletionModel Model() {
    doc::HelpText help;
    std::string error;
    EXPECT_TRUE(doc::ParseHelpText(kToolHelp, help, error)) << error;
    return doc::BuildCompletionModel("tool", help);
}

const doc::CommandCompletion& Command(const doc::CompletionModel& model, const std::string& name) {
    for (const doc::CommandCompletion& command : model.commands)
        if (command.name == name)
            return command;
    static const doc::CommandCompletion none;
    ADD_FAILURE() << "no command " << name;
    return none;
}

using Words = std::vector<std::string>;

TEST(BashCompletionTest, CommandsOptionsAndTheSectionsTheyName) {
    const doc::CompletionModel model = Model();
    ASSERT_EQ(model.commands.size(), 5u);
    EXPECT_EQ(model.topLevelOptions, (Words{"--help", "--version"}));
    EXPECT_EQ(Command(model, "show").options, (Words{"--lang"}));
    // The unit's commands take the options of DEVICES, named by their section.
    EXPECT_EQ(Command(model, "read").options, (Words{"--area", "--in", "--out", "--simulator", "--sim-memory"}));
    // A command naming some of them itself takes only those.
    EXPECT_EQ(Command(model, "sim").options, (Words{"--port-name", "--sim-memory", "--wire-speed"}));
    EXPECT_EQ(Command(model, "export").options, (Words{"--area"}));
}

TEST(BashCompletionTest, ValuesAndFileArguments) {
    const doc::CompletionModel model = Model();
    const doc::CommandCompletion& read = Command(model, "read");
    EXPECT_EQ(read.optionSpecs.at("--area").words, (Words{"1", "2", "3", "4", "5", "6", "7", "all"}));
    EXPECT_FALSE(read.optionSpecs.at("--simulator").takesValue);
    EXPECT_TRUE(read.optionSpecs.at("--in").takesValue);
    EXPECT_TRUE(read.optionSpecs.at("--in").words.empty());
    EXPECT_EQ(read.optionSpecs.at("--sim-memory").extension, "z4l");
    EXPECT_EQ(read.argumentExtensions, (Words{"z4l"}));

    const doc::CommandCompletion& write = Command(model, "write");
    EXPECT_EQ(write.optionSpecs.at("--area").words, (Words{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_FALSE(write.optionSpecs.at("--verify").takesValue);
    EXPECT_EQ(write.optionSpecs.at("--backup").extension, "z4l");
    EXPECT_EQ(Command(model, "show").optionSpecs.at("--lang").words, (Words{"en", "ja"}));
    EXPECT_FALSE(Command(model, "sim").optionSpecs.at("--wire-speed").takesValue);

    // "--area N" is offered what every command spelling the values out
    // accepts: the areas, not "all", which only read takes.
    const doc::CommandCompletion& exported = Command(model, "export");
    EXPECT_EQ(exported.optionSpecs.at("--area").words, (Words{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(exported.argumentExtensions, (Words{"z4l", "mid"}));
}

TEST(BashCompletionTest, TheScriptMatchesExtensionsInAnyCaseAndRegistersTheFunction) {
    const std::string script = doc::RenderBashCompletion(Model());
    EXPECT_NE(script.find("\"show 0\") _tool_files '[zZ]4[lL]' ;;"), std::string::npos) << script;
    EXPECT_NE(script.find("\"export 1\") _tool_files '[mM][iI][dD]' ;;"), std::string::npos) << script;
    EXPECT_TRUE(script.ends_with("complete -F _tool tool\n"));
}

} // namespace
