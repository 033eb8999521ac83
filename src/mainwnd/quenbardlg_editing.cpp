// The message map of the channel and EQ editing: one entry per control of every family, each running the
// family's routine with its own band or channel, and the editing messages the edit controls and the delay
// calculator send.
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellmessages.h"

void CQuenbarDlg::AddEditingHandlers() {
    using ui::BN_CLICKED;
    using ui::BN_DOUBLECLICKED;
    using ui::CBN_SELCHANGE;
    using ui::EN_KILLFOCUS;
    using ui::EN_SETFOCUS;
    const auto on = [this](int id, unsigned code, std::function<void()> step) {
        AddCommand(
            id, [step = std::move(step)](int) { step(); }, code);
    };
    for (int k = 0; k < kBands; ++k) {
        on(g_BandButtonIds[k], BN_CLICKED, [this, k] { OnBandBypassButton(k); });
        for (int id : {g_BandFreqEditIds[k], g_BandQEditIds[k], g_BandGainEditIds[k]})
            on(id, EN_SETFOCUS, [this, k] { OnBandEditSetFocus(k); });
        on(g_BandFreqEditIds[k], EN_KILLFOCUS, [this, k] { OnBandFreqKillFocus(k); });
        on(g_BandQEditIds[k], EN_KILLFOCUS, [this, k] { OnBandQKillFocus(k); });
        on(g_BandGainEditIds[k], EN_KILLFOCUS, [this, k] { OnBandGainKillFocus(k); });
    }
    on(IDC_EQ_MODE, BN_CLICKED, [this] { OnEqModeButton(); });
    on(IDC_BYPASS_ALL, BN_CLICKED, [this] { OnBypassAllButton(); });
    on(IDC_RESET_ALL, BN_CLICKED, [this] { OnResetAllButton(); });
    on(IDC_RESET_EQ, BN_CLICKED, [this] { OnResetEqButton(); });

    on(IDC_COMBO_HP_TYPE, CBN_SELCHANGE, [this] { OnHighPassTypeChanged(); });
    on(IDC_COMBO_LP_TYPE, CBN_SELCHANGE, [this] { OnLowPassTypeChanged(); });
    on(IDC_COMBO_HP_SLOPE, CBN_SELCHANGE, [this] { OnHighPassSlopeChanged(); });
    on(IDC_COMBO_LP_SLOPE, CBN_SELCHANGE, [this] { OnLowPassSlopeChanged(); });
    on(IDC_EDIT_LOW_CUT, EN_KILLFOCUS, [this] { OnHighPassFreqKillFocus(); });
    on(IDC_EDIT_HIGH_CUT, EN_KILLFOCUS, [this] { OnLowPassFreqKillFocus(); });

    for (int c = 0; c < kChannels; ++c) {
        on(g_ChannelSelectButtonIds[c], BN_CLICKED, [this, c] { OnChannelSelectButton(c); });
        on(g_ChannelSelectButtonIds[c], BN_DOUBLECLICKED, [this, c] { OnChannelSelectDoubleClick(c); });
        on(g_ChannelGainEditIds[c], EN_KILLFOCUS, [this, c] { OnGainEditKillFocus(c); });
        on(g_MuteButtonIds[c], BN_CLICKED, [this, c] { OnMuteButton(c); });
        on(g_PhaseButtonIds[c], BN_CLICKED, [this, c] { OnPhaseButton(c); });
        on(g_DelayEditIds[c], EN_KILLFOCUS, [this, c] { OnDelayEditKillFocus(c); });
        on(g_DelayUnitButtonIds[c], BN_CLICKED, [this] { OnDelayUnitButton(); });
        on(g_LinkButtonIds[c], BN_CLICKED, [this, c] { ToggleLinkGroup(1 << c); });
        on(g_OverlayButtonIds[c], BN_CLICKED, [this, c] { OnOverlayButton(c); });
    }
    on(IDC_MASTER_MUTE, BN_CLICKED, [this] { OnMasterMuteButton(); });
    on(IDC_MASTER_EDIT, EN_KILLFOCUS, [this] { OnMasterVolumeKillFocus(); });

    // The pair and quad lists toggle like their buttons; the entry chosen is not read.
    on(g_BridgeButtonIds[0], BN_CLICKED, [this] { ToggleBridge12(); });
    on(g_BridgeButtonIds[1], BN_CLICKED, [this] { ToggleBridge34(); });
    on(g_BridgeButtonIds[2], BN_CLICKED, [this] { ToggleBridge56(); });
    on(g_BridgeButtonIds[3], BN_CLICKED, [this] { ToggleBridge78(); });
    on(g_BridgeButtonIds[4], BN_CLICKED, [this] { ToggleBridge910(); });
    on(g_BridgeButtonIds[5], BN_CLICKED, [this] { ToggleBridge1112(); });
    on(IDC_COMBO_BRIDGE12, CBN_SELCHANGE, [this] { ToggleBridge12(); });
    on(IDC_COMBO_BRIDGE34, CBN_SELCHANGE, [this] { ToggleBridge34(); });
    on(IDC_COMBO_BRIDGE56, CBN_SELCHANGE, [this] { ToggleBridge56(); });
    on(IDC_COMBO_BRIDGE78, CBN_SELCHANGE, [this] { ToggleBridge78(); });
    on(IDC_COMBO_QUAD, CBN_SELCHANGE, [this] { OnQuadModeChanged(); });
}

bool CQuenbarDlg::OnEditingMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case WM_GAIN_COMMIT:
            OnGainCommit(int(wParam));
            return true;
        case WM_GAIN_STEPPED:
            OnGainStepped(int(wParam));
            return true;
        case WM_MOVE_FOCUS:
            OnMoveFocus(wParam);
            return true;
        case WM_DELAY_CHANGED:
            OnDelayChanged();
            return true;
        case WM_DELAY_RESULT:
            OnDelayResult(wParam, lParam);
            return true;
        default:
            return false;
    }
}

void CQuenbarDlg::OnVScroll(unsigned code, int pos, ui::Window* bar) {
    // The notifying control is compared with each slider in the tables' order; its position is read from
    // the control, whatever the scroll code.
    for (int c = 0; c < kChannels; ++c) {
        if (bar && GetDlgItem(g_ChannelGainSliderIds[c]) == bar) OnChannelGainSlider(c);
    }
    if (bar && GetDlgItem(IDC_MASTER_SLIDER) == bar) OnMasterSlider();
    for (int k = 0; k < kBands; ++k) {
        if (bar && GetDlgItem(g_BandSliderIds[k]) == bar)
            OnEqGainSlider(k, &m_SliderBand[k], g_BandGainEditIds[k]);
    }
    ui::TemplateDialog::OnVScroll(code, pos, bar);
}
