#include "manual/tool/ManPage.h"

#include <gtest/gtest.h>

namespace {

doc::HelpText Parse(const char* text) {
    doc::HelpText help;
    std::string error;
    EXPECT_TRUE(doc::ParseHelpText(text, help, error)) << error;
    return help;
}

TEST(ManPageTest, TextCannotBeReadAsRoffRequests) {
    EXPECT_EQ(doc::RoffEscape("a-b"), "a\\-b");
    EXPECT_EQ(doc::RoffEscape("C:\\dir"), "C:\\edir");
    EXPECT_EQ(doc::RoffEscape(".hidden"), "\\&.hidden");
    EXPECT_EQ(doc::RoffEscape("'quoted'"), "\\&'quoted'");
    EXPECT_EQ(doc::RoffEscape(""), "");
}

TEST(ManPageTest, EveryPartOfTheHelpTextIsOnThePage) {
    const doc::HelpText help = Parse("usage: tool COMMAND [ARGS]\n"
                                     "       tool --version\n"
                                     "\n"
                                     "files:\n"
                                     "  show FILE.z4l [--lang en|ja]   list the patches\n"
                                     "  new FILE.z4l\n"
                                     "\n"
                                     "Exit status: 0 done.\n");
    const doc::ManPageInfo info{"tool",       "does things",  "1.2.3",
                                "2026-01-02", "Long text.\n", ".SH \"SEE ALSO\"\n.BR other (1)\n"};
    const std::string page = doc::RenderManPage(help, info);
    EXPECT_NE(page.find(".TH TOOL 1 \"2026-01-02\" \"tool 1.2.3\" \"User Commands\"\n"), std::string::npos) << page;
    EXPECT_NE(page.find(".SH NAME\ntool \\- does things\n"), std::string::npos);
    EXPECT_NE(
        page.find(
            ".SH SYNOPSIS\n\\fBtool\\fR \\fICOMMAND\\fR [\\fIARGS\\fR]\n.br\n\\fBtool\\fR \\fB\\-\\-version\\fR\n"),
        std::string::npos)
        << page;
    EXPECT_NE(page.find(".SH DESCRIPTION\nLong text.\n"), std::string::npos);
    EXPECT_NE(
        page.find(
            ".SH \"COMMANDS: FILES\"\n.TP\n\\fBshow\\fR \\fIFILE.z4l\\fR [\\fB\\-\\-lang\\fR \\fBen\\fR|\\fBja\\fR]\n"
            "list the patches\n"),
        std::string::npos)
        << page;
    // An entry without a description still makes a well-formed paragraph.
    EXPECT_NE(page.find(".TP\n\\fBnew\\fR \\fIFILE.z4l\\fR\n\\&\n"), std::string::npos) << page;
    EXPECT_NE(page.find(".SH \"EXIT STATUS\"\n.PP\n0 done.\n"), std::string::npos) << page;
    EXPECT_TRUE(page.ends_with(".SH \"SEE ALSO\"\n.BR other (1)\n")) << page;
}

} // namespace
