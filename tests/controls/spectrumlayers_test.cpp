// The graph's cached base layer against a paint of everything from scratch: every state a user reaches
// (overlays, a selection, a drag, filters, hover read-outs, a channel switch, new values) must give the same
// pixels through both, at the ends of the DPI range, and a drag must leave the base layer alone.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/graphsync.h"
#include "controls/spectrum.h"
#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"
#include "device/deviceimage.h"
#include "platform/backend/headless.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/application.h"

namespace {

using controls::kGraphBands;
using controls::kGraphChannels;
constexpr int kAll = kGraphChannels * kGraphBands;

// The reference: background, grid, overlays and the current channel drawn straight onto the target.
template <typename Base>
class Reference : public Base {
  public:
    using Base::Base;
    gfx::Bitmap PaintFromScratch(int width, int height) {
        gfx::Bitmap bmp(width, height);
        gfx::Canvas dc(bmp);
        const gfx::Rect client{0, 0, width, height};
        this->PaintBase(dc, client);
        this->PaintCurrent(dc);
        return bmp;
    }
};
using ReferenceEditor = Reference<SpectrumEditor>;

struct Difference {
    int pixels = 0;   // pixels with any channel different
    int largest = 0;  // largest difference of one channel
};

// Rows whose bytes are equal are skipped whole: the pictures are large and mostly the same.
bool SameRow(const gfx::Bitmap& a, const gfx::Bitmap& b, int y) {
    cairo_surface_flush(a.Surface());
    cairo_surface_flush(b.Surface());
    const int stride = cairo_image_surface_get_stride(a.Surface());
    if (stride != cairo_image_surface_get_stride(b.Surface())) return false;
    const size_t offset = static_cast<size_t>(y) * static_cast<size_t>(stride);
    return std::memcmp(cairo_image_surface_get_data(a.Surface()) + offset,
                       cairo_image_surface_get_data(b.Surface()) + offset,
                       static_cast<size_t>(a.Width()) * 4) == 0;
}

Difference Compare(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    Difference d;
    for (int y = 0; y < a.Height(); ++y) {
        if (SameRow(a, b, y)) continue;
        for (int x = 0; x < a.Width(); ++x) {
            gfx::Color p = a.PixelAt(x, y), q = b.PixelAt(x, y);
            int m = std::max(
                {std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
            if (m > 0) ++d.pixels;
            d.largest = std::max(d.largest, m);
        }
    }
    return d;
}

// No channel of a pixel off by more than 2, and at most 0.1 % of the pixels off at all.
void ExpectSamePicture(const gfx::Bitmap& got, const gfx::Bitmap& want, const std::string& what) {
    ASSERT_EQ(got.Width(), want.Width()) << what;
    ASSERT_EQ(got.Height(), want.Height()) << what;
    Difference d = Compare(got, want);
    EXPECT_LE(d.largest, 2) << what;
    EXPECT_LE(d.pixels, got.Width() * got.Height() / 1000) << what;
}

// Every channel's bands off the zero line, each with its own crossover; a variant moves every gain.
struct TwelveChannels {
    std::vector<int> codes, freqs;
    std::vector<double> qs;
    int hp[12], lp[12], hs[12], ls[12], ht[12], lt[12];
};

TwelveChannels ChannelValues(const SpectrumEditor& ed, int variant) {
    TwelveChannels v{
        std::vector<int>(kAll), std::vector<int>(kAll), std::vector<double>(kAll), {}, {}, {}, {}, {}, {}};
    for (int i = 0; i < kAll; ++i) {
        int c = i / kGraphBands, b = i % kGraphBands;
        v.freqs[i] = ed.GetBandFreqs()[b];
        v.codes[i] = (b * 37 + c * 11 + variant * 7) % 301;
        v.qs[i] = 0.3 + ((b + c) % 20) * 0.45;
    }
    for (int c = 0; c < 12; ++c) {
        v.hp[c] = 40 + 10 * c;
        v.lp[c] = 15000 - 500 * c;
        v.hs[c] = c % 9;  // 8 is off
        v.ls[c] = (c + 3) % 9;
        v.ht[c] = c % 2;
        v.lt[c] = (c + 1) % 2;
    }
    return v;
}

void SetAllChannels(SpectrumEditor& ed, const TwelveChannels& v) {
    ed.SetAllChannelQs(v.qs.data(), kAll);
    ed.SetAllChannelFreqs(v.freqs.data(), kAll);
    ed.SetAllChannelGains(v.codes.data(), kAll);
    ed.SetAllChannelFilters(v.hp, v.lp, v.hs, v.ls, v.ht, v.lt);
}

// The main window's switch: the channel becomes current with its own values pushed in.
void ShowChannel(SpectrumEditor& ed, const TwelveChannels& v, int c) {
    const int at = c * kGraphBands;
    ed.SetCurrentChannel(c, false);
    ed.SetBandQs(&v.qs[at], kGraphBands);
    ed.SetBandFreqs(&v.freqs[at], kGraphBands);
    ed.SetBandGains(&v.codes[at], kGraphBands);
    ed.SetFilters(v.hp[c], v.lp[c], v.hs[c], v.ls[c], v.ht[c], v.lt[c], false);
}

// The window's set-up of model 9; the current channel's own values differ from its overlay copy.
void SetUpTwelveChannels(SpectrumEditor& ed, int width, int height) {
    const TwelveChannels v = ChannelValues(ed, 0);
    ed.SetBandQs(v.qs.data(), kGraphBands);
    ed.SetBandFreqs(v.freqs.data(), kGraphBands);
    ed.SetBandGains(v.codes.data(), kGraphBands);
    SetAllChannels(ed, v);
    ed.SetGraphRect(0, 0, width, height);
    ed.SetFilters(60, 12000, 3, 3, 0, 0, false);
    ed.SetCurrentChannel(0, false);
    ed.SetChannelMask(0xFFF);
    ed.SetFreeDrag(true);
}

struct Step {
    const char* name;
    std::function<void(SpectrumEditor&)> act;
    bool baseRedrawn;  // whether the step changes what the base layer shows
};

controls::Point Peak(const SpectrumEditor& ed, int band) {
    return ed.Bezier().m_ptBand[band][3];
}

// What a user does in turn; each state is painted through the cache and from scratch.
std::vector<Step> Steps() {
    return {
        {"band selected", [](SpectrumEditor& ed) { ed.SelectBand(12); }, false},
        {"hover read-out",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 24);
             ed.MoveAt(p.x, p.y);
         },
         false},
        {"band pressed",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             ed.MoveAt(p.x, p.y);
             ed.PressAt(p.x, p.y);
         },
         false},
        {"band dragged up and right",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             ed.MoveAt(p.x + 37, ed.Layout().top + 3);
         },
         false},
        {"band dragged below the graph",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             ed.MoveAt(p.x - 80, ed.Layout().bottom + 40);
         },
         false},
        {"band released",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             ed.ReleaseAt(p.x, p.y);
         },
         false},
        {"Q handle dragged",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             const int handle = p.x + 20 + ed.QOffset() + 5;
             ed.MoveAt(handle, p.y);
             ed.PressAt(handle, p.y);
             ed.MoveAt(handle + 30, p.y);
         },
         false},
        {"Q handle released",
         [](SpectrumEditor& ed) {
             auto p = Peak(ed, 12);
             ed.ReleaseAt(p.x, p.y);
         },
         false},
        {"high-pass marker hovered",
         [](SpectrumEditor& ed) {
             const auto& g = ed.Layout();
             ed.MoveAt(g.MarkerX(ed.GetHighPassFreq()) + 3, g.bottom - 2 * g.rowHeight + 3);
         },
         false},
        {"high-pass marker dragged",
         [](SpectrumEditor& ed) {
             const auto& g = ed.Layout();
             const int y = g.bottom - 2 * g.rowHeight + 3;
             ed.PressAt(g.MarkerX(ed.GetHighPassFreq()) + 3, y);
             ed.MoveAt(g.FreqToX(300), y);
             ed.ReleaseAt(g.FreqToX(300), y);
         },
         false},
        {"channel switched",
         [](SpectrumEditor& ed) {
             ed.SetCurrentChannel(5, false);
             ed.SelectBand(3);
         },
         true},
        {"an overlay's gains changed",
         [](SpectrumEditor& ed) {
             std::vector<int> codes(kAll, 150);
             codes[7 * kGraphBands + 9] = 20;
             ed.SetAllChannelGains(codes.data(), kAll);
         },
         true},
        {"the current channel's own copy changed",
         [](SpectrumEditor& ed) {
             std::vector<int> codes(kAll, 150);
             codes[7 * kGraphBands + 9] = 20;
             codes[5 * kGraphBands + 2] = 280;
             ed.SetAllChannelGains(codes.data(), kAll);
         },
         false},
        {"every filter off",
         [](SpectrumEditor& ed) {
             int hp[12], lp[12], off[12], type[12];
             std::fill_n(hp, 12, 20), std::fill_n(lp, 12, 20000), std::fill_n(off, 12, 8),
                 std::fill_n(type, 12, 0);
             ed.SetAllChannelFilters(hp, lp, off, off, type, type);
             ed.SetFilters(20, 20000, 8, 8, 0, 0, false);
         },
         true},
        {"a model with four channels", [](SpectrumEditor& ed) { ed.SetChannelMask(0xF); }, true},
        {"an overlay hidden", [](SpectrumEditor& ed) { ed.ToggleChannel(2); }, true},
        {"graphic mode", [](SpectrumEditor& ed) { ed.SetFreeDrag(false); }, false},
        {"the only channel shown", [](SpectrumEditor& ed) { ed.SetChannelMask(1 << 5); }, true},
    };
}

