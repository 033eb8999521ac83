#include "app/quenbarapp.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "device/status.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/loadpercent.h"
#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/res/dialogtemplate.h"
#include "platform/sys/instancelock.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/filedialog.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/messages.h"
#include "platform/ui/templatedialog.h"
#include "res/programstrings.h"
#include "res/uilanguage.h"

namespace {

namespace fs = std::filesystem;

// Another instance of the program in its own process: it takes the lock and holds it until destroyed.
class OtherInstance {
  public:
    explicit OtherInstance(const std::string& lockPath) {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(toChild[1]);
            close(fromChild[0]);
            sys::InstanceLock lock(lockPath);
            const char held = lock.TryAcquire() == sys::InstanceLock::Result::kAcquired ? 1 : 0;
            (void)!write(fromChild[1], &held, 1);
            char c;
            (void)!read(toChild[0], &c, 1);  // returns when the parent closes its end
            _exit(0);
        }
        close(toChild[0]);
        close(fromChild[1]);
        release_ = toChild[1];
        char held = 0;
        if (read(fromChild[0], &held, 1) == 1) holding_ = held == 1;
        close(fromChild[0]);
    }
    ~OtherInstance() {
        if (release_ >= 0) close(release_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool Holding() const { return holding_; }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool holding_ = false;
};

class QuenbarAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("dsp-app-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "config");
        fs::create_directories(root_ / "home");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string LockPath() const { return (root_ / "dsp-console.lock").string(); }
    // A command line whose device address is on loopback, where nothing serves: the link stays down.
    static app::CommandLine LoopbackDevice() {
        app::CommandLine cl;
        cl.device = {"127.0.0.1", 9};
        return cl;
    }

    CQuenbarApp::Options MakeOptions(const std::string& locale) {
        CQuenbarApp::Options o;
        o.env = sys::MapEnvironment({{"XDG_RUNTIME_DIR", root_.string()},
                                     {"XDG_CONFIG_HOME", (root_ / "config").string()},
                                     {"HOME", (root_ / "home").string()},
                                     {"LANG", locale}});
        o.makeBackend = [](std::string*) { return std::make_unique<ui::HeadlessBackend>(); };
        o.onApplication = [this](ui::Application& app) {
            app.SetMessageBoxResponder([this](const ui::MessageBoxRecord& box) {
                boxes_.push_back(box);
                return ui::IDOK;
            });
            app.SetModalObserver([this](ui::Window& w) {
                // The start-up's model chooser is left at once; the main window is what counts.
                if (!dynamic_cast<CQuenbarDlg*>(&w)) {
                    static_cast<ui::Dialog&>(w).EndDialog(ui::IDCANCEL);
                    return;
                }
                ++windowsShown_;
                // While the first instance runs, nobody else gets the lock.
                sys::InstanceLock probe(LockPath());
                lockedWhileRunning_ = probe.TryAcquire() == sys::InstanceLock::Result::kHeldByOther;
                if (auto* dialog = dynamic_cast<ui::Dialog*>(&w)) dialog->EndDialog(ui::IDCANCEL);
            });
        };
        return o;
    }

    fs::path root_;
    std::vector<ui::MessageBoxRecord> boxes_;
    int windowsShown_ = 0;
    bool lockedWhileRunning_ = false;
};

TEST_F(QuenbarAppTest, FirstInstanceRunsTheMainWindowAndHoldsTheLock) {
    CQuenbarApp app;
    EXPECT_EQ(app.Run(LoopbackDevice(), MakeOptions("en_US.UTF-8")), 0);
    EXPECT_EQ(windowsShown_, 1);
    EXPECT_TRUE(lockedWhileRunning_);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(g_LangId, 1033);
    EXPECT_EQ(g_LangSource, 0);
}

struct SecondCase {
    const char* rule;
    const char* locale;
    std::string languageFile;  // empty: none
    const char* text;
    const char* caption;
    int source;
};

TEST_F(QuenbarAppTest, SecondInstanceIsRefusedWhileTheFirstRuns) {
    const SecondCase cases[] = {
        {"English system", "en_US.UTF-8", "", "The software is running!", "Alert", 0},
        {"Chinese system", "zh_CN.UTF-8", "", "软件正在运行！", "提示", 0},
        {"Chinese file on an English system: the title keeps the system's language", "en_US.UTF-8",
         std::string("\x04\x08", 2), "软件正在运行！", "Alert", 1},
        {"English file on a Chinese system", "zh_CN.UTF-8", std::string("\x09\x04", 2),
         "The software is running!", "提示", 2},
    };
    OtherInstance first(LockPath());
    ASSERT_TRUE(first.Holding());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        boxes_.clear();
        windowsShown_ = 0;
        const fs::path file = root_ / "config" / "DspLanguage.ini";
        fs::remove(file);
        if (!c.languageFile.empty()) std::ofstream(file, std::ios::binary) << c.languageFile;
        CQuenbarApp app;
        EXPECT_EQ(app.Run(LoopbackDevice(), MakeOptions(c.locale)), 0);
        EXPECT_EQ(windowsShown_, 0) << "the main window is never shown";
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, c.text);
        EXPECT_EQ(boxes_[0].caption, c.caption);
        EXPECT_EQ(boxes_[0].flags & ui::MB_TYPEMASK, unsigned(ui::MB_OK));
        EXPECT_EQ(g_LangSource, c.source);
    }
}

