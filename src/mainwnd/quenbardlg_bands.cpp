// The EQ band grid: bypass buttons, the commits of the 93 band edits, the band sliders and the four EQ-wide
// buttons. The handlers change the model and the grid's controls only; the graph takes the current
// channel's changed values at its next sync tick, and the change push takes every change to the device.
#include <string>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "editing/eqgaintext.h"
#include "editing/freqtext.h"
#include "editing/propagation.h"
#include "editing/qtext.h"
#include "editing/textscan.h"
#include "mainwnd/editstrings.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/controlmessages.h"
#include "res/uilanguage.h"

namespace {

bool ValidCurrent() {
    return g_CurrentChannel >= 0 && g_CurrentChannel < kChannels;
}

// The channel whose gain decides a bypass toggle for the current channel: the current one in a link group,
// CH1 in the quad link, the pair's first channel for CH1/2 and CH3/4 and its second for the other pairs.
int BypassDecider(int c) {
    for (int k = 0; k < kChannels; ++k) {
        if ((g_LinkGroupMask[k] & kLinkGroupBits) & (1 << c)) return c;
    }
    if (g_QuadLinkMode >= 1 && g_QuadLinkMode <= 4 && c < 4) return 0;
    if (editing::IsBridged(c)) return c < 4 ? c & ~1 : c | 1;
    return c;
}

}  // namespace

void CQuenbarDlg::OnBandBypassButton(int band) {
    if (!ValidCurrent()) return;
    ToggleBandBypass(band);
    std::string text;
    editing::FormatEqGain(text, band);
    m_EditFreqGain[band].SetWindowText(text);
    m_SliderBand[band].SetPos(g_EqGain[g_CurrentChannel][band]);
    m_SliderBand[band].Invalidate(true);
    // The band button's look and the curve follow at the sync tick that takes the changed gain.
    m_Spectrum.SelectBand(band);
}

void CQuenbarDlg::ToggleBandBypass(int band) {
    if (!ValidCurrent() || band < 0 || band >= kBands) return;
    const int c = g_CurrentChannel;
    const int set = editing::TiedChannels(c, editing::EditKind::kEqValue);
    const bool restore = g_EqGain[BypassDecider(c)][band] == kEqGainFlat;
    for (int ch = 0; ch < kChannels; ++ch) {
        if (!(set & (1 << ch))) continue;
        if (restore) {
            g_EqGain[ch][band] = g_EqGainSaved[ch][band];
        } else {
            g_EqGainSaved[ch][band] = g_EqGain[ch][band];
            g_EqGain[ch][band] = kEqGainFlat;
        }
    }
}

void CQuenbarDlg::OnBandEditSetFocus(int band) {
    m_Spectrum.SelectBand(band);
}

void CQuenbarDlg::OnBandFreqKillFocus(int band) {
    if (!ValidCurrent()) return;
    // An accepted text stays as typed; the parser has stored and copied it.
    if (editing::SetFreqFromText(m_EditFre[band].GetWindowText(), band, editing::kFreqBand) == 0)
        m_EditFre[band].SetWindowText(std::to_string(g_EqFreq[g_CurrentChannel][band]));
}

void CQuenbarDlg::OnBandQKillFocus(int band) {
    if (!ValidCurrent()) return;
    if (editing::SetBandQFromText(band, m_EditQ[band].GetWindowText())) editing::PropagateBandQ(band);
    m_EditQ[band].SetWindowText(editing::FormatFixed(g_EqQ[g_CurrentChannel][band], 2));
}

void CQuenbarDlg::OnBandGainKillFocus(int band) {
    if (!ValidCurrent()) return;
    if (editing::SetBandGainFromText(band, m_EditFreqGain[band].GetWindowText()) == 1) {
        m_SliderBand[band].SetPos(g_EqGain[g_CurrentChannel][band]);
        m_SliderBand[band].Invalidate(true);
        editing::PropagateBandGain(band);
    }
    std::string text = m_EditFreqGain[band].GetWindowText();
    editing::FormatEqGain(text, band);
    m_EditFreqGain[band].SetWindowText(text);
}

void CQuenbarDlg::OnEqGainSlider(int band, ui::TrackBar* slider, int gainEditId) {
    if (!ValidCurrent() || band < 0 || band >= kBands || !slider) return;
    // Every notice stores and copies, changed or not.
    g_EqGain[g_CurrentChannel][band] = slider->GetPos();
    editing::PropagateBandGain(band);
    ui::Window* edit = GetDlgItem(gainEditId);
    if (!edit) return;
    std::string text = edit->GetWindowText();
    editing::FormatEqGain(text, band);
    edit->SetWindowText(text);
    edit->SendMessage(ui::EM_SETSEL, 0, -1);
    // Takes the focus: the graph selects the band, and the edit that had the focus commits.
    edit->SetFocus();
}

void CQuenbarDlg::OnEqModeButton() {
    m_bPeqMode = m_bPeqMode == 0 ? 1 : 0;
    UpdateEqEditEnabling();
    // The caption names the mode in force.
    if (ui::Window* button = GetDlgItem(IDC_EQ_MODE)) button->Invalidate(true);
}

void CQuenbarDlg::OnBypassAllButton() {
    bool allFlat = true;
    for (const auto& row : g_EqGain) {
        for (int code : row) allFlat = allFlat && code == kEqGainFlat;
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        for (int b = 0; b < kBands; ++b) {
            if (allFlat) {
                g_EqGain[ch][b] = g_EqGainSaved[ch][b];
            } else {
                g_EqGainSaved[ch][b] = g_EqGain[ch][b];
                g_EqGain[ch][b] = kEqGainFlat;
            }
        }
    }
    RefreshEqRow();
}

void CQuenbarDlg::OnResetAllButton() {
    if (MessageBox(res::LoadUiString(IDS_RESET_ALL_QUESTION), g_MsgCaption,
                   ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDYES)
        ResetAllControls();
}

void CQuenbarDlg::OnResetEqButton() {
    if (MessageBox(res::LoadUiString(IDS_RESET_EQ_QUESTION), g_MsgCaption,
                   ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
        return;
    if (ResetAllEq()) RefreshEqRow();
}

bool CQuenbarDlg::ResetAllEq() {
    const int c = g_CurrentChannel;
    bool changed = false;
    for (int b = 0; b < kBands; ++b) {
        for (int ch = 0; ch < kChannels; ++ch) {
            const bool current = ch == c;
            g_EqGainSaved[ch][b] = kEqGainFlat;
            changed = changed || (current && g_EqGain[ch][b] != kEqGainFlat);
            g_EqGain[ch][b] = kEqGainFlat;
            changed = changed || (current && g_EqFreq[ch][b] != g_DefaultEqFreq[b]);
            g_EqFreq[ch][b] = g_DefaultEqFreq[b];
            changed = changed || (current && g_EqQ[ch][b] != kDefaultQ);
            g_EqQ[ch][b] = kDefaultQ;
            // The index follows the Q, so the next step moves from 4.32.
            g_EqQIndex[ch][b] = kDefaultQIndex;
        }
    }
    return changed;
}
