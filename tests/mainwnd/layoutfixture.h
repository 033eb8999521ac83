#pragma once
// The main window on its real start-up (headless, virtual clock, a loopback address where nothing answers),
// with the steps of other areas that the layout pass calls written into a log, and a paint that can fill the
// window with one colour so a test sees which area of it was painted again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/status.h"
#include "dialogs/dialoglogo.h"
#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "res/uilanguage.h"

class LayoutDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::ApplyModelLayout;
    using CQuenbarDlg::CQuenbarDlg;
    using CQuenbarDlg::UpdateCurrentModeText;
    using CQuenbarDlg::UpdateSaveModeText;
    using CQuenbarDlg::UpdateSourceText;

    std::vector<std::string> log;
    static constexpr gfx::Color kMarker = gfx::Rgb(0x12, 0xE4, 0x56);
    bool paintMarker = false;  // the window's own paint fills it with kMarker

  protected:
    void RefreshEqRow() override { log.push_back("RefreshEqRow"); }
    void UpdateEqCurve(bool redraw) override {
        log.push_back(redraw ? "UpdateEqCurve(1)" : "UpdateEqCurve(0)");
    }
    void OnPaint(gfx::Canvas& canvas) override {
        if (paintMarker)
            canvas.FillRect(GetClientRect(), kMarker);
        else
            CQuenbarDlg::OnPaint(canvas);
    }
};

class LayoutWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        device::ResetStatus();
        g_LangId = 1033;
    }
    void TearDown() override {
        device::ResetStatus();
        device::ResetChannelModel();
        device::ResetEqModel();
        g_LangId = 1033;
    }
    // Runs the window at dpi through its real start-up (the chooser confirmed at once); check sees it once
    // it shows, then it is closed.
    void Run(int dpi, const std::function<void(LayoutDlg&, ui::Application&)>& check) {
        ui::Application app(std::make_unique<ui::HeadlessBackend>());
        app.Headless()->SetDpi(dpi);
        ui::MessageBoxRecorder boxes{app};
        LayoutDlg dlg(&app);
        dlg.SetLinkConfig({nullptr, "127.0.0.1", 9});
        app.SetMainWindow(&dlg);
        app.SetModalObserver([&](ui::Window& w) {
            if (dynamic_cast<CDialogLogo*>(&w)) {
                w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
                return;
            }
            if (&w != &dlg) return;
            app.RunUntilIdle();
            dlg.log.clear();
            check(dlg, app);
            dlg.PostMessage(ui::WM_CLOSE);
        });
        dlg.DoModal();
        app.SetMainWindow(nullptr);
    }
};
