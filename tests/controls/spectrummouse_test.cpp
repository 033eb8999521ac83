#include <gtest/gtest.h>

#include "controls/spectrumeditor.h"

namespace {

using controls::GraphLayout;

class HookCountingEditor : public SpectrumEditor {
  public:
    using SpectrumEditor::SpectrumEditor;
    using SpectrumEditor::UpdateFilterCurves;
    int installs = 0, removes = 0;
    bool hookWorks = true;

  protected:
    bool InstallDragHook() override {
        ++installs;
        return hookWorks;
    }
    void RemoveDragHook() override { ++removes; }
};

struct Graph : ::testing::Test {
    HookCountingEditor ed{96};
    const GraphLayout& g() const { return ed.Layout(); }
    controls::Point Peak(int band) const { return ed.Bezier().m_ptBand[band][3]; }
    void SetUp() override { ed.SetGraphRect(0, 0, 1100, 300); }
    // Hover, press and drag a band's peak to (x, y).
    void DragBand(int band, int x, int y) {
        auto p = Peak(band);
        ed.MoveAt(p.x, p.y);
        ed.PressAt(p.x, p.y);
        ed.MoveAt(x, y);
    }
};

TEST_F(Graph, FreeDragMovesFrequencyAndGain) {
    ed.SetFreeDrag(true);
    const int band = 17;  // 1 kHz
    int x = g().FreqToX(2500) + 3, y = g().zeroY - 30;
    DragBand(band, x, y);
    EXPECT_EQ(ed.SelectedBand(), band);
    EXPECT_EQ(ed.installs, 1);
    EXPECT_EQ(ed.GetBandFreqs()[band], g().XToFreq(x));
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[band], 30 * (5.0 / g().rowHeight));
    // While dragging the peak sits under the pointer; the stored values then put it on the column of the
    // truncated frequency, at most one pixel to the left up here.
    EXPECT_EQ(Peak(band), (controls::Point{x, y}));
    ed.UpdateBandCurve(false, 31);
    int settled = g().FreqToX(g().XToFreq(x));
    EXPECT_EQ(Peak(band).x, settled);
    EXPECT_GE(settled, x - 1);
    EXPECT_EQ(Peak(band).y, g().GainToY(ed.GetBandGains()[band]));
    ed.ReleaseAt(x, y);
    EXPECT_EQ(ed.DragBand(), -1);
    EXPECT_EQ(ed.removes, 1);
    EXPECT_FALSE(ed.Hooked());
    EXPECT_EQ(ed.SelectedBand(), band) << "the selection outlives the drag";
}

TEST_F(Graph, GraphicModeDragChangesOnlyTheGain) {
    const int band = 10;
    int freq = ed.GetBandFreqs()[band];
    DragBand(band, Peak(band).x + 200, g().zeroY + 44);
    EXPECT_EQ(ed.GetBandFreqs()[band], freq);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[band], -5.0);
}

TEST_F(Graph, DragPastTheEdgesKeepsTheLastValues) {
    ed.SetFreeDrag(true);
    const int band = 20;
    DragBand(band, g().right, g().top);
    EXPECT_EQ(ed.GetBandFreqs()[band], 20000);
    double topGain = ed.GetBandGains()[band];
    EXPECT_DOUBLE_EQ(topGain, (g().zeroY - g().top) * (5.0 / g().rowHeight));
    EXPECT_GE(topGain, 15.0);
    // Leaving the control: the peak stops at the edges, values keep those of the last position inside.
    ed.MoveAt(g().right + 300, -40);
    EXPECT_EQ(Peak(band), (controls::Point{g().right, g().top}));
    EXPECT_EQ(ed.GetBandFreqs()[band], 20000);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[band], topGain);
    ed.MoveAt(-500, 2000);
    EXPECT_EQ(Peak(band), (controls::Point{g().left, g().bottom}));
    EXPECT_EQ(ed.GetBandFreqs()[band], 20000);
    ed.MoveAt(g().left, g().bottom);
    EXPECT_EQ(ed.GetBandFreqs()[band], 20);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[band], -15.0);
    ed.ReleaseAt(-500, 2000);
    EXPECT_EQ(ed.DragBand(), -1);
    EXPECT_FALSE(ed.Hooked());
}

