// The start-up's set-up steps: each attaches a group of items to its members and gives them their skin
// size, font, range, contents and place for the screen's DPI band; and the layout pass's steps that depend
// on the band alone.
#include <algorithm>

#include "device/channelmodel.h"
#include "device/status.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/modellayout.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbargeometry.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/skin/skinsizes.h"
#include "res/skinids.h"
#include "res/uilanguage.h"

namespace geo = mainwnd::geo;
namespace skin = res::skinid;
namespace layout = mainwnd::layout;
using namespace mainwnd;

namespace {

int Band() {
    return res::DpiBand(g_ScreenDpiX);
}

// The input labels' texts by input bit; AUX-3/AUX-4 are labelled higher number first.
constexpr int kInputLabelText[kInputs] = {
    IDS_INPUT_HI1,     IDS_INPUT_HI1 + 1, IDS_INPUT_HI1 + 2, IDS_INPUT_HI1 + 3, IDS_INPUT_HI1 + 4,
    IDS_INPUT_HI1 + 5, IDS_INPUT_AUX1,    IDS_INPUT_AUX2,    IDS_INPUT_OPT_L,   IDS_INPUT_OPT_R,
    IDS_INPUT_BT_L,    IDS_INPUT_BT_R,    IDS_INPUT_HI7,     IDS_INPUT_HI8,     IDS_INPUT_AUX4,
    IDS_INPUT_AUX3,    IDS_INPUT_HI9,     IDS_INPUT_HI10,    IDS_INPUT_HI11,    IDS_INPUT_HI12};

gfx::Font LabelFont() {
    return {"宋体", -DpiScale(12), 400};
}

// The skin in the order the slider takes it: offset, thumb, track (after, before).
void SkinSlider(CNewSliderCtrl& slider, int offset, int thumb, int after, int before) {
    slider.SetThumbOffset(offset);
    const gfx::Size size = slider.App().Skin().SizeOf(thumb);
    slider.SetThumbBitmap(thumb, size.cx, size.cy);
    slider.SetTrackBitmaps(after, before);
}

void SetupSlider(ui::TrackBar& slider, int max) {
    slider.SetRange(0, max);
    slider.SetLineSize(1);
    slider.SetPageSize(0);
}

}  // namespace

void CQuenbarDlg::PlaceItem(int id, const gfx::Rect& rect) {
    if (ui::Window* w = GetDlgItem(id)) w->MoveWindow(rect);
}

void CQuenbarDlg::SizeItem(int id, gfx::Size size) {
    if (ui::Window* w = GetDlgItem(id)) {
        const gfx::Rect r = w->RectInParent();
        w->MoveWindow(gfx::RectFromSize(r.left, r.top, size.cx, size.cy));
    }
}

void CQuenbarDlg::SetupGainSliders() {
    const gfx::Size track = App().Skin().SizeOf(skin::kGainTrackAfter[Band()]);
    for (int c = 0; c < kChannels; ++c) {
        SizeItem(g_ChannelGainSliderIds[c], track);
        SkinSlider(m_SliderGain[c], skin::kGainThumbOffset[Band()], skin::kGainThumb[Band()],
                   skin::kGainTrackAfter[Band()], skin::kGainTrackBefore[Band()]);
        SetupSlider(m_SliderGain[c], 600);
    }
}

void CQuenbarDlg::SetupSpeakerGainEdits() {
    for (int c = 0; c < 8; ++c) SubclassDlgItem(g_ChannelGainEditIds[c], m_EditGain[c]);
}

