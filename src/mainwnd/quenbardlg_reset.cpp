// The reset of all settings and the guard in front of a save to the device. The reset writes the model and
// the controls that show it; the change push then takes the changed chunks of both images to the device.
#include <string>

#include "controls/graphsync.h"
#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "editing/channelgaintext.h"
#include "editing/delaytext.h"
#include "editing/mastervolumetext.h"
#include "editing/modelrouting.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/trackbar.h"
#include "res/uilanguage.h"

namespace {

void SetSliderPos(ui::Window* w, int pos) {
    if (auto* slider = dynamic_cast<ui::TrackBar*>(w)) slider->SetPos(pos);
}

void InvalidateItem(ui::Window* w) {
    if (w) w->Invalidate(true);
}

}  // namespace

void CQuenbarDlg::ResetAllControls() {
    // 1, 2: delays and the calculator's distances.
    std::string text;
    for (int c = 0; c < kChannels; ++c) {
        m_Delays[c] = 0;
        editing::FormatDelay(&m_Delays[c], text, g_DelayInCm != 0);
        SetDlgItemText(g_DelayEditIds[c], text);
        m_DelayCalcDistance[c] = 0;
    }
    // 3: 0 dB; the mix-in flag stays.
    g_HighLevelMixVolume = 0;
    // 4
    g_CurrentChannel = 0;
    RedrawChannelSelectButtons();
    // 5, 6: channel gains, their texts, then their sliders.
    for (int c = 0; c < kChannels; ++c) {
        g_ChannelGain[c] = 0;
        g_GainBeforeMute[c] = 0;
    }
    for (int c = 0; c < kChannels; ++c) {
        editing::FormatChannelGain(text, c);
        SetDlgItemText(g_ChannelGainEditIds[c], text);
    }
    for (int c = 0; c < kChannels; ++c) SetSliderPos(GetDlgItem(g_ChannelGainSliderIds[c]), g_ChannelGain[c]);
    for (int c = 0; c < kChannels; ++c) InvalidateItem(GetDlgItem(g_ChannelGainSliderIds[c]));
    // 7, 8: the phase and mute buttons' texts are their state.
    g_PhaseMask = 0;
    const std::string phase0 = res::LoadUiString(IDS_PHASE_0);
    for (int id : g_PhaseButtonIds) SetDlgItemText(id, phase0);
    g_MuteMask = 0;
    for (int id : g_MuteButtonIds) SetDlgItemText(id, std::string(kMuteOffText));
    SetDlgItemText(IDC_MASTER_MUTE, std::string(kMuteOffText));
    // 9
    g_MasterVolume = 0;
    SetSliderPos(GetDlgItem(IDC_MASTER_SLIDER), 0);
    InvalidateItem(GetDlgItem(IDC_MASTER_SLIDER));
    editing::FormatMasterVolume(text);
    SetDlgItemText(IDC_MASTER_EDIT, text);
    // 10, 11: the EQ and crossover tables with the bypass store, and each graph shadow with its value, so the
    // next graph-sync tick finds nothing to exchange.
    device::ResetEqModel();
    controls::ResetGraphSyncShadow();
    // 12..15
    RefreshEqRow();
    editing::ResetModelRouting();
    ResetInputVolume();
    UpdateEqCurve(false);
}

void CQuenbarDlg::ResetInputVolume() {
    for (auto& row : g_InputVolume) {
        for (int& cell : row) cell = 0;
    }
    for (const auto& row : g_RoutingButtonIds) {
        for (int id : row) InvalidateItem(GetDlgItem(id));
    }
}

bool CQuenbarDlg::CheckBeforeSave() {
    constexpr unsigned kIcon = ui::MB_ICONEXCLAMATION;
    if (g_MasterVolume == kMasterVolumeMax) {
        MessageBox(res::LoadUiString(IDS_SAVE_MASTER_OFF), g_MsgCaption, ui::MB_OK | kIcon);
        return false;
    }
    // Only the gain tells: CH7..CH12 and the mute bits are not asked about.
    for (int c = 0; c < int(kSaveMutedStringIds.size()); ++c) {
        if (g_ChannelGain[c] != kChannelGainMax) continue;
        if (MessageBox(res::LoadUiString(kSaveMutedStringIds[c]), g_MsgCaption, ui::MB_YESNO | kIcon) !=
            ui::IDYES)
            return false;
    }
    return true;
}
