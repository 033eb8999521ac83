// The top bar, the launchers of the side dialogs and the routing of the side dialogs' requests. Every side
// dialog runs modally without a parent (so the main window owns it) and is gone when its run ends; what it
// changes reaches the window through the model or through the messages routed here, which run while the
// dialog's own run is still on the stack.
#include <mutex>

#include "controls/draghook.h"
#include "device/channelmodel.h"
#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/eqmodel.h"
#include "device/firmwarestate.h"
#include "device/status.h"
#include "device/upgradeblocks.h"
#include "dialogs/dialogchinputvol.h"
#include "dialogs/dialogdelaycale.h"
#include "dialogs/dialogfile.h"
#include "dialogs/dialogsetup.h"
#include "dialogs/inputaudiosource.h"
#include "mainwnd/aboutdlg.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellmessages.h"
#include "platform/ui/application.h"
#include "platform/ui/combobox.h"

namespace {

// Commands of a menu resource the window never loads; kept so the ids route as they always did.
constexpr int ID_MENU_SOURCE = 32822;
constexpr int ID_MENU_ABOUT = 32810;
constexpr int ID_MENU_SAVE_DSP = 32801;
constexpr int ID_MENU_SAVE_PC = 32802;
constexpr int ID_MENU_LOAD_DSP = 32804;
constexpr int ID_MENU_LOAD_PC = 32805;
constexpr int ID_MENU_UPGRADE = 32824;

// Input sources by the source list's index: high level, low level, Bluetooth, optical/coaxial, USB.
constexpr int kSourceByIndex[] = {1, 2, 3, 5, 9};
constexpr int kSourceIndexes = 5;

int SourceIndex(int source) {
    if (source == 5) return 3;
    if (source == 9) return 4;
    return source - 1;
}

// The input-volume dialog's template for a device model.
unsigned InputVolumeTemplate(int model) {
    if (model == 5) return IDD_INPUT_VOL_558;
    return model >= 6 ? IDD_INPUT_VOL_559 : IDD_INPUT_VOL_308;
}

// The main window's crossover list of a WM_FILTER_SETUP wParam, and the largest value it takes.
struct FilterList {
    int id;
    int maxValue;
    int* table;
};
FilterList FilterListOf(ui::WPARAM which) {
    switch (which) {
        case 0:
            return {IDC_COMBO_HP_TYPE, kFilterTypeMax, g_HighPassType};
        case 1:
            return {IDC_COMBO_HP_SLOPE, kSlopeOff, g_HighPassSlope};
        case 2:
            return {IDC_COMBO_LP_TYPE, kFilterTypeMax, g_LowPassType};
        case 3:
            return {IDC_COMBO_LP_SLOPE, kSlopeOff, g_LowPassSlope};
        default:
            return {0, -1, nullptr};
    }
}

}  // namespace

