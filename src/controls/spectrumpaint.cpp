// Painting of the graph: background, frame and grid with labels, the overlay channels, the current channel
// with its selection, band numbers, Q handles, the hovered band's read-out and the filter markers. Everything
// goes into one offscreen buffer that the window copies to the screen at once, so drags do not flicker. What
// lies under the current channel comes from the base layer, so a drag draws one curve, not twelve.
#include <charconv>
#include <iterator>
#include <string>

#include "controls/spectrumeditor.h"
#include "platform/gfx/canvas.h"

using namespace controls;

namespace {

constexpr gfx::Color kBackground = gfx::Rgb(15, 23, 32);
constexpr gfx::Color kFrame = gfx::Rgb(52, 79, 58);
constexpr gfx::Color kGrid = gfx::Rgb(49, 60, 43);
constexpr gfx::Color kLabel = gfx::Rgb(77, 77, 77);
constexpr gfx::Color kText = gfx::Rgb(153, 153, 153);
constexpr gfx::Color kQHandle = gfx::Argb(199, 255, 255, 0);
constexpr gfx::Color kQHandleDragged = gfx::Rgb(255, 0, 0);

// Number texts never follow the process locale.
std::string Fixed(double v, int decimals) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("?");
}

gfx::Font LabelFont(int dpi) {
    return gfx::Font{"黑体", 12 * dpi / 96, 500};
}

gfx::Font NumberFont(int dpi) {
    return gfx::Font{"黑体", dpi < 132 ? 16 : (dpi < 188 ? 20 : 24), 500};
}

}  // namespace

void SpectrumEditor::PaintTo(gfx::Canvas& dc, const gfx::Rect& client) {
    m_rcClient = client;
    if (!m_bLayoutSet) {
        dc.FillRect(client, kBackground);
        return;
    }
    m_BaseLayer.Paint(dc, client, BaseKey(), [&](gfx::Canvas& layer) { PaintBase(layer, client); });
    PaintCurrent(dc);
}

void SpectrumEditor::PaintBase(gfx::Canvas& dc, const gfx::Rect& client) {
    dc.FillRect(client, kBackground);
    gfx::BkMode oldMode = dc.SetBkMode(gfx::BkMode::kTransparent);
    DrawGrid(dc);
    DrawOverlayCurves(dc);
    dc.SetBkMode(oldMode);
}

GraphBaseLayer::Key SpectrumEditor::BaseKey() const {
    GraphBaseLayer::Key key;
    key.reserve(8192);  // eleven overlays of 31 bands
    const int head[] = {m_nDpi, m_Layout.left, m_Layout.top, m_Layout.right, m_Layout.bottom,
                        m_Layout.rowHeight, m_Layout.zeroY, m_Layout.ppd, m_nChannelMask, m_nChannel};
    AppendKey(key, head, std::size(head));
    for (int c = 0; c < kGraphChannels; ++c) {
        if (!(m_nChannelMask & (1 << c)) || c == m_nChannel) continue;
        const unsigned filters[] = {m_nAllHighPassFreq[c], m_nAllLowPassFreq[c],  m_nAllHighPassSlope[c],
                                    m_nAllLowPassSlope[c], m_nAllHighPassType[c], m_nAllLowPassType[c],
                                    m_nAllFilterOff[c]};
        AppendKey(key, &c, 1);
        AppendKey(key, filters, std::size(filters));
        AppendKey(key, m_nAllFreq[c], kGraphBands);
        AppendKey(key, m_dAllGain[c], kGraphBands);
        AppendKey(key, m_dAllQ[c], kGraphBands);
    }
    return key;
}

void SpectrumEditor::PaintCurrent(gfx::Canvas& dc) {
    gfx::BkMode oldMode = dc.SetBkMode(gfx::BkMode::kTransparent);
    // The overlays used m_Bezier; the current channel's points come back from the stored values, which also
    // puts a dragged peak where its values say.
    UpdateBandCurve(false, kGraphBands);
    UpdateFilterCurves();
    const GraphLayout& g = m_Layout;
    m_Bezier.SetChannel(m_nChannel);
    m_Bezier.Draw(dc, m_nSelBand, g.zeroY, g.left, g.top, g.right, g.bottom, m_nSelFilter, m_nFilterOff);
    DrawBandNumbers(dc);
    DrawQHandles(dc);
    DrawBandReadout(dc);
    DrawFilterMarkers(dc);
    dc.SetBkMode(oldMode);
}

void SpectrumEditor::DrawGrid(gfx::Canvas& dc) const {
    const GraphLayout& g = m_Layout;
    const int row = g.rowHeight;
    const gfx::Pen frame = gfx::Pen::Solid(0, kFrame);
    const gfx::Pen dotted = gfx::Pen::Dot(kGrid);
    dc.Save();
    dc.SetFont(LabelFont(m_nDpi));
    dc.SetTextColor(kLabel);
    dc.SetPen(frame);
    dc.MoveTo({g.left, g.top});
    dc.LineTo({g.left, g.bottom});
    dc.LineTo({g.right, g.bottom});

    dc.SetPen(dotted);
    static constexpr int kLines[] = {30,   40,   50,   60,   70,   80,   90,   100,  200,
                                     300,  400,  500,  600,  700,  800,  900,  1000, 2000,
                                     3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000};
    for (int f : kLines) dc.Line({g.FreqToX(f), g.bottom}, {g.FreqToX(f), g.top});
    dc.Line({g.FreqToX(20000), g.bottom}, {g.FreqToX(20000), g.top}, frame);

    struct Label {
        const char* text;
        int freq;
        int dx;
    };
    static constexpr Label kFreqLabels[] = {{"50", 50, -5},   {"100", 100, -8},   {"200", 200, -8},
                                            {"500", 500, -8}, {"1K", 1000, -6},   {"2K", 2000, -6},
                                            {"5K", 5000, -5}, {"10K", 10000, -8}, {"20K", 20000, -16}};
    const int labelY = g.bottom + 4;
    dc.TextOut({g.left - 5, labelY}, "20");
    for (const auto& l : kFreqLabels) dc.TextOut({g.FreqToX(l.freq) + l.dx, labelY}, l.text);

    const int levelX = g.left - DpiScale(24);
    static constexpr const char* kLevels[] = {"-10", " -5", "0dB", " +5", "+10", "+15"};
    for (int a = 1; a <= 6; ++a) dc.TextOut({levelX, g.bottom - a * row - 6}, kLevels[a - 1]);
    dc.TextOut({levelX, g.bottom - 8}, "-15");

    for (int a = 1; a <= 5; ++a) dc.Line({g.left, g.bottom - a * row}, {g.right, g.bottom - a * row});
    dc.Line({g.left, g.bottom - 6 * row}, {g.right, g.bottom - 6 * row}, frame);
    dc.Restore();
}

