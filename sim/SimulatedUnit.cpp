#include "sim/SimulatedUnit.h"

#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "ml/TessanMessage.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace sim {

namespace {

constexpr std::uint8_t kUniversalNonRealTime = 0x7E;
constexpr std::uint8_t kAllDevices = 0x7F;
// The unit's identity, written out here rather than taken from the program's
// ml/UnitIdentity.h: the simulated unit is the other side of the cable, and a
// wrong value in the program must show as a unit that does not answer.
constexpr std::uint8_t kManufacturerId = 0x41;
constexpr std::array<std::uint8_t, 3> kModelId{0x00, 0x00, 0x45};
constexpr std::array<std::uint8_t, 2> kFamilyCode{0x45, 0x02};
constexpr std::array<std::uint8_t, 2> kWrongFamilyCode{0x46, 0x02};
// Family number and software revision: the six bytes after the family code.
constexpr std::array<std::uint8_t, 6> kVersionBytes{0x00, 0x00, 0x00, 0x01, 0x00, 0x00};
constexpr int kAddressSize = 4;
constexpr std::size_t kShortDataSize = 64;

} // namespace

CSimulatedUnit::CSimulatedUnit(Sink sink) : worker_(std::move(sink)) { savedGeneration_ = memory_.Generation(); }

CSimulatedUnit::~CSimulatedUnit() { SaveIfChanged(); }

bool CSimulatedUnit::UseMemoryFile(const std::filesystem::path& path) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error) {
        ShowMessage(kMsgFileNotLoaded);
        return false;
    }
    std::lock_guard lock(mutex_);
    if (exists && !memory_.Load(path))
        return false;
    memoryFile_ = path;
    // A file that does not exist yet is written with the first change.
    savedGeneration_ = memory_.Generation();
    return true;
}

bool CSimulatedUnit::SaveIfChanged() {
    std::unique_lock lock(mutex_);
    if (!memoryFile_ || memory_.Generation() == savedGeneration_)
        return true;
    if (failedGeneration_ == memory_.Generation())
        return false;
    // Save a copy so that the unit keeps answering while the file is written.
    const CUnitMemory snapshot = memory_;
    const std::filesystem::path path = *memoryFile_;
    lock.unlock();
    const bool saved = snapshot.Save(path);
    lock.lock();
    if (!saved) {
        failedGeneration_ = snapshot.Generation();
        return false;
    }
    savedGeneration_ = snapshot.Generation();
    return true;
}

void CSimulatedUnit::SetDeviceId(std::uint8_t id) {
    std::lock_guard lock(mutex_);
    deviceId_ = id;
}

std::uint8_t CSimulatedUnit::DeviceId() const {
    std::lock_guard lock(mutex_);
    return deviceId_;
}

void CSimulatedUnit::SetFaults(const UnitFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
    repliesSinceFaults_ = 0;
    dataSetsSinceFaults_ = 0;
    failedAddress_.reset();
}

UnitFaults CSimulatedUnit::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void CSimulatedUnit::Receive(std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    traffic_.emplace_back(bytes.begin(), bytes.end());
    if (traffic_.size() > kTrafficLogSize)
        traffic_.pop_front();
    if (bytes.size() < 2 || bytes[0] != 0xF0)
        return;
    std::optional<Bytes> reply;
    if (bytes[1] == kUniversalNonRealTime)
        reply = OnIdentityRequest(bytes);
    else if (bytes[1] == kManufacturerId)
        reply = OnAddressedMessage(bytes);
    if (reply)
        SendReply(std::move(*reply));
}

std::optional<CSimulatedUnit::Bytes> CSimulatedUnit::OnIdentityRequest(std::span<const std::uint8_t> bytes) {
    const bool isRequest = bytes.size() == 6 && bytes[3] == 0x06 && bytes[4] == 0x01 && bytes[5] == 0xF7;
    if (!isRequest || (bytes[2] != deviceId_ && bytes[2] != kAllDevices))
        return std::nullopt;
    ++identityRequests_;
    Bytes reply{0xF0, kUniversalNonRealTime, deviceId_, 0x06, 0x02, kManufacturerId};
    const auto& family = faults_.wrongFamilyCode ? kWrongFamilyCode : kFamilyCode;
    reply.insert(reply.end(), family.begin(), family.end());
    reply.insert(reply.end(), kVersionBytes.begin(), kVersionBytes.end());
    reply.push_back(0xF7);
    return reply;
}

