#pragma once
// The language of the running program: English, or Japanese resources (the
// windows' texts, Qt's own dialogs and the message table).

// True when the first language of the user's interface is Japanese.
bool IsJapaneseUserInterface();

// Installs the Japanese translations of the windows' texts (the program's
// own and, where present, Qt's) or removes them for English, and sets the
// message table's language. Call it after the application object exists and
// before windows are made. False when the program's own Japanese texts could
// not be loaded (the message table is Japanese all the same).
bool InstallLanguage(bool japanese);
