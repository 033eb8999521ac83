// Channel selection and naming. A click makes the channel current and hands the row and the graph its
// values before the next sync tick (which takes the graph's values as the current channel's); a double-click
// renames it.
#include <cstring>
#include <mutex>
#include <string>

#include "device/channelmodel.h"
#include "device/commandbuilders.h"
#include "device/names.h"
#include "dialogs/savechannelname.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/drawchoices.h"
#include "mainwnd/quenbarids.h"
#include "platform/sys/textcodec.h"
#include "res/uilanguage.h"

void CQuenbarDlg::OnChannelSelectButton(int channel) {
    if (channel < 0 || channel >= kChannels) return;
    g_CurrentChannel = channel;
    RedrawChannelSelectButtons();
    RefreshEqRow();
    UpdateEqCurve(true);
}

void CQuenbarDlg::OnChannelSelectDoubleClick(int channel) {
    // The first click of the double-click has selected the channel.
    RenameChannel(channel);
}

void CQuenbarDlg::RenameChannel(int channel) {
    if (channel < 0 || channel >= kChannels) return;
    char name[kNameLen + 1] = {};
    {
        std::lock_guard lock(g_NameMutex);
        std::memcpy(name, g_ChannelNames[channel], kNameLen);
    }
    CSaveChannelName dialog(channel, name, nullptr, &App());
    g_RenameChannel = channel;
    if (dialog.DoModal() != ui::IDOK) return;
    std::string newName;
    dialog.GetNewName(newName);
    {
        // GBK, zero-filled, cut before a character that would not fit whole into the 20 bytes.
        std::lock_guard lock(g_NameMutex);
        sys::Utf8ToGbkField(newName, g_ChannelNames[channel], kNameLen, false);
        g_ChannelNames[channel][kNameLen] = 0;
        g_ChannelNameChangedHere[channel] = true;
    }
    // The dialog's run may have changed the channel the command names; it names this one.
    g_RenameChannel = channel;
    device::SendChannelName();
    SendMessage(WM_CHANNEL_NAME_CHANGED, ui::WPARAM(channel), 0);
}

void CQuenbarDlg::OnChannelNameChanged(int channel) {
    // A device may report a channel the window does not have.
    if (channel < 0 || channel >= kChannels) return;
    if (ui::Window* button = GetDlgItem(g_ChannelSelectButtonIds[channel])) button->Invalidate(true);
}

std::string CQuenbarDlg::ChannelSelectTitle(int channel) {
    if (channel < 0 || channel >= kChannels) return {};
    std::lock_guard lock(g_NameMutex);
    return mainwnd::ChannelNameText(g_ChannelNames[channel], g_DefaultChannelTitles[channel]);
}
