#pragma once
// What an import of data sets (a Standard MIDI File, a raw SysEx file) took
// and what it skipped, and the line that tells the user:
// "8 patches imported (MEMORY 1–8); 2 data sets skipped".
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct CImportTally {
    // Every SysEx message the file held.
    std::size_t seen = 0;
    // Each data set stored, as (area number 1 to 7, patch index from 0), in
    // the order stored.
    std::vector<std::pair<int, int>> stored;

    void Clear() { *this = {}; }
    // The data sets stored for the area (0: every area).
    std::size_t StoredIn(int area) const;
    // The distinct patches stored for the area (0: every area), in area and
    // patch order.
    std::vector<std::pair<int, int>> PatchesIn(int area) const;
};

// "MEMORY 1–8, 10, SOUND LIBRARY: CLEAN 3": the patches grouped by area,
// neighbouring numbers as one range. Beyond maxRanges ranges the list is cut
// short: the first maxRanges - 1 of them, "…" and the last one
// ("MEMORY 1, 3, 5, …, 59").
std::string PatchRanges(const std::vector<std::pair<int, int>>& patches, std::size_t maxRanges = SIZE_MAX);

// The summary of an import that kept only the patches of `area` (0: every
// area): the distinct patches taken and where they went, and how many SysEx
// messages of the file were not taken.
std::string ImportSummary(const CImportTally& tally, int area);
