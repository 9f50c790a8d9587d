#pragma once
// The history library of the running program and the recorder its commands
// record through, as the librarian state hands them on. The program sets
// them at start-up (app/main) and clears them at exit; until then, and in
// tests that set none, the recorder records nothing and there is no library.
#include "library/HistoryRecorder.h"

class CLibrary;

class CHistoryAccess {
public:
    // Never null: a recorder that records nothing when none is set.
    IHistoryRecorder& Recorder() { return recorder_ ? *recorder_ : nothing_; }
    // Null when the program runs without a library (it could not be opened).
    CLibrary* Library() const { return library_; }
    // Not owned; null to clear. The recorder decides itself whether it
    // records (Setup - Keep History).
    void Set(CLibrary* library, IHistoryRecorder* recorder) {
        library_ = library;
        recorder_ = recorder;
    }

private:
    CHistoryRecorder nothing_{nullptr};
    CLibrary* library_ = nullptr;          // not owned
    IHistoryRecorder* recorder_ = nullptr; // not owned
};
