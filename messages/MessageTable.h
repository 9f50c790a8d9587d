#pragma once
// The bilingual table of numbered user texts. Code reports a failure by its
// message id; the table turns the id into the text of the current language.
#include <array>
#include <cstddef>
#include <map>
#include <string>

class CMessageTable {
public:
    enum Language : int { kEnglish = 0, kJapanese = 1 };

    // Empties both languages.
    void Clear();
    // Stores text (UTF-8) under id in the given language, replacing an earlier
    // text. False, and nothing stored, for a language that does not exist.
    bool Add(int language, int id, std::string text);
    // False, and the language kept, for an index that is neither 0 nor 1.
    bool SetLanguage(int index);
    int GetLanguage() const { return language_; }
    // The text of id in the current language; an id without text gives the
    // empty text (and is entered as such).
    std::string Get(int id);
    // Number of ids with an entry in the language (0 for an unknown one).
    std::size_t Size(int language) const;

private:
    int language_ = kEnglish;
    std::array<std::map<int, std::string>, 2> texts_;
};

// Clears the table and adds every text of the librarian, English before
// Japanese for each id.
void FillMessageTable(CMessageTable& table);

// The process-wide table, created and filled on first use, English selected.
// Process-wide because a message is shown where a failure is found, in any
// layer, by its id alone; the language is the program's, chosen once.
CMessageTable& GetMessageTable();