void SpectrumEditor::DrawOverlayCurves(gfx::Canvas& dc) {
    const GraphLayout& g = m_Layout;
    for (int c = 0; c < kGraphChannels; ++c) {
        if (!(m_nChannelMask & (1 << c)) || c == m_nChannel) continue;
        UpdateChannelCurve(false, c);
        UpdateChannelFilterCurves(c);
        m_Bezier.SetChannel(c);
        m_Bezier.Draw(dc, -1, g.zeroY, g.left, g.top, g.right, g.bottom, -1,
                      static_cast<int>(m_nAllFilterOff[c]));
    }
}

void SpectrumEditor::DrawBandNumbers(gfx::Canvas& dc) const {
    dc.Save();
    dc.SetFont(NumberFont(m_nDpi));
    dc.SetTextColor(kText);
    for (int n = 1; n <= kGraphBands; ++n) {
        Point p = m_Bezier.GetBandNumberPos(n - 1);
        dc.TextOut(p, std::to_string(n));
    }
    dc.Restore();
}

void SpectrumEditor::GetQHandlePolygon(gfx::PointF pts[10], bool right) const {
    const Point peak = m_Bezier.m_ptBand[m_nSelBand][3];
    const float y = static_cast<float>(peak.y);
    const float x0 = static_cast<float>(right ? peak.x + m_nQOffset + 20 : peak.x - 38 - m_nQOffset);
    const float shape[10][2] = {{0, 0},  {6, -6}, {6, -3}, {12, -3}, {12, -6},
                                {18, 0}, {12, 6}, {12, 3}, {6, 3},   {6, 6}};
    for (int i = 0; i < 10; ++i) pts[i] = {x0 + shape[i][0], y + shape[i][1]};
}

void SpectrumEditor::DrawQHandles(gfx::Canvas& dc) {
    if (m_nSelBand < 0 || m_nSelBand >= kGraphBands || !m_bFreeDrag) return;
    // 99, not 100: the handles sit one pixel further in than Q alone would put them; the drag uses the same.
    m_nQOffset = 99 - static_cast<int>(10 * SafeQ(m_dQ[m_nSelBand]));
    gfx::PointF left[10], right[10];
    GetQHandlePolygon(left, false);
    GetQHandlePolygon(right, true);
    dc.FillPolygon(left, m_nQHandleDrag < 0 ? kQHandleDragged : kQHandle);
    dc.FillPolygon(right, m_nQHandleDrag > 0 ? kQHandleDragged : kQHandle);
}

void SpectrumEditor::DrawBandReadout(gfx::Canvas& dc) const {
    if (m_nHoverBand < 0 || m_nHoverBand >= kGraphBands) return;
    const GraphLayout& g = m_Layout;
    const Point peak = m_Bezier.m_ptBand[m_nHoverBand][3];
    std::string text = "F:" + std::to_string(m_nFreq[m_nHoverBand]) + " Q:" + Fixed(m_dQ[m_nHoverBand], 2) +
                       " G:" + Fixed(m_dGain[m_nHoverBand], 1);
    int x = peak.x - 50;
    if (x < g.left + 2)
        x = g.left + 2;
    else if (x > g.right - 150)
        x = g.right - 150;
    int y = peak.y > g.zeroY ? peak.y - 20 : peak.y + 20;
    dc.Save();
    dc.SetFont(gfx::Font{});
    dc.SetTextColor(kText);
    dc.TextOut({x, y}, text);
    dc.Restore();
}

void SpectrumEditor::DrawFilterMarkers(gfx::Canvas& dc) const {
    const GraphLayout& g = m_Layout;
    const int row = g.rowHeight;
    int hx = g.MarkerX(m_nHighPassFreq);
    int lx = g.MarkerX(m_nLowPassFreq);
    dc.Save();
    dc.SetFont(gfx::Font{});
    dc.SetTextColor(kText);
    dc.TextOut({hx, g.bottom - 2 * row}, "H");
    dc.TextOut({lx, g.bottom - row - 15}, "L");
    auto limit = [&](int x) { return x < g.left + 2 ? g.left + 2 : (x > g.right - 54 ? g.right - 54 : x); };
    hx = limit(hx);
    lx = limit(lx);
    if (m_nHoverMarker == 0)
        dc.TextOut({hx, g.bottom - 2 * row - 15}, "F:" + std::to_string(m_nHighPassFreq) + " ");
    else if (m_nHoverMarker == 1)
        dc.TextOut({lx, g.bottom - row}, "F:" + std::to_string(m_nLowPassFreq) + " ");
    dc.Restore();
}
