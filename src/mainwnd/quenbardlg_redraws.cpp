// Redraws several handlers share, the link buttons' bitmaps, the graph's overlay buttons and the input labels
// that follow the source. The owner-draw decides how a control looks from the model; these only say when it
// draws again.
#include "device/channelmodel.h"
#include "device/status.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/drawchoices.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/dpi.h"
#include "platform/res/skin.h"
#include "platform/ui/application.h"
#include "platform/ui/combobox.h"
#include "res/skinids.h"
#include "res/uilanguage.h"

namespace {

// Input bits of each group of labels.
constexpr int kHighLevelBits[] = {0, 1, 2, 3, 4, 5, 12, 13, 16, 17, 18, 19};
constexpr int kAuxBits[] = {6, 7, 14, 15};
constexpr int kOpticalBits[] = {8, 9};
constexpr int kBluetoothBits[] = {10, 11};

template <std::size_t N>
void ForBits(const int (&bits)[N], int channel, CQuenbarDlg& dlg) {
    for (int j : bits) dlg.InvalidateControl(g_InputLabelIds[channel][j]);
}

void InvalidateAll(const IdTable<kChannels>& ids, ui::Window& dlg) {
    for (int id : ids) {
        if (ui::Window* w = dlg.GetDlgItem(id)) w->Invalidate(true);
    }
}

}  // namespace

void CQuenbarDlg::OnOverlayButton(int channel) {
    m_Spectrum.ToggleChannel(channel);
    m_Spectrum.Invalidate(true);
    // The button shows whether its curve is drawn.
    if (ui::Window* button = GetDlgItem(g_OverlayButtonIds[channel])) button->Invalidate(true);
}

void CQuenbarDlg::RedrawOverlayButtons() {
    InvalidateAll(g_OverlayButtonIds, *this);
}

void CQuenbarDlg::RedrawLinkButtons() {
    InvalidateAll(g_LinkButtonIds, *this);
}

void CQuenbarDlg::RedrawChannelSelectButtons() {
    InvalidateAll(g_ChannelSelectButtonIds, *this);
}

int CQuenbarDlg::LinkBitmapId(int channelMask) {
    return mainwnd::LinkBitmap(mainwnd::LinkGroupOf(channelMask, g_LinkGroupMask), res::DpiBand(g_ScreenDpiX));
}

const gfx::Bitmap& CQuenbarDlg::LoadLinkBitmap(int channelMask) {
    return App().Skin().Get(LinkBitmapId(channelMask));
}

void CQuenbarDlg::RedrawSourceControls() {
    const int shown = m_InputSourceShown;
    for (int c = 0; c < kChannels; ++c) {
        switch (shown) {
            case 2:
                ForBits(kAuxBits, c, *this);
                break;
            case 3:
            case 9:
                ForBits(kBluetoothBits, c, *this);
                break;
            case 5:
                ForBits(kOpticalBits, c, *this);
                break;
            default:
                ForBits(kHighLevelBits, c, *this);
                break;
        }
    }
    const int source = g_InputSource.load();
    for (int c = 0; c < kChannels; ++c) {
        switch (source) {
            case 1:
                ForBits(kHighLevelBits, c, *this);
                break;
            case 2:
                ForBits(kAuxBits, c, *this);
                break;
            case 3:
            case 9:
                UpdateBtInputLabels(c, source);
                break;
            case 5:
                ForBits(kOpticalBits, c, *this);
                break;
            default:
                break;
        }
    }
}

void CQuenbarDlg::UpdateBtInputLabels(int channel, int source) {
    if (channel < 0 || channel >= kChannels || (source != 3 && source != 9)) return;
    const int left = source == 3 ? IDS_INPUT_BT_L : IDS_INPUT_USB_L;
    const int right = source == 3 ? IDS_INPUT_BT_R : IDS_INPUT_USB_R;
    SetDlgItemText(g_InputLabelIds[channel][kBluetoothBits[0]], res::LoadUiString(left));
    SetDlgItemText(g_InputLabelIds[channel][kBluetoothBits[1]], res::LoadUiString(right));
    ForBits(kBluetoothBits, channel, *this);
}

void CQuenbarDlg::SelectSourceCombo() {
    const int source = g_InputSource.load();
    const int index = source == 5 ? 3 : source == 9 ? 4 : source - 1;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(GetDlgItem(IDC_COMBO_SOURCE))) combo->SetCurSel(index);
    if (ui::Window* mix = GetDlgItem(IDC_HIGH_LEVEL_MIX)) mix->Invalidate(true);
}