void CQuenbarDlg::SetupComboBoxes() {
    g_BridgeCh12 = 0;
    g_BridgeCh34 = 0;
    g_BridgeCh56 = 0;
    g_QuadLinkMode = 0;
    g_BridgeCh78 = 0;
    const auto text = [](int id) { return res::LoadUiString(id); };
    const std::vector<std::string> slopes = {"6dB/Oct",  "12dB/Oct", "18dB/Oct", "24dB/Oct", "30dB/Oct",
                                             "36dB/Oct", "42dB/Oct", "48dB/Oct", text(IDS_SLOPE_OFF)};
    const std::vector<std::string> types = {text(IDS_BUTTERWORTH), text(IDS_BESSEL)};
    const std::vector<std::string> items[10] = {
        {text(IDS_BRIDGE_OFF), text(IDS_BASIS_CH1), text(IDS_BASIS_CH2)},
        {text(IDS_BRIDGE_OFF), text(IDS_BASIS_CH3), text(IDS_BASIS_CH4)},
        {text(IDS_BRIDGE_OFF), text(IDS_BASIS_CH5), text(IDS_BASIS_CH6)},
        {text(IDS_BRIDGE_OFF), text(IDS_BASIS_CH1), text(IDS_BASIS_CH2), text(IDS_BASIS_CH3), text(IDS_BASIS_CH4)},
        {text(IDS_BRIDGE_OFF), text(IDS_BASIS_CH7), text(IDS_BASIS_CH8)},
        types,
        slopes,
        types,
        slopes,
        {text(IDS_SOURCE_HIGH_LEVEL), text(IDS_SOURCE_LOW_LEVEL), text(IDS_SOURCE_BLUETOOTH),
         text(IDS_SOURCE_OPTICAL), text(IDS_SOURCE_USB)},
    };
    // The pair and quad lists start at "OFF"; the filter lists take their selection from the EQ row's
    // refresh; the source list shows item 0 for source 1.
    const int selection[10] = {0, 0, g_BridgeCh56, g_QuadLinkMode, g_BridgeCh78, -1, -1, -1, -1,
                               g_InputSource.load() - 1};
    const int fieldHeight = geo::kComboFieldHeight[Band()];
    for (std::size_t i = 0; i < m_Combo.size(); ++i) {
        CMyComboBox& combo = m_Combo[i];
        combo.ResetContent();
        for (const std::string& s : items[i]) combo.AddItem(s, 0, gfx::Rgb(255, 255, 255));
        const bool source = g_ComboIds[i] == IDC_COMBO_SOURCE;
        combo.SetFont({source ? "黑体" : "宋体", -DpiScale(12), 400});
        combo.SetTextFont(DpiScale(12), source ? "黑体" : "宋体", gfx::Rgb(1, 0, 0), gfx::Rgb(255, 255, 255), 400);
        const int arrow = source ? skin::kSourceComboArrow[Band()] : skin::kComboArrow;
        combo.SetArrowImages(arrow, arrow);
        if (selection[i] >= 0) combo.SetCurSel(selection[i]);
        combo.SetItemHeight(-1, fieldHeight);
    }
}

void CQuenbarDlg::SetupMasterVolume() {
    const int b = Band();
    const gfx::Size track = App().Skin().SizeOf(skin::kMasterTrackAfter[b]);
    SkinSlider(m_SliderMaster, skin::kMasterThumbOffset[b], skin::kMasterThumb[b], skin::kMasterTrackAfter[b],
               skin::kMasterTrackBefore[b]);
    SetupSlider(m_SliderMaster, 60);
    PlaceItem(IDC_MASTER_SLIDER, gfx::RectFromSize(geo::kMasterSlider[b].x, geo::kMasterSlider[b].y, track.cx, track.cy));
    SubclassDlgItem(IDC_MASTER_EDIT, m_EditMaster);
    PlaceItem(IDC_MASTER_EDIT,
              gfx::RectFromSize(geo::kMasterEdit[b].x, geo::kMasterEdit[b].y, DpiScale(60), DpiScale(16)));
    const gfx::Size mute = App().Skin().SizeOf(skin::kMasterMuteOn[b]);
    PlaceItem(IDC_MASTER_MUTE, gfx::RectFromSize(geo::kMasterMute[b].x, geo::kMasterMute[b].y, mute.cx, mute.cy));
    // "Volume" over the slider, where 96 DPI has it: the template's scale would put it right of the slider
    // in the higher bands, whose master column stands further left.
    PlaceItem(IDC_STATIC_VOLUME,
              gfx::RectFromSize(geo::kMasterSlider[b].x - DpiScale(29),
                                geo::kMasterSlider[b].y - DpiScale(19), DpiScale(89), DpiScale(16)));
}

void CQuenbarDlg::SetupBandSliders() {
    const int b = Band();
    const gfx::Size track = App().Skin().SizeOf(skin::kBandTrack[b]);
    for (int k = 0; k < kBands; ++k) {
        SkinSlider(m_SliderBand[k], skin::kBandThumbOffset[b], skin::kBandThumb[b], skin::kBandTrack[b],
                   skin::kBandTrack[b]);
        SetupSlider(m_SliderBand[k], 300);
        const int x = geo::kBandSliderX[b] + k * (track.cx + geo::kBandSliderGap[b]);
        m_SliderBand[k].MoveWindow(gfx::RectFromSize(x, geo::kBandSliderY[b], track.cx, track.cy));
    }
}

