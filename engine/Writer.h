#pragma once
// The device writer: writes patches to the unit, one data set per patch,
// after the reader has checked that the right kind of unit answers; and, in
// its file mode, writes the same data sets into a Standard MIDI File.
#include "engine/DataSmfWriter.h"
#include "engine/MidiSender.h"
#include "engine/SysExFileSink.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class AReader;
class CImageData;
class CParameterArray;
namespace GT {
class IProgress;
}

// What a write to the unit's patch areas does besides sending the patches.
struct CWriteChecks {
    // Before anything is sent, the patches about to be overwritten are read
    // from the unit and saved here as a librarian file; empty: no backup.
    std::filesystem::path backupFile{};
    // After the write the written patches are read back and compared byte
    // for byte with what was sent.
    bool verify = false;
};

class CWriter : public COruMidiSender, public COruDataSmfWriter {
public:
    explicit CWriter(ML::ITickClock& clock = ML::SystemTickClock());

    // Not owned; null shows no progress.
    void SetProgress(GT::IProgress* progress) { progress_ = progress; }
    GT::IProgress* GetProgress() const { return progress_; }
    // Not owned: the reader whose identity check comes before every write.
    void SetReader(AReader* reader) { reader_ = reader; }
    AReader* GetReader() const { return reader_; }

    // Whether every listed patch can go out as MIDI data: each byte a data
    // set of it would carry is below 0x80 (a damaged or hand-made file may
    // hold others; on the wire an F7 among them would end the message early
    // and 9n would be taken for a note). Message 30 when one cannot.
    //
    // Every write, preview and file export of data sets asks this for its
    // whole batch before it sends or writes anything, so a batch with one
    // such patch sends nothing at all.
    static bool CheckSendable(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);
    // The same without a message.
    static bool IsSendable(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);

    // Sends the listed patches of the array to the area (area code 0x11:
    // the unit's temporary patch, for hearing a patch without storing it).
    // Message 30 (nothing sent, not even the identity request) when a patch
    // cannot go out as MIDI data; message 13 (nothing sent) when the devices
    // are not set up; message 2 when the unit does not identify itself;
    // false without a message when the user cancelled or an index names no
    // patch. Patches sent before stay sent: when sending fails part way,
    // message 2 says which patches were written and which were not (and,
    // in a checked write, where the backup of the earlier contents is).
    bool WritePatches(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);
    // WritePatches with a backup first and a read-back after, each shown as
    // its own phase of the progress. A patch that cannot be sent stops it
    // before the backup (message 30). A backup that cannot be read (message
    // 61 after the reader's own) or saved (message 62) stops the write before
    // anything is sent. Patches that read back differently are sent and read
    // back again, up to kResendRounds times; those that still differ are
    // named (message 60) and it gives false; they stay written.
    bool WritePatches(int areaCode, const std::vector<int>& indexes, const CParameterArray& array,
                      const CWriteChecks& checks);
    // The patches of the list whose bytes in the image differ from those of
    // the array, as the unit's labels without the colon ("MEMORY 4").
    // How the last WritePatches to the unit ended, for the history: whether
    // every listed patch was sent, and, for a checked write with read-back,
    // whether the patches read back were those sent (false when no
    // read-back was made or it could not be read).
    bool LastWriteSent() const { return lastSent_; }
    bool LastReadBackMatched() const { return lastMatched_; }

    static constexpr int kResendRounds = 2;

    static std::vector<std::string> DifferingPatches(int areaCode, const std::vector<int>& indexes,
                                                     const CParameterArray& array, const CImageData& image);
    // One data set: segment `segment` of patch `index` of the source array,
    // to the unit or, in file mode, into the file. False, with nothing sent,
    // for data the MIDI wire cannot carry.
    bool WritePatchBlock(int areaCode, int index, int blockCode, int segment);

    // Writes the listed patches as a Standard MIDI File of format 0 at path,
    // replacing an existing file only once the new one is complete. Message
    // 30 (no file written) when a patch cannot go out as MIDI data, message
    // 5 on any other failure.
    bool ExportSmf(const std::filesystem::path& path, int areaCode, const std::vector<int>& indexes,
                   const CParameterArray& array);
    // The same into memory (GetFileBytes), without a message; false, with an
    // empty file, when a patch cannot go out as MIDI data.
    bool ExportSmfToBuffer(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);

    // Writes the listed patches as a raw SysEx file at path: the data sets a
    // device write sends, one after the other, replacing an existing file
    // only once the new one is complete. Message 30 (no file written) when a
    // patch cannot go out as MIDI data, message 5 on any other failure.
    bool ExportSysEx(const std::filesystem::path& path, int areaCode, const std::vector<int>& indexes,
                     const CParameterArray& array);
    // The same into memory (GetSysExBytes), without a message.
    bool ExportSysExToBuffer(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);
    const std::vector<std::uint8_t>& GetSysExBytes() const { return sysExFile_.Bytes(); }

private:
    // The reader reads the listed patches into the image as one phase of a
    // checked write; cancelled tells whether "Cancel" ended it.
    bool ReadPhase(int titleId, int areaCode, const std::vector<int>& indexes, CImageData& image, bool& cancelled);
    bool BackUp(int areaCode, const std::vector<int>& indexes, const std::filesystem::path& file);
    bool Verify(int areaCode, const std::vector<int>& indexes, const CParameterArray& array);
    // The listed patches whose bytes in the image differ from the array's.
    static std::vector<int> DifferingIndexes(int areaCode, const std::vector<int>& indexes,
                                             const CParameterArray& array, const CImageData& image);
    // Runs WritePatchBlock over every segment of every listed patch.
    bool WriteIndexes(int areaCode, const std::vector<int>& indexes);
    // The data set as the output would send it, appended to the file.
    bool AppendToFile(std::uint32_t address, std::span<const std::uint8_t> data);
    // Message 2 with how far a write got before sending failed at `step`.
    void ShowCutOff(int areaCode, const std::vector<int>& indexes, std::size_t step) const;
    // What a failure of this write says about it (CTransferMessage).
    std::string FailureDetails(int areaCode, const std::vector<int>& indexes, const CParameterArray& array) const;

    GT::IProgress* progress_ = nullptr;       // not owned
    AReader* reader_ = nullptr;               // not owned
    const CParameterArray* source_ = nullptr; // not owned; set while writing
    bool fileMode_ = false;
    // In file mode: where the data sets go (this Standard MIDI File or the
    // SysEx file).
    COruMidiOutDevice* fileDevice_ = nullptr; // not owned
    CSysExFileSink sysExFile_;
    // Set while WriteIndexes runs to the unit: where sending failed, if it did.
    bool sendFailed_ = false;
    std::size_t failedStep_ = 0;
    // The backup a checked write made before sending; empty otherwise.
    std::filesystem::path backupOfWrite_;
    bool lastSent_ = false;
    bool lastMatched_ = false;
};
