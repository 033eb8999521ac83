#include "device/packetring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "device/rings.h"

namespace {

struct Entry {
    int value;
};

TEST(PacketRing, RefusesItsFiftiethEntryAndTakesItOnceOneIsConsumed) {
    device::PacketRing<Entry, true> ring;
    for (int i = 0; i < 49; ++i) ASSERT_TRUE(ring.Push({i})) << i;
    EXPECT_EQ(ring.Size(), 49);
    EXPECT_FALSE(ring.Push({49}));
    Entry e;
    ASSERT_TRUE(ring.Pop(e));
    EXPECT_EQ(e.value, 0);
    EXPECT_TRUE(ring.Push({49}));
    for (int i = 1; i <= 49; ++i) {
        ASSERT_TRUE(ring.Pop(e));
        EXPECT_EQ(e.value, i);
    }
    EXPECT_FALSE(ring.Pop(e));
    EXPECT_TRUE(ring.Empty());
}

TEST(PacketRing, DrainRequestIsCarriedOutByTheConsumer) {
    device::PacketRing<Entry, false> ring;
    for (int i = 0; i < 5; ++i) ring.Push({i});
    ring.RequestDrain();
    EXPECT_TRUE(ring.DrainPending());
    EXPECT_EQ(ring.Size(), 5);  // nothing dropped until the consumer looks
    ring.Push({100});           // queued after the request: dropped as well
    Entry e;
    EXPECT_FALSE(ring.Pop(e));
    EXPECT_FALSE(ring.DrainPending());
    ring.Push({7});
    ASSERT_TRUE(ring.Pop(e));
    EXPECT_EQ(e.value, 7);
}

TEST(PacketRing, PushWithLeavesTheRestOfTheSlotAsItWas) {
    device::PacketRing<UsbReport, false> ring;
    UsbReport full;
    std::memset(full.bytes, 0x77, sizeof full.bytes);
    // Walk once round the ring so the next push reuses a slot that held `full`.
    for (int i = 0; i < RING_SLOTS; ++i) {
        ASSERT_TRUE(ring.Push(full));
        UsbReport out;
        ASSERT_TRUE(ring.Pop(out));
    }
    ASSERT_TRUE(ring.PushWith([](UsbReport& r) { r.bytes[0] = 0, r.bytes[1] = 1; }));
    UsbReport out;
    ASSERT_TRUE(ring.Pop(out));
    EXPECT_EQ(out.bytes[1], 1);
    EXPECT_EQ(out.bytes[64], 0x77);
}

// One producer and one consumer pass 100 000 entries through a ring; each entry carries its sequence number
// in its first and last bytes, so a torn or lost slot shows.
template <typename Ring, typename Slot>
void PassThrough(Ring& ring, int size) {
    constexpr int kCount = 100000;
    ring.Drain();
    std::thread producer([&] {
        for (int i = 0; i < kCount; ++i) {
            while (!ring.PushWith([&](Slot& s) {
                std::memcpy(s.bytes, &i, sizeof i);
                std::memcpy(s.bytes + size - sizeof i, &i, sizeof i);
            })) {
                std::this_thread::yield();
            }
        }
    });
    int expected = 0;
    int bad = 0;
    while (expected < kCount) {
        const bool got = ring.PopWith([&](const Slot& s) {
            int head, tail;
            std::memcpy(&head, s.bytes, sizeof head);
            std::memcpy(&tail, s.bytes + size - sizeof tail, sizeof tail);
            if (head != expected || tail != expected) ++bad;
            ++expected;
        });
        if (!got) std::this_thread::yield();
    }
    producer.join();
    EXPECT_EQ(bad, 0);
    EXPECT_TRUE(ring.Empty());
}

TEST(PacketRingStress, EveryRingPassesEntriesInOrderBetweenTwoThreads) {
    PassThrough<UsbTxRing, UsbReport>(g_UsbTxRing, kUsbReportSize);
    PassThrough<UsbRxRing, UsbReport>(g_UsbRxRing, kUsbReportSize);
    PassThrough<TcpTxRing, TcpFrame>(g_TcpTxRing, kTcpFrameSize);
    PassThrough<TcpRxRing, TcpRxEntry>(g_TcpRxRing, kTcpRxEntrySize);
}

// Two producers on a transmit ring (the UI thread and a dispatch thread during an upgrade): every entry
// arrives, each producer's entries in its own order.
TEST(PacketRingStress, TransmitRingTakesTwoProducers) {
    constexpr int kEach = 50000;
    device::PacketRing<Entry, true> ring;
    auto produce = [&](int base) {
        for (int i = 0; i < kEach; ++i) {
            while (!ring.Push({base + i})) std::this_thread::yield();
        }
    };
    std::thread a(produce, 0), b(produce, 1000000);
    int nextA = 0, nextB = 1000000, bad = 0;
    for (int taken = 0; taken < 2 * kEach;) {
        Entry e;
        if (!ring.Pop(e)) {
            std::this_thread::yield();
            continue;
        }
        ++taken;
        int& next = e.value < 1000000 ? nextA : nextB;
        if (e.value != next) ++bad;
        next = e.value + 1;
    }
    a.join();
    b.join();
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(nextA, kEach);
    EXPECT_EQ(nextB, 1000000 + kEach);
}

}  // namespace
