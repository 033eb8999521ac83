// The channel strips' attenuation, mute and phase, and the master volume. A mute or phase button's text is
// its state: every writer here sets the text and the mask bit together. Attenuation and mute follow the quad
// link and the bridge pair, phase only the pair; link groups take no part.
#include <string>

#include "device/channelmodel.h"
#include "editing/channelgaintext.h"
#include "editing/mastervolumetext.h"
#include "editing/propagation.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/controlmessages.h"
#include "res/uilanguage.h"

int g_MasterVolumeBeforeMute = 0;

namespace {

bool QuadLinkOn() {
    return g_QuadLinkMode >= 1 && g_QuadLinkMode <= 4;
}

bool ValidChannel(int c) {
    return c >= 0 && c < kChannels;
}

}  // namespace

void CQuenbarDlg::SetChannelGain(int channel, int value, ui::TrackBar* slider) {
    if (!ValidChannel(channel) || value < 0 || value > kChannelGainMax) return;
    g_ChannelGain[channel] = value;
    if (!slider) return;
    slider->SetPos(value);
    slider->Invalidate(true);
}

void CQuenbarDlg::ShowChannelGainText(int channel, int editId) {
    std::string text;
    editing::FormatChannelGain(text, channel);
    SetDlgItemText(editId, text);
}

void CQuenbarDlg::UpdateMuteButton(ui::Window* button, int channel) {
    if (!button || !ValidChannel(channel)) return;
    const std::string text = button->GetWindowText();
    const bool off = g_ChannelGain[channel] == kChannelGainMax;
    if (text == kMuteOffText && off) {
        g_MuteMask |= device::MuteBit(channel);
        button->SetWindowText(std::string(kMuteOnText));
    } else if (text == kMuteOnText && !off) {
        g_MuteMask &= ~device::MuteBit(channel);
        button->SetWindowText(std::string(kMuteOffText));
    }
}

void CQuenbarDlg::OnChannelGainSlider(int ch) {
    const int v = m_SliderGain[ch].GetPos();
    g_ChannelGain[ch] = v;
    const bool wasMuted = (g_MuteMask & device::MuteBit(ch)) != 0;
    // The quad link goes before the pair; the slider of the moved channel is not moved again.
    int set = 1 << ch;
    if (QuadLinkOn() && ch < 4)
        set = 0xF;
    else if (editing::IsBridged(ch))
        set |= 1 << editing::PairPartner(ch);
    for (int c = 0; c < kChannels; ++c) {
        if (!(set & (1 << c))) continue;
        g_ChannelGain[c] = v;
        ShowChannelGainText(c, g_ChannelGainEditIds[c]);
        if (c != ch || set != (1 << ch)) {
            m_SliderGain[c].SetPos(v);
            m_SliderGain[c].Invalidate(true);
        }
    }
    // At 600 the set is muted without saving what it had; leaving 600 unmutes only a channel marked muted.
    for (int c = 0; c < kChannels; ++c) {
        if (!(set & (1 << c))) continue;
        if (v == kChannelGainMax) {
            g_MuteMask |= device::MuteBit(c);
            SetDlgItemText(g_MuteButtonIds[c], std::string(kMuteOnText));
        } else if (wasMuted) {
            g_MuteMask &= ~device::MuteBit(c);
            SetDlgItemText(g_MuteButtonIds[c], std::string(kMuteOffText));
        }
    }
    m_EditGain[ch].SendMessage(ui::EM_SETSEL, 0, -1);
    m_EditGain[ch].SetFocus();
}

void CQuenbarDlg::ShowMasterMute() {
    if (g_MasterVolume == kMasterVolumeMax) {
        g_MuteMask |= kMasterMuteBit;
        SetDlgItemText(IDC_MASTER_MUTE, std::string(kMuteOnText));
    } else if (g_MuteMask & kMasterMuteBit) {
        g_MuteMask &= ~kMasterMuteBit;
        SetDlgItemText(IDC_MASTER_MUTE, std::string(kMuteOffText));
    }
}

void CQuenbarDlg::OnMasterSlider() {
    g_MasterVolume = m_SliderMaster.GetPos();
    std::string text;
    editing::FormatMasterVolume(text);
    m_EditMaster.SetWindowText(text);
    m_EditMaster.SendMessage(ui::EM_SETSEL, 0, -1);
    m_EditMaster.SetFocus();
    ShowMasterMute();
}

void CQuenbarDlg::OnGainEditKillFocus(int channel) {
    SendMessage(WM_GAIN_COMMIT, ui::WPARAM(channel), 0);
}

void CQuenbarDlg::OnGainCommit(int channel) {
    if (!ValidChannel(channel)) return;
    if (editing::ParseGainText(m_EditGain[channel].GetWindowText(), channel, 0) == 1) {
        SendMessage(WM_GAIN_STEPPED, ui::WPARAM(channel), 0);
        return;
    }
    ShowChannelGainText(channel, g_ChannelGainEditIds[channel]);
}

void CQuenbarDlg::RefreshChannelGain(int c) {
    std::string text;
    editing::SyncChannelGainSlider(&m_SliderGain[c], text, c);
    SetDlgItemText(g_ChannelGainEditIds[c], text);
    UpdateMuteButton(GetDlgItem(g_MuteButtonIds[c]), c);
}

