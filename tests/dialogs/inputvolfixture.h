#pragma once
// The input-volume dialog opened on the headless backend with the model, flag, source and DPI of a case;
// the check runs while the dialog is open, then the dialog is closed.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "device/channelmodel.h"
#include "device/status.h"
#include "dialogs/dialogchinputvol.h"
#include "dialogs/inputvolids.h"
#include "mainwnd/shellmessages.h"
#include "platform/backend/headless.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/application.h"
#include "platform/ui/uilanguage.h"

// The dialog with its colour step and owner draw reachable.
class ProbeInputVol : public CDialogChInputVol {
  public:
    using CDialogChInputVol::CDialogChInputVol;
    using CDialogChInputVol::OnCtlColor;
    using CDialogChInputVol::OnDrawItem;
};

struct OpenCase {
    int model = 9;
    int source = 1;
    bool hideAux34 = false;
    int dpi = 96;
};

class InputVolTest : public ::testing::Test {
  protected:
    InputVolTest() : app(std::make_unique<ui::HeadlessBackend>()) {}
    ~InputVolTest() override {
        ui::g_ui_language = 1033;
        device::ResetChannelModel();
        device::ResetStatus();
    }

    // The opener's template for a model.
    static unsigned TemplateOf(int model) {
        if (model == 5) return IDD_INPUT_VOL_558;
        return model >= 6 ? IDD_INPUT_VOL_559 : IDD_INPUT_VOL_308;
    }

    // Opens the dialog for c and runs check while it is open; returns DoModal's result.
    int WhileOpen(const OpenCase& c, const std::function<void(ProbeInputVol&)>& check, bool close = true) {
        g_DeviceModel = c.model;
        g_InputSource = c.source;
        g_HideAux34 = c.hideAux34 ? 1 : 0;
        app.Headless()->SetDpi(c.dpi);
        ProbeInputVol dlg(TemplateOf(c.model), nullptr, &app);
        bool opened = false;
        app.SetModalObserver([&](ui::Window&) {
            opened = true;
            check(dlg);
            if (close && !dlg.IsEnded()) dlg.EndDialog(ui::IDCANCEL);
        });
        const int result = dlg.DoModal();
        app.SetModalObserver({});
        EXPECT_TRUE(opened) << "the dialog did not open";
        return result;
    }

    ui::HeadlessBackend& hl() { return *app.Headless(); }

    // Puts the focus in a cell's edit, selects all and types text there.
    void TypeInto(ProbeInputVol& dlg, int o, int j, const std::string& text) {
        ui::Edit& edit = dlg.EditCell(o, j);
        edit.SetFocus();
        edit.SetSel(0, -1);
        hl().Type(text);
        hl().RunPending();
    }
    // What the program's cell edit sends on Enter and when it loses the focus.
    static void Commit(ProbeInputVol& dlg, int o, int j) {
        dlg.SendMessage(WM_GAIN_COMMIT, ui::WPARAM(o), ui::LPARAM(1) << j);
    }

    ui::Application app;
};
