#pragma once
// The history library of the running program and the recorder its commands
// record through. The program sets them at start-up (app/main) and clears
// them at exit; until then, and in tests that set none, the recorder records
// nothing and there is no library.
#include "library/HistoryRecorder.h"

class CLibrary;

// Never null: a recorder that records nothing when none is set.
IHistoryRecorder& GetHistoryRecorder();
// Null when the program runs without a library (it could not be opened).
CLibrary* GetHistoryLibrary();
// Not owned; null to clear. The recorder decides itself whether it records
// (Setup - Keep History).
void SetHistory(CLibrary* library, IHistoryRecorder* recorder);
