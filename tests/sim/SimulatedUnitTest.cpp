// The simulated unit's side of the protocol, through a recording sink: exact
// replies, what it ignores, what it stores, and each fault.
#include "sim/SimulatedUnit.h"

#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "ml/TessanMessage.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class Recorder {
public:
    sim::CSimulatedUnit::Sink Sink() {
        return [this](std::span<const std::uint8_t> bytes) {
            std::lock_guard lock(mutex_);
            replies_.emplace_back(bytes.begin(), bytes.end());
            return true;
        };
    }
    std::vector<Bytes> Replies() const {
        std::lock_guard lock(mutex_);
        return replies_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Bytes> replies_;
};

const Bytes kIdentityRequest{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};

// A data request or data set as the librarian composes it.
Bytes Addressed(std::uint8_t command, std::uint32_t address, const Bytes& data, std::uint8_t deviceId = 0x10) {
    ML::CTessanMessage message;
    message.SetManufacturerId(0x41);
    message.SetDeviceId(deviceId);
    message.SetModelId(Bytes{0x00, 0x00, 0x45});
    const Bytes commandBytes{command};
    message.SetCommand(commandBytes);
    message.SetAddress(ML::ToSevenBitGroups(address, 4));
    message.SetData(data);
    message.UpdateChecksum();
    return {message.begin(), message.end()};
}

Bytes Request(std::uint32_t address) { return Addressed(0x11, address, {0x00, 0x00, 0x01, 0x00}); }

Bytes PatchBytes(const CPatch& patch) { return {patch.Data(), patch.Data() + CPatch::kDataSize}; }

struct Unit {
    Recorder recorder;
    sim::CSimulatedUnit unit{recorder.Sink()};

    std::vector<Bytes> Exchange(const Bytes& message) {
        unit.Receive(message);
        unit.WaitUntilRepliesSent();
        return recorder.Replies();
    }
};

TEST(SimulatedUnit, AnswersTheIdentityRequestForItsIdOrAll) {
    Unit u;
    auto replies = u.Exchange(kIdentityRequest);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0],
              (Bytes{0xF0, 0x7E, 0x10, 0x06, 0x02, 0x41, 0x45, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7}));

    u.Exchange({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
    u.Exchange({0xF0, 0x7E, 0x11, 0x06, 0x01, 0xF7});       // another unit's id
    u.Exchange({0xF0, 0x7E, 0x10, 0x06, 0x01, 0x00, 0xF7}); // not the request
    replies = u.Exchange({0xF0, 0x7E, 0x10, 0x06});
    EXPECT_EQ(replies.size(), 2u);
    EXPECT_EQ(u.unit.IdentityRequests(), 2);

    u.unit.SetDeviceId(0x1F);
    replies = u.Exchange({0xF0, 0x7E, 0x1F, 0x06, 0x01, 0xF7});
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[2][2], 0x1F);
}

TEST(SimulatedUnit, AnswersADataRequestWithTheChecksummedPatch) {
    Unit u;
    const Bytes request = Request(0x0FE00000);
    ASSERT_EQ(request, (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x11, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                              0x00, 0xF7}));
    auto replies = u.Exchange(request);
    ASSERT_EQ(replies.size(), 1u);
    const Bytes& reply = replies[0];
    ASSERT_EQ(reply.size(), 141u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 11),
              (Bytes{0xF0, 0x41, 0x10, 0x00, 0x00, 0x45, 0x12, 0x7F, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Bytes(reply.begin() + 11, reply.begin() + 139), PatchBytes(*u.unit.Patch(1, 0)));
    ML::CTessanMessage parsed;
    ASSERT_TRUE(parsed.Parse(reply, 4));
    EXPECT_EQ(parsed.GetChecksum(), parsed.ComputeChecksum());

    // CRUNCH 3 lies at 7F 04 02 00.
    replies = u.Exchange(Request(0x0FE10000 + 2 * 128));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(Bytes(replies[1].begin() + 7, replies[1].begin() + 11), (Bytes{0x7F, 0x04, 0x02, 0x00}));
    EXPECT_EQ(Bytes(replies[1].begin() + 11, replies[1].begin() + 139), PatchBytes(*u.unit.Patch(3, 2)));
    EXPECT_EQ(u.unit.DataRequests(), 2);
}

