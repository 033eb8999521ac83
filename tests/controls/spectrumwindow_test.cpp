// The graph as a window on the headless backend: injected mouse input, the drag hook, and the sync tick
// driven by a timer of a small host window (the main dialog's TIMER_GRAPH_SYNC case calls the same).
#include <gtest/gtest.h>

#include <memory>

#include "controls/draghook.h"
#include "controls/graphsync.h"
#include "controls/spectrum.h"
#include "device/channelmodel.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"

namespace {

constexpr ui::UINT_PTR kTimerGraphSync = 7;

// Hosts the graph and runs the sync tick every 120 ms, as the main window will.
class HostWindow : public ui::Window, public controls::GraphSyncControls {
  public:
    explicit HostWindow(ui::Application* app) : ui::Window(app), graph(app) {}
    CSpectrum graph;
    std::map<int, std::string> texts;

    void SetEditText(int id, const std::string& text) override { texts[id] = text; }
    void SetGainSlider(int, int) override {}
    void RedrawControl(int) override {}
    void RedrawGraph() override { graph.Invalidate(false); }

  protected:
    void OnTimer(ui::UINT_PTR id) override {
        if (id == kTimerGraphSync) controls::GraphSyncTick(graph, *this);
    }
};

class GraphWindow : public ::testing::Test {
  protected:
    GraphWindow() : app(std::make_unique<ui::HeadlessBackend>()), hl(*app.Headless()), host(&app) {
        device::ResetEqModel();
        device::ResetChannelModel();
        controls::ResetGraphSyncShadow();
        host.CreateTopLevel(gfx::RectFromSize(50, 50, 1200, 400), "graph", ui::WS_VISIBLE);
        app.SetMainWindow(&host);
        host.graph.Create(&host, 1233, gfx::RectFromSize(20, 30, 1100, 300));
        host.graph.SetGraphRect(0, 0, 1100, 300);
        host.graph.SetFreeDrag(true);
        host.SetTimer(kTimerGraphSync, 120);
        hl.RunPending();
    }
    ~GraphWindow() override {
        device::ResetEqModel();
        device::ResetChannelModel();
        controls::ResetGraphSyncShadow();
    }

    gfx::Point Screen(int x, int y) const { return host.graph.ClientToScreen({x, y}); }
    void Move(int x, int y) {
        hl.MouseMove(Screen(x, y));
        hl.RunPending();
    }
    void Down(int x, int y) {
        hl.MouseDown(Screen(x, y));
        hl.RunPending();
    }
    void Up(int x, int y) {
        hl.MouseUp(Screen(x, y));
        hl.RunPending();
    }
    controls::Point Peak(int band) const { return host.graph.Bezier().m_ptBand[band][3]; }
    const controls::GraphLayout& L() const { return host.graph.Layout(); }

