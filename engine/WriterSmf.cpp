// The device writer's file mode: export of data sets as a Standard MIDI File
// or as a raw SysEx file.
#include "engine/Writer.h"

#include "data/FileAccess.h"
#include "engine/MidiOut.h"
#include "engine/SmfExchange.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/CursorChanger.h"

bool CWriter::ExportSmf(const std::filesystem::path& path, int areaCode, const std::vector<int>& indexes,
                        const CParameterArray& array) {
    UL::CWaitCursor wait;
    if (!CheckSendable(areaCode, indexes, array) || !CheckSaveTarget(path))
        return false;
    const bool ok = ExportSmfToBuffer(areaCode, indexes, array) && WriteSmfFile(path, GetFileBytes());
    // The file in memory is no longer needed once it is on disk.
    ResetFile();
    if (!ok)
        ShowMessage(kMsgFileNotSaved);
    return ok;
}

bool CWriter::ExportSmfToBuffer(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    ResetFile();
    if (!IsSendable(areaCode, indexes, array))
        return false;
    source_ = &array;
    fileMode_ = true;
    fileDevice_ = this;
    const bool ok = GetOutput() != nullptr && Begin() && BeginTrack() && WriteIndexes(areaCode, indexes) &&
                    !SendFailed() && EndTrack() && Finish();
    fileMode_ = false;
    fileDevice_ = nullptr;
    source_ = nullptr;
    return ok;
}

bool CWriter::ExportSysEx(const std::filesystem::path& path, int areaCode, const std::vector<int>& indexes,
                          const CParameterArray& array) {
    UL::CWaitCursor wait;
    if (!CheckSendable(areaCode, indexes, array) || !CheckSaveTarget(path))
        return false;
    const bool ok = ExportSysExToBuffer(areaCode, indexes, array) && WriteSmfFile(path, sysExFile_.Bytes());
    sysExFile_.Reset();
    if (!ok)
        ShowMessage(kMsgFileNotSaved);
    return ok;
}

bool CWriter::ExportSysExToBuffer(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) {
    sysExFile_.Reset();
    source_ = &array;
    fileMode_ = true;
    fileDevice_ = &sysExFile_;
    const bool ok = GetOutput() != nullptr && WriteIndexes(areaCode, indexes);
    fileMode_ = false;
    fileDevice_ = nullptr;
    source_ = nullptr;
    return ok;
}

bool CWriter::AppendToFile(std::uint32_t address, std::span<const std::uint8_t> data) {
    // A copy of the unit's output that sends to this file instead of the
    // devices: the file holds exactly the bytes a device write sends.
    COruMidiOut file = *GetOutput();
    if (fileDevice_ == nullptr)
        return false;
    file.devices = {fileDevice_};
    return file.SendDataSet(address, data) && (fileDevice_ != this || !SendFailed());
}
