#include "cli/CliText.h"

#include <gtest/gtest.h>

TEST(MemoForTerminal, ConvertsTheCodePageAndKeepsOneLine) {
    // 0xE9 is e-acute in code page 1252; tab and line feed must not break the line.
    EXPECT_EQ(cli::MemoForTerminal("caf\xE9\tA\nB", "CP1252"), "caf\xC3\xA9 A B");
    // Shift-JIS for the two characters of "memo" in katakana, followed by ASCII.
    EXPECT_EQ(cli::MemoForTerminal("\x83\x81\x83\x82!", "CP932"), "\xE3\x83\xA1\xE3\x83\xA2!");
    EXPECT_EQ(cli::MemoForTerminal("", "CP1252"), "");
}

TEST(MemoForTerminal, ShowsBrokenBytesAsQuestionMarks) {
    // A lone lead byte of a double-byte character cannot be converted.
    EXPECT_EQ(cli::MemoForTerminal("ab\x83", "CP932"), "ab?");
    // 0x81 is not assigned in code page 1252.
    EXPECT_EQ(cli::MemoForTerminal("x\x81y", "CP1252"), "x?y");
}
