#pragma once
// Ways the simulated unit can be told to misbehave, one switch per fault a
// transfer must survive or report.
#include <chrono>

namespace sim {

struct UnitFaults {
    // Answers nothing (data sets sent to it are still stored).
    bool silent = false;
    // The identity reply carries the family code 46 02 instead of 45 02.
    bool wrongFamilyCode = false;
    // Data sets go out with a checksum off by one.
    bool badChecksum = false;
    // Data sets go out with only the first 64 of the 128 data bytes.
    bool shortData = false;
    // Every reply waits this long before it starts.
    std::chrono::milliseconds delay{0};
    // The n-th reply after these faults were set (counted from 1) and the
    // dropCount - 1 replies after it are not sent; 0 drops nothing.
    int dropReply = 0;
    int dropCount = 1;
    // The n-th reply after these faults were set (counted from 1) and every
    // reply after it are kept back until ReleaseHeldReplies: replies as late
    // as a test wants them. 0 holds nothing.
    int holdFromReply = 0;
    // The n-th data set received after these faults were set (counted from
    // 1) is stored with its first data byte changed: a unit that stores a
    // patch wrongly once. 0 stores every data set as it came.
    int corruptStore = 0;
    // And every later data set to that address too: a unit whose memory
    // there has failed, which a patch sent again does not mend.
    bool corruptStays = false;
    // Requests take their time on a 31250-baud wire before the unit sees
    // them, and each reply arrives one wire time per byte after it starts,
    // one after the other.
    bool wireSpeed = false;
};

} // namespace sim