namespace {
// One row of the EQ grid: band k at x = X + k x pitch, pitch - 2 wide, DpiScale(13) high.
gfx::Rect GridCell(int band, int k, int y) {
    return gfx::RectFromSize(geo::kBandEditX[band] + k * geo::kEqPitch[band], y, geo::kEqPitch[band] - 2,
                             DpiScale(13));
}
}  // namespace

void CQuenbarDlg::SetupBandFreqEdits() {
    const int b = Band();
    for (int k = 0; k < kBands; ++k) SubclassDlgItem(g_BandFreqEditIds[k], m_EditFre[k]);
    // The grid's font: the first edit's face, its height for the band.
    m_BandEditFont = m_EditFre[0].GetFont();
    m_BandEditFont.height = geo::BandEditFontHeight(b, g_ScreenDpiX);
    for (int k = 0; k < kBands; ++k) {
        m_EditFre[k].SetFont(m_BandEditFont);
        m_EditFre[k].MoveWindow(GridCell(b, k, geo::kFreqRowY[b]));
    }
}

void CQuenbarDlg::SetupBandGainEdits() {
    const int b = Band();
    for (int k = 0; k < kBands; ++k) {
        SubclassDlgItem(g_BandGainEditIds[k], m_EditFreqGain[k]);
        m_EditFreqGain[k].SetFont(m_BandEditFont);
        m_EditFreqGain[k].MoveWindow(GridCell(b, k, geo::kGainRowY[b]));
    }
}

void CQuenbarDlg::SetupBandQEdits() {
    const int b = Band();
    for (int k = 0; k < kBands; ++k) {
        SubclassDlgItem(g_BandQEditIds[k], m_EditQ[k]);
        m_EditQ[k].SetFont(m_BandEditFont);
        m_EditQ[k].MoveWindow(GridCell(b, k, geo::kQRowY[b]));
    }
}

void CQuenbarDlg::PlaceCommandButtons() {
    const int b = Band();
    const gfx::Size button{DpiScale(84), DpiScale(18)};
    for (const geo::ButtonPlace& place : geo::kCommandButtonPlaces)
        PlaceItem(place.id, gfx::RectFromSize(place.at[b].x, place.at[b].y, button.cx, button.cy));
    // The graph keeps its template's top and height but stands between the overlay column and the command
    // buttons' column: DpiScale(7) right of the one, as at 96 DPI, and 21 pixels (20 from 144 DPI on) left of
    // the other. The plot inside keeps a fixed width per band and the room left of it for the level labels
    // grows only with the graph's width: with the template's scale, or a gap that scales, the graph is too
    // narrow at 120 DPI for the last band's number and at 192 DPI for the labels.
    if (ui::Window* graph = GetDlgItem(IDC_SPECTRUM)) {
        gfx::Rect r = graph->RectInParent();
        const gfx::Rect overlay =
            mainwnd::layout::OverlayButtonRect(12, 0, res::skinsize::kOverlay[b], g_ScreenDpiX);
        r.left = overlay.right + DpiScale(7);
        r.right = geo::kCommandButtonPlaces[0].at[b].x - geo::Between(21, 20, b);
        PlaceItem(IDC_SPECTRUM, r);
    }
    // Never shown; sized like the others where the template puts them.
    for (int id : {IDC_FILTER_SETUP, IDC_SAVE_DSP, IDC_SAVE_PC, IDC_LOAD_DSP, IDC_LOAD_PC, IDC_UPGRADE})
        SizeItem(id, button);
    const gfx::Size bandButton = App().Skin().SizeOf(skin::kBandButtonFlat[b]);
    for (int k = 0; k < kBands; ++k) {
        PlaceItem(g_BandButtonIds[k],
                  gfx::RectFromSize(geo::kBandButtonX[b] + k * geo::kEqPitch[b], geo::kBandButtonY[b],
                                    bandButton.cx, bandButton.cy));
    }
}