void CQuenbarDlg::AddCommandHandlers() {
    const auto clicked = [this](int id, auto step) {
        AddCommand(
            id, [this, step](int) { (this->*step)(); }, ui::BN_CLICKED);
    };
    clicked(IDC_MINIMIZE, &CQuenbarDlg::OnMinimizeButton);
    AddCommand(
        IDC_CLOSE, [this](int) { SendMessage(ui::WM_CLOSE); }, ui::BN_CLICKED);
    clicked(IDC_SAVE_DSP, &CQuenbarDlg::SaveModeToDsp);
    clicked(IDC_SAVE_PC, &CQuenbarDlg::SaveSceneFile);
    clicked(IDC_LOAD_DSP, &CQuenbarDlg::ImportModeFromDsp);
    clicked(IDC_LOAD_PC, &CQuenbarDlg::LoadSceneFile);
    clicked(IDC_SOURCE_BUTTON, &CQuenbarDlg::SelectInputSource);
    AddCommand(
        IDC_UPGRADE, [this](int) { LoadUpgradeFile(); }, ui::BN_CLICKED);
    clicked(IDC_FILTER_SETUP, &CQuenbarDlg::OnFilterSetupButton);
    AddCommand(
        IDC_INPUT_VOLUME,
        [this](int) {
            CDialogChInputVol dialog(InputVolumeTemplate(g_DeviceModel.load()), nullptr, &App());
            dialog.DoModal();
        },
        ui::BN_CLICKED);
    AddCommand(
        IDC_SCENE,
        [this](int) {
            CDialogFile dialog(nullptr, &App());
            dialog.DoModal();
        },
        ui::BN_CLICKED);
    AddCommand(
        IDC_DELAY_CALC,
        [this](int) {
            CDialogDelayCale dialog(nullptr, &App());
            dialog.SetDistances(m_DelayCalcDistance);
            dialog.DoModal();
        },
        ui::BN_CLICKED);
    clicked(IDC_HIGH_LEVEL_MIX, &CQuenbarDlg::OnHighLevelMixButton);
    AddCommand(
        IDC_SETUP,
        [this](int) {
            CDialogSetup dialog(g_HighLevelMixVolume, nullptr, &App());
            dialog.DoModal();
        },
        ui::BN_CLICKED);
    clicked(IDC_EXPORT_MCU, &CQuenbarDlg::OnExportMcuParams);
    AddCommand(
        IDC_COMBO_SOURCE, [this](int) { OnSourceComboChanged(); }, ui::CBN_SELCHANGE);

    // The unloaded menu's commands.
    clicked(ID_MENU_SOURCE, &CQuenbarDlg::SelectInputSource);
    clicked(ID_MENU_ABOUT, &CQuenbarDlg::ShowAbout);
    clicked(ID_MENU_SAVE_DSP, &CQuenbarDlg::SaveModeToDsp);
    clicked(ID_MENU_SAVE_PC, &CQuenbarDlg::SaveSceneFile);
    clicked(ID_MENU_LOAD_DSP, &CQuenbarDlg::ImportModeFromDsp);
    clicked(ID_MENU_LOAD_PC, &CQuenbarDlg::LoadSceneFile);
    AddCommand(
        ID_MENU_UPGRADE, [this](int) { LoadUpgradeFile(); }, ui::BN_CLICKED);
}

bool CQuenbarDlg::OnShellMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case WM_SCENE_COMMAND:
            OnSceneCommand(wParam);
            return true;
        case WM_SETUP_COMMAND:
            OnSetupCommand(wParam);
            return true;
        case WM_FILTER_SETUP:
            OnFilterSetup(wParam, lParam);
            return true;
        case WM_COMBO_CHANGED:
            OnComboChanged(reinterpret_cast<ui::Window*>(wParam));
            return true;
        case WM_MIX_VOLUME_CHANGED:
            OnMixVolumeChanged(wParam);
            return true;
        default:
            return false;
    }
}

void CQuenbarDlg::OnMinimizeButton() {
    ShowWindow(ui::SW_SHOWMINIMIZED);
}

void CQuenbarDlg::OnHighLevelMixButton() {
    if (g_InputSource.load() == 1) return;
    g_HighLevelMixIn = g_HighLevelMixIn == 1 ? 0 : 1;
}

void CQuenbarDlg::OnSourceComboChanged() {
    auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(IDC_COMBO_SOURCE));
    if (!combo) return;
    const int index = combo->GetCurSel();
    // Only the list's five items name a source.
    if (index < 0 || index >= kSourceIndexes) return;
    g_InputSource = kSourceByIndex[index];
    device::SendInputSource(true);
}

void CQuenbarDlg::SelectInputSource() {
    CInputAudioSource dialog(SourceIndex(g_InputSource.load()), g_HighLevelMixIn, nullptr, &App());
    if (dialog.DoModal() != ui::IDOK) return;
    const int index = dialog.GetSource();
    // OK with nothing chosen (a source the list does not offer) names no source.
    if (index < 0 || index >= kSourceIndexes) return;
    g_InputSource = kSourceByIndex[index];
    g_HighLevelMixIn = dialog.GetHighLevelMix();
    device::SendInputSource(true);
}

