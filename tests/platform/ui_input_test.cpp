// Focus, keys, wheel, mouse routing, capture, the mouse hook, hit testing and mouse tracking.
#include "ui_fixture.h"

namespace ui::testing {
namespace {

class UiInputTest : public UiTest {
  protected:
    UiInputTest() : parent(&app, &log, "parent"), a(&app, &log, "a"), b(&app, &log, "b") {
        parent.Create(&top, 1, gfx::RectFromSize(0, 0, 300, 200));
        a.Create(&parent, 1001, gfx::RectFromSize(10, 10, 50, 20));
        b.Create(&parent, 1002, gfx::RectFromSize(100, 10, 50, 20));
        for (LogWindow* w : {&a, &b}) w->SetFocusNotices(EN_SETFOCUS, EN_KILLFOCUS);
        parent.on = [this](UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_COMMAND) {
                const CommandArgs c = CrackCommand(w, l);
                log.back() += "(" + std::to_string(c.id) + "," + std::to_string(c.code) + ")";
            }
            return 0;
        };
    }
    std::vector<std::string> Take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
    LogWindow parent, a, b;
};

TEST_F(UiInputTest, KillFocusAndItsNoticeRunBeforeSetFocus) {
    a.SetFocus();
    Take();
    b.SetFocus();
    EXPECT_EQ(Take(), (std::vector<std::string>{"a:KILLFOCUS", "parent:COMMAND(1001,512)", "b:SETFOCUS",
                                                "parent:COMMAND(1002,256)"}));
    EXPECT_EQ(app.GetFocus(), &b);
}

TEST_F(UiInputTest, AKillFocusHandlerThatMovesTheFocusHasTheLastWord) {
    a.SetFocus();
    a.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_KILLFOCUS) parent.SetFocus();
        return 0;
    };
    b.SetFocus();
    EXPECT_EQ(app.GetFocus(), &parent);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b:SETFOCUS"), 0);
}

TEST_F(UiInputTest, AKeyStaysAddressedToTheControlFocusedWhenItWasQueued) {
    a.SetFocus();
    struct Mover : LogWindow {
        using LogWindow::LogWindow;
        Window* to = nullptr;
        bool PreTranslateMessage(MSG& msg) override {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_RIGHT) to->SetFocus();
            return false;  // consumes nothing
        }
    };
    // The pre-translate step of an ancestor moves the focus to b on the key-down.
    Mover mover(&app, &log, "mover");
    mover.to = &b;
    mover.Create(&top, 2, gfx::RectFromSize(0, 210, 300, 60));
    LogWindow c(&app, &log, "c"), d(&app, &log, "d");
    c.Create(&mover, 1, gfx::RectFromSize(0, 0, 20, 20));
    d.Create(&mover, 2, gfx::RectFromSize(30, 0, 20, 20));
    c.SetFocus();
    mover.to = &d;
    hl.KeyDown(VK_RIGHT);
    hl.KeyUp(VK_RIGHT);
    Take();
    hl.RunPending();
    // Both messages were queued while c had the focus.
    const auto got = Take();
    EXPECT_NE(std::find(got.begin(), got.end(), "c:KEYDOWN"), got.end());
    EXPECT_NE(std::find(got.begin(), got.end(), "c:KEYUP"), got.end());
    EXPECT_EQ(std::find(got.begin(), got.end(), "d:KEYDOWN"), got.end());
    EXPECT_EQ(app.GetFocus(), &d);
}

TEST_F(UiInputTest, WheelGoesToTheFocusWithItsSignedDeltaAndUnhandledOnToTheParent) {
    int delta_a = 0, delta_parent = 0;
    a.on = [&](UINT m, WPARAM w, LPARAM) -> LRESULT {
        if (m == WM_MOUSEWHEEL) delta_a = GET_WHEEL_DELTA_WPARAM(w);
        return 0;
    };
    parent.on = [&](UINT m, WPARAM w, LPARAM) -> LRESULT {
        if (m == WM_MOUSEWHEEL) delta_parent = GET_WHEEL_DELTA_WPARAM(w);
        return 0;
    };
    a.SetFocus();
    hl.Wheel(-120, hl.ScreenPointOf(b));  // the pointer's place does not matter
    hl.RunPending();
    EXPECT_EQ(delta_a, -120);
    EXPECT_EQ(delta_parent, -120);
}

