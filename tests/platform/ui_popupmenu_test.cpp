// The popup menu and the system menu of a top-level window: Alt+Space, keys, clicks, and WM_SYSCOMMAND's
// default handling.
#include "platform/ui/inputevent.h"
#include "platform/ui/popupmenu.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

class PopupMenuTest : public UiTest {
  protected:
    // Drives each popup that opens with `drive`.
    void OnMenu(std::function<void(PopupMenu&)> drive) {
        app.SetModalObserver([this, drive = std::move(drive)](Window& w) {
            auto* menu = dynamic_cast<PopupMenu*>(&w);
            ASSERT_NE(menu, nullptr);
            ++menus;
            entries.clear();
            for (const MenuItem& item : menu->Items()) entries.push_back(item.text);
            drive(*menu);
        });
    }
    int menus = 0;
    std::vector<std::string> entries;
};

TEST_F(PopupMenuTest, KeysAndClicksChooseAndEscCancels) {
    const std::vector<MenuItem> items = {{7, "One"}, {8, "Two"}, {9, "Three"}};
    struct Case {
        const char* name;
        std::function<void(PopupMenu&)> drive;
        UINT chosen;
    } cases[] = {
        {"Enter", [](PopupMenu&) { ui::Application::Current()->Headless()->KeyPress(VK_RETURN); }, 7},
        {"DownDownEnter",
         [](PopupMenu&) {
             auto* hl = ui::Application::Current()->Headless();
             hl->KeyPress(VK_DOWN);
             hl->KeyPress(VK_DOWN);
             hl->KeyPress(VK_RETURN);
         },
         9},
        {"UpWraps",
         [](PopupMenu&) {
             auto* hl = ui::Application::Current()->Headless();
             hl->KeyPress(VK_UP);
             hl->KeyPress(VK_RETURN);
         },
         9},
        {"Esc", [](PopupMenu&) { ui::Application::Current()->Headless()->KeyPress(VK_ESCAPE); }, 0},
        {"ClickSecond",
         [](PopupMenu& m) {
             ui::Application::Current()->Headless()->ClickWindow(
                 m, gfx::Point{m.ItemRect(1).left + 5, m.ItemRect(1).top + 5});
         },
         8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OnMenu(c.drive);
        EXPECT_EQ(TrackPopupMenu(app, &top, items, {120, 130}), c.chosen);
    }
    EXPECT_EQ(TrackPopupMenu(app, &top, {}, {0, 0}), 0u);  // an empty menu never opens
    EXPECT_EQ(menus, int(std::size(cases)));
}

TEST_F(PopupMenuTest, AltSpaceOpensTheSystemMenuAndItsEntryComesBackAsSysCommand) {
    std::vector<UINT> commands;
    LogWindow w(&app, nullptr, "w");
    w.CreateTopLevel(gfx::RectFromSize(200, 200, 300, 200), "w", WS_VISIBLE);
    w.AppendSystemMenu(0x10, "About");
    w.on = [&](UINT m, WPARAM wp, LPARAM) -> LRESULT {
        if (m == WM_SYSCOMMAND) commands.push_back(UINT(wp));
        return 0;
    };
    w.SetFocus();
    OnMenu([](PopupMenu&) {
        auto* hl = ui::Application::Current()->Headless();
        hl->KeyPress(VK_DOWN);
        hl->KeyPress(VK_RETURN);
    });
    hl.KeyPress(VK_SPACE, kModAlt);
    hl.RunPending();
    EXPECT_EQ(entries, (std::vector<std::string>{"Close", "About"}));
    EXPECT_EQ(commands, (std::vector<UINT>{SC_KEYMENU, 0x10}));
    EXPECT_TRUE(w.IsCreated());
    // Close, the first entry, closes the window through WM_CLOSE.
    OnMenu([](PopupMenu&) { ui::Application::Current()->Headless()->KeyPress(VK_RETURN); });
    w.SetFocus();
    hl.KeyPress(VK_SPACE, kModAlt);
    hl.RunPending();
    EXPECT_FALSE(w.IsCreated());
}

TEST_F(PopupMenuTest, SysCommandMinimiseMinimisesTheTopLevelWindow) {
    top.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(hl.Natives().front()->minimized);
    EXPECT_TRUE(top.IsWindowVisible());
    top.ShowWindow(SW_HIDE);
    top.ShowWindow(SW_SHOW);
    EXPECT_FALSE(hl.Natives().front()->minimized);
}

}  // namespace
}  // namespace ui::testing
