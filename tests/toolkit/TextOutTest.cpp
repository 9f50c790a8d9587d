#include "toolkit/core/TextOut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A sink that keeps every finished text, one entry per Output call.
class RecordingTextOut : public GT::ATextOut {
public:
    void Output(std::string_view text) override { outputs.emplace_back(text); }
    std::vector<std::string> outputs;
};

TEST(TextOut, IndentPrefixesEveryLineStartAcrossWrites) {
    RecordingTextOut out;
    out.Indent(4);
    out.Write("one\ntwo\n");
    out.Write("three");
    out.Write(" more\n");
    ASSERT_EQ(out.outputs.size(), 3u);
    EXPECT_EQ(out.outputs[0], "    one\n    two\n");
    EXPECT_EQ(out.outputs[1], "    three");
    EXPECT_EQ(out.outputs[2], " more\n"); // continues the line: no indentation
}

TEST(TextOut, IndentNeverGoesBelowZeroAndAccumulates) {
    RecordingTextOut out;
    out.Indent(2);
    out.Indent(3);
    out.Write("a\n");
    out.Indent(-100);
    out.Write("b\n");
    out.Indent(1);
    out.Write("c");
    EXPECT_EQ(out.outputs[0], "     a\n");
    EXPECT_EQ(out.outputs[1], "b\n");
    EXPECT_EQ(out.outputs[2], " c");
}

TEST(TextOut, PrintfCutNeverLeavesHalfACharacter) {
    RecordingTextOut out;
    // 510 ASCII bytes, then three-byte characters: the first one would be
    // cut after its first byte at the 511-byte limit.
    const std::string text = std::string(510, 'a') + "\xE3\x83\x87\xE3\x83\xBC";
    out.Printf("%s", text.c_str());
    EXPECT_EQ(out.outputs.at(0), std::string(510, 'a'));

    RecordingTextOut exact;
    const std::string fits = std::string(508, 'a') + "\xE3\x83\x87\xE3\x83\xBC";
    exact.Printf("%s", fits.c_str());
    EXPECT_EQ(exact.outputs.at(0), std::string(508, 'a') + "\xE3\x83\x87");
}

} // namespace
