// The device reader's raw SysEx file side: import of the data sets of a .syx
// file by the rules of the Standard MIDI File import.
#include "engine/Reader.h"

#include "data/ImageData.h"
#include "engine/SmfExchange.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/LongMessage.h"
#include "ml/SysExStream.h"
#include "toolkit/core/CursorChanger.h"

bool AReader::LoadSysExFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    UL::CWaitCursor wait;
    const InputFileStatus status = ReadSmfFile(path, bytes);
    if (status != InputFileStatus::kRead) {
        ShowInputFileFailure(status, path, kMsgFileNotLoaded);
        return false;
    }
    // A trial import into new patches: only a data set that would be stored
    // counts, whatever else the file holds.
    CImageData trial;
    trial.FillWithNewPatches();
    if (ImportSysExBytes(bytes, trial) == 0) {
        ShowMessage(kMsgNoUnitDataInFile);
        return false;
    }
    return true;
}

std::size_t AReader::ImportSysExBytes(std::span<const std::uint8_t> file, CImageData& image) {
    image_ = &image;
    storedDataSets_ = 0;
    tally_.Clear();
    importing_ = true;
    ML::CLongMessage message;
    ML::ForEachSysEx(file, [this, &message](std::span<const std::uint8_t> bytes) {
        // The same gate as a SysEx event of a Standard MIDI File.
        if (message.Assign(bytes))
            OnSysEx(0, message);
        else
            ++tally_.seen;
    });
    importing_ = false;
    image_ = nullptr;
    return storedDataSets_;
}

bool AReader::ImportSysEx(const std::filesystem::path& path, CImageData& image) {
    std::vector<std::uint8_t> bytes;
    if (!LoadSysExFile(path, bytes))
        return false;
    ImportSysExBytes(bytes, image);
    return true;
}