TEST(SpectrumLayers, CachedPaintMatchesAPaintFromScratch) {
    struct Case {
        int dpi, width, height;
    } cases[] = {{96, 1100, 300}, {192, 2200, 600}};
    for (const auto& c : cases) {
        ReferenceEditor ed(c.dpi);
        SetUpTwelveChannels(ed, c.width, c.height);
        gfx::Bitmap live(c.width, c.height);
        {
            gfx::Canvas dc(live);
            ed.PaintTo(dc, {0, 0, c.width, c.height});
        }
        ExpectSamePicture(live, ed.PaintFromScratch(c.width, c.height),
                          "twelve channels at " + std::to_string(c.dpi) + " DPI");
        for (const Step& step : Steps()) {
            const std::string what = std::string(step.name) + " at " + std::to_string(c.dpi) + " DPI";
            step.act(ed);
            const int drawsBefore = ed.BaseLayer().Draws();
            {
                // The same back buffer as the frame before, as in the window.
                gfx::Canvas dc(live);
                ed.PaintTo(dc, {0, 0, c.width, c.height});
            }
            EXPECT_EQ(ed.BaseLayer().Draws() > drawsBefore, step.baseRedrawn) << what;
            ExpectSamePicture(live, ed.PaintFromScratch(c.width, c.height), what);
        }
    }
}

