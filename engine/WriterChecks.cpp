// Checked writes: a backup of what a write overwrites, read from the unit
// before anything is sent, and a read-back of what it wrote.
#include "engine/Writer.h"

#include "data/AtomicFileWriter.h"
#include "data/ImageData.h"
#include "data/LibrarianFile.h"
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "engine/MidiSetup.h"
#include "engine/PhaseProgress.h"
#include "engine/Reader.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"
#include "ml/TransferScope.h"

#include <algorithm>
#include <system_error>

namespace {

// "MEMORY 4": the area's name and the patch's number as the lists show them.
std::string PatchName(int areaCode, int index) {
    const CParameterAddress map;
    return map.AreaName(map.AreaNumberFromCode(areaCode)) + " " + std::to_string(index + 1);
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

bool SaveBackup(const std::filesystem::path& file, const CParameterArray& patches) {
    std::error_code error;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return false;
    CAtomicFileWriter out(file);
    return out.Open() &&
           EncodeLibrarianFile(patches, [&out](std::span<const std::uint8_t> bytes) { return out.Write(bytes); }) &&
           out.Commit();
}

} // namespace

bool CWriter::WritePatches(int areaCode, const std::vector<int>& indexes, const CParameterArray& array,
                           const CWriteChecks& checks) {
    const bool checked = !checks.backupFile.empty() || checks.verify;
    // The backup's and the read-back's reads name themselves.
    const CTransferMessage failure(FailureDetails(areaCode, indexes, array));
    lastMatched_ = false;
    lastSent_ = false;
    if (!checked)
        return WritePatches(areaCode, indexes, array);
    // A patch that cannot be sent stops the write before the backup reads
    // anything.
    if (!CheckSendable(areaCode, indexes, array))
        return false;
    if (!IsSetUp(GetSetup())) {
        ShowMessage(kMsgMidiNotSetUp);
        return false;
    }
    // The backup, the write and the read-back as one transfer.
    const ML::CTransferScope transfer;
    for (int index : indexes)
        if (!AReader::IsUnitPatch(areaCode, index) || index >= static_cast<int>(array.Size()))
            return false;
    if (!checks.backupFile.empty() && !BackUp(areaCode, indexes, checks.backupFile))
        return false;

    GT::IProgress* const own = progress_;
    CPhaseProgress phase(own, GetMessageTable().Get(kMsgPhaseWrite));
    progress_ = &phase;
    backupOfWrite_ = checks.backupFile;
    const bool written = WritePatches(areaCode, indexes, array);
    backupOfWrite_.clear();
    progress_ = own;
    if (!written)
        return false;
    if (!checks.verify)
        return true;
    lastMatched_ = Verify(areaCode, indexes, array);
    return lastMatched_;
}

bool CWriter::ReadPhase(int titleId, int areaCode, const std::vector<int>& indexes, CImageData& image,
                        bool& cancelled) {
    cancelled = false;
    if (reader_ == nullptr)
        return false;
    CPhaseProgress phase(progress_, GetMessageTable().Get(titleId));
    GT::IProgress* const readerOwn = reader_->GetProgress();
    reader_->SetProgress(&phase);
    const bool read = reader_->ReadPatches(areaCode, indexes, image);
    reader_->SetProgress(readerOwn);
    cancelled = phase.WasCancelled();
    return read;
}

bool CWriter::BackUp(int areaCode, const std::vector<int>& indexes, const std::filesystem::path& file) {
    CImageData unit;
    unit.FillWithNewPatches();
    bool cancelled = false;
    if (!ReadPhase(kMsgPhaseBackup, areaCode, indexes, unit, cancelled)) {
        if (!cancelled)
            ShowMessage(kMsgBackupNotRead);
        return false;
    }
    const CParameterAddress map;
    const CParameterArray& area = unit.GetArray(map.AreaNumberFromCode(areaCode));
    CImageData backup;
    CParameterArray& patches = backup.GetArray(1);
    for (int index : indexes) {
        std::unique_ptr<CParameter> patch = area.At(static_cast<std::size_t>(index))->Clone();
        // Where the patch came from, since a backup of selected patches
        // does not hold the whole area.
        patch->SetMemo(1, PatchName(areaCode, index));
        patches.Append(std::move(patch));
    }
    if (!SaveBackup(file, patches)) {
        ShowMessageWith(kMsgBackupNotSaved, file.string());
        return false;
    }
    return true;
}

bool CWriter::Verify(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    std::vector<int> pending = indexes;
    for (int round = 0;; ++round) {
        CImageData unit;
        unit.FillWithNewPatches();
        bool cancelled = false;
        if (!ReadPhase(kMsgPhaseVerify, areaCode, pending, unit, cancelled))
            return false;
        const std::vector<int> differing = DifferingIndexes(areaCode, pending, array, unit);
        if (differing.empty())
            return true;
        if (round == kResendRounds) {
            ShowMessageWith(kMsgVerifyFailed, JoinNames(DifferingPatches(areaCode, differing, array, unit)));
            return false;
        }
        // A MIDI server that misses its period under load drops what that
        // period carried, so a data set can be lost on the way without
        // anyone seeing it: the patches read back wrongly are sent again.
        GT::IProgress* const own = progress_;
        CPhaseProgress phase(own, GetMessageTable().Get(kMsgPhaseWrite));
        progress_ = &phase;
        const bool sent = WritePatches(areaCode, differing, array);
        progress_ = own;
        if (!sent)
            return false;
        pending = differing;
    }
}

std::vector<int> CWriter::DifferingIndexes(int areaCode, const std::vector<int>& indexes, const CParameterArray& array,
                                           const CImageData& image) {
    const CParameterAddress map;
    const CParameterArray& area = image.GetArray(map.AreaNumberFromCode(areaCode));
    const auto size = static_cast<std::size_t>(map.SegmentSizeFor(areaCode, kPatchBlockCode));
    std::vector<int> differing;
    for (int index : indexes) {
        const CParameter* read = area.At(static_cast<std::size_t>(index));
        const CParameter* sent = array.At(static_cast<std::size_t>(index));
        bool same = read != nullptr && sent != nullptr;
        for (int segment = 0; same && segment < sent->GetSegmentCount(0); ++segment) {
            const std::vector<std::uint8_t> expected = map.SegmentBytes(areaCode, index, segment, array);
            const CParameter::Segment* got = read->FindSegment(0, segment);
            same = got != nullptr && expected.size() >= size && got->size() >= size &&
                   std::equal(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(size), got->begin());
        }
        if (!same && std::find(differing.begin(), differing.end(), index) == differing.end())
            differing.push_back(index);
    }
    return differing;
}

std::vector<std::string> CWriter::DifferingPatches(int areaCode, const std::vector<int>& indexes,
                                                   const CParameterArray& array, const CImageData& image) {
    std::vector<std::string> names;
    for (int index : DifferingIndexes(areaCode, indexes, array, image))
        names.push_back(PatchName(areaCode, index));
    return names;
}