TEST(SimulatedUnit, IgnoresRequestsItCannotOrNeedNotAnswer) {
    Unit u;
    Bytes badChecksum = Request(0x0FE00000);
    badChecksum[badChecksum.size() - 2] ^= 1;
    u.Exchange(badChecksum);
    u.Exchange(Addressed(0x11, 0x0FE00000, {0x00, 0x00, 0x01, 0x00}, 0x11)); // another device id
    u.Exchange(Addressed(0x11, 0x0FE00000, {0x00, 0x00, 0x00, 0x40}));       // 64 bytes asked
    u.Exchange(Request(0x0FE00001));                                         // not a patch start
    u.Exchange(Request(0x0FE04000 + 10 * 128));                              // past the bank
    Bytes otherModel = Request(0x0FE00000);
    otherModel[5] = 0x42;
    const auto replies = u.Exchange(otherModel);
    EXPECT_TRUE(replies.empty());
    EXPECT_EQ(u.unit.DataRequests(), 3) << "requests to the unit are counted even when not answered";
}

TEST(SimulatedUnit, StoresDataSetsAndAnswersWithTheStoredBytes) {
    Unit u;
    Bytes data(128);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    EXPECT_FALSE(u.unit.MemoryChanged());
    u.unit.Receive(Addressed(0x12, 0x0FE0C000 + 5 * 128, data)); // LEAD 6
    u.unit.Receive(Addressed(0x12, 0x0FFFC000, data));           // the temporary patch
    Bytes corrupt = Addressed(0x12, 0x0FE00000, data);
    corrupt[corrupt.size() - 2] ^= 1;
    u.unit.Receive(corrupt);
    EXPECT_EQ(u.unit.DataSetsStored(), 2);
    EXPECT_TRUE(u.unit.MemoryChanged());
    EXPECT_EQ(PatchBytes(*u.unit.Patch(6, 5)), data);
    EXPECT_EQ(PatchBytes(u.unit.TemporaryPatch()), data);
    EXPECT_EQ(u.unit.Patch(1, 0)->GetName(), "Glass Chorus Pad");

    const auto replies = u.Exchange(Request(0x0FE0C000 + 5 * 128));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(Bytes(replies[0].begin() + 11, replies[0].begin() + 139), data);
    EXPECT_EQ(u.unit.ReceivedMessages().size(), 4u);
}

TEST(SimulatedUnit, FaultsChangeTheRepliesAsAsked) {
    Unit u;
    sim::UnitFaults faults;
    faults.wrongFamilyCode = true;
    faults.badChecksum = true;
    faults.shortData = true;
    u.unit.SetFaults(faults);
    auto replies = u.Exchange(kIdentityRequest);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0][6], 0x46);
    EXPECT_EQ(replies[0][7], 0x02);

    replies = u.Exchange(Request(0x0FE00000));
    ASSERT_EQ(replies.size(), 2u);
    ASSERT_EQ(replies[1].size(), 11u + 64 + 2);
    ML::CTessanMessage parsed;
    ASSERT_TRUE(parsed.Parse(replies[1], 4));
    EXPECT_EQ(parsed.GetDataSize(), 64u);
    EXPECT_NE(parsed.GetChecksum(), parsed.ComputeChecksum());

    u.unit.SetFaults({.silent = true});
    replies = u.Exchange(kIdentityRequest);
    u.unit.Receive(Addressed(0x12, 0x0FE00000, Bytes(128, 0x05)));
    EXPECT_EQ(replies.size(), 2u);
    EXPECT_EQ(u.unit.IdentityRequests(), 2);
    EXPECT_EQ(u.unit.DataSetsStored(), 1) << "a silent unit still stores";
}

TEST(SimulatedUnit, DropsTheNthRepliesCountedFromTheSetting) {
    Unit u;
    u.Exchange(kIdentityRequest);
    u.unit.SetFaults({.dropReply = 2, .dropCount = 2});
    for (int i = 0; i < 5; ++i)
        u.Exchange(Request(0x0FE00000 + static_cast<std::uint32_t>(i) * 128));
    const auto replies = u.recorder.Replies();
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[1][9], 0);
    EXPECT_EQ(replies[2][9], 3) << "the replies to the second and third request are missing";
}

TEST(SimulatedUnit, HeldRepliesLeaveOnlyWhenReleased) {
    Unit u;
    u.unit.SetFaults({.holdFromReply = 2});
    u.Exchange(kIdentityRequest);
    u.Exchange(Request(0x0FE00000));
    u.Exchange(kIdentityRequest);
    EXPECT_EQ(u.recorder.Replies().size(), 1u);
    u.unit.SetFaults({});
    u.unit.ReleaseHeldReplies();
    u.unit.WaitUntilRepliesSent();
    const auto replies = u.recorder.Replies();
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[1].size(), 141u);
    EXPECT_EQ(replies[2].size(), 15u);
}

