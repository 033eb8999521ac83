// Debug builds assert that the window calls that belong to the UI thread run on it.
#include <thread>

#include "ui_fixture.h"

namespace ui::testing {
namespace {

#ifndef NDEBUG
class UiThreadDeathTest : public UiTest {};

TEST_F(UiThreadDeathTest, AUiOnlyWindowCallFromAnotherThreadAsserts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char* call;
        std::function<void()> run;
    } cases[] = {
        {"MoveWindow", [&] { top.MoveWindow(gfx::RectFromSize(0, 0, 10, 10)); }},
        {"SetFocus", [&] { top.SetFocus(); }},
        {"SetTimer", [&] { top.SetTimer(1, 10); }},
        {"ModifyStyle", [&] { top.ModifyStyle(0, WS_TABSTOP); }},
    };
    for (const auto& c : cases) {
        EXPECT_DEATH(
            {
                std::thread t(c.run);
                t.join();
            },
            std::string(c.call) + " called off the UI thread")
            << c.call;
    }
}
#endif

TEST(UiThreadTest, TheMarshalledCallsAreAllowedFromAnotherThread) {
    Application app(std::make_unique<HeadlessBackend>());
    Window top(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(0, 0, 100, 100), "top", WS_VISIBLE));
    std::atomic<bool> done{false};
    std::thread worker([&] {
        top.SetWindowText("V1");
        top.Invalidate();
        top.EnableWindow(false);
        top.ShowWindow(SW_HIDE);
        done = true;
        app.Post([] {});
    });
    app.RunModalLoop([&] { return done.load(); });
    worker.join();
    EXPECT_EQ(top.GetWindowText(), "V1");
    EXPECT_FALSE(top.IsWindowEnabled());
    EXPECT_FALSE(top.GetStyleVisible());
}

}  // namespace
}  // namespace ui::testing
