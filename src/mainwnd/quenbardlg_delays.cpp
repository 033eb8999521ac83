// The channel delays. m_Delays is their one store: the delay edits show and change it, the packer reads it,
// a load writes it. A delay follows only the bridge pair.
#include <string>

#include "device/channelmodel.h"
#include "editing/delaytext.h"
#include "editing/propagation.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"

void CQuenbarDlg::ShowDelay(int channel) {
    std::string text;
    editing::FormatDelay(&m_Delays[channel], text, false);
    SetDlgItemText(g_DelayEditIds[channel], text);
}

void CQuenbarDlg::CopyDelayToPartner(int ch) {
    const int partner = editing::PairPartner(ch);
    if (!editing::IsBridged(ch) || m_Delays[partner] == m_Delays[ch]) return;
    m_Delays[partner] = m_Delays[ch];
    ShowDelay(partner);
}

void CQuenbarDlg::OnDelayEditKillFocus(int ch) {
    if (ch < 0 || ch >= kChannels) return;
    std::string text = GetDlgItemText(g_DelayEditIds[ch]);
    if (editing::ParseDelayText(&m_Delays[ch], text, false) == 0) {
        editing::FormatDelay(&m_Delays[ch], text, false);
    } else {
        CopyDelayToPartner(ch);
    }
    SetDlgItemText(g_DelayEditIds[ch], text);
}

void CQuenbarDlg::OnDelayChanged() {
    // The edit that stepped its delay is the one with the focus.
    ui::Window* focus = GetFocus();
    for (int ch = 0; ch < kChannels; ++ch) {
        if (!focus || GetDlgItem(g_DelayEditIds[ch]) != focus) continue;
        CopyDelayToPartner(ch);
        return;
    }
}

void CQuenbarDlg::OnDelayResult(ui::WPARAM channel, ui::LPARAM value) {
    if (channel >= ui::WPARAM(kChannels)) return;
    const int ch = int(channel);
    const auto bits = static_cast<std::uint32_t>(value);
    // The calculator's delay is taken as it comes and not copied to a partner.
    m_Delays[ch] = int(bits & 0xFFFF);
    ShowDelay(ch);
    m_DelayCalcDistance[ch] = int(bits >> 16);
}

void CQuenbarDlg::OnDelayUnitButton() {
    g_DelayInCm = g_DelayInCm == 0 ? 1 : 0;
    // The held sample counts stay, so toggling never drifts; uncommitted text is replaced.
    for (int c = 0; c < kChannels; ++c) ShowDelay(c);
    for (int id : g_DelayUnitButtonIds) {
        if (ui::Window* button = GetDlgItem(id)) button->Invalidate(true);
    }
}