TEST(SpectrumLayers, ANewSizeOrLayoutRedrawsTheBase) {
    ReferenceEditor ed(96);
    SetUpTwelveChannels(ed, 1100, 300);
    struct Case {
        const char* name;
        int width, height;
    } cases[] = {{"first", 1100, 300}, {"narrower client", 900, 300}, {"taller graph", 1100, 360}};
    for (const auto& c : cases) {
        ed.SetGraphRect(0, 0, c.width, c.height);
        gfx::Bitmap live(c.width, c.height);
        gfx::Canvas dc(live);
        const int before = ed.BaseLayer().Draws();
        ed.PaintTo(dc, {0, 0, c.width, c.height});
        EXPECT_EQ(ed.BaseLayer().Draws(), before + 1) << c.name;
        ExpectSamePicture(live, ed.PaintFromScratch(c.width, c.height), c.name);
    }
}

// Each overlay's stroke is kept by its points: a switch, a shown or hidden overlay or a repaint strokes only
// curves that changed, a load or a new DPI strokes them all, and every picture still matches.
TEST(SpectrumLayers, KeptStrokesFollowWhatChanged) {
    ReferenceEditor ed(96);
    int width = 1100, height = 300;
    SetUpTwelveChannels(ed, width, height);
    const TwelveChannels first = ChannelValues(ed, 0), loaded = ChannelValues(ed, 1);
    struct Case {
        const char* name;
        std::function<void()> act;
        int strokes;
    } cases[] = {
        {"first paint", [] {}, 11},
        {"an expose", [] {}, 0},
        {"channel 6 shown", [&] { ShowChannel(ed, first, 5); }, 1},  // channel 1 joins the overlays
        {"channel 1 shown again", [&] { ShowChannel(ed, first, 0); }, 0},
        {"an overlay hidden", [&] { ed.ToggleChannel(3); }, 0},
        {"the overlay shown again", [&] { ed.ToggleChannel(3); }, 0},
        {"a band selected", [&] { ed.SelectBand(4); }, 0},
        {"one overlay's gain changed",
         [&] {
             std::vector<int> codes = first.codes;
             codes[7 * kGraphBands + 9] = 20;
             ed.SetAllChannelGains(codes.data(), kAll);
         },
         1},
        {"a load",
         [&] {
             SetAllChannels(ed, loaded);
             ShowChannel(ed, loaded, 0);
         },
         11},
        {"channel 12 shown after the load", [&] { ShowChannel(ed, loaded, 11); }, 1},
        {"channels 3 and 4 linked",
         [&] {
             TwelveChannels linked = loaded;
             for (int b = 0; b < kGraphBands; ++b) {
                 linked.codes[3 * kGraphBands + b] = linked.codes[2 * kGraphBands + b] = 40 + b;
                 linked.qs[3 * kGraphBands + b] = linked.qs[2 * kGraphBands + b];
             }
             linked.hp[3] = linked.hp[2], linked.lp[3] = linked.lp[2], linked.hs[3] = linked.hs[2];
             linked.ls[3] = linked.ls[2], linked.ht[3] = linked.ht[2], linked.lt[3] = linked.lt[2];
             SetAllChannels(ed, linked);
         },
         1},
        {"a new DPI",
         [&] {
             ed.SetDpi(192);
             width = 2200, height = 600;
             ed.SetGraphRect(0, 0, width, height);
         },
         10},  // the linked pair shares one
        {"channel 3 shown at the new DPI", [&] { ShowChannel(ed, loaded, 2); }, 1},
    };
    gfx::Bitmap live;
    for (const auto& c : cases) {
        c.act();
        if (live.Width() != width) live = gfx::Bitmap(width, height);
        const int before = ed.CurveStrokes();
        {
            gfx::Canvas dc(live);
            ed.PaintTo(dc, {0, 0, width, height});
        }
        EXPECT_EQ(ed.CurveStrokes() - before, c.strokes) << c.name;
        ExpectSamePicture(live, ed.PaintFromScratch(width, height), c.name);
    }
}

