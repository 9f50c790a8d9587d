#include "library/HistoryRecorder.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kUnstored = 0xFF;

bool Stored(const CPatch& patch) {
    const CParameter::Segment* data = patch.FindSegment(0, 0);
    return data && data->size() == static_cast<std::size_t>(CPatch::kDataSize) &&
           std::none_of(data->begin(), data->end(), [](std::uint8_t byte) { return byte == kUnstored; });
}

} // namespace

void CHistoryRecorder::UnitRead(int area, const std::vector<int>& indexes, const CParameterArray& areaPatches) {
    if (IsEnabled())
        library_->RecordUnitState(area, EUnitEvent::kRead, indexes, areaPatches);
}

void CHistoryRecorder::UnitWritten(int area, const std::vector<int>& indexes, const CParameterArray& sent,
                                   const CWriteRecord& record) {
    if (!IsEnabled())
        return;
    if (!record.backupFile.empty())
        library_->RecordBackupFile(record.backupFile, area, indexes, record.started);
    if (record.sent)
        library_->RecordUnitState(area, EUnitEvent::kWritten, indexes, sent, record.verify);
}

void CHistoryRecorder::FileSeen(const std::filesystem::path& path, EFileEvent event, const CParameterArray& patches) {
    if (IsEnabled())
        library_->RecordFile(path, event, patches);
}

void CHistoryRecorder::FileImported(const std::filesystem::path& path, const CImageData& image) {
    if (IsEnabled())
        library_->RecordFile(path, EFileEvent::kImported, ImportedPatches(image));
}

void PrepareImportImage(CImageData& image) {
    image.FillWithNewPatches();
    for (int area = 1; area <= 7; ++area) {
        CParameterArray& patches = image.GetArray(area);
        for (std::size_t i = 0; i < patches.Size(); ++i)
            if (CParameter::Segment* data = patches[i].FindSegment(0, 0))
                std::fill(data->begin(), data->end(), kUnstored);
    }
}

CConcreteParameterArray<CPatch> ImportedPatches(const CImageData& image) {
    CConcreteParameterArray<CPatch> patches;
    for (int area = 1; area <= 7; ++area) {
        const CParameterArray& array = image.GetArray(area);
        for (std::size_t i = 0; i < array.Size(); ++i)
            if (const CPatch* patch = AsPatch(array.At(i)); patch && Stored(*patch))
                patches.Append(patch->Clone());
    }
    return patches;
}
