// The bottom bar: the source text, the two (hidden) scene-slot texts and the link pictures. These only read
// state; the start-up, the status timer and the paint decide when they run.
#include <string>

#include "device/status.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/drawchoices.h"
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
    ShowStatusPicture(IDC_PICTURE_TCP, mainwnd::TcpPicture(m_Link.TcpState(), res::DpiBand(g_ScreenDpiX)),
                      m_TcpPictureShown);
}

void CQuenbarDlg::DrawUsbStatus() {
    ShowStatusPicture(IDC_PICTURE_USB, mainwnd::UsbPicture(g_UsbConnected.load() != 0, res::DpiBand(g_ScreenDpiX)),
                      m_UsbPictureShown);
}

int CQuenbarDlg::StatusPictureBitmap(int pictureId) const {
    return pictureId == IDC_PICTURE_TCP   ? m_TcpPictureShown
           : pictureId == IDC_PICTURE_USB ? m_UsbPictureShown
                                          : 0;
}

// The window's paint draws the picture over the control's rectangle (the Chinese template hides 1265), so
// the area is painted again only when the picture changes: a repaint of the same bitmap would change no pixel.
void CQuenbarDlg::ShowStatusPicture(int pictureId, int bitmapId, int& shown) {
    if (bitmapId == shown) return;
    shown = bitmapId;
    if (ui::Window* w = GetDlgItem(pictureId)) {
        const gfx::Rect r = w->RectInParent();
        InvalidateRect(&r, true);
    }
}