TEST(SimulatedUnit, DelayedAndWireTimedRepliesKeepTheirOrder) {
    using namespace std::chrono;
    Unit u;
    u.unit.SetFaults({.delay = milliseconds(40)});
    const auto start = steady_clock::now();
    u.unit.Receive(kIdentityRequest);
    u.unit.Receive(Request(0x0FE00000));
    EXPECT_TRUE(u.recorder.Replies().empty()) << "Receive never waits for a reply";
    u.unit.WaitUntilRepliesSent();
    EXPECT_GE(steady_clock::now() - start, milliseconds(40));

    u.unit.SetFaults({.wireSpeed = true});
    const auto wired = steady_clock::now();
    u.unit.Receive(Request(0x0FE00080));
    u.unit.Receive(kIdentityRequest);
    u.unit.WaitUntilRepliesSent();
    // 141 + 15 bytes, one after the other, at 320 microseconds a byte.
    EXPECT_GE(steady_clock::now() - wired, microseconds(156 * 320));
    const auto replies = u.recorder.Replies();
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].size(), 15u);
    EXPECT_EQ(replies[1].size(), 141u);
    EXPECT_EQ(replies[2].size(), 141u);
    EXPECT_EQ(replies[3].size(), 15u);
}

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("zm47-simunit-" + std::to_string(::getpid()) + "-" + name);
}

TEST(SimulatedUnit, MemoryFileIsWrittenOnlyAfterAChangeAndReadNextTime) {
    test::CapturingTextDialog dialog;
    const auto path = TempFile("memory.z4l");
    std::filesystem::remove(path);
    const Bytes data(128, 0x2A);
    {
        Recorder recorder;
        sim::CSimulatedUnit unit(recorder.Sink());
        ASSERT_TRUE(unit.UseMemoryFile(path));
        EXPECT_TRUE(unit.SaveIfChanged());
        EXPECT_FALSE(std::filesystem::exists(path)) << "nothing changed, nothing written";
        unit.Receive(Addressed(0x12, 0x0FE00000 + 3 * 128, data));
        EXPECT_TRUE(unit.MemoryChanged());
        ASSERT_TRUE(unit.SaveIfChanged());
        EXPECT_FALSE(unit.MemoryChanged());
        unit.Receive(Addressed(0x12, 0x0FE18000, data)); // saved by the destructor
    }
    {
        Recorder recorder;
        sim::CSimulatedUnit unit(recorder.Sink());
        ASSERT_TRUE(unit.UseMemoryFile(path));
        EXPECT_EQ(PatchBytes(*unit.Patch(1, 3)), data);
        EXPECT_EQ(PatchBytes(*unit.Patch(7, 0)), data);
        EXPECT_EQ(unit.Patch(1, 4)->GetName(), "Crunch Rhythm II");
    }
    EXPECT_TRUE(dialog.shown().empty());
    std::filesystem::remove(path);
}

TEST(SimulatedUnit, UnreadableMemoryFileIsNeitherUsedNorOverwritten) {
    test::CapturingTextDialog dialog;
    const auto path = TempFile("broken.z4l");
    { std::ofstream(path) << "not a librarian file"; }
    {
        Recorder recorder;
        sim::CSimulatedUnit unit(recorder.Sink());
        EXPECT_FALSE(unit.UseMemoryFile(path));
        unit.Receive(Addressed(0x12, 0x0FE00000, Bytes(128, 1)));
    }
    EXPECT_EQ(std::filesystem::file_size(path), 20u);
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "Cannot read files of this type.");
    std::filesystem::remove(path);
}

TEST(SimulatedUnit, FailedSaveIsReportedOnceNotAtEveryTry) {
    test::CapturingTextDialog dialog;
    const auto path = TempFile("no-such-folder") / "memory.z4l";
    {
        Recorder recorder;
        sim::CSimulatedUnit unit(recorder.Sink());
        ASSERT_TRUE(unit.UseMemoryFile(path));
        unit.Receive(Addressed(0x12, 0x0FE00000, Bytes(128, 1)));
        EXPECT_FALSE(unit.SaveIfChanged());
        EXPECT_FALSE(unit.SaveIfChanged());
    }
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be saved.");
}

} // namespace
