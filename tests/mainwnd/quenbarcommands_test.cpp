// The main window's top bar, launchers and request routing, the About box, the reset of all settings and the
// save guard, on the headless backend's virtual clock with the link not started.
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
#include "dialogs/dialogfiltersetup.h"
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

namespace {

// The window with every procedure the routing reaches written into a log.
class LoggingDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    std::vector<std::string> log;

  protected:
    void ImportModeFromDsp() override { log.push_back("ImportModeFromDsp"); }
    void SaveModeToDsp() override { log.push_back("SaveModeToDsp"); }
    void LoadSceneFile() override { log.push_back("LoadSceneFile"); }
    void SaveSceneFile() override { log.push_back("SaveSceneFile"); }
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
    // The handler's name and the selection of its list when it ran.
    void Log(const std::string& name, int comboId) {
        auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(comboId));
        log.push_back(name + "=" + std::to_string(combo ? combo->GetCurSel() : -9));
    }
};

class QuenbarCommandsTest : public ::testing::Test {
  protected:
    QuenbarCommandsTest() : app(std::make_unique<ui::HeadlessBackend>()) {
        res::RegisterProgramStrings();
        mainwnd::RegisterShellStrings(res::ProgramStrings());
        mainwnd::RegisterQuenbarTemplates(app.Dialogs());
        g_MsgCaption = "Alert";
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
    }
    ~QuenbarCommandsTest() override {
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

TEST_F(QuenbarCommandsTest, SceneRequestsReachTheirProceduresAndOthersDoNothing) {
    const char* expected[] = {"ImportModeFromDsp", "SaveModeToDsp", "LoadSceneFile", "SaveSceneFile"};
    for (int w = 0; w <= 5; ++w) {
        dlg->log.clear();
        dlg->SendMessage(WM_SCENE_COMMAND, ui::WPARAM(w));
        if (w < 4)
            EXPECT_EQ(dlg->log, std::vector<std::string>{expected[w]}) << w;
        else
            EXPECT_TRUE(dlg->log.empty()) << w;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(QuenbarCommandsTest, SetupRequestsReachTheirProcedures) {
    // 0: the firmware file dialog (cancelled).
    files.QueueAnswer(std::nullopt);
    dlg->SendMessage(WM_SETUP_COMMAND, 0);
    ASSERT_EQ(files.Dialogs().size(), 1u);
    EXPECT_EQ(files.Dialogs()[0].filter, "(*.img)|*.img|(*.*)|*.*||");
    // 2: the About box.
    dlg->SendMessage(WM_SETUP_COMMAND, 2);
    EXPECT_EQ(opened, std::vector<std::string>{"About"});
    // 4 and above: nothing.
    dlg->SendMessage(WM_SETUP_COMMAND, 4);
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(files.Dialogs().size(), 1u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

// A choice of the filter-setup dialog is selected in the main window's list before that list's handler runs,
// so the handler reads it; a value the list does not hold changes nothing.
TEST_F(QuenbarCommandsTest, FilterSetupChoicesTakeEffect) {
    struct Case {
        ui::WPARAM which;
        ui::LPARAM item;
        std::vector<std::string> log;
        int* table;
        int stored;
    } cases[] = {
        {0, 1, {"HpType=1"}, g_HighPassType, 1}, {1, 8, {"HpSlope=8"}, g_HighPassSlope, 8},
        {2, 1, {"LpType=1"}, g_LowPassType, 1},  {3, 3, {"LpSlope=3"}, g_LowPassSlope, 3},
        {0, 2, {}, g_HighPassType, 0},   // types take 0..1
        {1, 9, {}, g_HighPassSlope, 0},  // slopes 0..8
        {3, -1, {}, g_LowPassSlope, 0},          {4, 0, {}, nullptr, 0},
    };
    g_CurrentChannel = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.which << "/" << c.item);
        device::ResetEqModel();
        for (int id : {IDC_COMBO_HP_TYPE, IDC_COMBO_HP_SLOPE, IDC_COMBO_LP_TYPE, IDC_COMBO_LP_SLOPE})
            dynamic_cast<ui::ComboBox*>(dlg->GetDlgItem(id))->SetCurSel(0);
        g_HighPassSlope[5] = g_LowPassSlope[5] = 0;
        dlg->log.clear();
        dlg->SendMessage(WM_FILTER_SETUP, c.which, c.item);
        EXPECT_EQ(dlg->log, c.log);
        if (c.table) {
            EXPECT_EQ(c.table[5], c.stored);
        }
    }
}

TEST_F(QuenbarCommandsTest, ComboChangedRunsTheHandlerOfThatListOnly) {
    dlg->SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(dlg->GetDlgItem(IDC_COMBO_QUAD)));
    dlg->SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(dlg->GetDlgItem(IDC_COMBO_BRIDGE12)));
    dlg->SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(dlg->GetDlgItem(IDC_MASTER_EDIT)));
    dlg->SendMessage(WM_COMBO_CHANGED, 0x1234);  // not a window: never followed
    EXPECT_EQ(dlg->log, (std::vector<std::string>{"Quad", "Bridge12"}));
}

TEST_F(QuenbarCommandsTest, InputVolumeOpensTheTemplateOfTheModel) {
    const std::pair<int, unsigned> cases[] = {{1, 308}, {4, 308}, {5, 558}, {6, 559}, {9, 559}};
    for (const auto& [model, templateId] : cases) {
        g_DeviceModel = model;
        opened.clear();
        Click(IDC_INPUT_VOLUME);
        EXPECT_EQ(opened, std::vector<std::string>{"InputVol:" + std::to_string(templateId)}) << model;
    }
}

TEST_F(QuenbarCommandsTest, TheFilterDialogSendsItsChoiceToTheWindow) {
    g_CurrentChannel = 2;
    onModal = [](ui::Window& w) {
        auto* filter = dynamic_cast<CDialogFilterSetup*>(&w);
        ASSERT_NE(filter, nullptr);
        filter->List(1).SetCurSel(4);
        filter->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(1056, ui::CBN_SELCHANGE),
                            reinterpret_cast<ui::LPARAM>(&filter->List(1)));
    };
    Click(IDC_FILTER_SETUP);
    EXPECT_EQ(dlg->log, std::vector<std::string>{"HpSlope=4"});
    EXPECT_EQ(g_HighPassSlope[2], 4);
}