TEST_F(Graph, OddRemainderLetsTheTopRowExceedFifteen) {
    ed.SetGraphRect(0, 0, 1100, 32 + 6 * 40 + 1);
    DragBand(3, 0, g().top);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[3], 15.0 + 5.0 / 40);
}

TEST_F(Graph, QHandlesSetQ) {
    ed.SetFreeDrag(true);
    const int band = 17;
    ed.SelectBand(band);
    auto p = Peak(band);
    // Right handle at offset 0 spans peak + 20 .. peak + 38.
    ed.PressAt(p.x + 25, p.y);
    EXPECT_EQ(ed.QHandleDrag(), 1);
    EXPECT_EQ(ed.installs, 1);
    ed.MoveAt(p.x + 20 + 150, p.y);
    EXPECT_NEAR(ed.GetBandQs()[band], 0.1, 1e-12);
    EXPECT_EQ(ed.QOffset(), 99);
    ed.MoveAt(p.x + 20 + 40, p.y);
    EXPECT_DOUBLE_EQ(ed.GetBandQs()[band], 6.0);
    EXPECT_EQ(ed.Bezier().m_ptBand[band][6].x, p.x + static_cast<int>(398 / 6.0));
    ed.MoveAt(p.x - 5, p.y);
    EXPECT_DOUBLE_EQ(ed.GetBandQs()[band], 10.0);
    EXPECT_EQ(Peak(band), p) << "a Q drag leaves the peak";
    ed.ReleaseAt(p.x - 5, p.y);
    EXPECT_EQ(ed.QHandleDrag(), 0);

    // Left handle, dragged outward.
    ed.PressAt(p.x - 30, p.y + 2);
    EXPECT_EQ(ed.QHandleDrag(), -1);
    ed.MoveAt(p.x - 38 - 50, p.y);
    EXPECT_DOUBLE_EQ(ed.GetBandQs()[band], 5.0);
    ed.ReleaseAt(0, 0);

    // In the graphic mode the handles do not change Q.
    ed.SetFreeDrag(false);
    ed.PressAt(p.x + 25, p.y);
    ed.MoveAt(p.x + 120, p.y);
    EXPECT_DOUBLE_EQ(ed.GetBandQs()[band], 5.0);
    ed.ReleaseAt(0, 0);
}

TEST_F(Graph, MarkersMoveTheCrossover) {
    ed.SetFilters(100, 10000, 3, 3, 0, 0, false);
    int hx = g().MarkerX(100), hy = g().bottom - 2 * g().rowHeight;
    EXPECT_EQ(ed.HitTestMarker(hx, hy), 0);
    EXPECT_EQ(ed.HitTestMarker(hx + 10, hy), -1);
    ed.MoveAt(hx + 2, hy + 2);
    EXPECT_EQ(ed.HoverMarker(), 0);
    ed.PressAt(hx + 2, hy + 2);
    EXPECT_EQ(ed.DragMarker(), 0);
    int x = g().FreqToX(400);
    ed.MoveAt(x, hy);
    EXPECT_EQ(ed.GetHighPassFreq(), static_cast<unsigned>(g().XToFreq(x)));
    EXPECT_EQ(ed.SelectedFilter(), 0);
    EXPECT_EQ(ed.Bezier().m_ptHighPass[1].x, g().FreqToX(ed.GetHighPassFreq()));
    ed.MoveAt(g().right + 1, 0);
    EXPECT_EQ(ed.GetHighPassFreq(), 20000u);
    ed.MoveAt(g().left, 0);
    EXPECT_EQ(ed.GetHighPassFreq(), 20u);
    ed.ReleaseAt(g().left, 0);
    EXPECT_EQ(ed.DragMarker(), -1);

    int lx = g().MarkerX(10000), ly = g().bottom - g().rowHeight - 15;
    ed.MoveAt(lx, ly);
    ed.PressAt(lx, ly);
    EXPECT_EQ(ed.DragMarker(), 1);
    ed.MoveAt(g().right, 0);
    EXPECT_EQ(ed.GetLowPassFreq(), 20000u);
    ed.MoveAt(g().left - 1, 0);
    EXPECT_EQ(ed.GetLowPassFreq(), 20u);
    EXPECT_EQ(ed.SelectedFilter(), 1);
    ed.ReleaseAt(0, 0);
}

