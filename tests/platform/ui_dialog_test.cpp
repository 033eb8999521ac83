// Modal dialogs: ending before the loop, nested loops, owners and keys.
#include "ui_fixture.h"

namespace ui::testing {
namespace {

using UiDialogTest = UiTest;

TEST_F(UiDialogTest, ADialogEndedFromItsInitialisationNeverShowsAndGivesItsResult) {
    ScriptDialog dlg(&app);
    bool owner_disabled_during_init = false;
    dlg.init = [&](ScriptDialog& d) {
        owner_disabled_during_init = !top.IsWindowEnabled();
        d.EndDialog(7);
    };
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_FALSE(dlg.shown);
    EXPECT_TRUE(owner_disabled_during_init);
    EXPECT_TRUE(top.IsWindowEnabled());
    EXPECT_FALSE(dlg.IsCreated());
}

TEST_F(UiDialogTest, ADialogEndedByItsTimerDuringALoopRunFromInitialisationNeverShows) {
    ScriptDialog dlg(&app);
    ScriptDialog inner(&app);
    inner.init = [](ScriptDialog& d) { d.SetTimer(1, 500); };
    inner.timer = [](ScriptDialog& d, UINT_PTR) { d.EndDialog(IDOK); };
    dlg.init = [&](ScriptDialog& d) {
        d.SetTimer(3, 100);
        inner.DoModal();
    };
    dlg.timer = [](ScriptDialog& d, UINT_PTR) { d.EndDialog(IDCANCEL); };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.shown);
    EXPECT_TRUE(inner.shown);
}

TEST_F(UiDialogTest, CloseSentToTheMainWindowFromAChooserDuringItsInitialisationEndsItAfterward) {
    top.DestroyWindow();
    ScriptDialog main(&app);
    app.SetMainWindow(&main);
    ScriptDialog chooser(&app);
    bool init_returned = false;
    chooser.init = [&](ScriptDialog& d) { d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)); };
    chooser.command = [&](ScriptDialog& d, int id) {
        if (id != IDCANCEL) return false;
        app.MainWindow()->SendMessage(WM_CLOSE);
        d.EndDialog(IDCANCEL);
        return true;
    };
    main.init = [&](ScriptDialog&) {
        chooser.DoModal();
        EXPECT_TRUE(main.IsEnded());
        init_returned = true;
    };
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_TRUE(init_returned);
    EXPECT_FALSE(main.shown);
}

TEST_F(UiDialogTest, DoModalReturnsOnlyAfterALoopOpenedFromACommandItSentHasReturned) {
    std::vector<std::string> order;
    ScriptDialog menu(&app);
    ScriptDialog progress(&app);
    progress.init = [](ScriptDialog& d) { d.SetTimer(1, 200); };
    progress.timer = [&](ScriptDialog& d, UINT_PTR) {
        EXPECT_FALSE(menu.GetStyleVisible()) << "an ended dialog is hidden at once";
        order.push_back("progress ends");
        d.EndDialog(IDOK);
    };
    LogWindow& main = *new LogWindow(&app, nullptr, "main");
    std::unique_ptr<LogWindow> owned(&main);
    main.Create(&top, 50, gfx::RectFromSize(0, 0, 10, 10));
    main.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_USER + 108) progress.DoModal();
        return 0;
    };
    menu.init = [&](ScriptDialog& d) { d.PostMessage(WM_COMMAND, 1271); };
    menu.command = [&](ScriptDialog& d, int id) {
        if (id != 1271) return false;
        d.SendMessage(WM_CLOSE);
        main.SendMessage(WM_USER + 108, 2);
        return true;
    };
    EXPECT_EQ(menu.DoModal(), IDCANCEL);
    order.push_back("menu returns");
    EXPECT_EQ(order, (std::vector<std::string>{"progress ends", "menu returns"}));
}

TEST_F(UiDialogTest, WindowsBelowAModalDialogGetNoInputButKeepTimersAndPosts) {
    std::vector<std::string> log;
    LogWindow below(&app, &log, "below");
    below.Create(&top, 5, gfx::RectFromSize(10, 10, 100, 100));
    below.SetFocus();
    below.SetTimer(1, 100);
    ScriptDialog dlg(&app);
    dlg.SetInitialRect(gfx::RectFromSize(700, 500, 100, 100));  // away from `below`
    dlg.init = [](ScriptDialog& d) { d.SetTimer(1, 1000); };
    dlg.timer = [](ScriptDialog& d, UINT_PTR) { d.EndDialog(IDOK); };
    app.SetModalObserver([&](Window&) {
        hl.ClickWindow(below);
        hl.KeyPress(VK_DOWN);
        below.PostMessage(WM_COMMAND, 99);
    });
    dlg.DoModal();
    const auto count = [&](const std::string& what) { return std::count(log.begin(), log.end(), what); };
    EXPECT_EQ(count("below:LDOWN"), 0);
    EXPECT_EQ(count("below:KEYDOWN"), 0);
    EXPECT_EQ(count("below:COMMAND"), 1);
    EXPECT_EQ(count("below:TIMER"), 10);
    log.clear();
    hl.ClickWindow(below);
    hl.RunPending();
    EXPECT_EQ(count("below:LDOWN"), 1) << "the owner takes input again after the dialog";
}

TEST_F(UiDialogTest, EnterAndEscapeReachOkAndCancelAndWmCloseCancels) {
    struct Case {
        unsigned key;  // 0: WM_CLOSE
        int result;
    } cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}, {0, IDCANCEL}};
    for (const Case& c : cases) {
        ScriptDialog dlg(&app);
        std::vector<std::string> log;
        LogWindow edit(&app, &log, "edit");
        dlg.init = [&](ScriptDialog& d) {
            edit.Create(&d, 100, gfx::RectFromSize(5, 5, 50, 20), "", WS_VISIBLE | WS_TABSTOP);
        };
        app.SetModalObserver([&](Window& w) {
            EXPECT_EQ(app.GetFocus(), &edit) << "the first tab stop gets the focus";
            if (c.key)
                hl.KeyPress(c.key);
            else
                w.PostMessage(WM_CLOSE);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.key;
        EXPECT_EQ(std::count(log.begin(), log.end(), "edit:KEYDOWN"), 0)
            << "the dialog consumes Enter and Esc";
    }
}

}  // namespace
}  // namespace ui::testing