void CQuenbarDlg::ShowAbout() {
    CAboutDlg about(&App());
    about.DoModal();
}

void CQuenbarDlg::OnSysCommand(ui::UINT id, ui::LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) return ShowAbout();
    ui::Dialog::OnSysCommand(id, lParam);
}

ui::LRESULT CQuenbarDlg::OnNcHitTest(gfx::Point screen) {
    // The window has no title bar: its own surface drags it.
    const ui::LRESULT hit = ui::Dialog::OnNcHitTest(screen);
    return hit == ui::HTCLIENT ? ui::LRESULT(ui::HTCAPTION) : hit;
}

void CQuenbarDlg::OnClose() {
    RemoveDragMouseHook(GetDlgItem(IDC_SPECTRUM));
    // The link's threads read the firmware buffers during an upgrade: they stop before the buffers go.
    StopLink();
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage.clear();
        g_FirmwareImage.shrink_to_fit();
    }
    device::ClearTcpUpgradeFrame();
    // A transfer under way ends here, so its progress dialog ends at its next tick and the main window's run
    // can return; it is no failure to report.
    if (g_UpgradeRunning.load() == 1) {
        g_UpgradeRunning = 0;
        g_UpgradeLastBlock = 0;
        g_Progress = kProgressDone;
    }
    // Our own Cancel does nothing (Esc keeps the window); the base's ends the dialog.
    ui::Dialog::OnCancel();
}

void CQuenbarDlg::OnSceneCommand(ui::WPARAM command) {
    switch (command) {
        case 0:
            return ImportModeFromDsp();
        case 1:
            return SaveModeToDsp();
        case 2:
            return LoadSceneFile();
        case 3:
            return SaveSceneFile();
        default:
            return;
    }
}

void CQuenbarDlg::OnSetupCommand(ui::WPARAM command) {
    switch (command) {
        case 0:
            return LoadUpgradeFile();
        case 1:
            device::SendSingleByteCommand(CMD_FACTORY_RESET);
            return;
        case 2:
            return ShowAbout();
        case 3:
            device::SendHlNoSignalMuteToggle();
            return;
        default:
            return;
    }
}

void CQuenbarDlg::OnFilterSetup(ui::WPARAM which, ui::LPARAM item) {
    const FilterList list = FilterListOf(which);
    auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(list.id));
    // The choice must be an item of the main window's own list, which the handler reads.
    if (!combo || item < 0 || item > list.maxValue || item >= combo->GetCount()) return;
    combo->SetCurSel(int(item));
    if (g_CurrentChannel >= 0 && g_CurrentChannel < kChannels) list.table[g_CurrentChannel] = int(item);
    switch (which) {
        case 0:
            return OnHighPassTypeChanged();
        case 1:
            return OnHighPassSlopeChanged();
        case 2:
            return OnLowPassTypeChanged();
        default:
            return OnLowPassSlopeChanged();
    }
}

void CQuenbarDlg::OnComboChanged(ui::Window* combo) {
    // The pointer is only compared with the window's own lists, never followed.
    int id = 0;
    for (int candidate : g_ComboIds) {
        if (combo && GetDlgItem(candidate) == combo) id = candidate;
    }
    switch (id) {
        case IDC_COMBO_QUAD:
            return OnQuadModeChanged();
        case IDC_COMBO_BRIDGE12:
            return ToggleBridge12();
        case IDC_COMBO_BRIDGE34:
            return ToggleBridge34();
        case IDC_COMBO_BRIDGE56:
            return ToggleBridge56();
        case IDC_COMBO_BRIDGE78:
            return ToggleBridge78();
        case IDC_COMBO_HP_TYPE:
            return OnHighPassTypeChanged();
        case IDC_COMBO_HP_SLOPE:
            return OnHighPassSlopeChanged();
        case IDC_COMBO_LP_TYPE:
            return OnLowPassTypeChanged();
        case IDC_COMBO_LP_SLOPE:
            return OnLowPassSlopeChanged();
        case IDC_COMBO_SOURCE:
            return OnSourceComboChanged();
        default:
            return;
    }
}