TEST_F(Graph, OverlappingPeaksGoToTheLowestBand) {
    int freqs[31];
    for (int& f : freqs) f = 1000;
    ed.SetBandFreqs(freqs, 31);
    ed.UpdateBandCurve(false, 31);
    auto p = Peak(0);
    ed.MoveAt(p.x + 3, p.y - 3);
    EXPECT_EQ(ed.HoverBand(), 0);
    ed.PressAt(p.x + 3, p.y - 3);
    EXPECT_EQ(ed.DragBand(), 0);
    ed.ReleaseAt(0, 0);
}

TEST_F(Graph, FailedHookIsRetriedByTheNextPress) {
    ed.hookWorks = false;
    DragBand(5, 100, 100);
    EXPECT_FALSE(ed.Hooked());
    EXPECT_EQ(ed.installs, 1);
    ed.MoveAt(120, 120);
    EXPECT_EQ(ed.installs, 1);
    ed.ReleaseAt(120, 120);
    ed.hookWorks = true;
    DragBand(5, 100, 100);
    EXPECT_EQ(ed.installs, 2);
    EXPECT_TRUE(ed.Hooked());
    ed.ReleaseAt(0, 0);
}

TEST_F(Graph, ZeroRowHeightIgnoresDrags) {
    ed.SetGraphRect(0, 0, 1100, 36);
    ASSERT_EQ(g().rowHeight, 0);
    auto p = Peak(5);
    ed.MoveAt(p.x, p.y);
    ed.PressAt(p.x, p.y);
    ed.MoveAt(p.x, p.y - 5);
    EXPECT_EQ(ed.DragBand(), -1);
    EXPECT_EQ(ed.GetBandGains()[5], 0.0);
}

TEST_F(Graph, MarkerDragFromAQHandlePressLeavesQAlone) {
    // A press on both a Q handle and a marker: the marker drag clears the band selection, so from then on
    // the Q drag has no band and must write nowhere.
    ed.SetFreeDrag(true);
    ed.SetFilters(1000, 20000, 3, 8, 0, 0, false);
    int hx = g().MarkerX(1000), hy = g().bottom - 2 * g().rowHeight;
    DragBand(17, hx - 25, hy + 6);  // the peak follows the pointer until the next paint
    ed.ReleaseAt(hx - 25, hy + 6);
    ASSERT_EQ(ed.HitTestMarker(hx + 2, hy + 2), 0);
    ASSERT_EQ(ed.Bezier().HitTestQHandle(hx + 2, hy + 2, 17, ed.QOffset()), 1);
    ed.PressAt(hx + 2, hy + 2);
    EXPECT_EQ(ed.QHandleDrag(), 1);
    EXPECT_EQ(ed.DragMarker(), 0);
    ed.MoveAt(hx + 40, hy);
    double q = ed.GetBandQs()[17];
    EXPECT_EQ(ed.SelectedBand(), -1);
    EXPECT_EQ(ed.SelectedFilter(), 0);
    ed.MoveAt(hx + 60, hy);
    EXPECT_EQ(ed.GetBandQs()[17], q);
    ed.ReleaseAt(0, 0);
}

}  // namespace
