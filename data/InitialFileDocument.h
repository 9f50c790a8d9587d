#pragma once
// The initial data file: a librarian file whose first patch is what every new
// patch becomes. One instance for the whole program, created on first use and
// loaded once at start-up; until a load succeeds new patches are "INIT PATCH".
// Process-wide because a new patch is made deep in the data model (an area
// growing, a paste), where nothing else of the program is at hand.
#include "data/FileDocument.h"

#include <filesystem>

class CInitialFileDocument {
public:
    static CInitialFileDocument& Instance();

    // Reads the file; succeeds only when it holds at least one patch of the
    // right shape. The reader reports its own failures; an empty or misshapen
    // file fails without a message of its own.
    bool Load(const std::filesystem::path& path);
    bool IsLoaded() const { return loaded_; }
    // The first patch of the loaded file, whatever the kind asked for; nullptr
    // while nothing is loaded.
    const CParameter* GetInitialObject(int kind) const;
    // Back to "not loaded" with no patches (tests, reloads).
    void Unload();

private:
    CInitialFileDocument() = default;

    CFileDocument document_;
    bool loaded_ = false;
};
