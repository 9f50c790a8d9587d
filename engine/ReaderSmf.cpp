// The device reader's Standard MIDI File side: import of data sets.
#include "engine/Reader.h"

#include "data/ImageData.h"
#include "engine/MidiIn.h"
#include "engine/MidiOut.h"
#include "engine/SmfExchange.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/TessanMessage.h"
#include "ml/UnitIdentity.h"
#include "toolkit/core/CursorChanger.h"

#include <algorithm>

namespace {

// The data sets of a file carry four address bytes, as the unit's do.
constexpr int kFileAddressSize = 4;

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

bool AReader::ImportSmf(const std::filesystem::path& path, CImageData& image) {
    UL::CWaitCursor wait;
    std::vector<std::uint8_t> file;
    const InputFileStatus status = ReadSmfFile(path, file);
    if (status != InputFileStatus::kRead) {
        ShowInputFileFailure(status, path, kMsgFileNotLoaded);
        return false;
    }
    if (!ImportSmfBytes(file, image)) {
        ShowMessage(kMsgFileNotLoaded);
        return false;
    }
    return true;
}

bool AReader::ImportSmfBytes(std::span<const std::uint8_t> file, CImageData& image) {
    image_ = &image;
    smfFile_ = file;
    tally_.Clear();
    importing_ = true;
    const bool ok = ParseSmf();
    importing_ = false;
    smfFile_ = {};
    image_ = nullptr;
    return ok;
}

std::size_t AReader::Read(std::span<std::uint8_t> out, std::size_t position) {
    if (position >= smfFile_.size())
        return 0;
    const std::size_t count = std::min(out.size(), smfFile_.size() - position);
    std::copy_n(smfFile_.begin() + static_cast<std::ptrdiff_t>(position), count, out.begin());
    return count;
}

bool AReader::OnSysEx(std::uint32_t /*delta*/, const ML::CLongMessage& message) {
    ++tally_.seen;
    if (message.size() < 2 || message[0] != 0xF0 || message[1] != ML::kMakerId)
        return true;
    // The unit's identifiers as the port it answers on is configured.
    const COruMidi* port = GetInput();
    if (port == nullptr)
        port = GetOutput();
    if (port == nullptr)
        return true;
    ML::CTessanMessage dataSet;
    if (!dataSet.Parse(message, kFileAddressSize))
        return true;
    if (dataSet.GetManufacturerId() != port->manufacturerId || dataSet.GetDeviceId() != port->deviceId ||
        !SameBytes(dataSet.GetSection(ML::CTessanMessage::ModelId), port->modelId) ||
        !SameBytes(dataSet.GetSection(ML::CTessanMessage::Command), ML::DataSetCommand()))
        return true;
    if (dataSet.GetChecksum() != dataSet.ComputeChecksum())
        return true;
    Store(AddressFromBytes(dataSet.GetSection(ML::CTessanMessage::Address)),
          dataSet.GetSection(ML::CTessanMessage::Data));
    return true;
}
