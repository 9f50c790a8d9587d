#pragma once
// The device reader: reads patches from the unit into an image after
// checking that the right kind of unit answers, and imports the data sets of
// a Standard MIDI File into an image the same way.
#include "data/Address.h"
#include "engine/IdentityResult.h"
#include "engine/ImportTally.h"
#include "engine/MidiRequester.h"
#include "ml/SmfReader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

class CDocumentBase;
class CImageData;
namespace GT {
class IProgress;
}

class AReader : public COruMidiRequester, public ML::CSmfReader {
public:
    // The data set at 01 00 00 04 is the unit's status reply, never patch data.
    static constexpr DeviceAddress kStatusReplyAddress = 0x200004;

    explicit AReader(ML::ITickClock& clock = ML::SystemTickClock());

    // Whether a transfer may address patch `index` of the area code: a patch
    // area of the unit (or its temporary patch) and an index below the
    // area's patch count. Anything else would address memory that holds no
    // patch.
    static bool IsUnitPatch(int areaCode, int index);

    // Not owned; null shows no progress.
    void SetProgress(GT::IProgress* progress) { progress_ = progress; }
    GT::IProgress* GetProgress() const { return progress_; }

    // Sends the identity request and waits for a reply carrying the
    // manufacturer id 0x41 and the family code 45 02. Message 2 when the
    // unit does not answer or answers with another family code.
    bool CheckIdentity();
    // kIdentityConfirmed once the unit last answered CheckIdentity with the
    // expected family code, else kIdentityNotConfirmed.
    int GetIdentityResult() const { return identity_; }
    // Reads the listed patches of the area into the image, one request per
    // patch, showing progress with "Cancel". Message 13 (nothing sent) when
    // the devices are not set up; message 2 when the unit fails; false
    // without a message when the user cancelled or an index or area code
    // names no patch of the unit. Patches read before a failure stay read:
    // the caller undoes.
    bool ReadPatches(int areaCode, const std::vector<int>& indexes, CImageData& image);
    // Reads every area into the document, in area order, and stops at the
    // first area that fails (the unit stopped answering, or the user
    // cancelled): that area is undone and the areas after it are left as
    // they were, so a silent unit costs one wait and one message. False only
    // when the devices are not set up or the unit does not identify itself;
    // the numbers of the areas not read (the failed one and those after it)
    // go to failedAreas when given.
    bool ReadAll(CDocumentBase& document, std::vector<int>* failedAreas = nullptr);

    // Stores the acceptable data sets of the file into the image. Message 4
    // when the file cannot be opened or read or is not a Standard MIDI File
    // that ends properly; data sets stored before the failure stay.
    bool ImportSmf(const std::filesystem::path& path, CImageData& image);
    // The same for a file already in memory, without a message.
    bool ImportSmfBytes(std::span<const std::uint8_t> file, CImageData& image);

    // Reads a raw SysEx file into bytes and makes sure that it holds at least
    // one data set that an import would store. Message 4 when it cannot be
    // read, message 66 when it holds no such data set.
    bool LoadSysExFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);
    // Stores every complete data set of a raw SysEx file that the SMF import
    // would store (same unit, device id and checksum rules) into the image;
    // everything else in the file is skipped. The number of data sets stored.
    std::size_t ImportSysExBytes(std::span<const std::uint8_t> file, CImageData& image);
    // LoadSysExFile, then ImportSysExBytes; on failure the image is unchanged.
    bool ImportSysEx(const std::filesystem::path& path, CImageData& image);

    // The identity reply: checks length, device id, manufacturer and family
    // code before the requester matches it; any other universal message is
    // ignored.
    bool ReceiveUniversal(const ML::CLongMessage& message) override;
    // A matching data set is stored into the image being read.
    bool ReceiveDataSet(const ML::CTessanMessage& message) override;

    // What the last import (SMF or SysEx, file or bytes) stored and skipped.
    const CImportTally& LastImport() const { return tally_; }

    // Stores a SysEx event that is a data set of this unit with a correct
    // checksum and exactly a patch's data; drops every other. Always true.
    bool OnSysEx(std::uint32_t delta, const ML::CLongMessage& message) override;
    std::size_t Read(std::span<std::uint8_t> out, std::size_t position) override;

private:
    bool ReadPatch(int areaCode, int index);
    // The address goes to StoreDataSet unless it is the status reply's.
    bool Store(DeviceAddress address, std::span<const std::uint8_t> data);

    GT::IProgress* progress_ = nullptr; // not owned
    CImageData* image_ = nullptr;       // not owned; set while reading
    std::vector<int> indexes_;
    std::span<const std::uint8_t> smfFile_; // set while importing
    std::size_t storedDataSets_ = 0;        // counted by Store
    CImportTally tally_;                    // of the import under way
    bool importing_ = false;                // set while a file's data sets are stored
    int identity_ = kIdentityNotConfirmed;
};
