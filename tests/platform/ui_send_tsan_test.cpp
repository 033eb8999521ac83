// Sends and posts across threads, and window calls marshalled from workers.
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/ui/messagebox.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

using namespace std::chrono_literals;

class UiSendTest : public UiTest {
  protected:
    UiSendTest() : target(&app, &log, "t") { target.Create(&top, 10, gfx::RectFromSize(0, 0, 50, 50)); }
    std::vector<std::string> log;
    LogWindow target;
};

TEST_F(UiSendTest, WorkerSendWaitsForTheUiHandlerAndGetsItsResult) {
    std::atomic<bool> handled{false};
    std::atomic<bool> returned{false};
    target.on = [&](UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_USER + 5) return 0;
        EXPECT_TRUE(app.IsUiThread());
        handled = true;
        return static_cast<LRESULT>(w) + l;
    };
    LRESULT got = -1;
    std::thread worker([&] {
        got = target.SendMessage(WM_USER + 5, 40, 2);
        returned = true;
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(returned) << "a send must wait until the UI thread serves it";
    app.RunModalLoop([&] { return handled.load(); });
    worker.join();
    EXPECT_EQ(got, 42);
}

TEST_F(UiSendTest, SendOnTheUiThreadCallsTheHandlerDirectlyAndMayReenter) {
    int depth = 0, max_depth = 0;
    target.on = [&](UINT m, WPARAM w, LPARAM) -> LRESULT {
        if (m != WM_USER + 1) return 0;
        max_depth = std::max(max_depth, ++depth);
        if (w > 0) target.SendMessage(WM_USER + 1, w - 1);
        --depth;
        return 7;
    };
    EXPECT_EQ(target.SendMessage(WM_USER + 1, 2), 7);
    EXPECT_EQ(max_depth, 3);
}

TEST_F(UiSendTest, SendToAWindowDestroyedBeforeItWasServedReturnsZero) {
    bool ran = false;
    target.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_USER + 2) ran = true;
        return m == WM_USER + 2 ? 5 : 0;
    };
    LRESULT got = -1;
    std::thread worker([&] { got = target.SendMessage(WM_USER + 2); });
    std::this_thread::sleep_for(20ms);
    target.DestroyWindow();  // without pumping: the worker must be let go all the same
    worker.join();
    EXPECT_EQ(got, 0);
    hl.RunPending();
    EXPECT_FALSE(ran);
}

TEST_F(UiSendTest, SendWhoseHandlerRunsANestedLoopReturnsZeroWhenTheTargetGoes) {
    std::atomic<bool> returned{false};
    LRESULT got = -1;
    bool handler_done = false;
    target.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m != WM_USER + 3) return 0;
        app.Post([&] { target.DestroyWindow(); });
        app.RunModalLoop([&] { return returned.load(); });
        handler_done = true;
        return 9;
    };
    std::thread worker([&] {
        got = target.SendMessage(WM_USER + 3);
        returned = true;
        app.Post([] {});  // wake the loop
    });
    app.RunModalLoop([&] { return handler_done; });
    worker.join();
    EXPECT_EQ(got, 0);
}

TEST_F(UiSendTest, ReleasePendingSendsLetsWaitingWorkersGoAndRefusesNewSendsUntilAccepted) {
    int served = 0;
    target.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_USER + 4 ? (++served, 3) : 0; };
    LRESULT first = -1;
    std::thread worker([&] { first = target.SendMessage(WM_USER + 4); });
    std::this_thread::sleep_for(20ms);
    app.ReleasePendingSends();
    worker.join();
    EXPECT_EQ(first, 0);

    LRESULT second = -1;
    std::thread late([&] { second = target.SendMessage(WM_USER + 4); });
    late.join();  // refused at once: nobody pumps here
    EXPECT_EQ(second, 0);
    hl.RunPending();
    EXPECT_EQ(served, 0) << "a released send is never served";

    app.AcceptSends();
    std::atomic<bool> done{false};
    LRESULT third = -1;
    std::thread again([&] {
        third = target.SendMessage(WM_USER + 4);
        done = true;
    });
    app.RunModalLoop([&] { return served == 1; });
    again.join();
    EXPECT_EQ(third, 3);
}

