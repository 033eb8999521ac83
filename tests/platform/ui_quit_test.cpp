// The display's quit event (SIGTERM, SIGINT, a logout) ends the program from any loop.
#include <atomic>
#include <thread>

#include "platform/ui/filedialog.h"
#include "platform/ui/messagebox.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

// A main window as the program's: Esc and Cancel do nothing, WM_CLOSE ends it. `work` runs once its loop
// has started.
class MainDialog : public Dialog {
  public:
    MainDialog(Application* app, std::vector<std::string>* log) : Dialog(nullptr, app), log_(log) {
        SetInitialSize(400, 300);
    }
    std::function<void()> work;
    LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
        if (m == WM_USER + 1 && work) work();
        return Dialog::WindowProc(m, w, l);
    }

  protected:
    bool OnInitDialog() override {
        PostMessage(WM_USER + 1);
        return true;
    }
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override {
        log_->push_back("main closes");
        EndDialog(IDCANCEL);
    }

  private:
    std::vector<std::string>* log_;
};

// A progress dialog: Esc, Cancel and close do nothing; only its work ends it.
class ProgressDialog : public Dialog {
  public:
    explicit ProgressDialog(Application* app) : Dialog(nullptr, app) { SetInitialSize(300, 60); }

  protected:
    void OnCancel() override {}
    void OnOK() override {}
    void OnClose() override {}
};

class QuitTest : public UiTest {
  protected:
    QuitTest() : main(&app, &log) {
        top.DestroyWindow();
        app.SetMainWindow(&main);
    }
    // Injects the quit event once a window of type T is shown.
    template <typename T>
    void QuitWhenShown() {
        app.SetModalObserver([this](Window& w) {
            if (dynamic_cast<T*>(&w)) hl.Quit();
        });
    }
    std::vector<std::string> log;
    MainDialog main;
};

TEST_F(QuitTest, AMessageBoxEndsWithItsAnswerThenTheMainWindowCloses) {
    const struct {
        unsigned flags;
        int answer;
    } cases[] = {{MB_OK, IDOK}, {MB_YESNO | MB_ICONQUESTION, IDNO}};
    for (const auto& c : cases) {
        Application app2(std::make_unique<HeadlessBackend>());
        std::vector<std::string> log2;
        MainDialog main2(&app2, &log2);
        app2.SetMainWindow(&main2);
        int shown_count = 0;
        app2.SetModalObserver([&](Window& w) {
            ++shown_count;
            if (&w != &main2) app2.Headless()->Quit();
        });
        int answer = 0, later = 0;
        main2.work = [&] {
            answer = main2.MessageBox("Import failed", "Alert", c.flags);
            log2.push_back("box returned");
            // Nothing opens once the program quits.
            later = main2.MessageBox("again", "Alert", c.flags);
        };
        EXPECT_EQ(main2.DoModal(), IDCANCEL);
        EXPECT_EQ(answer, c.answer) << c.flags;
        EXPECT_EQ(later, c.answer) << c.flags;
        EXPECT_EQ(shown_count, 2) << "the main window and the first box only";
        EXPECT_EQ(log2, (std::vector<std::string>{"box returned", "main closes"}));
    }
}

TEST_F(QuitTest, TheFileDialogReturnsCancelThenTheMainWindowCloses) {
    QuitWhenShown<FileDialog>();
    int result = 0;
    std::string path = "unset";
    main.work = [&] {
        FileDialog dialog(true, "", "", OFN_HIDEREADONLY, "(*.img)|*.img||", &main, &app);
        result = dialog.DoModal();
        path = dialog.GetPathName();
        log.push_back("file dialog returned");
    };
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(path, "");
    EXPECT_EQ(log, (std::vector<std::string>{"file dialog returned", "main closes"}));
}

TEST_F(QuitTest, NestedModalsEndInnermostFirstEvenOneThatIgnoresCancelAndClose) {
    ProgressDialog progress(&app);
    std::thread worker;
    app.SetModalObserver([&](Window& w) {
        if (&w == &progress) {
            // The box opens from inside the progress dialog's loop.
            app.Post([&] {
                const int answer = app.MessageBox(nullptr, "Updating", "Alert", MB_OK);
                log.push_back("box returned " + std::to_string(answer));
            });
        } else if (&w != &main) {
            // The quit event comes from another thread.
            worker = std::thread([&] { hl.Quit(); });
        }
    });
    main.work = [&] {
        const int result = progress.DoModal();
        log.push_back("progress returned " + std::to_string(result));
    };
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    worker.join();
    EXPECT_EQ(log, (std::vector<std::string>{"box returned 1", "progress returned 2", "main closes"}));
    EXPECT_TRUE(app.QuitRequested());
}

}  // namespace
}  // namespace ui::testing