TEST_F(QuenbarCommandsTest, TheWindowSurfaceDragsAndItsControlsDoNot) {
    const gfx::Point surface = dlg->ClientToScreen({600, 660});
    EXPECT_EQ(dlg->SendMessage(ui::WM_NCHITTEST, 0, ui::MAKELPARAM(surface.x, surface.y)), ui::HTCAPTION);
    ui::Window* button = dlg->GetDlgItem(IDC_INPUT_VOLUME);
    const gfx::Point onButton = button->ClientToScreen({2, 2});
    EXPECT_EQ(button->SendMessage(ui::WM_NCHITTEST, 0, ui::MAKELPARAM(onButton.x, onButton.y)), ui::HTCLIENT);
}

TEST_F(QuenbarCommandsTest, TheSourceListAndTheMixButtonSetTheirValues) {
    auto& list = Add<ui::ComboBox>(IDC_COMBO_SOURCE);
    for (int k = 0; k < 5; ++k) list.AddString(std::to_string(k));
    const int sources[] = {1, 2, 3, 5, 9};
    for (int index = 0; index < 5; ++index) {
        list.SetCurSel(index);
        dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_COMBO_SOURCE, ui::CBN_SELCHANGE),
                         reinterpret_cast<ui::LPARAM>(&list));
        EXPECT_EQ(g_InputSource.load(), sources[index]) << index;
    }
    // The mix toggle does nothing at high level and flips otherwise.
    Add<ui::Button>(IDC_HIGH_LEVEL_MIX);
    const struct {
        int source;
        unsigned char before, after;
    } cases[] = {{1, 0, 0}, {1, 1, 1}, {2, 0, 1}, {9, 1, 0}};
    for (const auto& c : cases) {
        g_InputSource = c.source;
        g_HighLevelMixIn = c.before;
        Click(IDC_HIGH_LEVEL_MIX);
        EXPECT_EQ(g_HighLevelMixIn, c.after) << c.source;
    }
}

