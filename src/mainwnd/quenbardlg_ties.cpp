// Ties between channels: the six bridge pairs, the quad link and the link groups. What a tie does to later
// edits is the propagation rule (editing/propagation.h); here a tie is made or broken, and whatever is
// copied at that moment is copied with the graph's sync shadows, so the next sync tick sees no change.
#include <string>

#include "controls/graphsync.h"
#include "device/channelmodel.h"
#include "editing/channelgaintext.h"
#include "editing/propagation.h"
#include "mainwnd/editstrings.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/combobox.h"
#include "platform/ui/controlmessages.h"
#include "res/uilanguage.h"

namespace {

int& BridgeFlag(int pair) {
    switch (pair) {
        case 0:
            return g_BridgeCh12;
        case 1:
            return g_BridgeCh34;
        case 2:
            return g_BridgeCh56;
        case 3:
            return g_BridgeCh78;
        case 4:
            return g_BridgeCh910;
        default:
            return g_BridgeCh1112;
    }
}

// The graph's sync shadows of channel `from` into `to`, beside a copy of its EQ and crossover.
void CopyEqShadows(int from, int to) {
    g_HighPassFreqShadow[to] = g_HighPassFreqShadow[from];
    g_LowPassFreqShadow[to] = g_LowPassFreqShadow[from];
    for (int b = 0; b < kBands; ++b) {
        g_EqGainShadow[to][b] = g_EqGainShadow[from][b];
        g_EqFreqShadow[to][b] = g_EqFreqShadow[from][b];
        g_EqQShadow[to][b] = g_EqQShadow[from][b];
    }
}

// "%s" replaced by each argument in turn.
std::string FormatTwo(std::string text, const std::string& a, const std::string& b) {
    for (const std::string* arg : {&a, &b}) {
        const auto at = text.find("%s");
        if (at == std::string::npos) break;
        text.replace(at, 2, *arg);
    }
    return text;
}

// The lowest group whose mask holds the channel, or -1.
int GroupOf(int channel) {
    for (int k = 0; k < kChannels; ++k) {
        if (g_LinkGroupMask[k] & kLinkGroupBits & (1 << channel)) return k;
    }
    return -1;
}

}  // namespace

void CQuenbarDlg::ToggleBridge12() {
    ToggleBridge(0);
}
void CQuenbarDlg::ToggleBridge34() {
    ToggleBridge(1);
}
void CQuenbarDlg::ToggleBridge56() {
    ToggleBridge(2);
}
void CQuenbarDlg::ToggleBridge78() {
    ToggleBridge(3);
}
void CQuenbarDlg::ToggleBridge910() {
    ToggleBridge(4);
}
void CQuenbarDlg::ToggleBridge1112() {
    ToggleBridge(5);
}

