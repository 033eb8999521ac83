// The EQ graph with all twelve channels' curves shown, every band off the zero line, at the smallest and
// the largest DPI band. Each figure is printed beside the 16.7 ms of a 60 Hz frame (counter frame_ms).
//   GraphRepaint: a repaint with nothing changed (an expose).
//   FullRepaint:  a repaint after every channel changed: a load of new values, or a channel switch.
//   DragFrame:    one mouse move of a band drag through the window, from the injected move to the finished
//                 back buffer, with the sync tick that takes the value into the model.
//   MainWindowRepaint: the whole main window repainted while the graph is in a band drag.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/graphsync.h"
#include "controls/spectrum.h"
#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"
#include "dialogs/dialoglogo.h"
#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/application.h"
#include "platform/ui/messages.h"

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

// Each channel's crossover: frequencies, slope indexes and types of the high-pass and the low-pass.
struct Filters {
    int hp[12], lp[12], hs[12], ls[12], ht[12], lt[12];
};

Filters AllChannelFilters() {
    Filters f;
    for (int c = 0; c < 12; ++c) {
        f.hp[c] = 40 + 10 * c;
        f.lp[c] = 15000 - 500 * c;
        f.hs[c] = c % 8;
        f.ls[c] = (c + 3) % 8;
        f.ht[c] = c % 2;
        f.lt[c] = (c + 1) % 2;
    }
    return f;
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
    const Filters f = AllChannelFilters();
    ed.SetFilters(f.hp[0], f.lp[0], f.hs[0], f.ls[0], f.ht[0], f.lt[0], false);
    ed.SetAllChannelFilters(f.hp, f.lp, f.hs, f.ls, f.ht, f.lt);
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

// The model and the sync's shadows hold what the graph shows, so the ticks of a drag take only the dragged
// band and every overlay keeps its curve.
void ModelFromGraph(const SpectrumEditor& graph) {
    const Values v = AllChannelValues(graph, 0);
    const Filters f = AllChannelFilters();
    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            const int i = c * kBands + b;
            g_EqFreq[c][b] = g_EqFreqShadow[c][b] = v.freqs[i];
            g_EqGain[c][b] = g_EqGainShadow[c][b] = v.codes[i];
            g_EqQ[c][b] = g_EqQShadow[c][b] = v.qs[i];
        }
        g_HighPassFreq[c] = g_HighPassFreqShadow[c] = f.hp[c];
        g_LowPassFreq[c] = g_LowPassFreqShadow[c] = f.lp[c];
        g_HighPassSlope[c] = f.hs[c];
        g_LowPassSlope[c] = f.ls[c];
        g_HighPassType[c] = f.ht[c];
        g_LowPassType[c] = f.lt[c];
    }
}

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
    ModelFromGraph(host.graph);
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

void BM_MainWindowRepaint(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    ui::HeadlessBackend& hl = *app.Headless();
    hl.SetDpi(dpi);
    CQuenbarDlg dlg(&app);
    dlg.SetLinkConfig({nullptr, "127.0.0.1", 9});  // nothing answers there
    app.SetMainWindow(&dlg);
    app.SetModalObserver([&](ui::Window& w) {
        if (dynamic_cast<CDialogLogo*>(&w)) {
            w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
            return;
        }
        CSpectrum& graph = dlg.Spectrum();
        const gfx::Rect r = graph.GetClientRect();
        PrepareAllChannels(graph, r.Width(), r.Height());
        const controls::Point p = graph.Bezier().m_ptBand[12][3];
        graph.MoveAt(p.x, p.y);
        graph.PressAt(p.x, p.y);
        graph.MoveAt(p.x + 9, p.y - 12);
        app.RunUntilIdle();
        const int presents = hl.Presents();
        int n = 0;
        for (auto _ : state) {
            ++n;
            dlg.Invalidate(true);
            app.RunUntilIdle();
        }
        if (hl.Presents() - presents < n) state.SkipWithError("a repaint did not reach the screen");
        graph.ReleaseAt(p.x + 9, p.y - 12);
        dlg.PostMessage(ui::WM_CLOSE);
    });
    dlg.DoModal();
    app.SetMainWindow(nullptr);
    state.counters["frame_ms"] = kFrameMs;
}
BENCHMARK(BM_MainWindowRepaint)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace
