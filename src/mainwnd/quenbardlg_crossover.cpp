// The crossover controls of the current channel: four lists and two cut-frequency edits. A list's selection
// is stored, copied to the tied channels and drawn on the graph at once; a typed frequency is left to the
// graph's sync tick, which finds the changed corner.
#include <string>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "editing/freqtext.h"
#include "editing/propagation.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "platform/ui/combobox.h"

namespace {
constexpr int kHighPassMarker = 0;
constexpr int kLowPassMarker = 1;
}  // namespace

void CQuenbarDlg::OnHighPassTypeChanged() {
    OnCrossoverListChanged(IDC_COMBO_HP_TYPE, g_HighPassType, kHighPassMarker);
}
void CQuenbarDlg::OnLowPassTypeChanged() {
    OnCrossoverListChanged(IDC_COMBO_LP_TYPE, g_LowPassType, kLowPassMarker);
}
void CQuenbarDlg::OnHighPassSlopeChanged() {
    OnCrossoverListChanged(IDC_COMBO_HP_SLOPE, g_HighPassSlope, kHighPassMarker);
}
void CQuenbarDlg::OnLowPassSlopeChanged() {
    OnCrossoverListChanged(IDC_COMBO_LP_SLOPE, g_LowPassSlope, kLowPassMarker);
}

void CQuenbarDlg::OnCrossoverListChanged(int listId, int (&table)[kChannels], int marker) {
    const int c = g_CurrentChannel;
    auto* list = dynamic_cast<ui::ComboBox*>(GetDlgItem(listId));
    if (!list || c < 0 || c >= kChannels) return;
    // A list without a selection, or with one past its items, changes nothing.
    const int value = list->GetCurSel();
    const int maxValue =
        listId == IDC_COMBO_HP_TYPE || listId == IDC_COMBO_LP_TYPE ? kFilterTypeMax : kSlopeOff;
    if (value < 0 || value >= list->GetCount() || value > maxValue) return;
    table[c] = value;
    editing::PropagateChannelValue(table);
    m_Spectrum.SetAllChannelFilters(g_HighPassFreq, g_LowPassFreq, g_HighPassSlope, g_LowPassSlope,
                                    g_HighPassType, g_LowPassType);
    m_Spectrum.SelectFilter(marker);
    m_Spectrum.SetFilters(g_HighPassFreq[c], g_LowPassFreq[c], g_HighPassSlope[c], g_LowPassSlope[c],
                          g_HighPassType[c], g_LowPassType[c], true);
}

void CQuenbarDlg::OnHighPassFreqKillFocus() {
    OnCutFreqKillFocus(IDC_EDIT_LOW_CUT, editing::kFreqHighPass);
}
void CQuenbarDlg::OnLowPassFreqKillFocus() {
    OnCutFreqKillFocus(IDC_EDIT_HIGH_CUT, editing::kFreqLowPass);
}

void CQuenbarDlg::OnCutFreqKillFocus(int editId, int kind) {
    const int c = g_CurrentChannel;
    ui::Window* edit = GetDlgItem(editId);
    if (!edit || c < 0 || c >= kChannels) return;
    // A high-pass corner above the low-pass one is accepted; each is limited on its own.
    if (editing::SetFreqFromText(edit->GetWindowText(), 0, kind) != 0) return;
    edit->SetWindowText(
        std::to_string(kind == editing::kFreqHighPass ? g_HighPassFreq[c] : g_LowPassFreq[c]));
}