TEST_F(QuenbarAppTest, TheLockGoesWithTheFirstInstance) {
    {
        OtherInstance first(LockPath());
        ASSERT_TRUE(first.Holding());
    }
    CQuenbarApp app;
    EXPECT_EQ(app.Run(LoopbackDevice(), MakeOptions("en_US.UTF-8")), 0);
    EXPECT_EQ(windowsShown_, 1);
    EXPECT_TRUE(boxes_.empty());
}

// A template the test registers on the program's application: a caption and one label in both languages.
constexpr int kTestTemplate = 9001;
constexpr int kTestLabel = 1001;

res::DialogTemplate TestTemplate() {
    return res::DialogTemplate(
        kTestTemplate, res::DialogFont("MS Shell Dlg", 8), {120, 40}, res::LangText("Test", "测试"),
        res::kCaption,
        {{kTestLabel, res::ItemKind::kStatic, {4, 4, 116, 16}, 0, res::LangText("Hello", "你好")}});
}

TEST_F(QuenbarAppTest, TheChosenLanguageReachesTemplateDialogsAndTheFileDialog) {
    const struct {
        const char* rule;
        const char* locale;
        std::string languageFile;  // empty: none
        bool chinese;
    } cases[] = {
        {"Chinese system", "zh_CN.UTF-8", "", true},
        {"Chinese file on an English system", "en_US.UTF-8", std::string("\x04\x08", 2), true},
        {"English system", "en_US.UTF-8", "", false},
        {"English file on a Chinese system", "zh_CN.UTF-8", std::string("\x09\x04", 2), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const fs::path file = root_ / "config" / "DspLanguage.ini";
        fs::remove(file);
        if (!c.languageFile.empty()) std::ofstream(file, std::ios::binary) << c.languageFile;
        std::map<std::string, std::string> shown;
        CQuenbarApp::Options options = MakeOptions(c.locale);
        options.onApplication = [&](ui::Application& app) {
            ASSERT_TRUE(app.Dialogs().Add(TestTemplate(), {sys::kLangEnglish, sys::kLangChinese}));
            // From the running main window: a template dialog, then the firmware file choice (the builtin
            // dialog: no responder). Each is read and cancelled as it appears.
            app.SetModalObserver([&](ui::Window& w) {
                if (auto* main = dynamic_cast<CQuenbarDlg*>(&w)) {
                    ui::TemplateDialog(kTestTemplate, main, &app).DoModal();
                    main->LoadUpgradeFile();
                } else if (auto* files = dynamic_cast<ui::FileDialog*>(&w)) {
                    shown["file title"] = files->GetWindowText();
                    shown["file name label"] = files->GetDlgItemText(ui::FileDialog::kNameLabel);
                    shown["file cancel"] = files->GetDlgItemText(ui::IDCANCEL);
                } else if (auto* dialog = dynamic_cast<ui::TemplateDialog*>(&w)) {
                    shown["template caption"] = dialog->GetWindowText();
                    shown["template label"] = dialog->GetDlgItemText(kTestLabel);
                }
                static_cast<ui::Dialog&>(w).EndDialog(ui::IDCANCEL);
            });
        };
        CQuenbarApp app;
        EXPECT_EQ(app.Run(LoopbackDevice(), options), 0);
        const std::map<std::string, std::string> expected =
            c.chinese ? std::map<std::string, std::string>{{"template caption", "测试"},
                                                           {"template label", "你好"},
                                                           {"file title", "打开"},
                                                           {"file name label", "文件名:"},
                                                           {"file cancel", "取消"}}
                      : std::map<std::string, std::string>{{"template caption", "Test"},
                                                           {"template label", "Hello"},
                                                           {"file title", "Open"},
                                                           {"file name label", "File name:"},
                                                           {"file cancel", "Cancel"}};
        EXPECT_EQ(shown, expected);
    }
}

TEST(InstanceLockPath, OnePerDisplaySession) {
    const struct {
        const char* rule;
        std::map<std::string, std::string> env;
        const char* path;
    } cases[] = {
        {"no display: the platform's default", {{"XDG_RUNTIME_DIR", "/run/u"}}, "/run/u/dsp-console.lock"},
        {"X display in the name",
         {{"XDG_RUNTIME_DIR", "/run/u"}, {"DISPLAY", ":99"}},
         "/run/u/dsp-console-_99.lock"},
        {"screen number kept, slashes replaced",
         {{"XDG_RUNTIME_DIR", "/run/u"}, {"DISPLAY", "host/x:1.0"}},
         "/run/u/dsp-console-host_x_1.0.lock"},
        {"Wayland when there is no X display",
         {{"XDG_RUNTIME_DIR", "/run/u"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", "wayland-0"}},
         "/run/u/dsp-console-wayland_0.lock"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::InstanceLockPath(sys::MapEnvironment(c.env)), c.path) << c.rule;
    }
}

TEST_F(QuenbarAppTest, AnInstanceOnAnotherDisplayDoesNotCount) {
    CQuenbarApp::Options options = MakeOptions("en_US.UTF-8");
    const auto base = options.env;
    OtherInstance other(app::InstanceLockPath([&](const char* name) -> std::optional<std::string> {
        return std::string(name) == "DISPLAY" ? std::optional<std::string>(":1") : base(name);
    }));
    ASSERT_TRUE(other.Holding());
    options.env = [&](const char* name) -> std::optional<std::string> {
        return std::string(name) == "DISPLAY" ? std::optional<std::string>(":2") : base(name);
    };
    CQuenbarApp app;
    EXPECT_EQ(app.Run(LoopbackDevice(), options), 0);
    EXPECT_EQ(windowsShown_, 1);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(QuenbarAppTest, CheckSingleInstanceEndsASecondProcessWithZero) {
    OtherInstance first(LockPath());
    ASSERT_TRUE(first.Holding());
    CQuenbarApp::Options options = MakeOptions("en_US.UTF-8");
    EXPECT_EXIT(
        {
            CQuenbarApp app;
            app.Configure({}, options);
            ui::Application uiApp(std::make_unique<ui::HeadlessBackend>());
            uiApp.SetMessageBoxResponder([](const ui::MessageBoxRecord& box) {
                std::fprintf(stderr, "box: %s\n", box.text.c_str());
                return ui::IDOK;
            });
            res::RegisterProgramStrings();
            g_LangId = 1033;
            app.CheckSingleInstance(uiApp);
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "box: The software is running!");
}

TEST_F(QuenbarAppTest, TheQuitEventEndsTheProgressDialogAndTheProgramWithZero) {
    // The progress dialog ignores Esc, Cancel and close; a logout or SIGTERM must still end it.
    const std::uint64_t progressBefore = g_Progress.load();
    g_Progress = 0;
    CQuenbarApp::Options options = MakeOptions("en_US.UTF-8");
    bool progressReturned = false;
    options.onApplication = [&](ui::Application& app) {
        app.SetModalObserver([&](ui::Window& w) {
            if (dynamic_cast<CDialogLogo*>(&w)) return static_cast<ui::Dialog&>(w).EndDialog(ui::IDOK);
            ++windowsShown_;
            if (dynamic_cast<CQuenbarDlg*>(&w)) {
                app.Post([&app, &progressReturned] {
                    CLoadPercent progress(&app);
                    progress.DoModal();
                    progressReturned = true;
                });
            } else if (dynamic_cast<CLoadPercent*>(&w)) {
                app.Headless()->Quit();
            }
        });
    };
    CQuenbarApp app;
    EXPECT_EQ(app.Run(LoopbackDevice(), options), 0);
    EXPECT_TRUE(progressReturned);
    EXPECT_EQ(windowsShown_, 2);
    g_Progress = progressBefore;
}

TEST_F(QuenbarAppTest, NoDisplayFailsWithOneLineAndCodeOne) {
    CQuenbarApp app;
    CQuenbarApp::Options options = MakeOptions("en_US.UTF-8");
    options.makeBackend = [](std::string* why) {
        *why = "no display";
        return std::unique_ptr<ui::Backend>();
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.Run(LoopbackDevice(), options), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "dsp-console: cannot create the main window: no display\n");
    EXPECT_EQ(windowsShown_, 0);
}

}  // namespace