// The source dialog opens on the current source's item and OK stores what it shows: source 4 (not in the
// list) opens on optical and becomes 5. Source 6 selects nothing, and OK without a choice keeps the source.
TEST_F(QuenbarCommandsTest, TheSourceDialogPreselectsTheCurrentSource) {
    const struct {
        int source, index, stored;
    } cases[] = {{1, 0, 1}, {2, 1, 2}, {3, 2, 3}, {4, 3, 5}, {5, 3, 5}, {6, -1, 6}, {9, 4, 9}};
    for (const auto& [source, index, stored] : cases) {
        g_InputSource = source;
        int shown = -2;
        onModal = [&](ui::Window& w) {
            auto* dialog = dynamic_cast<CInputAudioSource*>(&w);
            ASSERT_NE(dialog, nullptr);
            shown = dialog->SourceList().GetCurSel();
            dialog->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
        };
        dlg->SelectInputSource();
        EXPECT_EQ(shown, index) << source;
        EXPECT_EQ(g_InputSource.load(), stored) << source;
    }
}

TEST_F(QuenbarCommandsTest, DraggingTheSurfaceMovesTheWindow) {
    ui::HeadlessBackend& hl = *app.Headless();
    const gfx::Rect before = dlg->GetWindowRect();
    const gfx::Point from = dlg->ClientToScreen({600, 660});
    hl.MouseDown(from);
    hl.MouseMove({from.x + 30, from.y + 20});
    hl.MouseUp({from.x + 30, from.y + 20});
    hl.RunPending();
    EXPECT_EQ(dlg->GetWindowRect(),
              gfx::RectFromSize(before.left + 30, before.top + 20, before.Width(), before.Height()));
}

TEST_F(QuenbarCommandsTest, AltSpaceOpensTheSystemMenuWhoseAboutOpensTheAboutBox) {
    dlg->AppendSystemMenu(CQuenbarDlg::IDM_ABOUTBOX, res::LoadUiString(IDS_ABOUT));
    std::vector<std::string> entries;
    onModal = [&](ui::Window& w) {
        if (auto* menu = dynamic_cast<ui::PopupMenu*>(&w)) {
            for (const ui::MenuItem& item : menu->Items()) entries.push_back(item.text);
            menu->SendMessage(ui::WM_KEYDOWN, ui::VK_DOWN);
            menu->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
        }
    };
    dlg->SendMessage(ui::WM_SYSKEYDOWN, ui::VK_SPACE);
    EXPECT_EQ(entries, (std::vector<std::string>{"Close", "About"}));
    EXPECT_EQ(opened, (std::vector<std::string>{"Menu", "About"}));
    EXPECT_TRUE(dlg->IsCreated());
}

