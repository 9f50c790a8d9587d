#pragma once
// What the window program's commands call to record what they saw, without
// knowing the library: a read of the unit, a write with its backup and
// read-back, a file opened, saved or imported. The program passes one to the
// windows; a null recorder records nothing. Recording never changes the
// outcome of the command that calls it.
#include "data/ImageData.h"
#include "data/ParameterArray.h"
#include "library/Library.h"

#include <ctime>
#include <filesystem>
#include <vector>

// How a write ended, for the "before write" and "written" states.
struct CWriteRecord {
    // When the write began (the backup's time).
    std::time_t started = 0;
    // The backup the write made first; empty when it made none or it failed.
    std::filesystem::path backupFile;
    // Whether every listed patch was sent.
    bool sent = false;
    EVerify verify = EVerify::kNotChecked;
};

class IHistoryRecorder {
public:
    virtual ~IHistoryRecorder() = default;
    // After a read of area `area` (1..7): the area's array, of which the
    // listed slots were read (empty: all).
    virtual void UnitRead(int area, const std::vector<int>& indexes, const CParameterArray& areaPatches) = 0;
    // After a write of the listed slots of `area` from `sent` (indexed by
    // slot): the backup as "before write", then, when sent, the "written"
    // state with the verify result.
    virtual void UnitWritten(int area, const std::vector<int>& indexes, const CParameterArray& sent,
                             const CWriteRecord& record) = 0;
    // A librarian file opened or saved, or a file's patches taken in.
    virtual void FileSeen(const std::filesystem::path& path, EFileEvent event, const CParameterArray& patches) = 0;
    // A SysEx or SMF file imported: `image` is an image prepared with
    // PrepareImportImage and filled by the import; only the slots the file
    // stored are recorded, in area order.
    virtual void FileImported(const std::filesystem::path& path, const CImageData& image) = 0;
};

// The library's recorder, on while enabled (the user's Keep History).
class CHistoryRecorder : public IHistoryRecorder {
public:
    // library not owned; null records nothing.
    explicit CHistoryRecorder(CLibrary* library) : library_(library) {}

    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsEnabled() const { return enabled_ && library_ != nullptr; }
    CLibrary* Library() const { return library_; }

    void UnitRead(int area, const std::vector<int>& indexes, const CParameterArray& areaPatches) override;
    void UnitWritten(int area, const std::vector<int>& indexes, const CParameterArray& sent,
                     const CWriteRecord& record) override;
    void FileSeen(const std::filesystem::path& path, EFileEvent event, const CParameterArray& patches) override;
    void FileImported(const std::filesystem::path& path, const CImageData& image) override;

private:
    CLibrary* library_ = nullptr; // not owned
    bool enabled_ = true;
};

// Makes every patch of every area hold bytes (0xFF) that no data set can
// carry, so that after an import the patches a file stored can be told from
// those it did not (a stored patch has only 7-bit bytes).
void PrepareImportImage(CImageData& image);
// The patches of an image prepared so that an import stored, area by area in
// slot order; unstored slots are left out.
CConcreteParameterArray<CPatch> ImportedPatches(const CImageData& image);
