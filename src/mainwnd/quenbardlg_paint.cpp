// The window's own paint: the background skin of the UI language stretched over the client area (nearest
// pixel), then the link pictures, the logo and the master volume's scale ticks, all on the window's canvas.
#include "device/status.h"
#include "mainwnd/drawchoices.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbargeometry.h"
#include "mainwnd/quenbarids.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/uilanguage.h"

bool CQuenbarDlg::OnEraseBkgnd(gfx::Canvas&) {
    return true;  // OnPaint covers the whole client area
}

void CQuenbarDlg::OnPaint(gfx::Canvas& canvas) {
    const int id = mainwnd::BackgroundBitmap(g_LangId);
    if (App().Skin().Contains(id)) {
        // The skin stretched over the client area once, kept, and copied on every paint.
        const gfx::Rect client = GetClientRect();
        if (m_BkStretchedId != id || m_BkStretched.Width() != client.Width() ||
            m_BkStretched.Height() != client.Height()) {
            const gfx::Bitmap& bk = App().Skin().Get(id);
            m_BkStretched = gfx::Bitmap(client.Width(), client.Height());
            gfx::Canvas stretch(m_BkStretched);
            stretch.StretchBlt(client, bk, gfx::RectFromSize(0, 0, bk.Width(), bk.Height()));
            m_BkStretchedId = id;
        }
        canvas.BitBlt({0, 0}, m_BkStretched);
    } else {
        canvas.FillRect(GetClientRect(), m_DialogBrush);
    }
    DrawLinkPictures(canvas);
    DrawLogo(canvas);
    DrawMasterScale(canvas);
}

void CQuenbarDlg::DrawMasterScale(gfx::Canvas& canvas) {
    // Two columns of 16 ticks beside the master slider: a long tick at each label's height, four short
    // ones between two long ones, each tick some adjacent one-pixel lines.
    const int b = res::DpiBand(g_ScreenDpiX);
    ui::Window* slider = GetDlgItem(1200);
    if (!slider) return;
    const gfx::Rect track = slider->RectInParent();
    const mainwnd::geo::ScaleLabels labels = mainwnd::geo::MasterScaleLabels(b);
    const int lines = mainwnd::geo::kTickLines[b];
    const int longLen = DpiScale(9), shortLen = DpiScale(5);
    const gfx::Pen old = canvas.SetPen(gfx::Pen::Solid(1, gfx::Rgb(0xFF, 0xFF, 0xFF)));
    const int offset = labels.size.cy / 2 - 2;  // 96 DPI: 6 below the label's top
    for (int mark = 0; mark < mainwnd::geo::kScaleMarks; ++mark) {
        const int y0 = labels.y[mark] + offset;
        const int next = mark + 1 < mainwnd::geo::kScaleMarks ? labels.y[mark + 1] + offset : y0;
        for (int t = 0; t < (mark + 1 < mainwnd::geo::kScaleMarks ? 5 : 1); ++t) {
            const int y = y0 + (next - y0) * t / 5;
            const int len = t == 0 ? longLen : shortLen;
            for (int l = 0; l < lines; ++l) {
                canvas.Line({track.left - len, y + l}, {track.left, y + l});
                canvas.Line({track.right, y + l}, {track.right + len, y + l});
            }
        }
    }
    canvas.SetPen(old);
}

namespace {

// Edits that keep a solid dark ground when they ask as statics (read-only or disabled): the frequency and Q
// edits, and the gain and delay edits of CH9..CH12.
bool SolidWhenStatic(int id) {
    for (int k = 0; k < kBands; ++k) {
        if (id == g_BandFreqEditIds[k] || id == g_BandQEditIds[k]) return true;
    }
    for (int c = 8; c < kChannels; ++c) {
        if (id == g_ChannelGainEditIds[c] || id == g_DelayEditIds[c]) return true;
    }
    return false;
}

}  // namespace

// Statics and buttons: white text on whatever lies behind them, the input labels of a source not in use grey;
// edits white on the dark blue.
const gfx::Brush* CQuenbarDlg::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    static const gfx::Brush kHollow = gfx::Brush::Null();
    switch (kind) {
        case ui::CTLCOLOR_EDIT:
        case ui::CTLCOLOR_LISTBOX:
            canvas.SetTextColor(gfx::Rgb(0xFF, 0xFF, 0xFF));
            canvas.SetBkColor(m_EditBrush.color);
            return &m_EditBrush;
        case ui::CTLCOLOR_STATIC:
        case ui::CTLCOLOR_BTN: {
            const int id = control ? control->GetDlgCtrlID() : 0;
            canvas.SetTextColor(mainwnd::LabelTextColour(mainwnd::InputLabelGroup(id, g_DeviceModel), g_InputSource));
            if (SolidWhenStatic(id)) {
                // The text's own ground matches the brush, so no light box shows behind it.
                canvas.SetBkColor(m_DialogBrush.color);
                return &m_DialogBrush;
            }
            canvas.SetBkMode(gfx::BkMode::kTransparent);
            return &kHollow;
        }
        case ui::CTLCOLOR_DLG:
            return &m_DialogBrush;
        default:
            return ui::TemplateDialog::OnCtlColor(canvas, control, kind);
    }
}
