// The layout pass by device model: the strips of the outputs the model has, its routing matrix and input
// labels, and the graph's overlay bits of the outputs it lacks. Every pass sets every control's state, so a
// pass for one model leaves nothing of the model before it.
#include "device/channelmodel.h"
#include "device/status.h"
#include "mainwnd/modellayout.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/skinids.h"
#include "res/uilanguage.h"

namespace layout = mainwnd::layout;

namespace {

int Outputs() {
    return layout::OutputsOf(g_DeviceModel.load());
}

bool HideAux34() {
    return g_HideAux34.load() != 0;
}

}  // namespace

void CQuenbarDlg::ApplyModelLayout() {
    ++m_LayoutsApplied;
    UpdateLanguageAndModel();
    PlaceChannelSelectButtons();
    PlaceChannelGainEdits();
    PlaceMuteButtons();
    PlacePhaseButtons();
    PlaceDelayEdits();
    PlaceDelayCaption();
    PlaceDelayUnitButtons();
    PlaceRoutingMatrix();
    PlaceInputLabels();
    PlaceChannelGainSliders();
    PlaceBridgeButtons();
    PlaceLinkButtons();
    PlaceOverlayButtons();
    // The master scale's ticks are drawn by every paint of the window.
    PlaceMasterScaleLabels();
    PlaceGainScaleLabels();
    PlaceStripCaptions();
    OnApplyModelLayout();
}

void CQuenbarDlg::UpdateLanguageAndModel() {
    // The background of the UI language is chosen by each paint.
    const int model = g_DeviceModel.load();
    const std::uint8_t hide = (g_DeviceFlags.load() >> 6) & 1;
    if ((model != m_LastLayoutModel && m_LastLayoutModel != layout::kNoLayoutYet) ||
        hide != g_HideAux34.load()) {
        g_HideAux34 = hide;
        Invalidate(true);
    }
    const int source = g_InputSource.load();
    if (model != m_LastLayoutModel || source == 3 || source == 9) RelabelInputs();
    m_LastLayoutModel = model;
}

void CQuenbarDlg::RelabelInputs() {
    const bool model7 = g_DeviceModel.load() == 7;
    const bool usb = model7 || g_InputSource.load() == 9;
    const struct {
        int bit, text;
    } labels[] = {
        {0, model7 ? IDS_INPUT_RADIO_L : IDS_INPUT_HI1}, {1, model7 ? IDS_INPUT_RADIO_R : IDS_INPUT_HI1 + 1},
        {6, model7 ? IDS_INPUT_AUX_L : IDS_INPUT_AUX1},  {7, model7 ? IDS_INPUT_AUX_R : IDS_INPUT_AUX2},
        {10, usb ? IDS_INPUT_USB_L : IDS_INPUT_BT_L},    {11, usb ? IDS_INPUT_USB_R : IDS_INPUT_BT_R},
    };
    for (const auto& l : labels) SetDlgItemText(g_InputLabelIds[0][l.bit], res::LoadUiString(l.text));
    for (const auto& l : labels) InvalidateControl(g_InputLabelIds[0][l.bit]);
}

namespace {

layout::Strip CurrentStrip() {
    return layout::StripOf(Outputs(), g_ScreenDpiX);
}

}  // namespace

// Every row places all twelve channels; the outputs the model lacks stay hidden where they stand.
void CQuenbarDlg::PlaceStripRow(const std::array<int, kChannels>& ids, const gfx::Rect& first, int pitch) {
    for (int c = 0; c < kChannels; ++c) PlaceItem(ids[c], first.Offset(pitch * c, 0));
}

void CQuenbarDlg::PlaceChannelSelectButtons() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_ChannelSelectButtonIds, s.select, s.pitch);
}

void CQuenbarDlg::PlaceChannelGainEdits() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_ChannelGainEditIds, s.gainEdit, s.pitch);
}

void CQuenbarDlg::PlaceMuteButtons() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_MuteButtonIds, s.mute, s.pitch);
}

void CQuenbarDlg::PlacePhaseButtons() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_PhaseButtonIds, s.phase, s.pitch);
}

void CQuenbarDlg::PlaceDelayEdits() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_DelayEditIds, s.delayEdit, s.pitch);
}

void CQuenbarDlg::PlaceDelayUnitButtons() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_DelayUnitButtonIds, s.delayUnit, s.pitch);
}

void CQuenbarDlg::PlaceChannelGainSliders() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_ChannelGainSliderIds, s.slider, s.pitch);
}

void CQuenbarDlg::PlaceLinkButtons() {
    const layout::Strip s = CurrentStrip();
    PlaceStripRow(g_LinkButtonIds, s.link, s.pitch);
}