std::optional<CSimulatedUnit::Bytes> CSimulatedUnit::OnAddressedMessage(std::span<const std::uint8_t> bytes) {
    ML::CTessanMessage message;
    if (!message.Parse(bytes, kAddressSize) || message.GetDeviceId() != deviceId_)
        return std::nullopt;
    const std::span<const std::uint8_t> model = message.GetSection(ML::CTessanMessage::ModelId);
    if (!std::equal(model.begin(), model.end(), kModelId.begin(), kModelId.end()))
        return std::nullopt;
    if (message.GetChecksum() != message.ComputeChecksum())
        return std::nullopt; // a garbled message: a unit ignores it
    const std::span<const std::uint8_t> command = message.GetSection(ML::CTessanMessage::Command);
    const std::span<const std::uint8_t> address = message.GetSection(ML::CTessanMessage::Address);
    const std::span<const std::uint8_t> data = message.GetSection(ML::CTessanMessage::Data);
    const DeviceAddress value = AddressFromBytes(address);

    if (command.size() == 1 && command[0] == 0x12) {
        Bytes stored(data.begin(), data.end());
        const bool nth = ++dataSetsSinceFaults_ == faults_.corruptStore;
        if (nth)
            failedAddress_ = value;
        const bool failedCell = faults_.corruptStays && failedAddress_ && *failedAddress_ == value;
        if ((nth || failedCell) && !stored.empty())
            stored[0] ^= 0x01;
        if (memory_.Store(value, stored))
            ++dataSetsStored_;
        return std::nullopt;
    }
    if (command.size() != 1 || command[0] != 0x11)
        return std::nullopt;
    ++dataRequests_;
    const CPatch* patch = memory_.PatchAt(value);
    if (patch == nullptr || data.size() != kAddressSize ||
        ML::FromSevenBitGroups(data) != static_cast<std::uint32_t>(CPatch::kDataSize))
        return std::nullopt; // nothing there of that size: no answer
    Bytes patchBytes(patch->Data(), patch->Data() + CPatch::kDataSize);
    for (std::uint8_t& byte : patchBytes)
        byte &= 0x7F; // the unit holds 7-bit values only, whatever a loaded file said
    if (faults_.shortData)
        patchBytes.resize(kShortDataSize);

    ML::CTessanMessage reply;
    reply.SetManufacturerId(kManufacturerId);
    reply.SetDeviceId(deviceId_);
    reply.SetModelId(kModelId);
    reply.SetCommand(ML::DataSetCommand());
    reply.SetAddress(address);
    reply.SetData(patchBytes);
    reply.UpdateChecksum();
    Bytes out(reply.begin(), reply.end());
    if (faults_.badChecksum)
        out[out.size() - 2] ^= 0x01;
    return out;
}

void CSimulatedUnit::SendReply(Bytes reply) {
    if (faults_.silent)
        return;
    const int number = ++repliesSinceFaults_;
    if (faults_.dropReply > 0 && number >= faults_.dropReply && number < faults_.dropReply + faults_.dropCount)
        return;
    if (faults_.holdFromReply > 0 && number >= faults_.holdFromReply) {
        held_.push_back(std::move(reply));
        return;
    }
    using Clock = CReplyWorker::Clock;
    Clock::time_point due = Clock::now() + faults_.delay;
    if (faults_.wireSpeed) {
        // The reply's last byte is in one wire time per byte after it starts,
        // and it starts once the previous reply is off the wire.
        due = std::max(due, wireFreeAt_) +
              std::chrono::duration_cast<Clock::duration>(mm::kWireTimePerByte * reply.size());
        wireFreeAt_ = due;
    }
    worker_.Post(std::move(reply), due);
}

void CSimulatedUnit::ReleaseHeldReplies() {
    std::lock_guard lock(mutex_);
    for (Bytes& reply : held_)
        worker_.Post(std::move(reply), CReplyWorker::Clock::now());
    held_.clear();
}

std::vector<std::vector<std::uint8_t>> CSimulatedUnit::ReceivedMessages() const {
    std::lock_guard lock(mutex_);
    return {traffic_.begin(), traffic_.end()};
}

void CSimulatedUnit::ClearReceivedMessages() {
    std::lock_guard lock(mutex_);
    traffic_.clear();
}

std::optional<CPatch> CSimulatedUnit::Patch(int areaNumber, int index) const {
    std::lock_guard lock(mutex_);
    const CPatch* patch = memory_.Patch(areaNumber, index);
    if (patch == nullptr)
        return std::nullopt;
    return *patch;
}

CPatch CSimulatedUnit::TemporaryPatch() const {
    std::lock_guard lock(mutex_);
    return memory_.TemporaryPatch();
}

bool CSimulatedUnit::SetPatch(int areaNumber, int index, const CPatch& patch) {
    std::lock_guard lock(mutex_);
    return memory_.Replace(areaNumber, index, patch);
}

bool CSimulatedUnit::MemoryChanged() const {
    std::lock_guard lock(mutex_);
    return memory_.Generation() != savedGeneration_;
}

} // namespace sim
