// The EQ row and the graph brought in line with the model after a change the handlers do not show
// themselves (another current channel, a copied channel, a reset, a bypass of everything, the EQ mode).
// Texts and selections set here raise no notice, so no commit and no list handler runs; the graph's sync
// shadows are left alone, so the next sync tick still compares the model with what it last exchanged.
#include <string>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "editing/eqgaintext.h"
#include "editing/textscan.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "platform/ui/combobox.h"

namespace {

void SelectItem(ui::Window* w, int index) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(w)) {
        combo->SetCurSel(index);
        combo->Invalidate(true);
    }
}

}  // namespace

void CQuenbarDlg::RefreshEqRow() {
    const int c = g_CurrentChannel;
    if (c < 0 || c >= kChannels) return;
    std::string gain;
    for (int k = 0; k < kBands; ++k) {
        const std::string freq = std::to_string(g_EqFreq[c][k]);
        gain = m_EditFreqGain[k].GetWindowText();
        editing::FormatEqGain(gain, k);
        m_EditFreqGain[k].SetWindowText(gain);
        if (ui::Window* button = GetDlgItem(g_BandButtonIds[k])) button->Invalidate(true);
        const std::string q = editing::FormatFixed(g_EqQ[c][k], 2);
        m_SliderBand[k].SetPos(g_EqGain[c][k]);
        m_EditQ[k].SetWindowText(q);
        m_EditFre[k].SetWindowText(freq);
    }
    m_EditHighCut.SetWindowText(std::to_string(g_LowPassFreq[c]));
    SelectItem(GetDlgItem(IDC_COMBO_LP_TYPE), g_LowPassType[c]);
    SelectItem(GetDlgItem(IDC_COMBO_LP_SLOPE), g_LowPassSlope[c]);
    m_EditLowCut.SetWindowText(std::to_string(g_HighPassFreq[c]));
    SelectItem(GetDlgItem(IDC_COMBO_HP_TYPE), g_HighPassType[c]);
    SelectItem(GetDlgItem(IDC_COMBO_HP_SLOPE), g_HighPassSlope[c]);
}

void CQuenbarDlg::UpdateEqCurve(bool redraw) {
    const int c = g_CurrentChannel;
    if (c < 0 || c >= kChannels) return;
    const gfx::Rect r = m_Spectrum.GetClientRect();
    m_Spectrum.SetBandQs(g_EqQ[c], kBands);
    m_Spectrum.SetBandFreqs(g_EqFreq[c], kBands);
    m_Spectrum.SetBandGains(g_EqGain[c], kBands);
    m_Spectrum.SetAllChannelQs(&g_EqQ[0][0], kChannels * kBands);
    m_Spectrum.SetAllChannelFreqs(&g_EqFreq[0][0], kChannels * kBands);
    m_Spectrum.SetAllChannelGains(&g_EqGain[0][0], kChannels * kBands);
    m_Spectrum.SetGraphRect(r.left, r.top, r.right, r.bottom);
    m_Spectrum.SetFilters(g_HighPassFreq[c], g_LowPassFreq[c], g_HighPassSlope[c], g_LowPassSlope[c],
                          g_HighPassType[c], g_LowPassType[c], false);
    m_Spectrum.SetAllChannelFilters(g_HighPassFreq, g_LowPassFreq, g_HighPassSlope, g_LowPassSlope,
                                    g_HighPassType, g_LowPassType);
    m_Spectrum.SetCurrentChannel(c, redraw);
    m_Spectrum.SelectFilter(-1);
    m_Spectrum.SetFreeDrag(m_bPeqMode != 0);
}

void CQuenbarDlg::UpdateEqEditEnabling() {
    const bool parametric = m_bPeqMode != 0;
    for (int k = 0; k < kBands; ++k) {
        m_EditFre[k].EnableWindow(parametric);
        m_EditQ[k].EnableWindow(parametric);
    }
    m_Spectrum.SetFreeDrag(parametric);
}
