#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"

namespace ui::testing {

// A headless application with a visible 400 x 300 top-level window at (100, 100).
class UiTest : public ::testing::Test {
  protected:
    UiTest() : app(std::make_unique<HeadlessBackend>()), hl(*app.Headless()), top(&app) {
        top.CreateTopLevel(gfx::RectFromSize(100, 100, 400, 300), "top", WS_VISIBLE);
        app.SetMainWindow(&top);
        hl.RunPending();
    }
    Application app;
    HeadlessBackend& hl;
    Window top;
};

// A window that writes the messages it gets into a shared log ("name:WM_x") and lets a test hook any message.
class LogWindow : public Window {
  public:
    LogWindow(Application* app, std::vector<std::string>* log, std::string name)
        : Window(app), log_(log), name_(std::move(name)) {}
    std::function<LRESULT(UINT, WPARAM, LPARAM)> on;  // returns the result when set
    int paints = 0;

    LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
        const char* n = Name(m);
        if (n && log_) log_->push_back(name_ + ":" + n);
        if (m == WM_PAINT) ++paints;
        if (on) {
            if (LRESULT r = on(m, w, l)) return r;
        }
        return Window::WindowProc(m, w, l);
    }

    static const char* Name(UINT m) {
        switch (m) {
            case WM_SETFOCUS:
                return "SETFOCUS";
            case WM_KILLFOCUS:
                return "KILLFOCUS";
            case WM_COMMAND:
                return "COMMAND";
            case WM_KEYDOWN:
                return "KEYDOWN";
            case WM_KEYUP:
                return "KEYUP";
            case WM_CHAR:
                return "CHAR";
            case WM_MOUSEWHEEL:
                return "WHEEL";
            case WM_LBUTTONDOWN:
                return "LDOWN";
            case WM_LBUTTONUP:
                return "LUP";
            case WM_LBUTTONDBLCLK:
                return "LDBL";
            case WM_MOUSEMOVE:
                return "MOVE";
            case WM_MOUSELEAVE:
                return "LEAVE";
            case WM_MOUSEHOVER:
                return "HOVER";
            case WM_TIMER:
                return "TIMER";
            default:
                return nullptr;
        }
    }

  private:
    std::vector<std::string>* log_;
    std::string name_;
};

// A dialog whose steps are set by the test.
class ScriptDialog : public Dialog {
  public:
    explicit ScriptDialog(Application* app, Window* owner = nullptr) : Dialog(owner, app) {
        SetInitialSize(200, 100);
    }
    std::function<void(ScriptDialog&)> init;
    std::function<void(ScriptDialog&, UINT_PTR)> timer;
    std::function<bool(ScriptDialog&, int id)> command;
    bool shown = false;

  protected:
    bool OnInitDialog() override {
        if (init) init(*this);
        return true;
    }
    void OnTimer(UINT_PTR id) override {
        if (timer) timer(*this, id);
    }
    bool OnCommand(int id, unsigned, Window*) override { return command && command(*this, id); }
    LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
        if (m == WM_SHOWWINDOW && w) shown = true;
        return Dialog::WindowProc(m, w, l);
    }
};

}  // namespace ui::testing