    ui::Application app;
    ui::HeadlessBackend& hl;
    HostWindow host;
};

TEST_F(GraphWindow, BandDragLandsWhereItsValuesSay) {
    const int band = 17;
    auto p = Peak(band);
    Move(p.x, p.y);
    EXPECT_EQ(host.graph.HoverBand(), band);
    Down(p.x, p.y);
    EXPECT_NE(g_hDragHook, 0);
    const int x = L().FreqToX(3000) + 2, y = L().zeroY - 50;
    Move(x, y);
    Up(x, y);
    EXPECT_EQ(g_hDragHook, 0);
    const int freq = L().XToFreq(x);
    EXPECT_EQ(host.graph.GetBandFreqs()[band], freq);
    EXPECT_DOUBLE_EQ(host.graph.GetBandGains()[band], 50 * (5.0 / L().rowHeight));
    // After the repaint the peak sits on the column of the stored (truncated) frequency: one pixel left of
    // the pointer at most up here, and on the row of the stored gain.
    host.graph.Render();
    EXPECT_EQ(Peak(band).x, L().FreqToX(freq));
    EXPECT_GE(Peak(band).x, x - 1);
    EXPECT_LE(Peak(band).x, x);
    EXPECT_EQ(Peak(band).y, y);

    // The next sync tick takes the drag into the model.
    hl.AdvanceClock(120);
    EXPECT_EQ(g_EqFreq[0][band], freq);
    EXPECT_EQ(g_EqGain[0][band], controls::GraphGainToCode(host.graph.GetBandGains()[band]));
    EXPECT_EQ(host.texts[controls::BandFreqEditId(band)], std::to_string(freq));
}

TEST_F(GraphWindow, QHandleDragChangesQ) {
    const int band = 12;
    host.graph.SelectBand(band);
    host.graph.Render();  // the paint places the handles for Q 4.32: offset 99 - 43
    ASSERT_EQ(host.graph.QOffset(), 56);
    auto p = Peak(band);
    const int handle = p.x + 20 + 56 + 5;
    Move(handle, p.y);
    Down(handle, p.y);
    EXPECT_EQ(host.graph.QHandleDrag(), 1);
    Move(p.x + 20 + 30, p.y);
    EXPECT_DOUBLE_EQ(host.graph.GetBandQs()[band], 7.0);
    Up(p.x + 20 + 30, p.y);
    EXPECT_EQ(host.graph.QHandleDrag(), 0);
    host.graph.Render();
    EXPECT_EQ(host.graph.QOffset(), 29) << "99 - trunc(70)";
    hl.AdvanceClock(120);
    EXPECT_DOUBLE_EQ(g_EqQ[0][band], 7.0);
    EXPECT_EQ(host.texts[controls::BandQEditId(band)], "7.00");
}

TEST_F(GraphWindow, FilterCornerDragMovesTheCrossover) {
    g_HighPassFreq[0] = 200;
    g_HighPassSlope[0] = 3;
    hl.AdvanceClock(120);  // the model's change reaches the graph on the next tick
    ASSERT_EQ(host.graph.GetHighPassFreq(), 200u);
    EXPECT_EQ(host.graph.SelectedFilter(), 0);
    int hx = L().MarkerX(200), hy = L().bottom - 2 * L().rowHeight;
    Move(hx + 3, hy + 3);
    EXPECT_EQ(host.graph.HoverMarker(), 0);
    Down(hx + 3, hy + 3);
    const int x = L().FreqToX(500);
    Move(x, hy);
    Up(x, hy);
    EXPECT_EQ(host.graph.GetHighPassFreq(), static_cast<unsigned>(L().XToFreq(x)));
    hl.AdvanceClock(120);
    EXPECT_EQ(g_HighPassFreq[0], L().XToFreq(x));
    EXPECT_EQ(host.texts[controls::kIdHighPassEdit], std::to_string(L().XToFreq(x)));
}

TEST_F(GraphWindow, DragLeavingTheControlEndsCleanly) {
    const int band = 25;
    auto p = Peak(band);
    Move(p.x, p.y);
    Down(p.x, p.y);
    ASSERT_EQ(host.graph.DragBand(), band);
    Move(p.x, L().zeroY - 20);
    const double gain = host.graph.GetBandGains()[band];
    ASSERT_GT(gain, 0.0);
    // Below the host window, in a column of the graph: only the hook sees this move. The frequency follows,
    // the gain keeps the value of the last point inside the graph.
    const int x = L().FreqToX(5000);
    hl.MouseMove({Screen(x, 0).x, 900});
    hl.RunPending();
    EXPECT_EQ(host.graph.GetBandFreqs()[band], L().XToFreq(x));
    EXPECT_DOUBLE_EQ(host.graph.GetBandGains()[band], gain);
    // Far off to the right: the frequency keeps its last value.
    hl.MouseMove({1590, 5});
    hl.RunPending();
    EXPECT_EQ(host.graph.GetBandFreqs()[band], L().XToFreq(x));
    EXPECT_EQ(host.graph.DragBand(), band);
    // Released outside every window: the posted release ends the drag and removes the hook.
    hl.MouseUp({1590, 5});
    hl.RunPending();
    EXPECT_EQ(host.graph.DragBand(), -1);
    EXPECT_EQ(g_hDragHook, 0);
    EXPECT_FALSE(host.graph.Hooked());
    // Later moves outside reach the graph no more.
    hl.MouseMove({Screen(L().FreqToX(100), 0).x, 900});
    hl.RunPending();
    EXPECT_EQ(host.graph.GetBandFreqs()[band], L().XToFreq(x));
}

TEST_F(GraphWindow, HookIsRemovedWhenTheGraphCloses) {
    auto p = Peak(3);
    Move(p.x, p.y);
    Down(p.x, p.y);
    ASSERT_NE(g_hDragHook, 0);
    EXPECT_EQ(g_hDragHookWnd, &host.graph);
    EXPECT_EQ(g_DragHookRect, (gfx::Rect{L().left, L().top, L().right, L().bottom}));
    EXPECT_FALSE(RemoveDragMouseHook(&host)) << "not the hook's window";
    host.graph.DestroyWindow();
    EXPECT_EQ(g_hDragHook, 0);
    EXPECT_EQ(g_hDragHookWnd, nullptr);
    hl.MouseMove({1500, 20});
    hl.RunPending();
}

TEST_F(GraphWindow, ModelChangeReachesTheGraphOnTheNextTick) {
    g_EqGain[0][4] = 60;  // +9 dB
    hl.AdvanceClock(100);
    EXPECT_DOUBLE_EQ(host.graph.GetBandGains()[4], 0.0);
    hl.AdvanceClock(20);
    EXPECT_DOUBLE_EQ(host.graph.GetBandGains()[4], 9.0);
    host.graph.Render();
    EXPECT_EQ(Peak(4).y, L().GainToY(9.0));
}

TEST_F(GraphWindow, DragReachesLinkedChannels) {
    g_LinkGroupMask[0] = 0x007;
    auto p = Peak(9);
    Move(p.x, p.y);
    Down(p.x, p.y);
    Move(p.x, L().zeroY + L().rowHeight);  // -5 dB
    Up(p.x, L().zeroY + L().rowHeight);
    hl.AdvanceClock(120);
    for (int c : {0, 1, 2}) {
        EXPECT_EQ(g_EqGain[c][9], 200) << c;
        EXPECT_EQ(g_EqGainShadow[c][9], 200) << c;
    }
    EXPECT_EQ(g_EqGain[3][9], kEqGainFlat);
}

}  // namespace

