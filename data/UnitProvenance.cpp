#include "data/UnitProvenance.h"

#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"

#include <algorithm>
#include <cstring>

PatchBytes BytesOf(const CParameter* object) {
    PatchBytes bytes{};
    const CPatch* patch = AsPatch(object);
    if (patch && patch->Data())
        std::memcpy(bytes.data(), patch->Data(), bytes.size());
    return bytes;
}

namespace {

bool SameBytes(const PatchBytes& known, const CParameter* object) {
    const CPatch* patch = AsPatch(object);
    if (!patch || !patch->Data())
        return false;
    return std::memcmp(known.data(), patch->Data(), known.size()) == 0;
}

} // namespace

CUnitProvenance::Area* CUnitProvenance::FindArea(int area) {
    return area >= 1 && area <= kAreaCount ? &areas_[static_cast<std::size_t>(area - 1)] : nullptr;
}

const CUnitProvenance::Area* CUnitProvenance::FindArea(int area) const {
    return area >= 1 && area <= kAreaCount ? &areas_[static_cast<std::size_t>(area - 1)] : nullptr;
}

CUnitProvenance::Row& CUnitProvenance::RowAt(Area& area, int index) {
    const auto i = static_cast<std::size_t>(index);
    if (area.rows.size() <= i)
        area.rows.resize(i + 1);
    return area.rows[i];
}

void CUnitProvenance::Start(const CImageData& image) {
    for (int n = 1; n <= kAreaCount; ++n) {
        Area& area = *FindArea(n);
        const CParameterArray& patches = image.GetArray(n);
        area.rows.assign(patches.Size(), Row{});
        area.reading = false;
        for (std::size_t i = 0; i < patches.Size(); ++i)
            area.rows[i].known = BytesOf(patches.At(i));
    }
}

void CUnitProvenance::Remember(int number, const CParameterArray& patches, std::int64_t stateTime) {
    RememberSlots(number, patches, std::vector<std::int64_t>(patches.Size(), stateTime));
}

void CUnitProvenance::RememberSlots(int number, const CParameterArray& patches,
                                    const std::vector<std::int64_t>& slotTimes) {
    Area* area = FindArea(number);
    if (!area)
        return;
    if (area->rows.size() < patches.Size())
        area->rows.resize(patches.Size());
    for (std::size_t i = 0; i < patches.Size() && i < slotTimes.size(); ++i) {
        if (slotTimes[i] == 0)
            continue;
        Row& row = area->rows[i];
        row = Row{};
        row.source = RowSource::kRemembered;
        row.time = slotTimes[i];
        row.known = BytesOf(patches.At(i));
    }
}

void CUnitProvenance::MarkUnitRows(int number, const std::vector<int>& indexes, const CParameterArray& patches,
                                   std::int64_t time, RowSource source) {
    Area* area = FindArea(number);
    if (!area)
        return;
    for (int index : indexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= patches.Size())
            continue;
        Row& row = RowAt(*area, index);
        const PatchBytes now = BytesOf(patches.At(static_cast<std::size_t>(index)));
        const bool changedOnUnit =
            source == RowSource::kRead && row.source == RowSource::kRemembered && now != row.known;
        row.changedOnUnitSince = changedOnUnit ? row.time : 0;
        row.source = source;
        row.time = time;
        row.known = now;
    }
}

void CUnitProvenance::MarkRead(int number, const std::vector<int>& indexes, const CParameterArray& patches,
                               std::int64_t time) {
    MarkUnitRows(number, indexes, patches, time, RowSource::kRead);
}

void CUnitProvenance::MarkWritten(int number, const std::vector<int>& indexes, const CParameterArray& patches,
                                  std::int64_t time) {
    MarkUnitRows(number, indexes, patches, time, RowSource::kWritten);
}

void CUnitProvenance::SetReading(int number, bool reading) {
    if (Area* area = FindArea(number))
        area->reading = reading;
}

bool CUnitProvenance::IsReading(int number) const {
    const Area* area = FindArea(number);
    return area && area->reading;
}

RowStatus CUnitProvenance::Status(int number, int index, const CParameterArray& patches) const {
    RowStatus status;
    const Area* area = FindArea(number);
    if (!area || index < 0 || static_cast<std::size_t>(index) >= patches.Size())
        return status;
    const CParameter* object = patches.At(static_cast<std::size_t>(index));
    const auto i = static_cast<std::size_t>(index);
    if (i >= area->rows.size()) {
        // A row the window has but the unit never had in this run (cannot
        // happen in the main window, which keeps each area at the unit's
        // size): it is the user's.
        status.changed = true;
        return status;
    }
    const Row& row = area->rows[i];
    status.source = row.source;
    status.time = row.time;
    status.changedOnUnitSince = row.changedOnUnitSince;
    status.changed = !SameBytes(row.known, object);
    return status;
}

AreaSummary CUnitProvenance::Summarize(int number, const CParameterArray& patches) const {
    AreaSummary summary;
    std::int64_t rememberedTime = 0;
    std::int64_t since = 0;
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const RowStatus status = Status(number, static_cast<int>(i), patches);
        if (status.NotRead())
            ++summary.notRead;
        if (status.OnlyRemembered()) {
            ++summary.remembered;
            rememberedTime = std::max(rememberedTime, status.time);
        }
        if (status.changed)
            ++summary.changed;
        if (status.changedOnUnitSince != 0) {
            ++summary.changedOnUnit;
            since = since == 0 ? status.changedOnUnitSince : std::min(since, status.changedOnUnitSince);
        }
    }
    if (summary.remembered > 0) {
        summary.notice = IsReading(number) ? AreaNotice::kReading : AreaNotice::kRemembered;
        summary.time = rememberedTime;
    } else if (summary.notRead > 0) {
        summary.notice = AreaNotice::kNotRead;
    } else if (summary.changedOnUnit > 0) {
        summary.notice = AreaNotice::kChangedOnUnit;
        summary.time = since;
    } else if (summary.changed > 0) {
        summary.notice = AreaNotice::kChangedByUser;
    }
    return summary;
}

std::vector<int> CUnitProvenance::ChangedIndexes(int number, const CParameterArray& patches) const {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < patches.Size(); ++i)
        if (Status(number, static_cast<int>(i), patches).changed)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

std::vector<int> CUnitProvenance::ChangedAreas(const CImageData& image) const {
    std::vector<int> areas;
    for (int n = 1; n <= kAreaCount; ++n)
        if (!ChangedIndexes(n, image.GetArray(n)).empty())
            areas.push_back(n);
    return areas;
}
