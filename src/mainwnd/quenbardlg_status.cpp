// The bottom bar: the source text, the two (hidden) scene-slot texts and the link pictures. These only read
// state; the start-up, the status timer and the paint decide when they run.
#include <string>

#include "device/status.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "platform/ui/picture.h"
#include "res/skinids.h"
#include "res/uilanguage.h"

namespace skin = res::skinid;

namespace {

// "<prefix>3", or "<prefix>Default" for slot 0.
std::string SlotText(int prefix, int slot) {
    return res::LoadUiString(prefix) +
           (slot != 0 ? std::to_string(slot) : res::LoadUiString(IDS_DEFAULT_SLOT));
}

}  // namespace

void CQuenbarDlg::InvalidateControl(int id) {
    ui::Window* w = GetDlgItem(id);
    if (!w || !w->IsWindowEnabled()) return;
    const gfx::Rect r = w->RectInParent();
    InvalidateRect(&r, true);
}

void CQuenbarDlg::UpdateSourceText() {
    SetDlgItemText(IDC_STATIC_SOURCE, res::LoadUiString(IDS_SOURCE_PREFIX) +
                                          res::LoadUiString(mainwnd::SourceNameStringId(m_InputSourceShown)));
    InvalidateControl(IDC_STATIC_SOURCE);
}

void CQuenbarDlg::UpdateCurrentModeText() {
    SetDlgItemText(IDC_STATIC_CUR_MODE, SlotText(IDS_CURRENT_MODE, g_CurrentModeSlot.load()));
    InvalidateControl(IDC_STATIC_CUR_MODE);
}

void CQuenbarDlg::UpdateSaveModeText() {
    SetDlgItemText(IDC_STATIC_SAVE_MODE, SlotText(IDS_SAVE_MODE, g_SaveModeSlot.load()));
    InvalidateControl(IDC_STATIC_SAVE_MODE);
}

void CQuenbarDlg::DrawTcpStatus() {
    const int band = res::DpiBand(g_ScreenDpiX);
    const int state = m_Link.TcpState();
    const int id = state == 1   ? skin::kTcpConnected[band]
                   : state == 2 ? skin::kTcpNetworkDown[band]
                                : skin::kTcpDisconnected[band];
    ShowStatusPicture(IDC_PICTURE_TCP, id, m_TcpPictureShown);
}

void CQuenbarDlg::DrawUsbStatus() {
    const int band = res::DpiBand(g_ScreenDpiX);
    const int id = g_UsbConnected.load() != 0 ? skin::kUsbConnected[band] : skin::kUsbDisconnected[band];
    ShowStatusPicture(IDC_PICTURE_USB, id, m_UsbPictureShown);
}

int CQuenbarDlg::StatusPictureBitmap(int pictureId) const {
    return pictureId == IDC_PICTURE_TCP   ? m_TcpPictureShown
           : pictureId == IDC_PICTURE_USB ? m_UsbPictureShown
                                          : 0;
}

// The picture is drawn at its bitmap's size, centred in the control, which the start-up sized to the bitmap.
// Its area of the window is painted again only when the picture changes: a repaint of the same bitmap
// would change no pixel.
void CQuenbarDlg::ShowStatusPicture(int pictureId, int bitmapId, int& shown) {
    if (bitmapId == shown) return;
    shown = bitmapId;
    ui::Window* w = GetDlgItem(pictureId);
    if (!w) return;
    if (auto* picture = dynamic_cast<ui::Picture*>(w)) {
        picture->ModifyControlStyle(0, res::kCenterImage);
        if (App().Skin().Contains(bitmapId)) picture->SetBitmap(App().Skin().Get(bitmapId));
    }
    const gfx::Rect r = w->RectInParent();
    InvalidateRect(&r, true);
}
