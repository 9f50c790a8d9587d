#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

// Written as bytes so the check does not depend on how this file is encoded.
const char* const kJapanese2 =
    "\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE3\x82\x92\xE8\xAA\xAD\xE3\x81\xBF\xE8\xBE\xBC\xE3\x81\xBF\xEF\xBC\x8F\xE6"
    "\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x81\xBF\xE3\x81\xA7\xE3\x81\x8D\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93\xE3\x81"
    "\xA7\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82\n\xE3\x80\x8C\xE3\x83\x98\xE3\x83\xAB\xE3\x83\x97 \xEF\xBC\x8D ZM-47 "
    "Librarian\xE3\x81\xAE\xE4\xBD\xBF\xE3\x81\x84\xE3\x81\x8B\xE3\x81\x9F\xE3\x80\x8D\xE3\x82\x92\xE9\x81\xB8\xE6\x8A"
    "\x9E\xE3\x81\x97\xE3\x80\x81\xE3\x80\x8E"
    "6. "
    "\xE3\x80\x8C\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE3\x82\x92\xE8\xAA\xAD\xE3\x81\xBF\xE8\xBE\xBC\xE3\x81\xBF\xEF"
    "\xBC\x8F\xE6\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x81\xBF\xE3\x81\xA7\xE3\x81\x8D\xE3\x81\xBE\xE3\x81\x9B\xE3\x82"
    "\x93\xE3\x81\xA7\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x8D\xE3\x81\xA8\xE8\xA1\xA8\xE7\xA4\xBA\xE3\x81\x95\xE3\x82\x8C"
    "\xE3\x81\x9F\xE5\xA0\xB4\xE5\x90\x88\xE3\x80\x8F\xE3\x82\x92\xE3\x81\x94\xE8\xA6\xA7\xE3\x81\x8F\xE3\x81\xA0\xE3"
    "\x81\x95\xE3\x81\x84\xE3\x80\x82";
const char* const kJapanese7 =
    "MIDI "
    "\xE6\xA9\x9F\xE5\x99\xA8\xE3\x81\xA8\xE3\x81\xAE\xE6\x8E\xA5\xE7\xB6\x9A\xE3\x81\x8C\xE5\x88\x87\xE6\x96\xAD\xE3"
    "\x81\x95\xE3\x82\x8C\xE3\x81\xBE\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82";
const char* const kJapanese20 =
    "ZM-47 \xE3\x81\xAE Patch Area "
    "\xE3\x82\x92\xE6\x9B\xB8\xE3\x81\x8D\xE6\x8F\x9B\xE3\x81\x88\xE3\x81\xBE\xE3\x81\x99\xE3\x80\x82\xE3\x82\x88\xE3"
    "\x82\x8D\xE3\x81\x97\xE3\x81\x84\xE3\x81\xA7\xE3\x81\x99\xE3\x81\x8B\xEF\xBC\x9F";

const char* const kEnglish2 =
    "Unable to read/write data.\nChoose \"Help - ZM-47 Librarian Manual\", and refer to \"6. If the display "
    "indicates 'Unable to read/write data.'\".";

// The ids the program names: every "kMsgName = number," of MessageIds.h.
std::set<int> DeclaredIds() {
    std::ifstream in(std::string(ZM47_SOURCE_DIR) + "/messages/MessageIds.h");
    std::set<int> ids;
    const std::regex entry(R"(^\s*kMsg\w+\s*=\s*(\d+)\b)");
    std::smatch match;
    for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, match, entry)) {
            EXPECT_TRUE(ids.insert(std::stoi(match[1])).second) << line;
        }
    return ids;
}

CMessageTable FilledTable() {
    CMessageTable table;
    FillMessageTable(table);
    return table;
}

