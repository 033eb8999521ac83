// Timers on the virtual clock: counts, order, restarts, kills, and ticks inside modal loops.
#include <chrono>
#include <thread>

#include "ui_fixture.h"

namespace ui::testing {
namespace {

class UiTimerTest : public UiTest {
  protected:
    UiTimerTest() : w(&app, nullptr, "w") {
        w.Create(&top, 1, gfx::RectFromSize(0, 0, 10, 10));
        w.on = [this](UINT m, WPARAM id, LPARAM) -> LRESULT {
            if (m == WM_TIMER) ticks.push_back({app.Now(), id});
            if (m == WM_TIMER && on_tick) on_tick(id);
            return 0;
        };
    }
    struct Tick {
        int64_t at;
        UINT_PTR id;
        bool operator==(const Tick&) const = default;
    };
    int Count(UINT_PTR id) const {
        return static_cast<int>(
            std::count_if(ticks.begin(), ticks.end(), [&](const Tick& t) { return t.id == id; }));
    }
    LogWindow w;
    std::vector<Tick> ticks;
    std::function<void(UINT_PTR)> on_tick;
};

TEST_F(UiTimerTest, AClockJumpGivesOneTickPerPeriodPassedInTimeOrder) {
    struct Case {
        unsigned period_a, period_b;
        int64_t jump;
        int ticks_a, ticks_b;
    } cases[] = {
        {100, 250, 1000, 10, 4},
        {10, 300, 300, 30, 1},
        {100, 100, 99, 0, 0},
        {50, 70, 350, 7, 5},
    };
    for (const Case& c : cases) {
        ticks.clear();
        w.SetTimer(1, c.period_a);
        w.SetTimer(2, c.period_b);
        const int64_t start = app.Now();
        hl.AdvanceClock(c.jump);
        EXPECT_EQ(Count(1), c.ticks_a) << c.period_a << "/" << c.period_b;
        EXPECT_EQ(Count(2), c.ticks_b) << c.period_a << "/" << c.period_b;
        EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end(),
                                   [](const Tick& a, const Tick& b) { return a.at < b.at; }));
        for (const Tick& t : ticks) EXPECT_EQ((t.at - start) % (t.id == 1 ? c.period_a : c.period_b), 0);
        w.KillTimer(1);
        w.KillTimer(2);
    }
}

TEST_F(UiTimerTest, EqualDeadlinesTickInTheOrderTheTimersWereSet) {
    w.SetTimer(7, 100);
    w.SetTimer(3, 100);
    hl.AdvanceClock(100);
    EXPECT_EQ(ticks, (std::vector<Tick>{{100, 7}, {100, 3}}));
}

TEST_F(UiTimerTest, KillTimerDropsATickThatIsAlreadyDue) {
    w.SetTimer(1, 100);
    w.SetTimer(2, 100);  // due at the same moment, after timer 1
    on_tick = [&](UINT_PTR id) {
        if (id == 1) w.KillTimer(2);
    };
    hl.AdvanceClock(500);
    EXPECT_EQ(Count(1), 5);
    EXPECT_EQ(Count(2), 0);
    EXPECT_FALSE(w.KillTimer(2));
}

TEST_F(UiTimerTest, SettingAnIdAgainRestartsItsPeriod) {
    w.SetTimer(1, 100);
    hl.AdvanceClock(60);
    w.SetTimer(1, 100);
    hl.AdvanceClock(60);
    EXPECT_EQ(Count(1), 0);
    hl.AdvanceClock(40);
    EXPECT_EQ(ticks, (std::vector<Tick>{{160, 1}}));
}

TEST_F(UiTimerTest, TimersOfADestroyedWindowStop) {
    w.SetTimer(1, 10);
    hl.AdvanceClock(30);
    w.DestroyWindow();
    hl.AdvanceClock(100);
    EXPECT_EQ(Count(1), 3);
    EXPECT_FALSE(app.NextTimerDeadline().has_value());
}

TEST_F(UiTimerTest, TimersFireInsideANestedModalLoop) {
    w.SetTimer(1, 100);
    ScriptDialog dlg(&app);
    int ticks_in_dialog = -1;
    dlg.init = [](ScriptDialog& d) { d.SetTimer(9, 1000); };
    dlg.timer = [&](ScriptDialog& d, UINT_PTR) {
        ticks_in_dialog = Count(1);
        d.EndDialog(IDOK);
    };
    app.Post([&] { dlg.DoModal(); });
    hl.AdvanceClock(50);
    // The dialog opened at 0 ms and ended at 1000 ms; timer 1 ticked at 100 .. 1000 inside its loop (at 1000
    // before the dialog's own timer, which was set later).
    EXPECT_EQ(ticks_in_dialog, 10);
    EXPECT_EQ(app.Now(), 1000);
}

TEST_F(UiTimerTest, ATimerKeepsFiringWhileAnEarlierTickOfItsOwnHoldsAModalLoop) {
    int depth = 0, max_depth = 0, inner_ticks = 0;
    ScriptDialog dlg(&app);
    dlg.init = [](ScriptDialog& d) { d.SetTimer(5, 350); };
    dlg.timer = [](ScriptDialog& d, UINT_PTR) { d.EndDialog(IDOK); };
    on_tick = [&](UINT_PTR) {
        max_depth = std::max(max_depth, ++depth);
        if (depth == 1 && !dlg.IsCreated() && Count(1) == 1)
            dlg.DoModal();
        else if (depth > 1)
            ++inner_ticks;
        --depth;
    };
    w.SetTimer(1, 100);
    hl.AdvanceClock(100);
    EXPECT_EQ(max_depth, 2);
    EXPECT_EQ(inner_ticks, 3);  // 200, 300, 400 while the dialog (opened at 100, ended at 450) was up
}

TEST(UiTimerRealClock, ALateLoopGetsOneTickNotABacklog) {
    Application app(std::make_unique<HeadlessBackend>(HeadlessBackend::Clock::kReal));
    LogWindow w(&app, nullptr, "w");
    w.CreateTopLevel(gfx::RectFromSize(0, 0, 10, 10), "w");
    int n = 0;
    w.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_TIMER ? (++n, 0) : 0; };
    w.SetTimer(1, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // six periods late
    app.RunUntilIdle();
    EXPECT_EQ(n, 1);
}

// With the real clock, AdvanceClock jumps ahead as the virtual clock does, without waiting in real time.
TEST(UiTimerRealClock, AdvanceClockJumpsWithATickPerPeriod) {
    Application app(std::make_unique<HeadlessBackend>(HeadlessBackend::Clock::kReal));
    LogWindow w(&app, nullptr, "w");
    w.CreateTopLevel(gfx::RectFromSize(0, 0, 10, 10), "w");
    int n = 0;
    w.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_TIMER ? (++n, 0) : 0; };
    w.SetTimer(1, 100);
    const auto realStart = std::chrono::steady_clock::now();
    const int64_t before = app.Now();
    app.Headless()->AdvanceClock(100000);
    EXPECT_EQ(n, 1000);
    EXPECT_GE(app.Now() - before, 100000);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(50));
}

}  // namespace
}  // namespace ui::testing
