// The one route of queued messages: pre-translate from the target up, then the target's handler.
#include "ui_fixture.h"

namespace ui::testing {
namespace {

// Logs its pre-translate steps ("name:PRE KEYDOWN") and handlers ("name:KEYDOWN"); `filter` may consume.
class FilterWindow : public LogWindow {
  public:
    FilterWindow(Application* app, std::vector<std::string>* log, std::string name)
        : LogWindow(app, log, name), log_(log), name_(std::move(name)) {}
    std::function<bool(MSG&)> filter;

    bool PreTranslateMessage(MSG& msg) override {
        const char* n = Name(msg.message);
        log_->push_back(name_ + ":PRE " + (n ? n : std::to_string(msg.message)));
        return filter && filter(msg);
    }

  private:
    std::vector<std::string>* log_;
    std::string name_;
};

class RouteTest : public UiTest {
  protected:
    RouteTest() : parent(&app, &log, "parent"), child(&app, &log, "child"), other(&app, &log, "other") {
        parent.Create(&top, 1, gfx::RectFromSize(0, 0, 300, 200));
        child.Create(&parent, 1098, gfx::RectFromSize(10, 10, 50, 20));
        other.Create(&parent, 1099, gfx::RectFromSize(100, 10, 50, 20));
    }
    std::vector<std::string> Take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
    FilterWindow parent, child, other;
};

TEST_F(RouteTest, AKeyToADisabledFocusedWindowPassesThePreTranslateStepsAndReachesNoHandler) {
    child.SetFocus();
    child.EnableWindow(false);
    Take();
    hl.KeyDown(VK_UP);
    hl.Type("5");
    hl.Wheel(-120);
    hl.RunPending();
    EXPECT_EQ(Take(), (std::vector<std::string>{"child:PRE KEYDOWN", "parent:PRE KEYDOWN", "child:PRE CHAR",
                                                "parent:PRE CHAR", "child:PRE WHEEL", "parent:PRE WHEEL"}));

    // A page key's pre-translate step moves the focus out; the key stays addressed to the disabled window.
    parent.filter = [&](MSG& m) {
        if (m.message == WM_KEYDOWN && m.wParam == VK_NEXT) other.SetFocus();
        return false;
    };
    hl.KeyDown(VK_NEXT);
    hl.KeyDown(VK_NEXT);
    hl.RunPending();
    EXPECT_EQ(Take(), (std::vector<std::string>{"child:PRE KEYDOWN", "parent:PRE KEYDOWN", "child:KILLFOCUS",
                                                "other:SETFOCUS", "child:PRE KEYDOWN", "parent:PRE KEYDOWN"}))
        << "both keys were queued while the disabled child had the focus";
    hl.KeyDown(VK_DOWN);
    hl.RunPending();
    EXPECT_EQ(Take(), (std::vector<std::string>{"other:PRE KEYDOWN", "parent:PRE KEYDOWN", "other:KEYDOWN"}));
}

TEST_F(RouteTest, InputToAWindowInsideADisabledOneIsDroppedButPostsReachIt) {
    child.SetFocus();
    parent.EnableWindow(false);  // as below a modal dialog
    Take();
    hl.KeyDown(VK_UP);
    hl.RunPending();
    EXPECT_TRUE(Take().empty());
    child.PostMessage(WM_TIMER, 3);
    hl.RunPending();
    EXPECT_EQ(Take(), (std::vector<std::string>{"child:PRE TIMER", "parent:PRE TIMER", "child:TIMER"}));
}

TEST_F(RouteTest, APreTranslateStepThatConsumesEndsThePostsRoute) {
    parent.filter = [](MSG& m) { return m.message == WM_TIMER; };
    child.PostMessage(WM_TIMER, 3);
    hl.RunPending();
    EXPECT_EQ(Take(), (std::vector<std::string>{"child:PRE TIMER", "parent:PRE TIMER"}));
}

}  // namespace
}  // namespace ui::testing