TEST(MessageTable, JapaneseTextsAreByteExactAndSwitchingBackNeedsNoRefill) {
    CMessageTable table = FilledTable();
    ASSERT_TRUE(table.SetLanguage(CMessageTable::kJapanese));
    EXPECT_EQ(table.Get(kMsgUnableToReadWrite), kJapanese2);
    EXPECT_EQ(table.Get(kMsgMidiConnectError), kJapanese7);
    EXPECT_EQ(table.Get(kMsgConfirmWrite), kJapanese20);
    EXPECT_EQ(table.Get(kMsgManualPath), "Manual\\ZM-47LibrarianManualJ.pdf");

    ASSERT_TRUE(table.SetLanguage(CMessageTable::kEnglish));
    EXPECT_EQ(table.Get(kMsgUnableToReadWrite), kEnglish2);
    EXPECT_EQ(table.Get(kMsgMidiConnectError), "MIDI connect error.");
}

TEST(MessageTable, EveryDeclaredIdHasTextInBothLanguagesAndNoOtherIdHasAny) {
    const std::set<int> declared = DeclaredIds();
    ASSERT_GT(declared.size(), 20u) << "messages/MessageIds.h not read";
    ASSERT_TRUE(declared.contains(kMsgUnableToReadWrite));
    CMessageTable table = FilledTable();
    for (int language : {CMessageTable::kEnglish, CMessageTable::kJapanese}) {
        ASSERT_TRUE(table.SetLanguage(language));
        for (int id : declared)
            EXPECT_FALSE(table.Get(id).empty()) << "id " << id << " language " << language;
        // One text per declared id: the table has none for another id.
        EXPECT_EQ(table.Size(language), declared.size()) << "language " << language;
        for (int id = 0; id <= *declared.rbegin() + 1; ++id)
            if (!declared.contains(id)) {
                EXPECT_EQ(table.Get(id), "") << "id " << id;
            }
    }
}

TEST(MessageTable, RefillingLeavesOneTextPerIdAndLanguage) {
    CMessageTable table = FilledTable();
    const std::size_t english = table.Size(CMessageTable::kEnglish);
    table.Add(CMessageTable::kEnglish, kMsgFileNotSaved, "changed");
    FillMessageTable(table);
    EXPECT_EQ(table.Size(CMessageTable::kEnglish), english);
    EXPECT_EQ(table.Size(CMessageTable::kJapanese), english);
    EXPECT_EQ(table.Get(kMsgFileNotSaved), "The file could not be saved.");
}

TEST(MessageTable, UnknownLanguagesAreRefusedAndChangeNothing) {
    CMessageTable table = FilledTable();
    ASSERT_TRUE(table.SetLanguage(CMessageTable::kJapanese));
    EXPECT_FALSE(table.SetLanguage(2));
    EXPECT_FALSE(table.SetLanguage(-1));
    EXPECT_EQ(table.GetLanguage(), CMessageTable::kJapanese);
    EXPECT_FALSE(table.Add(2, kMsgFileNotLoaded, "x"));
    EXPECT_FALSE(table.Add(-1, kMsgFileNotLoaded, "x"));
    EXPECT_EQ(table.Size(2), 0u);
    EXPECT_EQ(table.Get(kMsgFileNotLoaded), "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\xE3\x81\x8C\xE8\xAA\xAD"
                                            "\xE3\x81\xBF\xE8\xBE\xBC\xE3\x82\x81\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93"
                                            "\xE3\x81\xA7\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82");
}

TEST(MessageTable, TheDevicesMessageSaysWhatToMakeSureOf) {
    CMessageTable table = FilledTable();
    EXPECT_EQ(table.Get(kMsgMidiNotSetUp), "MIDI devices aren't set up correctly.\nMake sure the settings in the "
                                           "\"Set Up MIDI Devices\" dialog box are right.");
    ASSERT_TRUE(table.SetLanguage(CMessageTable::kJapanese));
    // "...MIDI機器の設定」ダイアログ・ボックスの設定が正しいか確認してください。"
    const std::string japanese = table.Get(kMsgMidiNotSetUp);
    EXPECT_NE(japanese.find("\xE3\x83\x80\xE3\x82\xA4\xE3\x82\xA2\xE3\x83\xAD\xE3\x82\xB0"), std::string::npos)
        << "names the dialog box";
    EXPECT_EQ(japanese.substr(japanese.size() - 3), "\xE3\x80\x82") << "ends its sentence";
}

} // namespace
