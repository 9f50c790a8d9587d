#include "manual/tool/HelpText.h"

#include <gtest/gtest.h>

namespace {

// The layout zm47-cli prints: a long synopsis alone on its line, a shallow
// continuation carrying more synopsis and description, deep continuations,
// a section in capitals and a closing label.
constexpr const char* kToolHelp = "usage: tool COMMAND [ARGS]\n"
                                  "       tool --help | --version\n"
                                  "\n"
                                  "files:\n"
                                  "  show FILE.z4l [--lang en|ja]         list the patches\n"
                                  "                                       one line per patch\n"
                                  "  export-smf IN.z4l OUT.mid [--area N] the patches as a Standard MIDI File\n"
                                  "                                       of data sets\n"
                                  "  write IN.z4l --area 1..7 [--indexes 0,3,7] [--verify] [--backup FILE.z4l]\n"
                                  "                                       write the file's patches\n"
                                  "  sim [--api alsa|jack] [--port-name NAME]\n"
                                  "      [--wire-speed]                   run the simulated unit\n"
                                  "\n"
                                  "DEVICES:\n"
                                  "  --in NAME --out NAME                 the MIDI devices\n"
                                  "\n"
                                  "Exit status: 0 done, 1 failed,\n"
                                  "2 usage error.\n";

TEST(HelpTextTest, ReadsUsageSectionsEntriesContinuationsAndLabels) {
    doc::HelpText help;
    std::string error;
    ASSERT_TRUE(doc::ParseHelpText(kToolHelp, help, error)) << error;
    ASSERT_EQ(help.usage, (std::vector<std::string>{"tool COMMAND [ARGS]", "tool --help | --version"}));
    EXPECT_TRUE(help.intro.empty());
    ASSERT_EQ(help.sections.size(), 3u);

    doc::HelpSection files = help.sections[0];
    EXPECT_EQ(files.title, "files");
    ASSERT_EQ(files.entries.size(), 4u);
    EXPECT_EQ(files.entries[0].synopsis, "show FILE.z4l [--lang en|ja]");
    EXPECT_EQ(files.entries[0].description, "list the patches one line per patch");
    // A synopsis as wide as its column, with one space before the description.
    EXPECT_EQ(files.entries[1].synopsis, "export-smf IN.z4l OUT.mid [--area N]");
    EXPECT_EQ(files.entries[1].description, "the patches as a Standard MIDI File of data sets");
    files.entries.erase(files.entries.begin() + 1);
    EXPECT_EQ(files.entries[1].synopsis, "write IN.z4l --area 1..7 [--indexes 0,3,7] [--verify] [--backup FILE.z4l]");
    EXPECT_EQ(files.entries[1].description, "write the file's patches");
    EXPECT_EQ(files.entries[2].synopsis, "sim [--api alsa|jack] [--port-name NAME] [--wire-speed]");
    EXPECT_EQ(files.entries[2].description, "run the simulated unit");

    ASSERT_NE(doc::FindSection(help, "devices"), nullptr);
    EXPECT_EQ(doc::FindSection(help, "devices")->entries[0].synopsis, "--in NAME --out NAME");

    // A label at the margin is a section of its own; its text may wrap.
    const doc::HelpSection& exit = help.sections[2];
    EXPECT_EQ(exit.title, "Exit status");
    EXPECT_EQ(exit.paragraphs, (std::vector<std::string>{"0 done, 1 failed, 2 usage error."}));
}

TEST(HelpTextTest, ReadsTheLayoutOfTheWindowProgramsOptions) {
    const char* text = "Usage: app [options] [FILE]\n"
                       "The App\n"
                       "\n"
                       "Options:\n"
                       "  --sim-memory <FILE.z4l>  Keep the memory in FILE.\n"
                       "  -h, --help               Show these options.\n"
                       "\n"
                       "Arguments:\n"
                       "  FILE                     A file to open.\n";
    doc::HelpText help;
    std::string error;
    ASSERT_TRUE(doc::ParseHelpText(text, help, error));
    EXPECT_EQ(help.usage, (std::vector<std::string>{"app [options] [FILE]"}));
    EXPECT_EQ(help.intro, (std::vector<std::string>{"The App"}));
    ASSERT_EQ(help.sections.size(), 2u);
    EXPECT_EQ(help.sections[0].entries[0].synopsis, "--sim-memory <FILE.z4l>");
    EXPECT_EQ(help.sections[0].entries[1].synopsis, "-h, --help");
    EXPECT_EQ(help.sections[1].entries[0].description, "A file to open.");
}

TEST(HelpTextTest, TextWithoutAUsageLineIsRefused) {
    doc::HelpText help;
    std::string error;
    EXPECT_FALSE(doc::ParseHelpText("files:\n  show FILE  list\n", help, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(doc::ParseHelpText("", help, error));
}

} // namespace
