// The main window's top bar, launchers and request routing, on the headless backend's virtual clock with the
// link not started.
#include "quenbarfixture.h"

namespace {

using QuenbarCommandsTest = QuenbarWindowTest;

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

// The scene menu's buttons close the menu and then reach the window's scene procedures.
TEST_F(QuenbarCommandsTest, TheSceneMenuButtonsReachTheirProcedures) {
    const std::pair<int, const char*> cases[] = {{IDC_FILE_LOAD_DSP, "ImportModeFromDsp"},
                                                 {IDC_FILE_SAVE_DSP, "SaveModeToDsp"},
                                                 {IDC_FILE_LOAD_PC, "LoadSceneFile"},
                                                 {IDC_FILE_SAVE_PC, "SaveSceneFile"}};
    for (const auto& [button, procedure] : cases) {
        dlg->log.clear();
        bool endedFirst = false;
        onModal = [&, button = button](ui::Window& w) {
            auto& menu = dynamic_cast<ui::TemplateDialog&>(w);
            menu.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(button, ui::BN_CLICKED));
            endedFirst = menu.IsEnded();
        };
        Click(IDC_SCENE);
        EXPECT_EQ(dlg->log, std::vector<std::string>{procedure}) << button;
        EXPECT_TRUE(endedFirst);
    }
}

// The settings dialog: its factory reset asks first; its About closes it and opens the About box.
TEST_F(QuenbarCommandsTest, TheSettingsDialogAsksBeforeTheFactoryResetAndOpensAbout) {
    int answer = ui::IDNO;
    app.SetMessageBoxResponder([&](const ui::MessageBoxRecord& box) {
        EXPECT_EQ(box.text, res::LoadUiString(IDS_FACTORY_RESET_WARNING));
        EXPECT_EQ(box.flags & ui::MB_TYPEMASK, unsigned(ui::MB_YESNO));
        return answer;
    });
    bool ended = false;
    onModal = [&](ui::Window& w) {
        if (auto* setup = dynamic_cast<CDialogSetup*>(&w)) {
            EXPECT_EQ(setup->HighLevelMixVolume(), 25);
            setup->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_FACTORY_RESET, ui::BN_CLICKED));
            ended = setup->IsEnded();
        }
    };
    g_HighLevelMixVolume = 25;
    Click(IDC_SETUP);
    EXPECT_FALSE(ended);  // No keeps the dialog open
    answer = ui::IDYES;
    Click(IDC_SETUP);
    EXPECT_TRUE(ended);
    opened.clear();
    onModal = [&](ui::Window& w) {
        if (auto* setup = dynamic_cast<CDialogSetup*>(&w))
            setup->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_ABOUT, ui::BN_CLICKED));
    };
    Click(IDC_SETUP);
    EXPECT_EQ(opened, (std::vector<std::string>{"Setup", "About"}));
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

}  // namespace