TEST_F(UiInputTest, CaptureAndTheMouseHookFollowADragThatLeavesTheWindow) {
    std::vector<std::pair<UINT, gfx::Point>> hooked;
    const int hook = app.AddMouseHook([&](UINT m, gfx::Point p) { hooked.push_back({m, p}); });
    std::vector<gfx::Point> moves;
    gfx::Point released{-1, -1};
    a.on = [&](UINT m, WPARAM, LPARAM l) -> LRESULT {
        if (m == WM_LBUTTONDOWN) a.SetCapture();
        if (m == WM_MOUSEMOVE) moves.push_back({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        if (m == WM_LBUTTONUP) {
            released = {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
            app.ReleaseCapture();
        }
        return 0;
    };
    const gfx::Point start = hl.ScreenPointOf(a, gfx::Point{5, 5});  // (115, 115) on the screen
    hl.MouseDown(start);
    hl.MouseMove({start.x + 600, start.y - 200});  // outside every window
    hl.MouseMove({start.x - 200, start.y});
    hl.MouseUp({20, 20});
    hl.RunPending();
    EXPECT_EQ(moves, (std::vector<gfx::Point>{{605, -195}, {-195, 5}}));
    EXPECT_EQ(released, (gfx::Point{-90, -90}));
    EXPECT_EQ(app.GetCapture(), nullptr);
    ASSERT_EQ(hooked.size(), 3u);
    EXPECT_EQ(hooked[0], std::make_pair(UINT{WM_MOUSEMOVE}, gfx::Point{start.x + 600, start.y - 200}));
    EXPECT_EQ(hooked[2], std::make_pair(UINT{WM_LBUTTONUP}, gfx::Point{20, 20}));

    // Without capture the window sees nothing outside itself, the hook still does.
    app.RemoveMouseHook(hook);
    hooked.clear();
    const int hook2 = app.AddMouseHook([&](UINT m, gfx::Point p) { hooked.push_back({m, p}); });
    a.on = {};
    Take();
    hl.MouseMove({1500, 900});
    hl.MouseUp({1500, 900});
    hl.RunPending();
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(hooked.size(), 2u);
    app.RemoveMouseHook(hook2);
}

TEST_F(UiInputTest, TransparentAndDisabledChildrenLetPressesThroughToTheWindowBelow) {
    LogWindow label(&app, &log, "label");
    label.Create(&parent, 1500, gfx::RectFromSize(10, 100, 80, 20));
    label.SetHitTestTransparent(true);
    b.EnableWindow(false);
    Take();
    hl.ClickWindow(label);
    hl.ClickWindow(b);
    hl.RunPending();
    const auto got = Take();
    EXPECT_EQ(std::count(got.begin(), got.end(), "parent:LDOWN"), 2);
    EXPECT_EQ(std::count(got.begin(), got.end(), "label:LDOWN"), 0);
    EXPECT_EQ(std::count(got.begin(), got.end(), "b:LDOWN"), 0);
}

TEST_F(UiInputTest, ASecondQuickPressIsADoubleClickOnlyForWindowsThatAskForIt) {
    struct Case {
        bool wants;
        int64_t pause;
        std::vector<std::string> expected;
    } cases[] = {
        {true, 0, {"a:LDOWN", "a:LUP", "a:LDBL", "a:LUP"}},
        {false, 0, {"a:LDOWN", "a:LUP", "a:LDOWN", "a:LUP"}},
        {true, 600, {"a:LDOWN", "a:LUP", "a:LDOWN", "a:LUP"}},
    };
    for (const Case& c : cases) {
        a.SetWantsDoubleClicks(c.wants);
        hl.AdvanceClock(1000);
        const gfx::Point p = hl.ScreenPointOf(a);
        hl.Click(p);
        hl.RunPending();
        hl.AdvanceClock(c.pause);
        hl.MouseDown(p);
        hl.MouseUp(p);
        hl.RunPending();
        auto got = Take();
        std::erase(got, "a:MOVE");
        std::erase(got, "parent:MOVE");
        EXPECT_EQ(got, c.expected) << c.wants << " " << c.pause;
    }
}

TEST_F(UiInputTest, TrackedWindowsHearOfLeaveAndHoverOnce) {
    a.TrackMouseEvent(TME_LEAVE | TME_HOVER, 400);
    hl.MoveToWindow(a);
    hl.AdvanceClock(399);
    EXPECT_EQ(std::count(log.begin(), log.end(), "a:HOVER"), 0);
    hl.AdvanceClock(1);
    hl.AdvanceClock(1000);
    EXPECT_EQ(std::count(log.begin(), log.end(), "a:HOVER"), 1);
    hl.MoveToWindow(b);
    hl.MoveToWindow(parent, gfx::Point{250, 150});
    hl.RunPending();
    EXPECT_EQ(std::count(log.begin(), log.end(), "a:LEAVE"), 1);
}

TEST_F(UiInputTest, ADialogThatAnswersCaptionIsDraggedByItsClientArea) {
    struct Draggable : ScriptDialog {
        using ScriptDialog::ScriptDialog;
        LRESULT OnNcHitTest(gfx::Point p) override {
            const LRESULT hit = ScriptDialog::OnNcHitTest(p);
            return hit == HTCLIENT ? LRESULT{HTCAPTION} : hit;
        }
    };
    Draggable dlg(&app);
    dlg.SetInitialRect(gfx::RectFromSize(600, 400, 200, 100));
    gfx::Rect after;
    app.SetModalObserver([&](Window& w) {
        hl.MouseDown({650, 420});
        hl.MouseMove({680, 440});
        hl.MouseMove({700, 470});
        hl.MouseUp({700, 470});
        app.Post([&] {
            after = w.GetWindowRect();
            static_cast<Dialog&>(w).EndDialog(IDOK);
        });
    });
    dlg.DoModal();
    EXPECT_EQ(after, gfx::RectFromSize(650, 450, 200, 100));
}

TEST_F(UiInputTest, KeysTypeControlCharactersAndAltF4Closes) {
    std::vector<char32_t> chars;
    a.on = [&](UINT m, WPARAM w, LPARAM) -> LRESULT {
        if (m == WM_CHAR) chars.push_back(static_cast<char32_t>(w));
        return 0;
    };
    a.SetFocus();
    hl.KeyPress(VK_BACK);
    hl.Type("x中");
    hl.RunPending();
    EXPECT_EQ(chars, (std::vector<char32_t>{0x08, U'x', U'中'}));

    bool closed = false;
    struct Closing : Window {
        using Window::Window;
        bool* closed = nullptr;
        void OnClose() override { *closed = true; }
    };
    Closing frame(&app);
    frame.closed = &closed;
    frame.CreateTopLevel(gfx::RectFromSize(0, 0, 50, 50), "f", WS_VISIBLE);
    LogWindow inner(&app, nullptr, "inner");
    inner.Create(&frame, 1, gfx::RectFromSize(0, 0, 10, 10));
    inner.SetFocus();
    hl.KeyPress(VK_F4, kModAlt);
    hl.RunPending();
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace ui::testing
