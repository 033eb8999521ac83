#include "device/rxcountdown.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(RxCountdown, ByteSetsTwoAndTicksLowerItToZeroOnly) {
    device::RxCountdown c;
    EXPECT_EQ(c.Value(), 0);
    c.Tick();
    EXPECT_EQ(c.Value(), 0);  // never below 0
    c.ByteArrived();
    EXPECT_EQ(c.Value(), 2);
    c.Tick();
    EXPECT_EQ(c.Value(), 1);
    c.ByteArrived();  // each byte starts it again
    EXPECT_EQ(c.Value(), 2);
    c.Tick();
    c.Tick();
    c.Tick();
    EXPECT_EQ(c.Value(), 0);
    c.ByteArrived();
    c.FrameEnded();
    EXPECT_EQ(c.Value(), 0);
}

// The receive thread sets it while the UI thread ticks: the value stays in 0..2 (and, under ThreadSanitizer,
// the crossing is race-free).
TEST(RxCountdown, BytesAndTicksOnTwoThreads) {
    device::RxCountdown c;
    std::atomic<bool> outOfRange{false};
    std::thread receiver([&] {
        for (int i = 0; i < 200000; ++i) {
            if (i % 7 == 0)
                c.FrameEnded();
            else
                c.ByteArrived();
        }
    });
    for (int i = 0; i < 200000; ++i) {
        c.Tick();
        const int v = c.Value();
        if (v < 0 || v > 2) outOfRange = true;
    }
    receiver.join();
    EXPECT_FALSE(outOfRange);
    EXPECT_GE(c.Value(), 0);
    EXPECT_LE(c.Value(), 2);
}

}  // namespace
