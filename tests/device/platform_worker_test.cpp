#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/sys/event.h"
#include "platform/sys/workergroup.h"

namespace sys {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(Event, TimesOutWhenNotSet) {
    Event e(Event::Mode::kAutoReset);
    auto start = Clock::now();
    EXPECT_EQ(e.WaitFor(30ms), WaitResult::kTimedOut);
    EXPECT_GE(Clock::now() - start, 30ms);
}

TEST(Event, AutoResetWakesOneWaitAndClears) {
    Event e(Event::Mode::kAutoReset, true);
    EXPECT_EQ(e.WaitFor(0ms), WaitResult::kSignalled);
    EXPECT_FALSE(e.IsSet());
    EXPECT_EQ(e.WaitFor(0ms), WaitResult::kTimedOut);
}

TEST(Event, ManualResetStaysSetUntilReset) {
    Event e(Event::Mode::kManualReset);
    e.Set();
    EXPECT_EQ(e.WaitFor(0ms), WaitResult::kSignalled);
    EXPECT_EQ(e.Wait(), WaitResult::kSignalled);
    e.Reset();
    EXPECT_EQ(e.WaitFor(0ms), WaitResult::kTimedOut);
}

TEST(Event, SetFromAnotherThreadWakesABlockedWait) {
    Event e(Event::Mode::kAutoReset);
    std::thread setter([&] {
        std::this_thread::sleep_for(20ms);
        e.Set();
    });
    EXPECT_EQ(e.Wait(), WaitResult::kSignalled);
    setter.join();
}

TEST(Event, AutoResetHandsEachSetToOneWaiter) {
    Event e(Event::Mode::kAutoReset);
    std::atomic<int> woken{0};
    WorkerGroup group;
    for (int i = 0; i < 3; ++i) {
        group.Start("waiter", [&](std::stop_token stop) {
            while (e.Wait(stop) == WaitResult::kSignalled) ++woken;
        });
    }
    for (int i = 0; i < 3; ++i) {
        e.Set();
        // Each Set is taken before the next, so none is merged into another.
        auto deadline = Clock::now() + 5s;
        while (woken.load() != i + 1 && Clock::now() < deadline) std::this_thread::sleep_for(1ms);
        EXPECT_EQ(woken.load(), i + 1);
    }
    group.RequestStop();
    group.Join();
    EXPECT_EQ(woken.load(), 3);
}

TEST(WorkerGroup, StopWakesEveryKindOfWait) {
    Event never_set(Event::Mode::kManualReset);
    Event auto_never_set(Event::Mode::kAutoReset);
    std::vector<WaitResult> results(3, WaitResult::kSignalled);
    std::atomic<bool> slept_through{true};
    WorkerGroup group;
    group.Start("wait", [&](std::stop_token stop) { results[0] = never_set.Wait(stop); });
    group.Start("wait-for",
                [&](std::stop_token stop) { results[1] = never_set.WaitFor(Clock::duration::max(), stop); });
    group.Start("wait-auto", [&](std::stop_token stop) { results[2] = auto_never_set.Wait(stop); });
    group.Start("sleep", [&](std::stop_token stop) { slept_through = SleepFor(1h, stop); });
    EXPECT_EQ(group.Size(), 4u);
    std::this_thread::sleep_for(20ms);  // let them block (the test also passes if they have not yet)

    auto start = Clock::now();
    group.RequestStop();
    group.Join();
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_EQ(group.Size(), 0u);
    for (WaitResult r : results) EXPECT_EQ(r, WaitResult::kStopped);
    EXPECT_FALSE(slept_through);
}

TEST(WorkerGroup, WaitAfterStopReturnsAtOnceAndStopWinsOverASetEvent) {
    WorkerGroup group;
    group.RequestStop();
    EXPECT_TRUE(group.StopRequested());
    Event e(Event::Mode::kAutoReset, true);
    EXPECT_EQ(e.Wait(group.Token()), WaitResult::kStopped);
    EXPECT_TRUE(e.IsSet());  // a stopped wait does not take the signal
    EXPECT_FALSE(SleepFor(1h, group.Token()));
}

TEST(WorkerGroup, DestructorStopsAndJoins) {
    std::atomic<int> ended{0};
    {
        WorkerGroup group;
        for (int i = 0; i < 4; ++i) {
            group.Start("loop", [&](std::stop_token stop) {
                while (SleepFor(5ms, stop)) {
                }
                ++ended;
            });
        }
    }
    EXPECT_EQ(ended.load(), 4);
}

TEST(WorkerGroup, ManyShortRunsInOneProcess) {
    // Link tests start and stop their threads many times; nothing may be left behind or hang.
    for (int run = 0; run < 50; ++run) {
        Event work(Event::Mode::kAutoReset);
        std::atomic<int> done{0};
        WorkerGroup group;
        group.Start("worker", [&](std::stop_token stop) {
            while (work.Wait(stop) == WaitResult::kSignalled) ++done;
        });
        work.Set();
        auto deadline = Clock::now() + 5s;
        while (done.load() == 0 && Clock::now() < deadline) std::this_thread::sleep_for(100us);
        group.RequestStop();
        group.Join();
        EXPECT_EQ(done.load(), 1);
    }
}

}  // namespace
}  // namespace sys
