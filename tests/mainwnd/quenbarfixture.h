#pragma once
// The main window with the link not started, on the headless backend's virtual clock: the procedures the
// routing reaches are logged, and the controls the routing and the reset reach exist as the template makes
// them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/graphsync.h"
#include "device/channelmodel.h"
#include "device/status.h"
#include "dialogs/dialogchinputvol.h"
#include "dialogs/dialogfile.h"
#include "dialogs/dialogfiltersetup.h"
#include "dialogs/dialogsetup.h"
#include "dialogs/inputaudiosource.h"
#include "editing/modelrouting.h"
#include "mainwnd/aboutdlg.h"
#include "mainwnd/aboutdlgtemplate.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/popupmenu.h"
#include "platform/ui/trackbar.h"
#include "res/programstrings.h"
#include "res/uilanguage.h"

// The window with every procedure the routing reaches written into a log.
class LoggingDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    std::vector<std::string> log;
    bool runScenes = false;  // the scene procedures run as well as being logged

  protected:
    void ImportModeFromDsp() override { Scene("ImportModeFromDsp", [this] { CQuenbarDlg::ImportModeFromDsp(); }); }
    void SaveModeToDsp() override { Scene("SaveModeToDsp", [this] { CQuenbarDlg::SaveModeToDsp(); }); }
    void LoadSceneFile() override { Scene("LoadSceneFile", [this] { CQuenbarDlg::LoadSceneFile(); }); }
    void SaveSceneFile() override { Scene("SaveSceneFile", [this] { CQuenbarDlg::SaveSceneFile(); }); }
    void OnHighPassTypeChanged() override { Log("HpType", IDC_COMBO_HP_TYPE); }
    void OnHighPassSlopeChanged() override { Log("HpSlope", IDC_COMBO_HP_SLOPE); }
    void OnLowPassTypeChanged() override { Log("LpType", IDC_COMBO_LP_TYPE); }
    void OnLowPassSlopeChanged() override { Log("LpSlope", IDC_COMBO_LP_SLOPE); }
    void OnQuadModeChanged() override { log.push_back("Quad"); }
    void ToggleBridge12() override { log.push_back("Bridge12"); }
    void UpdateEqCurve(bool redraw) override {
        log.push_back(redraw ? "UpdateEqCurve(1)" : "UpdateEqCurve(0)");
    }

  private:
    void Scene(const char* name, const std::function<void()>& procedure) {
        log.push_back(name);
        if (runScenes) procedure();
    }
    // The handler's name and the selection of its list when it ran.
    void Log(const std::string& name, int comboId) {
        auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(comboId));
        log.push_back(name + "=" + std::to_string(combo ? combo->GetCurSel() : -9));
    }
};

class QuenbarWindowTest : public ::testing::Test {
  protected:
    QuenbarWindowTest() : app(std::make_unique<ui::HeadlessBackend>()) {
        res::RegisterProgramStrings();
        mainwnd::RegisterShellStrings(res::ProgramStrings());
        mainwnd::RegisterQuenbarTemplates(app.Dialogs());
        g_MsgCaption = "Alert";
        // The model as the program starts it, whichever test ran before in this process.
        device::ResetChannelModel();
        device::ResetEqModel();
        device::ResetStatus();
        app.SetModalObserver([this](ui::Window& w) {
            opened.push_back(Kind(w));
            if (onModal) onModal(w);
            if (auto* d = dynamic_cast<ui::Dialog*>(&w); d && !d->IsEnded()) d->EndDialog(ui::IDCANCEL);
        });
        dlg = std::make_unique<LoggingDlg>(&app);
        dlg->CreateTopLevel(gfx::RectFromSize(0, 0, 1272, 676), "console", ui::WS_VISIBLE);
        app.SetMainWindow(dlg.get());
        // The controls the routing and the reset reach, as the template makes them.
        for (int i = 0; i < 4; ++i) {
            const int id = g_ComboIds[5 + i];
            auto& combo = Add<ui::ComboBox>(id);
            const int items = id == IDC_COMBO_HP_TYPE || id == IDC_COMBO_LP_TYPE ? 2 : 9;
            for (int k = 0; k < items; ++k) combo.AddString(std::to_string(k));
            combo.SetCurSel(0);
        }
        for (int id : {IDC_COMBO_QUAD, IDC_COMBO_BRIDGE12}) Add<ui::ComboBox>(id);
        for (int c = 0; c < kChannels; ++c) {
            Add<ui::Edit>(g_DelayEditIds[c]);
            Add<ui::Edit>(g_ChannelGainEditIds[c]);
            Add<ui::TrackBar>(g_ChannelGainSliderIds[c]).SetRange(0, 600);
            Add<ui::Button>(g_PhaseButtonIds[c]);
            Add<ui::Button>(g_MuteButtonIds[c]);
        }
        Add<ui::Button>(IDC_MASTER_MUTE);
        Add<ui::Edit>(IDC_MASTER_EDIT);
        Add<ui::TrackBar>(IDC_MASTER_SLIDER).SetRange(0, 60);
        Add<ui::Button>(IDC_INPUT_VOLUME);
        Add<ui::Button>(IDC_FILTER_SETUP);
        Add<ui::Button>(IDC_SCENE);
        Add<ui::Button>(IDC_SETUP);
    }
    ~QuenbarWindowTest() override {
        dlg.reset();
        device::ResetChannelModel();
        device::ResetEqModel();
        device::ResetStatus();
    }

    template <typename T>
    T& Add(int id) {
        auto w = std::make_unique<T>(&app);
        T& ref = *w;
        ref.Create(dlg.get(), id, gfx::RectFromSize(0, 0, 40, 16));
        controls_.push_back(std::move(w));
        return ref;
    }
    void Click(int id) { dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(id, ui::BN_CLICKED), 0); }
    // What a modal window is, while it is open (the window is gone once its run ends).
    static std::string Kind(ui::Window& w) {
        if (dynamic_cast<CAboutDlg*>(&w)) return "About";
        if (auto* vol = dynamic_cast<CDialogChInputVol*>(&w))
            return "InputVol:" + std::to_string(vol->TemplateId());
        if (dynamic_cast<CDialogFilterSetup*>(&w)) return "FilterSetup";
        if (dynamic_cast<ui::PopupMenu*>(&w)) return "Menu";
        if (dynamic_cast<CDialogFile*>(&w)) return "File";
        if (dynamic_cast<CDialogSetup*>(&w)) return "Setup";
        return "other";
    }

    ui::Application app;
    ui::MessageBoxRecorder boxes{app};
    ui::FileDialogRecorder files{app};
    std::vector<std::string> opened;  // modal windows in the order they showed
    std::function<void(ui::Window&)> onModal;
    std::unique_ptr<LoggingDlg> dlg;

  private:
    std::vector<std::unique_ptr<ui::Window>> controls_;
};
