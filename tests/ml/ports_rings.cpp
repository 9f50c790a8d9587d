// The rings of the input port on their own.
#include "ml/In.h"
#include "ml/TickTimer.h"
#include "ports_support.h"

#include <gtest/gtest.h>

namespace {

using ML::CIn;

TEST(EventRing, KeepsOrderAcrossTheWrap) {
    CIn::CEventRing ring;
    EXPECT_EQ(ring.Pop(), CIn::kEmpty);
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 1500; ++i)
            ASSERT_TRUE(ring.Push(round * 10000 + i));
        for (int i = 0; i < 1500; ++i)
            ASSERT_EQ(ring.Pop(), round * 10000 + i);
        EXPECT_EQ(ring.Pop(), CIn::kEmpty);
    }
    EXPECT_EQ(ring.Dropped(), 0u);
}

TEST(EventRing, AFullRingDropsTheNewestShortEventsButKeepsRoomForPackets) {
    constexpr int kShortRoom = CIn::CEventRing::kSize - 1 - CIn::CEventRing::kLongReserve;
    CIn::CEventRing ring;
    int accepted = 0;
    for (int i = 0; i < 3000; ++i)
        accepted += ring.Push(i) ? 1 : 0;
    EXPECT_EQ(accepted, kShortRoom);
    EXPECT_FALSE(ring.Push(CIn::kError));
    EXPECT_EQ(ring.Dropped(), 3000u - kShortRoom + 1);
    // Every packet the platform can hold at once still finds its event.
    for (int i = 0; i < CIn::CEventRing::kLongReserve; ++i)
        ASSERT_TRUE(ring.Push(i % 2 ? CIn::kLongData : CIn::kLongError));
    EXPECT_FALSE(ring.Push(CIn::kLongData)) << "truly full";
    // The unread events are untouched: the oldest come out, in order.
    for (int i = 0; i < kShortRoom; ++i)
        ASSERT_EQ(ring.Pop(), i);
    for (int i = 0; i < CIn::CEventRing::kLongReserve; ++i)
        ASSERT_EQ(ring.Pop(), i % 2 ? CIn::kLongData : CIn::kLongError);
    EXPECT_EQ(ring.Pop(), CIn::kEmpty);
    EXPECT_TRUE(ring.Push(7));
    EXPECT_EQ(ring.Pop(), 7);
}

TEST(PacketRing, QueuesOnlyPreparedPacketsAndTakesThemBackInOrder) {
    CIn::CPacketRing ring;
    EXPECT_EQ(ring.NextToQueue(), nullptr); // not prepared
    EXPECT_EQ(ring.NextFilled(), nullptr);
    for (int i = 0; i < CIn::CPacketRing::kSize; ++i)
        ring[i].dwFlags = mm::MHDR_PREPARED;
    ML::CPacket* first = ring.NextToQueue();
    ML::CPacket* second = ring.NextToQueue();
    EXPECT_EQ(first, &ring[0]);
    EXPECT_EQ(second, &ring[1]);
    EXPECT_EQ(ring.NextFilled(), first);
    EXPECT_EQ(ring.NextFilled(), second);
    EXPECT_EQ(ring.NextFilled(), nullptr);
    EXPECT_EQ(ring[5].Capacity(), 2048u);
}

TEST(Packet, SetBufferOwnOrExternal) {
    ML::CPacket packet;
    EXPECT_EQ(packet.dwBufferLength, 2048u);
    EXPECT_EQ(packet.dwUser, reinterpret_cast<mm::DWORD_PTR>(packet.lpData));
    packet.dwFlags = mm::MHDR_DONE;
    packet.dwBytesRecorded = 9;
    packet.SetBuffer(5000);
    EXPECT_EQ(packet.Capacity(), 5000u);
    EXPECT_EQ(packet.dwBufferLength, 5000u);
    EXPECT_EQ(packet.dwBytesRecorded, 0u);
    EXPECT_EQ(packet.dwFlags, 0u);
    char external[16];
    packet.SetBuffer(sizeof external, external);
    EXPECT_EQ(packet.lpData, external);
    EXPECT_EQ(packet.dwUser, reinterpret_cast<mm::DWORD_PTR>(external));
    EXPECT_EQ(packet.Capacity(), 16u);
}

TEST(TickTimer, RemainingAndExpiryAcrossTheWrapOfTheCount) {
    test::FakeTickClock clock;
    clock.Set(0xFFFFFF00u);
    ML::CTickTimer timer(400, clock);
    EXPECT_EQ(timer.start, 0xFFFFFFFFu);
    timer.Restart();
    clock.Set(0x00000010u); // 0x110 = 272 ms later, past the wrap
    EXPECT_EQ(timer.Remaining(), 128);
    EXPECT_FALSE(timer.Expired());
    clock.Set(0x00000090u);
    EXPECT_EQ(timer.Remaining(), 0);
    EXPECT_TRUE(timer.Expired());
}

} // namespace