void CQuenbarDlg::ToggleBridge(int pair) {
    int& flag = BridgeFlag(pair);
    flag = flag == 0 ? 1 : 0;
    const int s = 2 * pair;
    const int p = s + 1;
    if (flag == 1) {
        // Gain, as S's slider shows it, with P's mute following it; S's own mute is left.
        const int gain = m_SliderGain[s].GetPos();
        g_ChannelGain[s] = gain;
        g_ChannelGain[p] = gain;
        m_SliderGain[p].SetPos(gain);
        m_SliderGain[p].Invalidate(true);
        ShowChannelGainText(s, g_ChannelGainEditIds[s]);
        ShowChannelGainText(p, g_ChannelGainEditIds[p]);
        m_EditGain[s].SendMessage(ui::EM_SETSEL, 0, -1);
        m_EditGain[s].SetFocus();
        const bool off = gain == kChannelGainMax;
        if (off)
            g_MuteMask |= device::MuteBit(p);
        else
            g_MuteMask &= ~device::MuteBit(p);
        SetDlgItemText(g_MuteButtonIds[p], std::string(off ? kMuteOnText : kMuteOffText));
        // Phase.
        const bool inverted = (g_PhaseMask & (1 << s)) != 0;
        if (inverted)
            g_PhaseMask |= 1 << p;
        else
            g_PhaseMask &= ~(1 << p);
        SetDlgItemText(g_PhaseButtonIds[p], res::LoadUiString(inverted ? IDS_PHASE_180 : IDS_PHASE_0));
        if (ui::Window* button = GetDlgItem(g_PhaseButtonIds[p])) button->Invalidate(true);
        // Routing: only the matrix buttons whose bit changes draw again.
        const int differing = (g_RoutingMask[p] ^ g_RoutingMask[s]) & kRoutingMaskBits;
        for (int j = 0; j < kInputs; ++j) {
            if (!(differing & (1 << j))) continue;
            if (ui::Window* button = GetDlgItem(g_RoutingButtonIds[p][j])) button->Invalidate(true);
        }
        g_RoutingMask[p] = g_RoutingMask[s];
        if (m_Delays[p] != m_Delays[s]) {
            m_Delays[p] = m_Delays[s];
            ShowDelay(p);
        }
        g_CurrentChannel = s;
        // Crossover and bands.
        editing::CopyChannelEq(s, p);
        CopyEqShadows(s, p);
        RefreshEqRow();
        UpdateEqCurve(true);
    }
    // The select buttons also light the channels tied to the current one.
    RedrawChannelSelectButtons();
}

void CQuenbarDlg::OnQuadModeChanged() {
    auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(IDC_COMBO_QUAD));
    if (!combo) return;
    const int index = combo->GetCurSel();
    // A list without a selection, or one past its items, changes nothing.
    if (index < 0 || index >= combo->GetCount() || index > 4) return;
    g_QuadLinkMode = index;
}

void CQuenbarDlg::ToggleLinkGroup(int bitA) {
    int b = -1;
    for (int i = 0; i < kChannels; ++i) {
        if (bitA == 1 << i) b = i;
    }
    const int c = g_CurrentChannel;
    if (b < 0 || c < 0 || c >= kChannels) return;
    const auto invalidateLink = [this](int channel) {
        if (ui::Window* button = GetDlgItem(g_LinkButtonIds[channel])) button->Invalidate(true);
    };
    const int own = GroupOf(b);
    if (own >= 0) {
        // Leaving copies nothing; the button of the group's own channel dissolves the group.
        const int removed = b == own ? g_LinkGroupMask[own] & kLinkGroupBits : bitA;
        g_LinkGroupMask[own] &= ~removed;
        for (int i = 0; i < kChannels; ++i) {
            if (removed & (1 << i)) invalidateLink(i);
        }
    } else {
        const std::string question = FormatTwo(res::LoadUiString(IDS_LINK_COPY_QUESTION),
                                               g_DefaultChannelTitles[c], g_DefaultChannelTitles[b]);
        const auto confirmed = [&] {
            return MessageBox(question, g_MsgCaption, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDYES;
        };
        const int group = GroupOf(c);
        if (group >= 0) {
            if (!confirmed()) return;
            invalidateLink(b);
            g_LinkGroupMask[group] |= bitA;
            CopyEqToLinkedChannels(group);
        } else {
            // A new group of the current channel alone asks nothing.
            if (b != c && !confirmed()) return;
            g_LinkGroupMask[c] |= (1 << c) | bitA;
            invalidateLink(b);
            invalidateLink(c);
            CopyEqToLinkedChannels(c);
        }
    }
    RedrawChannelSelectButtons();
}

void CQuenbarDlg::CopyEqToLinkedChannels(int k) {
    const int source = editing::EqGroupSource(k);
    if (source < 0) return;
    const int members = editing::CopyEqToGroupMembers(k);
    for (int i = 0; i < kChannels; ++i) {
        if (!(members & (1 << i))) continue;
        CopyEqShadows(source, i);
        UpdateEqCurve(true);
    }
}
