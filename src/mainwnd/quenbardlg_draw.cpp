// Owner-drawn buttons and the pictures of the window's own paint. A button is drawn from the model as it
// stands: its kind (ownerdrawkinds.h) and the values it shows pick a skin bitmap (drawchoices.h), which the
// skin painted once and keeps, so a draw is a blit and, for captioned kinds, one line of text.
#include <mutex>

#include "device/channelmodel.h"
#include "device/names.h"
#include "device/status.h"
#include "mainwnd/drawchoices.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/uilanguage.h"

using mainwnd::ButtonKind;

namespace {

constexpr gfx::Color kCaptionColour = gfx::Rgb(0xFE, 0xFE, 0xFE);

// The bitmap over the whole rectangle: copied where the sizes agree, else stretched (nearest pixel).
void PutBitmap(gfx::Canvas& canvas, const gfx::Rect& rect, const gfx::Bitmap& bitmap) {
    if (bitmap.IsNull() || rect.IsEmpty()) return;
    if (bitmap.Width() == rect.Width() && bitmap.Height() == rect.Height())
        canvas.BitBlt({rect.left, rect.top}, bitmap);
    else
        canvas.StretchBlt(rect, bitmap, gfx::RectFromSize(0, 0, bitmap.Width(), bitmap.Height()));
}

}  // namespace

mainwnd::ButtonValue CQuenbarDlg::ShownValue(const mainwnd::OwnerDrawItem& item) {
    mainwnd::ButtonValue v;
    const int c = item.index;
    const int current = g_CurrentChannel >= 0 && g_CurrentChannel < kChannels ? g_CurrentChannel : 0;
    const int bridges[kPairs] = {g_BridgeCh12, g_BridgeCh34, g_BridgeCh56, g_BridgeCh78, g_BridgeCh910,
                                 g_BridgeCh1112};
    switch (item.kind) {
        case ButtonKind::kMatrixCell:
            v.on = (g_RoutingMask[c] >> item.bit) & 1;
            break;
        case ButtonKind::kBandButton:
            v.flat = g_EqGain[current][c] == kEqGainFlat;
            break;
        case ButtonKind::kChannelSelect:
            v.lit = mainwnd::ChannelSelectLit(c, current, bridges, g_LinkGroupMask);
            break;
        case ButtonKind::kChannelMute:
            v.on = (g_MuteMask & device::MuteBit(c)) != 0;
            break;
        case ButtonKind::kMasterMute:
            v.on = (g_MuteMask & kMasterMuteBit) != 0;
            break;
        case ButtonKind::kOverlay:
            v.on = (m_Spectrum.GetChannelMask() >> c) & 1;
            break;
        case ButtonKind::kLink:
            v.linkGroup = mainwnd::LinkGroupOf(1 << c, g_LinkGroupMask);
            break;
        case ButtonKind::kBridge:
            v.on = bridges[c] != 0;
            break;
        case ButtonKind::kHighLevelMix:
            v.unavailable = g_InputSource == 1;
            v.on = g_HighLevelMixIn == 1;
            break;
        default:
            break;
    }
    return v;
}

const gfx::Font& CQuenbarDlg::CaptionFont(const char* face, int height) {
    auto key = std::make_pair(std::string(face), height);
    auto it = m_CaptionFonts.find(key);
    if (it == m_CaptionFonts.end()) it = m_CaptionFonts.emplace(key, gfx::Font{face, height, 400}).first;
    return it->second;
}

bool CQuenbarDlg::OnDrawItem(int id, ui::DrawItemStruct& dis) {
    const mainwnd::OwnerDrawItem item = mainwnd::OwnerDrawItemOf(id);
    if (item.kind != ButtonKind::kNone && dis.canvas) {
        gfx::Canvas& canvas = *dis.canvas;
        const mainwnd::ButtonState state{(dis.itemState & ui::ODS_SELECTED) != 0,
                                         (dis.itemState & ui::ODS_DISABLED) != 0};
        const int bitmap = mainwnd::ButtonBitmap(item, state, ShownValue(item), res::DpiBand(g_ScreenDpiX),
                                                 mainwnd::WideModel(g_DeviceModel));
        PutBitmap(canvas, dis.rcItem, App().Skin().Get(bitmap));
        DrawCaption(item, canvas, dis.rcItem);
    }
    return ui::TemplateDialog::OnDrawItem(id, dis);
}

void CQuenbarDlg::DrawCaption(const mainwnd::OwnerDrawItem& item, gfx::Canvas& canvas, const gfx::Rect& rect) {
    const int channel = item.index;
    const bool phase180 = item.kind == ButtonKind::kPhase && ((g_PhaseMask >> channel) & 1);
    const mainwnd::Caption caption = mainwnd::CaptionOf(item, phase180, g_DelayInCm != 0, m_bPeqMode != 0);
    if (caption.stringId == 0) return;
    std::string text = res::LoadUiString(caption.stringId);
    if (caption.channelName) {
        std::lock_guard<std::mutex> lock(g_NameMutex);
        text = mainwnd::ChannelNameText(g_ChannelNames[channel], text);
    }
    const gfx::Font& font = CaptionFont(caption.face, DpiScale(caption.baseHeight));
    const int width = caption.channelName ? canvas.MeasureText(text, font).cx : 0;
    canvas.DrawText(text, rect, font, kCaptionColour, mainwnd::CaptionFlags(caption.channelName, width, rect.Width()));
}

void CQuenbarDlg::DrawLinkPictures(gfx::Canvas& canvas) {
    // Drawn over the pictures' rectangles whether or not the controls show (the Chinese template hides 1265),
    // as the status tick last chose them.
    for (const int id : {IDC_PICTURE_TCP, IDC_PICTURE_USB}) {
        const int bitmap = StatusPictureBitmap(id);
        ui::Window* w = GetDlgItem(id);
        if (w && bitmap != 0) PutBitmap(canvas, w->RectInParent(), App().Skin().Get(bitmap));
    }
}

void CQuenbarDlg::DrawLogo(gfx::Canvas& canvas) {
    // At its own size, centred on the window's width at its top edge; the logo control only reserves the
    // corner it stands in.
    const gfx::Bitmap& logo = App().Skin().Get(mainwnd::LogoBitmap(res::DpiBand(g_ScreenDpiX)));
    if (logo.IsNull()) return;
    canvas.BitBlt({(GetWindowRect().Width() - logo.Width()) / 2, 0}, logo);
}