TEST_F(QuenbarCommandsTest, TheSystemMenuCloseEndsTheWindowAndEscCancelsTheMenu) {
    bool choose = false;
    onModal = [&](ui::Window& w) {
        auto* menu = dynamic_cast<ui::PopupMenu*>(&w);
        ASSERT_NE(menu, nullptr);
        if (choose) menu->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
    };
    dlg->SendMessage(ui::WM_SYSKEYDOWN, ui::VK_SPACE);  // cancelled
    EXPECT_FALSE(dlg->IsEnded());
    choose = true;
    dlg->SendMessage(ui::WM_SYSKEYDOWN, ui::VK_SPACE);
    EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(QuenbarCommandsTest, TheMinimiseButtonMinimisesTheWindow) {
    Add<ui::Button>(IDC_MINIMIZE);
    Click(IDC_MINIMIZE);
    const auto& natives = app.Headless()->Natives();
    ASSERT_FALSE(natives.empty());
    EXPECT_TRUE(natives.back()->minimized);
    EXPECT_TRUE(dlg->IsWindowVisible());
}

// ---- About ----

struct AboutCase {
    const char* name;
    std::string version;  // written into the whole field, no terminator when it fills it
    std::string media;
    int mediaReceived;
    std::string shownVersion;
    bool mediaShown;
    std::string shownMedia;
};

class AboutTest : public QuenbarCommandsTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutTest, ShowsTheBuildTagAndTheReportedVersions) {
    const AboutCase& c = GetParam();
    {
        std::lock_guard lock(g_VersionMutex);
        std::memset(g_DeviceVersion, 'X', sizeof g_DeviceVersion);
        std::memset(g_MediaVersion, 'Y', sizeof g_MediaVersion);
        std::memcpy(g_DeviceVersion, c.version.data(),
                    std::min<size_t>(c.version.size() + 1, kDeviceVersionLen));
        std::memcpy(g_MediaVersion, c.media.data(), std::min<size_t>(c.media.size() + 1, kMediaVersionLen));
    }
    g_MediaVersionReceived = std::uint8_t(c.mediaReceived);
    onModal = [&](ui::Window& w) {
        auto* about = dynamic_cast<CAboutDlg*>(&w);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_APP), "6614K_221130V1");
        EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_MCU), c.shownVersion);
        EXPECT_EQ(about->GetDlgItem(IDC_ABOUT_MEDIA)->IsWindowVisible(), c.mediaShown);
        EXPECT_EQ(about->GetDlgItem(IDC_ABOUT_MEDIA_LABEL)->IsWindowVisible(), c.mediaShown);
        if (c.mediaShown) {
            EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_MEDIA), c.shownMedia);
        }
    };
    dlg->ShowAbout();
    EXPECT_EQ(opened.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutTest,
                         ::testing::Values(AboutCase{"NothingReported", "", "", 0, "", false, ""},
                                           AboutCase{"MediaNotYetReceived", "V1.2", "M9", 0, "V1.2", false,
                                                     ""},
                                           AboutCase{"BothReported", "V1.2", "M9", 1, "V1.2", true, "M9"},
                                           AboutCase{"FullFields", "ABCDEFGHIJKLMN", "abcdefghijk", 1,
                                                     "ABCDEFGHIJKLMN", true, "abcdefghijk"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Save guard ----

TEST_F(QuenbarCommandsTest, TheSaveGuardRefusesMasterOffAndAsksForMutedFrontChannels) {
    struct Case {
        const char* name;
        int master;
        std::vector<int> offChannels;
        std::vector<int> answers;
        std::vector<int> asked;  // string ids of the boxes, in order
        bool result;
    } cases[] = {
        {"MasterOffWinsOverCh1", 60, {0}, {}, {147}, false},
        {"Ch1AndCh3YesYes", 0, {0, 2}, {ui::IDYES, ui::IDYES}, {148, 150}, true},
        {"NoAtCh1StopsAtOnce", 0, {0, 2}, {ui::IDNO}, {148}, false},
        {"RearChannelsNeverAsk", 0, {6, 11}, {}, {}, true},
        {"Ch6", 0, {5}, {ui::IDYES}, {153}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder recorder(app, ui::IDYES);
        for (int a : c.answers) recorder.QueueAnswer(a);
        device::ResetChannelModel();
        g_MasterVolume = c.master;
        for (int ch : c.offChannels) g_ChannelGain[ch] = 600;
        EXPECT_EQ(dlg->CheckBeforeSave(), c.result);
        ASSERT_EQ(recorder.Boxes().size(), c.asked.size());
        for (size_t i = 0; i < c.asked.size(); ++i) {
            EXPECT_EQ(recorder.Boxes()[i].text, res::LoadUiString(c.asked[i]));
            EXPECT_EQ(recorder.Boxes()[i].caption, "Alert");
            const unsigned buttons = c.asked[i] == 147 ? ui::MB_OK : ui::MB_YESNO;
            EXPECT_EQ(recorder.Boxes()[i].flags, buttons | ui::MB_ICONEXCLAMATION);
        }
    }
}

// ---- Reset ----

TEST_F(QuenbarCommandsTest, ResetBringsTheFactoryValuesAndLeavesLinksAlone) {
    g_DeviceModel = 9;
    g_CurrentChannel = 7;
    g_ChannelGain[3] = 600;
    g_GainBeforeMute[3] = 120;
    g_MasterVolume = 60;
    g_MuteMask = 0x1FFF;
    g_PhaseMask = 0xFFF;
    g_HighLevelMixVolume = 30;
    g_HighLevelMixIn = 1;
    g_EqGain[4][7] = 3;
    g_EqGainSaved[4][7] = 9;
    g_EqFreq[11][30] = 99;
    g_EqQ[0][0] = 0.5;
    g_EqQIndex[0][0] = 3;
    g_EqGainShadow[4][7] = 3;
    g_HighPassFreq[2] = 500;
    g_HighPassSlope[2] = 1;
    g_LowPassType[2] = 1;
    g_InputVolume[3][4] = 20;
    g_LinkGroupMask[0] = 0x3;
    g_BridgeCh12 = 1;
    g_InputSource = 9;
    dlg->Delays()[5] = 300;
    dlg->m_DelayCalcDistance[5] = 40;
    dlg->SetDlgItemText(g_MuteButtonIds[4], std::string(kMuteOnText));

    dlg->ResetAllControls();

    EXPECT_EQ(g_CurrentChannel, 0);
    for (int c = 0; c < kChannels; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(g_ChannelGain[c], 0);
        EXPECT_EQ(g_GainBeforeMute[c], 0);
        EXPECT_EQ(dlg->Delays()[c], 0);
        EXPECT_EQ(dlg->m_DelayCalcDistance[c], 0);
        EXPECT_EQ(dlg->GetDlgItemText(g_DelayEditIds[c]), "0.000");
        EXPECT_EQ(dlg->GetDlgItemText(g_ChannelGainEditIds[c]), "0.0dB");
        EXPECT_EQ(dlg->GetDlgItemText(g_MuteButtonIds[c]), "非静音");
        EXPECT_EQ(dlg->GetDlgItemText(g_PhaseButtonIds[c]), res::LoadUiString(IDS_PHASE_0));
        EXPECT_EQ(dynamic_cast<ui::TrackBar*>(dlg->GetDlgItem(g_ChannelGainSliderIds[c]))->GetPos(), 0);
        for (int b = 0; b < kBands; ++b) {
            EXPECT_EQ(g_EqGain[c][b], 150);
            EXPECT_EQ(g_EqGainSaved[c][b], 150);
            EXPECT_EQ(g_EqGainShadow[c][b], 150);
            EXPECT_EQ(g_EqFreq[c][b], g_DefaultEqFreq[b]);
            EXPECT_EQ(g_EqFreqShadow[c][b], g_DefaultEqFreq[b]);
            EXPECT_DOUBLE_EQ(g_EqQ[c][b], 4.32);
            EXPECT_EQ(g_EqQIndex[c][b], 87);
        }
        EXPECT_EQ(g_HighPassFreq[c], 20);
        EXPECT_EQ(g_LowPassFreq[c], 20000);
        EXPECT_EQ(g_HighPassSlope[c], 8);
        EXPECT_EQ(g_LowPassSlope[c], 8);
        EXPECT_EQ(g_HighPassType[c], 0);
        EXPECT_EQ(g_LowPassType[c], 0);
        for (int j = 0; j < kInputs; ++j) EXPECT_EQ(g_InputVolume[c][j], 0);
    }
    EXPECT_EQ(g_MuteMask, 0);
    EXPECT_EQ(g_PhaseMask, 0);
    EXPECT_EQ(g_MasterVolume, 0);
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_MUTE), "非静音");
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_EDIT), "0dB");
    EXPECT_EQ(g_HighLevelMixVolume, 0);
    EXPECT_EQ(g_HighLevelMixIn, 1);
    // The model's default routing (model 9).
    int masks[12];
    ASSERT_TRUE(editing::DefaultRouting(9, g_HideAux34.load() != 0, false, masks));
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(g_RoutingMask[c], masks[c]);
    // Untouched.
    EXPECT_EQ(g_LinkGroupMask[0], 0x3);
    EXPECT_EQ(g_BridgeCh12, 1);
    EXPECT_EQ(g_InputSource.load(), 9);
    // The graph is handed the new values last, without a redraw.
    ASSERT_FALSE(dlg->log.empty());
    EXPECT_EQ(dlg->log.back(), "UpdateEqCurve(0)");
}

}  // namespace
