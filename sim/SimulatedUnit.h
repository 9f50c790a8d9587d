#pragma once
// The ZM-47 in software, independent of how it is connected: it takes whole
// messages from the librarian, answers the identity request and data
// requests, stores the data sets it receives and sends its replies through a
// sink. The transports (virtual device pair, real virtual MIDI ports) live in
// their own classes.
//
// Threads: Receive may be called on any thread and never blocks for long;
// replies leave on the unit's reply thread. Every other member may be called
// from any thread.
#include "data/Patch.h"
#include "sim/ReplyWorker.h"
#include "sim/UnitFaults.h"
#include "sim/UnitMemory.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sim {

// The name of the simulated unit's input and output devices.
inline constexpr std::string_view kSimulatorDeviceName = "ZM-47 Simulator";
inline constexpr std::uint8_t kDefaultDeviceId = 0x10;

class CSimulatedUnit {
public:
    using Sink = CReplyWorker::Sink;

    // The messages the unit has received, oldest first, at most this many.
    static constexpr std::size_t kTrafficLogSize = 1024;

    explicit CSimulatedUnit(Sink sink);
    // Stops sending replies, then saves the memory file if the memory changed.
    ~CSimulatedUnit();
    CSimulatedUnit(const CSimulatedUnit&) = delete;
    CSimulatedUnit& operator=(const CSimulatedUnit&) = delete;

    // Keeps the memory in a librarian file of 120 patches in area order: loads
    // it now when it exists (false, with the message shown, when it cannot be
    // read; the memory and the file are then left alone and nothing will be
    // saved), and saves the memory there whenever SaveIfChanged runs and at
    // the end.
    bool UseMemoryFile(const std::filesystem::path& path);
    // Saves the memory file when the memory has changed since it was loaded
    // or last saved. True when there was nothing to do or the save worked; a
    // failed save (message 5 shown) is not tried again until the memory
    // changes again.
    bool SaveIfChanged();

    void SetDeviceId(std::uint8_t id);
    std::uint8_t DeviceId() const;
    // Also restarts the count of dropReply. Replies held back stay held.
    void SetFaults(const UnitFaults& faults);
    UnitFaults Faults() const;
    // Sends the replies held back by holdFromReply now, in their order.
    void ReleaseHeldReplies();

    // One whole message as it came off the wire.
    void Receive(std::span<const std::uint8_t> bytes);

    // Counters for tests and the command line.
    int IdentityRequests() const { return identityRequests_.load(); }
    int DataRequests() const { return dataRequests_.load(); }
    int DataSetsStored() const { return dataSetsStored_.load(); }
    int RepliesSent() const { return worker_.Sent(); }
    std::vector<std::vector<std::uint8_t>> ReceivedMessages() const;
    void ClearReceivedMessages();
    // Returns when every reply decided so far has been sent.
    void WaitUntilRepliesSent() { worker_.WaitUntilIdle(); }

    // Copies of what the memory holds now.
    std::optional<CPatch> Patch(int areaNumber, int index) const;
    CPatch TemporaryPatch() const;
    // Puts a patch into the memory as if it had been stored from the front
    // panel; false for a place that does not exist.
    bool SetPatch(int areaNumber, int index, const CPatch& patch);
    // True when the memory differs from what its file holds (or, without a
    // file, from its factory contents).
    bool MemoryChanged() const;

private:
    using Bytes = std::vector<std::uint8_t>;
    // Each returns the reply, if any; called with the lock held.
    std::optional<Bytes> OnIdentityRequest(std::span<const std::uint8_t> bytes);
    std::optional<Bytes> OnAddressedMessage(std::span<const std::uint8_t> bytes);
    void SendReply(Bytes reply);

    mutable std::mutex mutex_;
    CUnitMemory memory_;
    std::optional<std::filesystem::path> memoryFile_;
    std::uint64_t savedGeneration_ = 0; // the memory's generation the file holds
    std::optional<std::uint64_t> failedGeneration_;
    std::uint8_t deviceId_ = kDefaultDeviceId;
    UnitFaults faults_;
    int repliesSinceFaults_ = 0;
    int dataSetsSinceFaults_ = 0;
    std::optional<DeviceAddress> failedAddress_; // where corruptStore struck
    CReplyWorker::Clock::time_point wireFreeAt_{};
    std::deque<Bytes> traffic_;
    std::vector<Bytes> held_;

    std::atomic<int> identityRequests_{0};
    std::atomic<int> dataRequests_{0};
    std::atomic<int> dataSetsStored_{0};

    CReplyWorker worker_; // last: stopped first, while the rest still exists
};

} // namespace sim
