#pragma once
// Where the main window's patches came from, row by row: never read from the
// unit (the initial patches), read from it, written to it, or remembered from
// an earlier run (the last known state). For every row it keeps the 128 bytes
// the unit is known to hold (or, for a row never read, the initial patch), so
// whether the user changed a row is a plain comparison with the window's
// patch: edits, pastes, drops, imports and undo all count without each
// command having to report itself.
//
// The views dim rows that are not the unit's, mark changed rows and say above
// the list what the area shows; Write refuses or asks for rows that are not
// the unit's; quitting asks about areas with changes that were never written.
#include "data/Patch.h"

#include <array>
#include <cstdint>
#include <vector>

class CImageData;
class CParameterArray;

enum class RowSource : std::uint8_t {
    kInitial,    // never read: the initial patch the window started with
    kRead,       // read from the unit
    kWritten,    // written to the unit (and so what it holds)
    kRemembered, // the last known state of an earlier run, not read now
};

using PatchBytes = std::array<std::uint8_t, CPatch::kDataSize>;

// What a row shows, as the views and the commands need it.
struct RowStatus {
    RowSource source = RowSource::kInitial;
    // When the row was read or written, or the remembered state's time
    // (seconds since the epoch; 0 for initial rows).
    std::int64_t time = 0;
    // The window's patch differs from what the unit is known to hold (or,
    // for a row never read, from its initial patch): the user changed it.
    bool changed = false;
    // Not 0: the read found the unit's patch different from the state
    // remembered from this time (changed on the unit's own panel, or by
    // another program). Cleared by the row's next read or write.
    std::int64_t changedOnUnitSince = 0;

    // Shown as not the unit's: dimmed, and not to be written as if read.
    bool NotRead() const { return source == RowSource::kInitial && !changed; }
    bool OnlyRemembered() const { return source == RowSource::kRemembered && !changed; }
};

// What the line above an area's list says, in order of importance.
enum class AreaNotice : std::uint8_t {
    kNone,
    kReading,       // remembered rows shown while the unit is being read
    kRemembered,    // remembered rows the unit could not be read for
    kNotRead,       // rows never read and not filled by the user
    kChangedOnUnit, // rows the read found changed on the unit
    kChangedByUser, // rows changed in the window and not written
};

struct AreaSummary {
    AreaNotice notice = AreaNotice::kNone;
    // For kReading and kRemembered: the remembered state's time; for
    // kChangedOnUnit: the earliest "since" time.
    std::int64_t time = 0;
    int notRead = 0;
    int remembered = 0;
    int changed = 0;
    int changedOnUnit = 0;
};

class CUnitProvenance {
public:
    // Every row of every area starts as never read, its initial patch taken
    // from the image.
    void Start(const CImageData& image);
    // The rows of the area show a state remembered from stateTime; the
    // caller has put those patches into the window.
    void Remember(int area, const CParameterArray& patches, std::int64_t stateTime);
    // The same, slot by slot: slotTimes[i] is when the last known state saw
    // row i's patch; a row with time 0 (or beyond the list) was never seen
    // by any state and stays as it was.
    void RememberSlots(int area, const CParameterArray& patches, const std::vector<std::int64_t>& slotTimes);
    // The listed rows now hold what the unit holds (read at `time`). A
    // remembered row whose patch differs from the remembered one is marked
    // changed on the unit since the remembered state's time; any other
    // row's mark goes.
    void MarkRead(int area, const std::vector<int>& indexes, const CParameterArray& patches, std::int64_t time);
    // The listed rows were written to the unit at `time`: the unit holds
    // the window's patches.
    void MarkWritten(int area, const std::vector<int>& indexes, const CParameterArray& patches, std::int64_t time);
    // While the start-up read of the area runs after its remembered state
    // was shown.
    void SetReading(int area, bool reading);
    bool IsReading(int area) const;

    RowStatus Status(int area, int index, const CParameterArray& patches) const;
    AreaSummary Summarize(int area, const CParameterArray& patches) const;
    // The rows the user changed and never wrote, in index order.
    std::vector<int> ChangedIndexes(int area, const CParameterArray& patches) const;
    // The areas (1..7) with rows the user changed and never wrote.
    std::vector<int> ChangedAreas(const CImageData& image) const;

private:
    struct Row {
        RowSource source = RowSource::kInitial;
        std::int64_t time = 0;
        std::int64_t changedOnUnitSince = 0;
        PatchBytes known{};
    };
    struct Area {
        std::vector<Row> rows;
        bool reading = false;
    };
    Area* FindArea(int area);
    const Area* FindArea(int area) const;
    // The row of index, grown to it (a new row counts as never read).
    Row& RowAt(Area& area, int index);
    // The listed rows now hold what the unit holds, as read or as written
    // at time; a read also notes whether the unit changed since it was
    // remembered.
    void MarkUnitRows(int area, const std::vector<int>& indexes, const CParameterArray& patches, std::int64_t time,
                      RowSource source);

    std::array<Area, 7> areas_;
};

// The patch's data bytes (zeros for an object that is not a patch).
PatchBytes BytesOf(const CParameter* object);
