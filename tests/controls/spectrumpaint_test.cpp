#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "controls/spectrumeditor.h"
#include "platform/gfx/canvas.h"

namespace {

using controls::kGraphBands;
using controls::kGraphChannels;

// A graph with several channels shown: the current channel CH2 boosted and cut, overlays CH1, CH4 and CH9.
void SetUpScene(SpectrumEditor& ed, int width, int height) {
    std::vector<int> freqs(kGraphChannels * kGraphBands), codes(kGraphChannels * kGraphBands, 150);
    std::vector<double> qs(kGraphChannels * kGraphBands, 4.32);
    for (int c = 0; c < kGraphChannels; ++c)
        for (int b = 0; b < kGraphBands; ++b) freqs[c * kGraphBands + b] = ed.GetBandFreqs()[b];
    codes[0 * kGraphBands + 5] = 50;  // CH1 +10 dB at 63 Hz
    qs[0 * kGraphBands + 5] = 0.5;
    codes[3 * kGraphBands + 20] = 240;  // CH4 -9 dB at 2 kHz
    qs[3 * kGraphBands + 20] = 1.2;
    codes[8 * kGraphBands + 27] = 90;  // CH9 +6 dB at 10 kHz
    codes[1 * kGraphBands + 12] = 30;  // CH2 (current) +12 dB at 315 Hz
    qs[1 * kGraphBands + 12] = 2.0;
    codes[1 * kGraphBands + 24] = 270;  // and -12 dB at 5 kHz
    ed.SetBandQs(&qs[kGraphBands], kGraphBands);
    ed.SetBandFreqs(&freqs[kGraphBands], kGraphBands);
    ed.SetBandGains(&codes[kGraphBands], kGraphBands);
    ed.SetAllChannelQs(qs.data(), qs.size());
    ed.SetAllChannelFreqs(freqs.data(), freqs.size());
    ed.SetAllChannelGains(codes.data(), codes.size());
    ed.SetGraphRect(0, 0, width, height);
    int hp[12], lp[12], hs[12], ls[12], ht[12], lt[12];
    for (int c = 0; c < 12; ++c) {
        hp[c] = 20;
        lp[c] = 20000;
        hs[c] = ls[c] = 8;
        ht[c] = lt[c] = 0;
    }
    hp[3] = 80, hs[3] = 3;     // CH4 high-pass 80 Hz 24 dB/oct
    lp[8] = 12000, ls[8] = 1;  // CH9 low-pass 12 kHz 12 dB/oct
    ed.SetFilters(60, 8000, 1, 5, 0, 1, false);
    ed.SetAllChannelFilters(hp, lp, hs, ls, ht, lt);
    ed.SetCurrentChannel(1, false);
    ed.SelectFilter(-1);
    ed.SetChannelMask((1 << 0) | (1 << 1) | (1 << 3) | (1 << 8));
    ed.SetFreeDrag(true);
}

std::string PngDir() {
    const char* dir = std::getenv("DSP_GRAPH_PNG_DIR");
    return dir ? dir : ".";
}

TEST(SpectrumPaint, RendersChannelsAtBothDpiEnds) {
    struct Case {
        int dpi, width, height;
    } cases[] = {{96, 1100, 300}, {192, 2000, 600}};
    for (const auto& c : cases) {
        SpectrumEditor ed(c.dpi);
        SetUpScene(ed, c.width, c.height);
        ed.SelectBand(12);
        ed.MoveAt(ed.Bezier().m_ptBand[24][3].x, ed.Bezier().m_ptBand[24][3].y);  // hover band 25
        gfx::Bitmap bmp(c.width, c.height);
        gfx::Canvas dc(bmp);
        ed.PaintTo(dc, {0, 0, c.width, c.height});
        const auto& g = ed.Layout();
        EXPECT_EQ(bmp.PixelAt(2, 2), gfx::Rgb(15, 23, 32)) << c.dpi;
        // Frame pixels on the left edge.
        EXPECT_EQ(bmp.PixelAt(g.left, g.top + 2), gfx::Rgb(52, 79, 58)) << c.dpi;
        // The current channel's boost peak is drawn in CH2's colour near its peak.
        auto peak = ed.Bezier().m_ptBand[12][3];
        bool found = false;
        for (int dy = -2; dy <= 2 && !found; ++dy)
            for (int dx = -2; dx <= 2 && !found; ++dx) {
                gfx::Color px = bmp.PixelAt(peak.x + dx, peak.y + dy);
                found = px.r > 120 && px.g < 80 && px.b > 120;
            }
        EXPECT_TRUE(found) << "CH2's curve at its peak, " << c.dpi << " DPI";
        EXPECT_TRUE(bmp.SavePng(PngDir() + "/graph_" + std::to_string(c.dpi) + ".png"));
    }
}

TEST(SpectrumPaint, NothingButBackgroundBeforeTheLayout) {
    SpectrumEditor ed(96);
    gfx::Bitmap bmp(400, 200);
    gfx::Canvas dc(bmp);
    ed.PaintTo(dc, {0, 0, 400, 200});
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 400; x += 7) ASSERT_EQ(bmp.PixelAt(x, y), gfx::Rgb(15, 23, 32)) << x << "," << y;
}

TEST(SpectrumPaint, FlatChannelIsOneLineOnTheZeroRow) {
    SpectrumEditor ed(96);
    ed.SetGraphRect(0, 0, 1100, 300);
    gfx::Bitmap bmp(1100, 300);
    gfx::Canvas dc(bmp);
    ed.PaintTo(dc, {0, 0, 1100, 300});
    const auto& g = ed.Layout();
    int coloured = 0;
    for (int x = g.left + 40; x < g.right - 40; x += 10) {
        gfx::Color px = bmp.PixelAt(x, g.zeroY);
        if (px.r > 150 && px.g < 80) ++coloured;  // CH1 red
    }
    EXPECT_GT(coloured, 60) << "the band numbers cover a few";
}

}  // namespace