void CQuenbarDlg::PlaceGainScaleLabels() {
    const layout::Strip s = CurrentStrip();
    for (int c = 0; c < kChannels; ++c) {
        for (int m = 0; m < kGainScaleMarks; ++m)
            PlaceItem(g_GainScaleLabelIds[c][m], s.scaleLabels[m].Offset(s.pitch * c, 0));
    }
}

void CQuenbarDlg::PlaceRoutingMatrix() {
    const int model = g_DeviceModel.load();
    for (int c = 0; c < kChannels; ++c) {
        for (int bit = 0; bit < kInputs; ++bit)
            PlaceItem(g_RoutingButtonIds[c][bit], layout::CellRect(model, HideAux34(), c, bit, g_ScreenDpiX));
    }
}

void CQuenbarDlg::PlaceInputLabels() {
    const int model = g_DeviceModel.load();
    for (int bit = 0; bit < kInputs; ++bit)
        PlaceItem(g_InputLabelIds[0][bit], layout::LabelRect(model, HideAux34(), bit, g_ScreenDpiX));
}

void CQuenbarDlg::PlaceBridgeButtons() {
    const gfx::Size size = App().Skin().SizeOf(res::skinid::kBridgeDisabled[res::DpiBand(g_ScreenDpiX)]);
    for (int p = 0; p < kPairs; ++p)
        PlaceItem(g_BridgeButtonIds[p], layout::BridgeButtonRect(p, size, g_ScreenDpiX));
}

void CQuenbarDlg::PlaceOverlayButtons() {
    const int band = res::DpiBand(g_ScreenDpiX);
    for (int c = 0; c < kChannels; ++c) {
        const gfx::Size size = App().Skin().SizeOf(res::skinid::kOverlayOn[c][band]);
        PlaceItem(g_OverlayButtonIds[c], layout::OverlayButtonRect(Outputs(), c, size, g_ScreenDpiX));
    }
}

namespace {

void SetShown(ui::Window* w, bool shown) {
    if (w) w->ShowWindow(shown ? ui::SW_SHOW : ui::SW_HIDE);
}

// Shown and enabled, or hidden and disabled.
void SetPresent(ui::Window* w, bool present) {
    if (!w) return;
    w->ShowWindow(present ? ui::SW_SHOW : ui::SW_HIDE);
    w->EnableWindow(present);
}

}  // namespace

void CQuenbarDlg::OnApplyModelLayout() {
    const int model = g_DeviceModel.load();
    const bool hide = HideAux34();
    const int outputs = layout::OutputsOf(model);
    for (int id : g_BridgeButtonIds) SetPresent(GetDlgItem(id), false);

    // The current channel must be one the model has; the band row and the graph then show CH1.
    if (g_CurrentChannel >= outputs) {
        g_CurrentChannel = 0;
        if (ui::Window* select = GetDlgItem(g_ChannelSelectButtonIds[0])) select->Invalidate();
        RefreshEqRow();
        UpdateEqCurve(true);
    }
    for (int c = 0; c < kChannels; ++c) {
        const bool shown = c < outputs;
        for (const IdTable<kChannels>* row : {&g_ChannelSelectButtonIds, &g_LinkButtonIds, &g_PhaseButtonIds,
                                              &g_MuteButtonIds, &g_DelayUnitButtonIds, &g_ChannelGainEditIds,
                                              &g_ChannelGainSliderIds, &g_DelayEditIds, &g_OverlayButtonIds})
            SetShown(GetDlgItem((*row)[c]), shown);
        for (int id : g_GainScaleLabelIds[c]) SetShown(GetDlgItem(id), shown);
    }
    // The graph draws no curve of an output the model lacks; the bits go one channel at a time.
    bool overlayCleared = false;
    for (int c = outputs; c < kChannels; ++c) {
        const int mask = m_Spectrum.GetChannelMask();
        if (mask & (1 << c)) {
            m_Spectrum.SetChannelMask(mask & ~(1 << c));
            overlayCleared = true;
        }
    }
    if (overlayCleared) m_Spectrum.Invalidate();

    for (int c = 0; c < kChannels; ++c) {
        for (int bit = 0; bit < kInputs; ++bit)
            SetPresent(GetDlgItem(g_RoutingButtonIds[c][bit]), layout::CellShown(model, hide, c, bit));
    }
    // Only CH1's labels name the rows.
    for (int row = 0; row < kChannels; ++row) {
        for (int bit = 0; bit < kInputs; ++bit)
            SetPresent(GetDlgItem(g_InputLabelIds[row][bit]),
                       row == 0 && layout::LabelShown(model, hide, bit));
    }
}