class CountingEditor : public SpectrumEditor {
  public:
    using SpectrumEditor::SpectrumEditor;
    int redraws = 0;

  protected:
    void RequestRedraw() override { ++redraws; }
};

// A move asks for a repaint only when the hover read-out or a dragged value changes what is shown.
TEST(SpectrumLayers, MovesThatChangeNothingAskForNoRepaint) {
    CountingEditor ed(96);
    SetUpTwelveChannels(ed, 1100, 300);
    const auto& g = ed.Layout();
    const auto p = Peak(ed, 17);
    const int hy = g.bottom - 2 * g.rowHeight + 3, hx = g.MarkerX(ed.GetHighPassFreq()) + 3;
    struct Move {
        const char* name;
        int x, y;
        bool redraw;
    } moves[] = {
        {"onto band 18", p.x, p.y, true},
        {"within band 18", p.x + 2, p.y - 3, false},
        {"within band 18 again", p.x - 4, p.y + 1, false},
        {"off every band", p.x + 40, g.top + 2, false},
        {"onto the high-pass marker", hx, hy, true},
        {"within the marker", hx + 2, hy + 4, false},
        {"back onto band 18", p.x, p.y, true},
    };
    for (const auto& m : moves) {
        const int before = ed.redraws;
        ed.MoveAt(m.x, m.y);
        EXPECT_EQ(ed.redraws > before, m.redraw) << m.name;
    }
    // A drag repaints on every move, since the peak follows the pointer.
    ed.PressAt(p.x, p.y);
    for (int i = 1; i <= 3; ++i) {
        const int before = ed.redraws;
        ed.MoveAt(p.x, p.y - i);
        EXPECT_GT(ed.redraws, before) << "drag move " << i;
    }
    ed.ReleaseAt(p.x, p.y - 3);
}

