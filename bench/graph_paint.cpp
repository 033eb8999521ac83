// The EQ graph with all twelve channels' curves shown, every band off the zero line, at the smallest and
// the largest DPI band. Each figure is printed beside the 16.7 ms of a 60 Hz frame (counter frame_ms).
//   GraphRepaint: a repaint with nothing changed (an expose).
//   FullRepaint:  a repaint after every channel changed: a load of new values, or a channel switch.
//   DragFrame:    one mouse move of a band drag through the window, from the injected move to the finished
//                 back buffer, with the sync tick that takes the value into the model.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/graphsync.h"
#include "controls/spectrum.h"
#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"
#include "platform/backend/headless.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/application.h"

namespace {

constexpr double kFrameMs = 1000.0 / 60;

struct Values {
    std::vector<int> codes, freqs;
    std::vector<double> qs;
};

// Every channel's bands off the zero line; a variant moves every gain.
Values AllChannelValues(const SpectrumEditor& ed, int variant) {
    constexpr int kAll = SpectrumEditor::kAllBands;
    Values v{std::vector<int>(kAll), std::vector<int>(kAll), std::vector<double>(kAll)};
    for (int i = 0; i < kAll; ++i) {
        int c = i / 31, b = i % 31;
        v.freqs[i] = ed.GetBandFreqs()[b];
        v.codes[i] = (b * 37 + c * 11 + variant * 7) % 301;
        v.qs[i] = 0.3 + ((b + c) % 20) * 0.45;
    }
    return v;
}

void SetAllChannelValues(SpectrumEditor& ed, int variant) {
    const Values v = AllChannelValues(ed, variant);
    ed.SetAllChannelQs(v.qs.data(), SpectrumEditor::kAllBands);
    ed.SetAllChannelFreqs(v.freqs.data(), SpectrumEditor::kAllBands);
    ed.SetAllChannelGains(v.codes.data(), SpectrumEditor::kAllBands);
}

void PrepareAllChannels(SpectrumEditor& ed, int width, int height) {
    const Values v = AllChannelValues(ed, 0);
    ed.SetBandQs(v.qs.data(), 31);
    ed.SetBandFreqs(v.freqs.data(), 31);
    ed.SetBandGains(v.codes.data(), 31);
    SetAllChannelValues(ed, 0);
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

int Width(int dpi) {
    return 1100 * dpi / 96;
}
int Height(int dpi) {
    return 300 * dpi / 96;
}

void BM_GraphRepaint(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const int width = Width(dpi), height = Height(dpi);
    SpectrumEditor ed(dpi);
    PrepareAllChannels(ed, width, height);
    gfx::Bitmap buffer(width, height);
    for (auto _ : state) {
        gfx::Canvas dc(buffer);
        ed.PaintTo(dc, {0, 0, width, height});
        benchmark::DoNotOptimize(buffer.Surface());
    }
    state.counters["frame_ms"] = kFrameMs;
}
BENCHMARK(BM_GraphRepaint)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

// range(1): 0 a load (every channel's values new), 1 a channel switch.
void BM_FullRepaint(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const bool channelSwitch = state.range(1) == 1;
    const int width = Width(dpi), height = Height(dpi);
    SpectrumEditor ed(dpi);
    PrepareAllChannels(ed, width, height);
    gfx::Bitmap buffer(width, height);
    int n = 0;
    for (auto _ : state) {
        ++n;
        if (channelSwitch)
            ed.SetCurrentChannel(n % 2, false);
        else
            SetAllChannelValues(ed, n % 2);
        gfx::Canvas dc(buffer);
        ed.PaintTo(dc, {0, 0, width, height});
        benchmark::DoNotOptimize(buffer.Surface());
    }
    state.SetLabel(channelSwitch ? "channel switch" : "load");
    state.counters["frame_ms"] = kFrameMs;
}
BENCHMARK(BM_FullRepaint)->ArgsProduct({{96, 192}, {0, 1}})->Unit(benchmark::kMillisecond);

// The main window's side of the sync tick, which shows what it took.
class Host : public ui::Window, public controls::GraphSyncControls {
  public:
    explicit Host(ui::Application* app) : ui::Window(app), graph(app) {}
    CSpectrum graph;
    void SetEditText(int, const std::string&) override {}
    void SetGainSlider(int, int) override {}
    void RedrawControl(int) override {}
    void RedrawGraph() override { graph.Invalidate(false); }
};

void BM_DragFrame(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const int width = Width(dpi), height = Height(dpi);
    device::ResetEqModel();
    device::ResetChannelModel();
    controls::ResetGraphSyncShadow();
    auto backend = std::make_unique<ui::HeadlessBackend>();
    backend->SetDpi(dpi);
    ui::Application app(std::move(backend));
    ui::HeadlessBackend& hl = *app.Headless();
    Host host(&app);
    host.CreateTopLevel(gfx::RectFromSize(0, 0, width + 40, height + 40), "graph", ui::WS_VISIBLE);
    app.SetMainWindow(&host);
    host.graph.Create(&host, 1233, gfx::RectFromSize(20, 20, width, height));
    PrepareAllChannels(host.graph, width, height);
    hl.RunPending();

    const int band = 12;
    const controls::Point p = host.graph.Bezier().m_ptBand[band][3];
    auto at = [&](int x, int y) { return host.graph.ClientToScreen({x, y}); };
    hl.MouseMove(at(p.x, p.y));
    hl.MouseDown(at(p.x, p.y));
    hl.RunPending();
    const int presents = hl.Presents();
    int n = 0;
    for (auto _ : state) {
        ++n;
        hl.MouseMove(at(p.x + (n % 2 ? 9 : -9), p.y + (n % 2 ? -12 : 12)));
        hl.RunPending();
        // Its repaint request joins the next move's.
        controls::GraphSyncTick(host.graph, host);
    }
    if (hl.Presents() - presents < n) state.SkipWithError("a move did not reach the screen");
    hl.MouseUp(at(p.x, p.y));
    hl.RunPending();
    state.counters["frame_ms"] = kFrameMs;
    device::ResetEqModel();
    device::ResetChannelModel();
    controls::ResetGraphSyncShadow();
}
BENCHMARK(BM_DragFrame)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace
