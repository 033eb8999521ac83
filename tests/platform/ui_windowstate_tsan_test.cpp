// Window state belongs to the UI thread: show and enable called from a worker read nothing of the window
// there, and answer what the UI thread saw.
#include <atomic>
#include <thread>

#include "ui_fixture.h"

namespace ui::testing {
namespace {

class WindowStateTest : public UiTest {
  protected:
    WindowStateTest() : target(&app) { target.Create(&top, 1463, gfx::RectFromSize(0, 0, 50, 20)); }
    Window target;
};

TEST_F(WindowStateTest, ShowAndEnableFromAWorkerWhileTheUiThreadChangesTheStyle) {
    constexpr int kRounds = 40;
    std::vector<bool> was_visible, was_disabled;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) {
            was_visible.push_back(target.ShowWindow(i % 2 == 0 ? SW_HIDE : SW_SHOW));
            was_disabled.push_back(target.EnableWindow(i % 2 != 0));
        }
        done = true;
        app.Post([] {});
    });
    // Meanwhile the UI thread keeps changing another bit of the same style.
    while (!done.load()) {
        target.ModifyStyle(WS_TABSTOP, (target.Style() & WS_TABSTOP) ? 0u : unsigned{WS_TABSTOP});
        app.PumpOnce();
    }
    worker.join();
    // Only the worker changed visibility and the enabled state, each call the one before undid: every
    // answer is the state the previous call left.
    ASSERT_EQ(was_visible.size(), size_t{kRounds});
    for (int i = 0; i < kRounds; ++i) {
        EXPECT_EQ(was_visible[i], i % 2 == 0) << i;
        EXPECT_EQ(was_disabled[i], i % 2 != 0) << i;
    }
    EXPECT_TRUE(target.GetStyleVisible());
    EXPECT_TRUE(target.IsWindowEnabled());
}

TEST_F(WindowStateTest, AWorkersShowAnswersFalseOnceTheSendsAreReleased) {
    app.ReleasePendingSends();
    bool was = true;
    std::thread worker([&] { was = target.ShowWindow(SW_HIDE); });
    worker.join();
    EXPECT_FALSE(was);
    EXPECT_TRUE(target.GetStyleVisible()) << "a released call is not done later";
    app.AcceptSends();
    hl.RunPending();
    EXPECT_TRUE(target.GetStyleVisible());
}

}  // namespace
}  // namespace ui::testing
