// Long data on its way from the port's dispatch thread to the user-interface
// thread: copied into slots that nothing refills before they are taken.
#include "tests/engine/setup_support.h"

#include "engine/LongDataSlots.h"
#include "engine/MidiInDevice.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "platform/msgwin/MessageQueue.h"

#include <chrono>
#include <thread>

namespace test {
namespace {

// A universal message that carries its number.
Bytes Numbered(int i, std::size_t length = 20) {
    Bytes bytes(length, static_cast<std::uint8_t>(i & 0x7F));
    bytes[0] = 0xF0;
    bytes[1] = 0x7E;
    bytes[2] = 0x10;
    bytes[3] = 0x09;
    bytes[4] = static_cast<std::uint8_t>(i >> 7);
    bytes.back() = 0xF7;
    return bytes;
}

TEST(LongDataSlots, TicketsAreTakenOnceAndADroppedMessageGoesWhole) {
    COruLongDataSlots slots;
    std::uint32_t first = 0, second = 0, ticket = 0;
    ASSERT_TRUE(slots.Put(Numbered(1), first));
    ASSERT_TRUE(slots.Put(Numbered(2), second));
    Bytes out;
    // The first notice was discarded: taking the second frees both.
    ASSERT_TRUE(slots.Take(second, out));
    EXPECT_EQ(out, Numbered(2));
    EXPECT_FALSE(slots.Take(first, out));
    EXPECT_FALSE(slots.Take(second, out));

    // Fill every slot; the next message is dropped in all its pieces, even
    // once a slot is free again, and the message after it is kept.
    for (std::uint32_t i = 0; i < COruLongDataSlots::kSlots; ++i)
        ASSERT_TRUE(slots.Put(Numbered(3), ticket));
    const Bytes head{0xF0, 0x7E, 0x10, 0x09};
    EXPECT_FALSE(slots.Put(head, ticket));
    ASSERT_TRUE(slots.Take(ticket, out)); // frees them all
    EXPECT_FALSE(slots.Put(Bytes{0x01, 0x02}, ticket));
    EXPECT_FALSE(slots.Put(Bytes{0x03, 0xF7}, ticket));
    EXPECT_EQ(slots.Dropped(), 1u);
    ASSERT_TRUE(slots.Put(Numbered(4), ticket));
    ASSERT_TRUE(slots.Take(ticket, out));
    EXPECT_EQ(out, Numbered(4));
    EXPECT_FALSE(slots.Put(Bytes(COruLongDataSlots::kSlotSize + 1, 0xF0), ticket));
}

using ReceiveTest = EngineTest;

// 300 messages arrive while the user-interface thread pumps nothing (as
// while a write runs): those that found a slot arrive later with their own
// bytes, the rest are dropped whole and counted, and traffic after the pump
// flows again.
TEST_F(ReceiveTest, MessagesLeftQueuedKeepTheirBytes) {
    mm::VirtualDevicePair unit("Engine Receive Queued");
    RecordingReceiver receiver;
    ASSERT_TRUE(ListenOnInput0(receiver, "Engine Receive Queued"));
    auto* device = dynamic_cast<CMidiInDevice*>(engine.setup.DeviceOf(Input(0)));
    ASSERT_NE(device, nullptr);
    msgwin::MessageQueue& queue = msgwin::MessageQueue::ForCurrentThread();

    constexpr int kSent = 300;
    for (int i = 0; i < kSent; ++i) {
        ASSERT_TRUE(unit.input.Send(Numbered(i)));
        // One message at a time, so that the port never runs short of
        // buffers: every loss here is the slots' own.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (queue.PendingCount() + device->DroppedLongData() < static_cast<std::size_t>(i) + 1) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "message " << i;
            std::this_thread::yield();
        }
    }
    EXPECT_EQ(device->DroppedLongData(), static_cast<std::uint32_t>(kSent) - COruLongDataSlots::kSlots);

    engine.setup.PumpInput(Input(0));
    ASSERT_EQ(receiver.universals.size(), COruLongDataSlots::kSlots);
    for (std::size_t i = 0; i < receiver.universals.size(); ++i)
        ASSERT_EQ(receiver.universals[i], Numbered(static_cast<int>(i))) << "message " << i;

    unit.input.Send(Numbered(kSent, 141));
    ASSERT_TRUE(PumpUntil(Input(0), [&] { return receiver.universals.size() > COruLongDataSlots::kSlots; }));
    EXPECT_EQ(receiver.universals.back(), Numbered(kSent, 141));
    Input(0).receiver = nullptr;
}

} // namespace
} // namespace test
