#pragma once
#include <functional>
#include <memory>
#include <string>

#include "app/commandline.h"
#include "app/programconfig.h"
#include "platform/sys/environment.h"
#include "platform/sys/instancelock.h"

namespace ui {
class Application;
class Backend;
}  // namespace ui

namespace app {

// What a run depends on besides the command line; tests hand in their own.
struct StartOptions {
    sys::EnvLookup env = sys::ProcessEnvironment();
    // What the platform layer is told about the program (the backend's choice and the UI application get it).
    ui::AppConfig config = ProgramConfig();
    // The backend of the main window, or null with the reason when there is no display.
    std::function<std::unique_ptr<ui::Backend>(std::string* why)> makeBackend;
    // Called once the UI application exists, before anything is shown (tests install responders here).
    std::function<void(ui::Application&)> onApplication;
};

// The single-instance lock file: the platform layer's default lock for the name, named per display session
// (DISPLAY, else WAYLAND_DISPLAY), as the original's named mutex was per logon session.
std::string InstanceLockPath(const sys::EnvLookup& env, const std::string& name = kInstanceLockName);

}  // namespace app

/*
 * The application object. Start-up keeps the order of the original program, without the steps that only meant
 * something on its first platform: the string tables and the UI language come first, then the main window is
 * built, made the application's main window and run modally; the program ends when it closes.
 *
 * One instance at a time: the first instance holds a lock file for its whole life (the kernel drops the lock
 * when the process ends, however it ends). The check runs before the main window is shown and before any
 * worker or timer starts; a second instance shows "The software is running!" and ends with exit code 0.
 */
class CQuenbarApp {
  public:
    using Options = app::StartOptions;

    CQuenbarApp();
    ~CQuenbarApp();
    CQuenbarApp(const CQuenbarApp&) = delete;
    CQuenbarApp& operator=(const CQuenbarApp&) = delete;

    // Takes the command line and the options of this run.
    void Configure(const app::CommandLine& cl, Options options = {});
    // Configure, InitInstance, then ExitInstance: the process's exit code.
    int Run(const app::CommandLine& cl, Options options = {});

    // The whole start-up and the run of the main window. False always: the program ends with the main window.
    bool InitInstance();
    // The exit code: 0 after a normal close and for a second instance, 1 when the main window could not be
    // made.
    int ExitInstance();

    // Sets g_LangId and g_LangSource from the language file or the system's locale.
    void SelectUiLanguage();

    // True when this is the first instance, which then keeps the lock. For a second instance, shows string
    // 249 in a plain message box (caption: the program's title) and returns false. A lock file that cannot be
    // used at all does not keep the program from running.
    bool IsFirstInstance(ui::Application& app);
    // Returns only for the first instance; a second one ends the process with exit code 0 after the message.
    // Calling it again once the lock is held does nothing.
    void CheckSingleInstance(ui::Application& app);

    const app::CommandLine& CommandLine() const { return cl_; }

  private:
    app::CommandLine cl_;
    Options options_;
    std::unique_ptr<sys::InstanceLock> lock_;
    int exitCode_ = 0;
};

extern CQuenbarApp theApp;