void CQuenbarDlg::SubclassDelayEdits() {
    for (int c = 0; c < 8; ++c) SubclassDlgItem(g_DelayEditIds[c], m_EditDelay[c]);
}

void CQuenbarDlg::PlaceTopBarButtons() {
    const int b = Band();
    const gfx::Size top = App().Skin().SizeOf(skin::kMinimisePressed[b]);
    const int y = DpiScale(2);
    PlaceItem(IDC_SETUP, gfx::RectFromSize(geo::kSettingsX[b], y, top.cx, top.cy));
    PlaceItem(IDC_MINIMIZE, gfx::RectFromSize(geo::kMinimiseX[b], y, top.cx, top.cy));
    PlaceItem(IDC_CLOSE, gfx::RectFromSize(geo::kCloseX[b], y, top.cx, top.cy));
    const gfx::Size launcher{DpiScale(84), DpiScale(18)};
    const struct {
        int id;
        gfx::Point at;
    } launchers[] = {{IDC_INPUT_VOLUME, geo::InputVolumeButton(b)},
                     {IDC_SCENE, geo::SceneButton(b)},
                     {IDC_DELAY_CALC, geo::DelayCalcButton(b)}};
    for (const auto& l : launchers) PlaceItem(l.id, gfx::RectFromSize(l.at.x, l.at.y, launcher.cx, launcher.cy));
    SizeItem(IDC_HIGH_LEVEL_MIX, {DpiScale(12), DpiScale(12)});
}

void CQuenbarDlg::SetupStaticTexts() {
    const int b = Band();
    m_LabelFont = LabelFont();
    m_LabelFont2 = m_LabelFont;
    const struct {
        int id;
        int text;
    } captions[] = {
        {IDC_CAPTION_BTL, IDS_CAPTION_BTL},       {IDC_CAPTION_LINK, IDS_CAPTION_LINK_SHORT},
        {IDC_CAPTION_SOURCE, IDS_SOURCE_PREFIX},  {IDC_CAPTION_HIGH_LEVEL_MIX, IDS_CAPTION_HIGH_LEVEL_MIX},
        {IDC_CAPTION_ID, IDS_CAPTION_ID},         {IDC_CAPTION_FREQ, IDS_CAPTION_FREQ},
        {IDC_CAPTION_Q, IDS_CAPTION_Q},           {IDC_CAPTION_GAIN, IDS_CAPTION_GAIN},
        {IDC_CAPTION_BYPASS, IDS_CAPTION_BYPASS}, {IDC_STATIC_USB, IDS_DISCONNECT},
        {IDC_STATIC_VOLUME, IDS_CAPTION_VOLUME},  {IDC_CAPTION_CH_NAME, IDS_CAPTION_CH_NAME},
        {IDC_CAPTION_LINK, IDS_CAPTION_LINK},     {IDC_CAPTION_PHASE, IDS_CAPTION_PHASE},
    };
    for (const auto& c : captions) {
        if (ui::Window* w = GetDlgItem(c.id)) {
            w->SetFont(m_LabelFont2);
            w->SetWindowText(res::LoadUiString(c.text));
        }
    }
    for (int id : g_FilterCaptionIds) {
        if (ui::Window* w = GetDlgItem(id)) w->SetFont(m_LabelFont2);
    }
    for (int k = 0; k < kBands; ++k) {
        if (ui::Window* w = GetDlgItem(g_BandNumberLabelIds[k])) {
            w->SetFont(m_LabelFont);
            w->MoveWindow(GridCell(b, k, geo::kBandNumberY[b]));
        }
    }
    // The grid's row captions stand on their rows in every band, in a column that ends DpiScale(5) left of
    // the grid (the template's scale misses both above 96 DPI), each as tall as its row: the template's
    // 13 pixels cut the descenders of "Freq" and "Q".
    const struct {
        int id, y, h;
    } rowCaptions[] = {
        {IDC_CAPTION_ID, geo::kBandNumberY[b], geo::kFreqRowY[b] - geo::kBandNumberY[b]},
        {IDC_CAPTION_FREQ, geo::kFreqRowY[b], geo::kQRowY[b] - geo::kFreqRowY[b]},
        {IDC_CAPTION_Q, geo::kQRowY[b], geo::kGainRowY[b] - geo::kQRowY[b]},
        {IDC_CAPTION_GAIN, geo::kGainRowY[b], DpiScale(16)},
        {IDC_CAPTION_BYPASS, geo::kBandButtonY[b], DpiScale(14)},
    };
    const int captionWidth = DpiScale(47), captionX = geo::kBandEditX[b] - DpiScale(5) - captionWidth;
    for (const auto& c : rowCaptions) PlaceItem(c.id, gfx::RectFromSize(captionX, c.y, captionWidth, c.h));
    m_DelayLabelFont = LabelFont();
    const std::string delay = res::LoadUiString(IDS_CAPTION_DELAY);
    for (int id : g_DelayCaptionIds) {
        if (ui::Window* w = GetDlgItem(id)) {
            w->SetFont(m_DelayLabelFont);
            w->SetWindowText(delay);
        }
    }
    // The matrix's input labels: row 0 carries the texts; rows 1..11 are never shown.
    for (int row = 0; row < kChannels; ++row) {
        for (int bit = 0; bit < kInputs; ++bit) {
            ui::Window* w = GetDlgItem(g_InputLabelIds[row][bit]);
            if (!w) continue;
            w->SetFont(m_LabelFont2);
            if (row == 0) {
                w->SetWindowText(res::LoadUiString(kInputLabelText[bit]));
            } else {
                w->ShowWindow(ui::SW_HIDE);
                w->EnableWindow(false);
            }
        }
    }
}