namespace {

TEST(GraphWindowDpi, DragLandsOnThePredictedColumnInEveryDpiBand) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        ui::Application app(std::make_unique<ui::HeadlessBackend>());
        ui::HeadlessBackend& hl = *app.Headless();
        hl.SetDpi(dpi);
        // A control wide enough for the whole axis, as the main window's is at every DPI.
        const int width = 3 * controls::PixelsPerDecade(dpi) + 80;
        ui::Window top(&app);
        top.CreateTopLevel(gfx::RectFromSize(0, 0, width, 500), "graph", ui::WS_VISIBLE);
        CSpectrum graph(&app);
        graph.Create(&top, 1233, gfx::RectFromSize(0, 0, width, 480));
        graph.SetGraphRect(0, 0, width, 480);
        graph.SetFreeDrag(true);
        hl.RunPending();
        ASSERT_EQ(graph.Dpi(), dpi);
        const auto& g = graph.Layout();
        ASSERT_EQ(g.ppd, controls::PixelsPerDecade(dpi));
        auto drag = [&](int band, int x, int y) {
            auto p = graph.Bezier().m_ptBand[band][3];
            hl.MouseMove(graph.ClientToScreen(p));
            hl.MouseDown(graph.ClientToScreen(p));
            hl.MouseMove(graph.ClientToScreen({x, y}));
            hl.MouseUp(graph.ClientToScreen({x, y}));
            hl.RunPending();
        };
        // The axis ends give exactly 20 Hz and 20 kHz.
        drag(30, g.left, g.zeroY);
        EXPECT_EQ(graph.GetBandFreqs()[30], 20) << dpi;
        drag(0, g.right, g.zeroY);
        EXPECT_EQ(graph.GetBandFreqs()[0], 20000) << dpi;
        // Anywhere else the band settles on the column of its truncated frequency.
        for (int x : {g.left + 1, g.left + g.ppd / 3, g.left + g.ppd + 7, g.right - 1}) {
            drag(15, x, g.zeroY - g.rowHeight);
            graph.Render();
            int f = g.XToFreq(x);
            EXPECT_EQ(graph.GetBandFreqs()[15], f) << dpi << " x=" << x;
            EXPECT_EQ(graph.Bezier().m_ptBand[15][3].x, g.FreqToX(f)) << dpi << " x=" << x;
            EXPECT_LE(graph.Bezier().m_ptBand[15][3].x, x) << dpi;
            EXPECT_DOUBLE_EQ(graph.GetBandGains()[15], 5.0) << dpi;
        }
    }
}

}  // namespace
