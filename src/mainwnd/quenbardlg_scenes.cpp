// Scenes: the device's scene slots (save and recall), the PC scene file (save and load) and the C-source
// export of both images. Each command asks the user first (a slot dialog or a file dialog) and changes
// nothing when that is cancelled; a file that cannot be written or read is reported with its reason.
#include <charconv>
#include <cstring>
#include <mutex>
#include <string>

#include "device/channelmodel.h"
#include "device/commandbuilders.h"
#include "device/eqmodel.h"
#include "device/names.h"
#include "device/status.h"
#include "device/storerequest.h"
#include "dialogs/dialogfiltersetup.h"
#include "dialogs/modeslotdialog.h"
#include "dialogs/sidestrings.h"
#include "editing/channelgaintext.h"
#include "editing/delaytext.h"
#include "editing/eqgaintext.h"
#include "editing/mastervolumetext.h"
#include "files/mcuexport.h"
#include "files/modename.h"
#include "files/scenefile.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/application.h"
#include "platform/ui/combobox.h"
#include "platform/ui/filedialog.h"
#include "platform/ui/trackbar.h"
#include "res/uilanguage.h"

namespace {

constexpr const char* kSceneOpenFilter = "(*.txt)|*.txt|(*.*)|*.*||";
constexpr const char* kExportFilter = "文本文件(*.c)|*.c|所有文件(*.*)|*.*||";
constexpr const char* kExportName = "UserEq";
constexpr const char* kExportTitle = "导出";
constexpr unsigned kSaveFlags = ui::OFN_HIDEREADONLY | ui::OFN_OVERWRITEPROMPT;
// The hidden pair and quad lists a loaded scene sets back to their first entry.
constexpr int kPairComboIds[] = {IDC_COMBO_BRIDGE12, IDC_COMBO_BRIDGE34, IDC_COMBO_QUAD, IDC_COMBO_BRIDGE56,
                                 IDC_COMBO_BRIDGE78};

// The slot names as the slot dialogs take them, copied under the names' lock.
struct ModeNamesCopy {
    char names[kModeSlots][kNameLen + 1];
    ModeNamesCopy() {
        std::lock_guard lock(g_NameMutex);
        std::memcpy(names, g_ModeNames, sizeof names);
    }
};

int CurrentSlot() {
    const int slot = g_CurrentModeSlot.load();
    return slot >= 0 && slot < kModeSlots ? slot : 0;
}

// The save dialog of a scene slot; on OK the chosen slot becomes the one in use and its name is stored.
// Returns the slot, or -1 when cancelled.
int ChooseSlotAndName(ui::Application& app) {
    int slot = 0;
    std::string name;
    {
        const ModeNamesCopy copy;
        CSaveModeToDsp dialog(CurrentSlot(), copy.names, nullptr, &app);
        if (dialog.DoModal() != ui::IDOK) return -1;
        slot = dialog.GetSlot();
        dialog.GetName(name);
    }
    if (slot < 0 || slot >= kModeSlots) return -1;
    g_CurrentModeSlot = slot;
    files::StoreModeName(slot, name);
    return slot;
}

void SetSliderPos(ui::Window* w, int pos) {
    if (auto* slider = dynamic_cast<ui::TrackBar*>(w)) {
        slider->SetPos(pos);
        slider->Invalidate(true);
    }
}

void SelectItem(ui::Window* w, int item) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(w)) {
        combo->SetCurSel(item);
        combo->Invalidate(true);
    }
}

// "%.2lf" of the Q, whatever the process locale is.
std::string FormatQ(double q) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, q, std::chars_format::fixed, 2);
    return std::string(text, end.ptr);
}

}  // namespace

void CQuenbarDlg::SaveModeToDsp() {
    if (!CheckBeforeSave()) return;
    const int slot = ChooseSlotAndName(App());
    if (slot < 0) return;
    device::SendModeName();
    // The slot is kept now: a status reply before the store goes out cannot move it.
    device::RequestStore(slot);
}

void CQuenbarDlg::ImportModeFromDsp() {
    int slot = 0;
    {
        const ModeNamesCopy copy;
        CImportModeDsp dialog(CurrentSlot(), copy.names, nullptr, &App());
        if (dialog.DoModal() != ui::IDOK) return;
        slot = dialog.GetSlot();
    }
    if (slot < 0 || slot >= kModeSlots) return;
    StartRecallRead(slot);
}