void CQuenbarDlg::SizeStatusPictures() {
    const int b = Band();
    SizeItem(IDC_PICTURE_USB, App().Skin().SizeOf(skin::kUsbDisconnected[b]));
    SizeItem(IDC_PICTURE_TCP, App().Skin().SizeOf(skin::kTcpDisconnected[b]));
    SizeItem(IDC_PICTURE_LOGO, App().Skin().SizeOf(skin::kLogo[b]));
    // The bottom bar stands under the delay row of this band, where the template's scale would put it on top
    // of that row above 96 DPI.
    for (int id : {IDC_PICTURE_TCP, IDC_PICTURE_USB}) {
        if (ui::Window* w = GetDlgItem(id)) {
            const gfx::Rect at = layout::StatusBarItemRect(id, g_ScreenDpiX);
            const gfx::Rect r = w->RectInParent();
            PlaceItem(id, gfx::RectFromSize(at.left, at.top, r.Width(), r.Height()));
        }
    }
    for (int id : g_StatusTextIds) PlaceItem(id, layout::StatusBarItemRect(id, g_ScreenDpiX));
}

void CQuenbarDlg::PlaceDelayCaption() {
    const int b = Band();
    const gfx::Rect first =
        gfx::RectFromSize(geo::kDelayCaption[b].x, geo::kDelayCaption[b].y, DpiScale(70), DpiScale(14));
    for (int c = 0; c < kChannels; ++c) {
        ui::Window* w = GetDlgItem(g_DelayCaptionIds[c]);
        if (!w) continue;
        w->MoveWindow(gfx::RectFromSize(first.left + c * first.Width(), first.top, first.Width(), first.Height()));
        if (c > 0) {
            w->ShowWindow(ui::SW_HIDE);
            w->EnableWindow(false);
        }
    }
}

void CQuenbarDlg::PlaceStripCaptions() {
    const int b = Band();
    const int h = DpiScale(14);
    const gfx::Point name = geo::ChannelNameCaption(b), link = geo::LinkCaption(b), phase = geo::PhaseCaption(b);
    PlaceItem(IDC_CAPTION_CH_NAME, gfx::RectFromSize(name.x, name.y, DpiScale(90), h));
    PlaceItem(IDC_CAPTION_LINK, gfx::RectFromSize(link.x, link.y, DpiScale(51), h));
    PlaceItem(IDC_CAPTION_PHASE, gfx::RectFromSize(phase.x, phase.y, DpiScale(51), h));
}

void CQuenbarDlg::PlaceMasterScaleLabels() {
    const geo::ScaleLabels s = geo::MasterScaleLabels(Band());
    for (int i = 0; i < geo::kScaleMarks; ++i) {
        PlaceItem(g_MasterScaleLeftLabelIds[i], gfx::RectFromSize(s.leftX, s.y[i], s.size.cx, s.size.cy));
        PlaceItem(g_MasterScaleRightLabelIds[i], gfx::RectFromSize(s.rightX, s.y[i], s.size.cx, s.size.cy));
    }
}
