#pragma once
// The side dialogs on the headless backend: a main window that keeps every request the dialogs send, the
// program's texts registered, and message boxes answered by a recorder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "dialogs/sidestrings.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/uilanguage.h"
#include "res/programstrings.h"

// A main window that records the side dialogs' requests and WM_CLOSE (which it does not act on).
class RequestWindow : public ui::Window {
  public:
    using ui::Window::Window;
    using Request = std::tuple<ui::UINT, ui::WPARAM, ui::LPARAM>;
    std::vector<Request> requests;
    std::function<void(const Request&)> onRequest;

    ui::LRESULT WindowProc(ui::UINT m, ui::WPARAM w, ui::LPARAM l) override {
        if (m == ui::WM_CLOSE || (m >= ui::WM_USER && m < ui::WM_USER + 0x400)) {
            requests.emplace_back(m, w, l);
            if (onRequest) onRequest(requests.back());
            return 0;
        }
        return ui::Window::WindowProc(m, w, l);
    }
    std::vector<Request> Of(ui::UINT message) const {
        std::vector<Request> out;
        for (const Request& r : requests) {
            if (std::get<0>(r) == message) out.push_back(r);
        }
        return out;
    }
};

struct SideDialogEnv {
    explicit SideDialogEnv(int dpi = 96, sys::LangId lang = sys::kLangEnglish)
        : app(MakeBackend(dpi)), hl(*app.Headless()), main(&app), boxes(app) {
        ui::SetUiLanguage(lang);
        mainwnd::RegisterShellStrings(res::ProgramStrings());
        mainwnd::RegisterLinkStrings();
        dialogs::RegisterSideDialogStrings();
        main.CreateTopLevel(gfx::RectFromSize(0, 0, 1200, 800), "main", ui::WS_VISIBLE);
        app.SetMainWindow(&main);
    }
    ~SideDialogEnv() { ui::SetUiLanguage(sys::kLangEnglish); }

    static std::unique_ptr<ui::HeadlessBackend> MakeBackend(int dpi) {
        auto backend = std::make_unique<ui::HeadlessBackend>();
        backend->SetDpi(dpi);
        return backend;
    }
    // Runs `drive` when the next modal window opens (only the first one), with the queued input handled
    // before each check the test makes through Settle.
    void OnModal(std::function<void(ui::Dialog&)> drive) {
        app.SetModalObserver([drive = std::move(drive), done = false](ui::Window& w) mutable {
            if (done) return;
            done = true;
            drive(dynamic_cast<ui::Dialog&>(w));
        });
    }
    void Settle() { hl.RunPending(); }
    void PressItem(const ui::Window& dialog, int id) {
        if (const ui::Window* item = dialog.GetDlgItem(id)) hl.MouseDown(hl.ScreenPointOf(*item));
    }
    void ReleaseItem(const ui::Window& dialog, int id) {
        if (const ui::Window* item = dialog.GetDlgItem(id)) hl.MouseUp(hl.ScreenPointOf(*item));
    }

    ui::Application app;
    ui::HeadlessBackend& hl;
    RequestWindow main;
    ui::MessageBoxRecorder boxes;
};

class SideDialogTest : public ::testing::Test, public SideDialogEnv {};