void CQuenbarDlg::OnGainStepped(int channel) {
    if (!ValidChannel(channel)) return;
    // Every channel the copy reached is shown: the partner first, then the quad members, then the channel.
    const int reached = editing::TiedChannels(channel, editing::EditKind::kAttenuation) & ~(1 << channel);
    const int partner = editing::PairPartner(channel);
    if (reached & (1 << partner)) RefreshChannelGain(partner);
    for (int c = 0; c < kChannels; ++c) {
        if (c != partner && (reached & (1 << c))) RefreshChannelGain(c);
    }
    RefreshChannelGain(channel);
}

void CQuenbarDlg::OnMuteButton(int ch) {
    if (!ValidChannel(ch)) return;
    const bool mute = GetDlgItemText(g_MuteButtonIds[ch]) == kMuteOffText;
    // Each channel acts with its own saved value, bit and button; a partner's own state is not consulted.
    const auto act = [&](int c) {
        if (mute) {
            g_MuteMask |= device::MuteBit(c);
            SetDlgItemText(g_MuteButtonIds[c], std::string(kMuteOnText));
            g_GainBeforeMute[c] = g_ChannelGain[c];
            g_ChannelGain[c] = kChannelGainMax;
        } else {
            g_MuteMask &= ~device::MuteBit(c);
            SetDlgItemText(g_MuteButtonIds[c], std::string(kMuteOffText));
            g_ChannelGain[c] = g_GainBeforeMute[c];
        }
    };
    act(ch);
    int partners = 0;
    const int partner = editing::PairPartner(ch);
    if (editing::IsBridged(ch) || (ch < 4 && QuadLinkOn())) partners |= 1 << partner;
    if (ch < 4 && QuadLinkOn()) partners |= 0xF & ~(1 << ch);
    for (int c = 0; c < kChannels; ++c) {
        if (!(partners & (1 << c))) continue;
        act(c);
        ShowChannelGainText(c, g_ChannelGainEditIds[c]);
        m_SliderGain[c].SetPos(g_ChannelGain[c]);
        m_SliderGain[c].Invalidate(true);
    }
    m_SliderGain[ch].SetPos(g_ChannelGain[ch]);
    m_SliderGain[ch].Invalidate(true);
    ShowChannelGainText(ch, g_ChannelGainEditIds[ch]);
}

void CQuenbarDlg::OnPhaseButton(int ch) {
    if (!ValidChannel(ch)) return;
    const std::string phase0 = res::LoadUiString(IDS_PHASE_0);
    const std::string phase180 = res::LoadUiString(IDS_PHASE_180);
    const bool set = GetDlgItemText(g_PhaseButtonIds[ch]) == phase0;
    int channels = 1 << ch;
    if (editing::IsBridged(ch)) channels |= 1 << editing::PairPartner(ch);
    for (int c = 0; c < kChannels; ++c) {
        if (!(channels & (1 << c))) continue;
        if (set)
            g_PhaseMask |= 1 << c;
        else
            g_PhaseMask &= ~(1 << c);
        SetDlgItemText(g_PhaseButtonIds[c], set ? phase180 : phase0);
    }
}

void CQuenbarDlg::OnMasterMuteButton() {
    if (GetDlgItemText(IDC_MASTER_MUTE) == kMuteOffText) {
        g_MuteMask |= kMasterMuteBit;
        SetDlgItemText(IDC_MASTER_MUTE, std::string(kMuteOnText));
        g_MasterVolumeBeforeMute = g_MasterVolume;
        g_MasterVolume = kMasterVolumeMax;
    } else {
        g_MuteMask &= ~kMasterMuteBit;
        SetDlgItemText(IDC_MASTER_MUTE, std::string(kMuteOffText));
        g_MasterVolume = g_MasterVolumeBeforeMute;
    }
    std::string text;
    editing::FormatMasterVolume(text);
    m_EditMaster.SetWindowText(text);
    m_SliderMaster.SetPos(g_MasterVolume);
    m_SliderMaster.Invalidate(true);
}

void CQuenbarDlg::OnMasterVolumeKillFocus() {
    // Enter and the focus loss read the text with one parser.
    const std::optional<int> value = editing::ParseMasterVolumeText(m_EditMaster.GetWindowText());
    if (value && *value != g_MasterVolume) {
        g_MasterVolume = *value;
        m_SliderMaster.SetPos(g_MasterVolume);
        m_SliderMaster.Invalidate(true);
        ShowMasterMute();
    }
    std::string text;
    editing::FormatMasterVolume(text);
    m_EditMaster.SetWindowText(text);
}

void CQuenbarDlg::OnMoveFocus(ui::WPARAM key) {
    if (key != ui::VK_LEFT && key != ui::VK_RIGHT) return;
    ui::Window* focus = GetFocus();
    if (!focus) return;
    // Two rings of twelve stops each, whatever the model shows; both wrap.
    for (const IdTable<kChannels>* ring : {&g_DelayEditIds, &g_ChannelGainEditIds}) {
        for (int i = 0; i < kChannels; ++i) {
            if (GetDlgItem((*ring)[i]) != focus) continue;
            const int next = (i + (key == ui::VK_RIGHT ? 1 : kChannels - 1)) % kChannels;
            ui::Window* target = GetDlgItem((*ring)[next]);
            if (!target) return;
            target->SendMessage(WM_MOVE_FOCUS, 0, 0);
            // An edit that does not take the message itself still gets the focus with its text selected.
            if (GetFocus() != target) {
                target->SetFocus();
                target->SendMessage(ui::EM_SETSEL, 0, -1);
            }
            return;
        }
    }
}