void CQuenbarDlg::SaveSceneFile() {
    ui::FileDialog dialog(false, "txt", res::LoadUiString(dialogs::IDS_SCENE_FILE_NAME), kSaveFlags,
                          res::LoadUiString(dialogs::IDS_SCENE_FILTER), this, &App());
    dialog.SetTitle(res::LoadUiString(dialogs::IDS_SCENE_SAVE_TITLE));
    if (dialog.DoModal() != ui::IDOK) return;
    const files::SceneSaveResult result = files::SaveSceneFile(dialog.GetPathName(), m_Delays, m_Spectrum.GetChannelMask());
    if (!result.ok) {
        MessageBox(result.error, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    MessageBox(res::LoadUiString(result.messageId), g_MsgCaption, ui::MB_OK);
}

void CQuenbarDlg::LoadSceneFile() {
    ui::FileDialog dialog(true, "txt", "", 0, kSceneOpenFilter, this, &App());
    if (dialog.DoModal() != ui::IDOK) return;
    const files::SceneLoadResult result = files::LoadSceneFile(dialog.GetPathName());
    switch (result.status) {
        case files::SceneLoadStatus::kOpenFailed:
            MessageBox(result.error, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
            return;
        case files::SceneLoadStatus::kRefused:
            MessageBox(res::LoadUiString(result.messageId), g_MsgCaption, ui::MB_OK);
            return;
        case files::SceneLoadStatus::kLoaded:
            break;
    }
    const files::SceneData& scene = result.read.scene;
    for (int c = 0; c < kChannels; ++c) m_Delays[c] = scene.channels[c].delay;
    m_Spectrum.SetChannelMask(scene.overlayMask);  // the graph holds the overlay mask
    ShowLoadedScene(result.changes);
    for (int id : kPairComboIds) SelectItem(GetDlgItem(id), 0);
    RedrawChannelSelectButtons();
    RedrawLinkButtons();
    RedrawOverlayButtons();
    device::SendAllChannelNames();
    if (result.messageId != 0) MessageBox(res::LoadUiString(result.messageId), g_MsgCaption, ui::MB_OK);
}

void CQuenbarDlg::ShowLoadedScene(const files::SceneApplyResult& changes) {
    std::string text;
    const std::string phase0 = res::LoadUiString(IDS_PHASE_0);
    const std::string phase180 = res::LoadUiString(IDS_PHASE_180);
    for (int c = 0; c < kChannels; ++c) {
        editing::FormatDelay(&m_Delays[c], text, g_DelayInCm != 0);
        SetDlgItemText(g_DelayEditIds[c], text);
        SetSliderPos(GetDlgItem(g_ChannelGainSliderIds[c]), g_ChannelGain[c]);
        editing::FormatChannelGain(text, c);
        SetDlgItemText(g_ChannelGainEditIds[c], text);
        SetDlgItemText(g_PhaseButtonIds[c], (g_PhaseMask >> c) & 1 ? phase180 : phase0);
        SetDlgItemText(g_MuteButtonIds[c],
                       std::string(g_ChannelGain[c] == kChannelGainMax ? kMuteOnText : kMuteOffText));
        if (changes.routingChanged[c]) RedrawMatrixRow(c);
    }
    editing::FormatMasterVolume(text);
    SetDlgItemText(IDC_MASTER_EDIT, text);
    SetSliderPos(GetDlgItem(IDC_MASTER_SLIDER), g_MasterVolume);
    SetDlgItemText(IDC_MASTER_MUTE, std::string(g_MasterVolume == kMasterVolumeMax ? kMuteOnText : kMuteOffText));
    if (changes.mixInChanged) {
        if (ui::Window* mix = GetDlgItem(IDC_HIGH_LEVEL_MIX)) mix->Invalidate(true);
    }
    // The current channel's bands and crossovers.
    const int ch = g_CurrentChannel >= 0 && g_CurrentChannel < kChannels ? g_CurrentChannel : 0;
    for (int b = 0; b < kBands; ++b) {
        SetDlgItemText(g_BandFreqEditIds[b], std::to_string(g_EqFreq[ch][b]));
        SetSliderPos(GetDlgItem(g_BandSliderIds[b]), g_EqGain[ch][b]);
        editing::FormatEqGain(text, b);
        SetDlgItemText(g_BandGainEditIds[b], text);
        SetDlgItemText(g_BandQEditIds[b], FormatQ(g_EqQ[ch][b]));
    }
    SelectItem(GetDlgItem(IDC_COMBO_HP_TYPE), g_HighPassType[ch]);
    SelectItem(GetDlgItem(IDC_COMBO_HP_SLOPE), g_HighPassSlope[ch]);
    SelectItem(GetDlgItem(IDC_COMBO_LP_TYPE), g_LowPassType[ch]);
    SelectItem(GetDlgItem(IDC_COMBO_LP_SLOPE), g_LowPassSlope[ch]);
    SetDlgItemText(IDC_EDIT_LOW_CUT, std::to_string(g_HighPassFreq[ch]));
    SetDlgItemText(IDC_EDIT_HIGH_CUT, std::to_string(g_LowPassFreq[ch]));
}

void CQuenbarDlg::OnExportMcuParams() {
    if (!CheckBeforeSave()) return;
    ui::FileDialog dialog(false, "txt", kExportName, kSaveFlags, kExportFilter, this, &App());
    dialog.SetTitle(kExportTitle);
    if (dialog.DoModal() != ui::IDOK) return;
    const std::string path = dialog.GetPathName();
    const files::ExportResult images = files::ExportMcuImages(path, m_Delays, m_Spectrum.GetChannelMask());
    if (!images.ok) {
        MessageBox(images.error, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    const int slot = ChooseSlotAndName(App());
    if (slot < 0) return;
    const files::ExportResult nameFile = files::ExportModeNameFile(path, slot);
    if (!nameFile.ok) MessageBox(nameFile.error, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
}

void CQuenbarDlg::OnFilterSetupButton() {
    {
        CDialogFilterSetup dialog(nullptr, &App());
        dialog.DoModal();
    }
    // The dialog may have changed the frequencies: the main window's edits show them again, as texts set from
    // code, so no stale text is committed by a later focus loss.
    const int ch = g_CurrentChannel >= 0 && g_CurrentChannel < kChannels ? g_CurrentChannel : 0;
    SetDlgItemText(IDC_EDIT_LOW_CUT, std::to_string(g_HighPassFreq[ch]));
    SetDlgItemText(IDC_EDIT_HIGH_CUT, std::to_string(g_LowPassFreq[ch]));
}
