// The engine's share of the receive path allocates nothing either: from a
// virtual device through the port into an input device, whose handlers copy
// long data into the device's slots and post notices to the user-interface
// thread's queue. Only handling the notices on that thread, afterwards,
// makes messages.
#include "engine/MidiIn.h"
#include "engine/MidiReceiver.h"
#include "engine/MidiEngine.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "platform/msgwin/MessageQueue.h"
#include "tests/support/AllocationCounter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

using test::alloc::allocations;
using test::alloc::counting;
using Bytes = std::vector<std::uint8_t>;

class CountingReceiver : public IOruMidiReceiver {
public:
    bool ReceiveShort(const ML::CShortMessage&) override { return ++shorts > 0; }
    bool ReceiveUniversal(const ML::CLongMessage& message) override {
        universals.emplace_back(message.begin(), message.end());
        return true;
    }
    bool ReceiveDataSet(const ML::CTessanMessage&) override { return false; }
    int shorts = 0;
    std::vector<Bytes> universals;
};

Bytes Numbered(int i) {
    Bytes bytes(141, static_cast<std::uint8_t>(i & 0x7F));
    bytes[0] = 0xF0;
    bytes[1] = 0x7E;
    bytes[2] = 0x10;
    bytes[3] = 0x09;
    bytes.back() = 0xF7;
    return bytes;
}

// Yields until count notices wait on the queue; ten seconds guard a hang.
bool WaitForPending(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (msgwin::MessageQueue::ForCurrentThread().PendingCount() < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(EngineReceivePath, AllocatesNothingUntilTheNoticesAreHandled) {
    constexpr int kNoteBatches = 10;
    constexpr int kNotesPerBatch = 100;
    constexpr int kSysExBatches = 6;
    constexpr int kSysExPerBatch = 16; // fits the 32 queued buffers

    mm::VirtualInputDevice device("engine-alloc-in");
    CMidiEngine engine;
    ASSERT_TRUE(engine.ConfigurePorts());
    CountingReceiver receiver;
    COruMidiIn& input = engine.ports.inputs[0];
    input.receiver = &receiver;
    engine.setup.BindInput(input, "engine-alloc-in");
    ASSERT_TRUE(engine.setup.OpenAll());

    Bytes notes;
    for (int i = 0; i < kNotesPerBatch; ++i)
        notes.insert(notes.end(), {0x90, static_cast<std::uint8_t>(i & 0x7F), 0x40});
    std::vector<Bytes> sysex;
    for (int i = 0; i < kSysExPerBatch * kSysExBatches; ++i)
        sysex.push_back(Numbered(i));

    bool flowed = true;
    std::size_t posted = 0;
    counting = true;
    for (int batch = 0; batch < kNoteBatches && flowed; ++batch)
        flowed = device.Send(notes) && WaitForPending(posted += kNotesPerBatch);
    for (int batch = 0; batch < kSysExBatches && flowed; ++batch) {
        for (int i = 0; i < kSysExPerBatch; ++i)
            flowed = flowed && device.Send(sysex[static_cast<std::size_t>(batch * kSysExPerBatch + i)]);
        flowed = flowed && WaitForPending(posted += kSysExPerBatch);
    }
    counting = false;
    const long counted = allocations.load();

    ASSERT_TRUE(flowed);
    engine.setup.PumpInput(input);
    EXPECT_EQ(receiver.shorts, kNoteBatches * kNotesPerBatch);
    EXPECT_EQ(receiver.universals, sysex);
    EXPECT_EQ(counted, 0);

    input.receiver = nullptr;
}

} // namespace
