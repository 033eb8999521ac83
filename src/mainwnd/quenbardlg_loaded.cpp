// After a load of the device image: every control that shows a loaded value shows the model. The unpack has
// written the model, the masks and m_Delays; here the texts that are state (phase and mute buttons) are set
// to match the masks, so the buttons' next clicks read the loaded state.
#include <string>

#include "device/channelmodel.h"
#include "editing/mastervolumetext.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellstrings.h"
#include "res/uilanguage.h"

void CQuenbarDlg::RefreshLoadedControls() {
    for (int c = 0; c < kChannels; ++c) ShowDelay(c);
    const std::string phase0 = res::LoadUiString(IDS_PHASE_0);
    const std::string phase180 = res::LoadUiString(IDS_PHASE_180);
    for (int c = 0; c < kChannels; ++c) {
        SetDlgItemText(g_PhaseButtonIds[c], (g_PhaseMask & (1 << c)) ? phase180 : phase0);
        SetChannelGain(c, g_ChannelGain[c], &m_SliderGain[c]);
        ShowChannelGainText(c, g_ChannelGainEditIds[c]);
        const bool muted = (g_MuteMask & device::MuteBit(c)) != 0;
        SetDlgItemText(g_MuteButtonIds[c], std::string(muted ? kMuteOnText : kMuteOffText));
    }
    std::string text;
    editing::FormatMasterVolume(text);
    m_EditMaster.SetWindowText(text);
    m_SliderMaster.SetPos(g_MasterVolume);
    m_SliderMaster.Invalidate(true);
    SetDlgItemText(IDC_MASTER_MUTE, std::string((g_MuteMask & kMasterMuteBit) ? kMuteOnText : kMuteOffText));
    // The current channel's bands and crossover; the graph takes them at its next sync tick.
    RefreshEqRow();
}
