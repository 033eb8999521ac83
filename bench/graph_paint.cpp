// One full repaint of the EQ graph with all twelve channels' curves shown, at the smallest and the largest
// DPI band.
#include <benchmark/benchmark.h>

#include <vector>

#include "controls/spectrumeditor.h"
#include "platform/gfx/canvas.h"

namespace {

void PrepareAllChannels(SpectrumEditor& ed, int width, int height) {
    constexpr int kAll = SpectrumEditor::kAllBands;
    std::vector<int> codes(kAll), freqs(kAll);
    std::vector<double> qs(kAll);
    for (int i = 0; i < kAll; ++i) {
        int c = i / 31, b = i % 31;
        freqs[i] = ed.GetBandFreqs()[b];
        codes[i] = (b * 37 + c * 11) % 301;  // every band off the zero line
        qs[i] = 0.3 + ((b + c) % 20) * 0.45;
    }
    ed.SetBandQs(qs.data(), 31);
    ed.SetBandFreqs(freqs.data(), 31);
    ed.SetBandGains(codes.data(), 31);
    ed.SetAllChannelQs(qs.data(), kAll);
    ed.SetAllChannelFreqs(freqs.data(), kAll);
    ed.SetAllChannelGains(codes.data(), kAll);
    ed.SetGraphRect(0, 0, width, height);
    int hp[12], lp[12], hs[12], ls[12], ht[12], lt[12];
    for (int c = 0; c < 12; ++c) {
        hp[c] = 40 + 10 * c;
        lp[c] = 15000 - 500 * c;
        hs[c] = c % 8;
        ls[c] = (c + 3) % 8;
        ht[c] = c % 2;
        lt[c] = (c + 1) % 2;
    }
    ed.SetFilters(60, 12000, 3, 3, 0, 0, false);
    ed.SetAllChannelFilters(hp, lp, hs, ls, ht, lt);
    ed.SetCurrentChannel(0, false);
    ed.SetChannelMask(0xFFF);
    ed.SetFreeDrag(true);
    ed.SelectBand(12);
}

void BM_GraphRepaint(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const int width = 1100 * dpi / 96, height = 300 * dpi / 96;
    SpectrumEditor ed(dpi);
    PrepareAllChannels(ed, width, height);
    gfx::Bitmap buffer(width, height);
    for (auto _ : state) {
        gfx::Canvas dc(buffer);
        ed.PaintTo(dc, {0, 0, width, height});
        benchmark::DoNotOptimize(buffer.Surface());
    }
}
BENCHMARK(BM_GraphRepaint)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace
