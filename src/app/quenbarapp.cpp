#include "app/quenbarapp.h"

#include <cstdio>
#include <cstdlib>

#include "app/uilanguage.h"
#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/hid/hidapibackend.h"
#include "platform/res/stringtable.h"
#include "platform/sys/language.h"
#include "platform/ui/application.h"
#include "res/programstrings.h"
#include "res/stringids.h"
#include "res/uilanguage.h"

CQuenbarApp theApp;

namespace {

// A display backend, or null with the reason: without a display there is no main window.
std::unique_ptr<ui::Backend> DisplayBackend(const ui::AppConfig& config, std::string* why) {
    std::unique_ptr<ui::Backend> backend = ui::ChooseBackend(config, why);
    if (dynamic_cast<ui::HeadlessBackend*>(backend.get())) return nullptr;
    return backend;
}

void ReportStartFailure(const std::string& why) {
    std::fprintf(stderr, "dsp-console: cannot create the main window: %s\n", why.c_str());
}

}  // namespace

// One instance per display session, as a named mutex is per logon session: the display's name goes into the
// lock file's name, so programs on other displays (a virtual X server of a test run) do not count.
std::string app::InstanceLockPath(const sys::EnvLookup& env, const std::string& name) {
    std::string path = sys::InstanceLock::DefaultPath(env, name);
    std::optional<std::string> display = env("DISPLAY");
    if (!display || display->empty()) display = env("WAYLAND_DISPLAY");
    if (!display || display->empty()) return path;
    std::string suffix = "-";
    for (char c : *display) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        suffix += plain ? c : '_';
    }
    const std::size_t ext = path.rfind(".lock");
    return ext == std::string::npos ? path + suffix : path.insert(ext, suffix);
}

CQuenbarApp::CQuenbarApp() = default;
CQuenbarApp::~CQuenbarApp() = default;

void CQuenbarApp::Configure(const app::CommandLine& cl, Options options) {
    cl_ = cl;
    options_ = std::move(options);
    if (!options_.makeBackend) {
        options_.makeBackend = [config = options_.config](std::string* why) {
            return DisplayBackend(config, why);
        };
    }
    exitCode_ = 0;
}

int CQuenbarApp::Run(const app::CommandLine& cl, Options options) {
    Configure(cl, std::move(options));
    InitInstance();
    return ExitInstance();
}

bool CQuenbarApp::InitInstance() {
    res::RegisterProgramStrings();
    SelectUiLanguage();

    std::string why;
    std::unique_ptr<ui::Backend> backend = options_.makeBackend(&why);
    if (!backend) {
        ReportStartFailure(why);
        exitCode_ = 1;
        return false;
    }
    ui::Application application(std::move(backend), options_.config);
    if (options_.onApplication) options_.onApplication(application);

    hid::HidapiBackend hidDevices;
    CQuenbarDlg mainWindow(&application);
    mainWindow.SetLinkConfig({&hidDevices, cl_.device.host, cl_.device.port});
    // The window's start-up runs the check before any thread or timer exists; a second instance's window
    // ends there and never shows.
    mainWindow.SetInstanceCheck([this, &application] { return IsFirstInstance(application); });
    application.SetMainWindow(&mainWindow);
    if (mainWindow.DoModal() < 0) {
        ReportStartFailure(mainWindow.CreateError());
        exitCode_ = 1;
    }
    application.SetMainWindow(nullptr);
    return false;
}

int CQuenbarApp::ExitInstance() {
    return exitCode_;
}

void CQuenbarApp::SelectUiLanguage() {
    const app::UiLanguage chosen = app::ChooseUiLanguage(options_.env, options_.config.language_file);
    g_LangId = chosen.langId;
    g_LangSource = chosen.source;
}

bool CQuenbarApp::IsFirstInstance(ui::Application& app) {
    if (lock_ && lock_->Held()) return true;
    lock_ = std::make_unique<sys::InstanceLock>(
        app::InstanceLockPath(options_.env, options_.config.instance_lock));
    if (lock_->TryAcquire() != sys::InstanceLock::Result::kHeldByOther) return true;
    lock_.reset();
    // The title is the program's name as it stands before the UI language is chosen: string 57344 in the
    // system's language.
    const std::string title =
        res::ProgramStrings().Get(sys::SystemDefaultLanguage(options_.env), res::IDS_ALERT);
    app.MessageBox(nullptr, res::LoadUiString(res::IDS_SOFTWARE_RUNNING), title,
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
}

void CQuenbarApp::CheckSingleInstance(ui::Application& app) {
    if (!IsFirstInstance(app)) std::exit(0);
}