TEST_F(UiSendTest, PostsKeepTheirOrderAcrossThreadsAndWithSends) {
    std::vector<int> seen;
    target.on = [&](UINT m, WPARAM w, LPARAM) -> LRESULT {
        if (m >= WM_USER + 10 && m <= WM_USER + 12)
            seen.push_back(static_cast<int>(m - WM_USER - 10) * 1000 + int(w));
        return 0;
    };
    for (int i = 0; i < 3; ++i) target.PostMessage(WM_USER + 10, i);
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) target.PostMessage(WM_USER + 11, i);
        target.SendMessage(WM_USER + 12, 0);
        target.PostMessage(WM_USER + 11, 200);
    });
    app.RunModalLoop([&] { return seen.size() == 3 + 200 + 1 + 1; });
    worker.join();
    std::vector<int> expected{0, 1, 2};
    for (int i = 0; i < 200; ++i) expected.push_back(1000 + i);
    expected.push_back(2000);
    expected.push_back(1200);
    EXPECT_EQ(seen, expected);
}

TEST_F(UiSendTest, WindowCallsFromAWorkerAreDoneOnTheUiThreadBeforeItsNextSend) {
    std::string text_at_send;
    bool shown_at_send = true;
    target.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_USER + 118) {
            text_at_send = target.GetWindowText();
            shown_at_send = target.GetStyleVisible();
        }
        return 0;
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        target.ShowWindow(SW_HIDE);
        target.SetWindowText("V1.23");
        target.Invalidate();
        target.SendMessage(WM_USER + 118);
        done = true;
        app.Post([] {});
    });
    app.RunModalLoop([&] { return done.load(); });
    worker.join();
    EXPECT_EQ(text_at_send, "V1.23");
    EXPECT_FALSE(shown_at_send);
}

TEST_F(UiSendTest, AModalDialogsLoopServesSendsToTheWindowItDisabled) {
    ScriptDialog dlg(&app);
    std::thread worker;
    top.EnableWindow(true);
    target.on = [&](UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m != WM_USER + 115) return 0;
        EXPECT_FALSE(top.IsWindowEnabled());
        dlg.EndDialog(IDOK);
        return 1;
    };
    LRESULT got = 0;
    dlg.init = [&](ScriptDialog&) { worker = std::thread([&] { got = target.SendMessage(WM_USER + 115); }); };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    worker.join();
    EXPECT_EQ(got, 1);
    EXPECT_TRUE(top.IsWindowEnabled());
}

TEST_F(UiSendTest, ABoxPostedFromAWorkerIsShownLaterOnTheUiThread) {
    MessageBoxRecorder boxes(app);
    std::atomic<bool> worker_done{false};
    int answer = 0;
    std::thread worker([&] {
        app.PostMessageBox("Save the data successfully!", "Alert", MB_OK, [&](int a) {
            EXPECT_TRUE(app.IsUiThread());
            answer = a;
        });
        worker_done = true;
    });
    worker.join();  // the worker never waited for the box
    EXPECT_TRUE(worker_done);
    EXPECT_TRUE(boxes.Boxes().empty());
    hl.RunPending();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Save the data successfully!");
    EXPECT_EQ(answer, IDOK);
}

TEST_F(UiSendTest, AWorkerReachesAChildByIdAndSetsItsTextThroughTheUiThread) {
    LogWindow version(&app, nullptr, "version");
    version.Create(&top, 1275, gfx::RectFromSize(0, 60, 80, 20));
    std::atomic<bool> done{false};
    std::string seen;
    std::thread worker([&] {
        top.SetDlgItemText(1275, "DSP-1 221130");
        seen = top.GetDlgItemText(1275);
        done = true;
        app.Post([] {});
    });
    app.RunModalLoop([&] { return done.load(); });
    worker.join();
    EXPECT_EQ(seen, "DSP-1 221130");
    EXPECT_EQ(version.GetWindowText(), "DSP-1 221130");
}

}  // namespace
}  // namespace ui::testing