// The graph as the main window holds it, at 192 DPI on the headless backend: a band drag, the sync tick
// that takes it into the model, and the picture in the window's back buffer.
using ReferenceSpectrum = Reference<CSpectrum>;

class Host : public ui::Window, public controls::GraphSyncControls {
  public:
    explicit Host(ui::Application* app) : ui::Window(app), graph(app) {}
    ReferenceSpectrum graph;
    void SetEditText(int, const std::string&) override {}
    void SetGainSlider(int, int) override {}
    void RedrawControl(int) override {}
    void RedrawGraph() override { graph.Invalidate(false); }
};

std::unique_ptr<ui::HeadlessBackend> BackendAt(int dpi) {
    auto backend = std::make_unique<ui::HeadlessBackend>();
    backend->SetDpi(dpi);
    return backend;
}

TEST(SpectrumLayers, DragAt192DpiKeepsModelImageAndPicture) {
    device::ResetEqModel();
    device::ResetChannelModel();
    controls::ResetGraphSyncShadow();
    ui::Application app(BackendAt(192));
    ui::HeadlessBackend& hl = *app.Headless();
    Host host(&app);
    const int w = 2200, h = 600;
    host.CreateTopLevel(gfx::RectFromSize(0, 0, w + 80, h + 80), "graph", ui::WS_VISIBLE);
    app.SetMainWindow(&host);
    host.graph.Create(&host, 1233, gfx::RectFromSize(40, 40, w, h));
    host.graph.SetGraphRect(0, 0, w, h);
    host.graph.SetChannelMask(0xFFF);
    host.graph.SetFreeDrag(true);
    hl.RunPending();

    const int band = 17;
    const auto p = Peak(host.graph, band);
    const auto& g = host.graph.Layout();
    const int x = g.FreqToX(2500) + 3, y = g.zeroY - 70;
    auto at = [&](int cx, int cy) { return host.graph.ClientToScreen({cx, cy}); };
    hl.MouseMove(at(p.x, p.y));
    hl.RunPending();
    hl.MouseDown(at(p.x, p.y));
    hl.RunPending();
    const int drawsBefore = host.graph.BaseLayer().Draws();
    for (int i = 1; i <= 8; ++i) {
        hl.MouseMove(at(p.x + (x - p.x) * i / 8, p.y + (y - p.y) * i / 8));
        hl.RunPending();
        host.graph.Render();
    }
    EXPECT_EQ(host.graph.BaseLayer().Draws(), drawsBefore) << "the drag repaints only the current channel";
    ExpectSamePicture(host.graph.Render(), host.graph.PaintFromScratch(w, h), "mid-drag");
    hl.MouseUp(at(x, y));
    hl.RunPending();

    // The sync tick takes the dragged values into the model, which packs as if they had been typed in.
    controls::GraphSyncTick(host.graph, host);
    const int freq = g.XToFreq(x);
    const int code = controls::GraphGainToCode(70 * (5.0 / g.rowHeight));
    EXPECT_EQ(g_EqFreq[0][band], freq);
    EXPECT_EQ(g_EqGain[0][band], code);
    std::vector<std::uint8_t> dragged(EQ_USER_PARA_NUM), typed(EQ_USER_PARA_NUM);
    device::PackDeviceImage({}, device::DeviceImageBytes(dragged.data(), EQ_USER_PARA_NUM));
    device::ResetEqModel();
    g_EqFreq[0][band] = freq;
    g_EqGain[0][band] = code;
    device::PackDeviceImage({}, device::DeviceImageBytes(typed.data(), EQ_USER_PARA_NUM));
    EXPECT_EQ(dragged, typed);

    // The tick changed the current channel's own copy only; the final picture still matches.
    ExpectSamePicture(host.graph.Render(), host.graph.PaintFromScratch(w, h), "after the tick");
    device::ResetEqModel();
    device::ResetChannelModel();
    controls::ResetGraphSyncShadow();
}

}  // namespace
