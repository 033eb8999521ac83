#include "controls/graphsync.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"

namespace controls {
namespace {

struct RecordingControls : GraphSyncControls {
    std::map<int, std::string> texts;
    std::map<int, int> sliders;
    std::set<int> redrawn;
    int graphRedraws = 0;
    void SetEditText(int id, const std::string& text) override { texts[id] = text; }
    void SetGainSlider(int band, int code) override { sliders[band] = code; }
    void RedrawControl(int id) override { redrawn.insert(id); }
    void RedrawGraph() override { ++graphRedraws; }
    void Clear() { *this = RecordingControls{}; }
};

class CountingGraph : public SpectrumEditor {
  public:
    int invalidates = 0;

  protected:
    void RequestRedraw() override { ++invalidates; }
};

struct GraphSync : ::testing::Test {
    CountingGraph graph;
    RecordingControls ui;
    void SetUp() override {
        device::ResetEqModel();
        device::ResetChannelModel();
        ResetGraphSyncShadow();
        graph.SetGraphRect(0, 0, 1100, 300);
        graph.SetFreeDrag(true);
    }
    void TearDown() override {
        device::ResetEqModel();
        device::ResetChannelModel();
        ResetGraphSyncShadow();
    }
    void Select(int c) {
        g_CurrentChannel = c;
        graph.SetCurrentChannel(c, false);
    }
    void DragBandTo(int band, int x, int y) {
        auto p = graph.Bezier().m_ptBand[band][3];
        graph.MoveAt(p.x, p.y);
        graph.PressAt(p.x, p.y);
        graph.MoveAt(x, y);
        graph.ReleaseAt(x, y);
    }
};

TEST_F(GraphSync, QuietTickChangesNothing) {
    GraphSyncTick(graph, ui);
    EXPECT_TRUE(ui.texts.empty());
    EXPECT_EQ(ui.graphRedraws, 0);
}

TEST_F(GraphSync, ModelChangesReachTheGraphOneKindPerTick) {
    Select(2);
    g_EqGain[2][5] = 100;  // +5 dB
    g_EqQ[2][5] = 1.5;
    g_EqFreq[7][9] = 177;  // another channel: goes to the overlays with the next push of frequencies
    GraphSyncTick(graph, ui);
    EXPECT_DOUBLE_EQ(graph.GetBandQs()[5], 1.5);
    EXPECT_DOUBLE_EQ(graph.GetBandGains()[5], 0.0) << "the gain waits for the next tick";
    EXPECT_EQ(g_EqQShadow[2][5], 1.5);
    GraphSyncTick(graph, ui);
    EXPECT_DOUBLE_EQ(graph.GetBandGains()[5], 5.0);
    EXPECT_EQ(g_EqGainShadow[2][5], 100);
    EXPECT_TRUE(ui.redrawn.count(BandBypassId(5)));
    EXPECT_TRUE(ui.texts.empty()) << "a push writes no edit texts";
    // The pushed values stay: the model equals the graph, nothing comes back.
    EXPECT_EQ(g_EqGain[2][5], 100);
    int before = graph.invalidates;
    GraphSyncTick(graph, ui);
    EXPECT_EQ(graph.invalidates, before);
}

TEST_F(GraphSync, FilterPushSelectsTheMarkerAndStillPulls) {
    Select(0);
    g_HighPassFreq[0] = 120;
    g_HighPassSlope[0] = 3;
    // A drag on the graph in the same tick.
    int x = graph.Layout().FreqToX(2000), y = graph.Layout().zeroY - 44;
    DragBandTo(20, x, y);
    GraphSyncTick(graph, ui);
    EXPECT_EQ(graph.GetHighPassFreq(), 120u);
    EXPECT_EQ(graph.SelectedFilter(), 0);
    EXPECT_EQ(graph.FilterOff(), 2);
    EXPECT_EQ(g_HighPassFreqShadow[0], 120);
    EXPECT_EQ(g_EqGain[0][20], 100) << "the dragged band is taken in the same tick";
    EXPECT_EQ(ui.texts[BandGainEditId(20)], "5.0");
    EXPECT_EQ(ui.sliders[20], 100);
    EXPECT_EQ(ui.graphRedraws, 1);
}

TEST_F(GraphSync, DragReachesTheModelAndTheLinkGroup) {
    g_LinkGroupMask[0] = 0x006;  // CH2 and CH3
    Select(1);
    const auto& g = graph.Layout();
    int x = g.FreqToX(90) + 2, y = g.zeroY + 30;
    DragBandTo(5, x, y);
    GraphSyncTick(graph, ui);
    int freq = g.XToFreq(x);
    int code = GraphGainToCode(-30 * (5.0 / g.rowHeight));
    for (int c : {1, 2}) {
        EXPECT_EQ(g_EqFreq[c][5], freq) << c;
        EXPECT_EQ(g_EqFreqShadow[c][5], freq) << c;
        EXPECT_EQ(g_EqGain[c][5], code) << c;
        EXPECT_EQ(g_EqGainShadow[c][5], code) << c;
    }
    for (int c : {0, 3}) {
        EXPECT_EQ(g_EqFreq[c][5], g_DefaultEqFreq[5]) << c;
        EXPECT_EQ(g_EqGain[c][5], kEqGainFlat) << c;
    }
    EXPECT_EQ(ui.texts[BandFreqEditId(5)], std::to_string(freq));
    EXPECT_EQ(ui.texts.count(BandQEditId(5)), 0u);
    // Nothing moves on the next tick: model, shadows and graph agree.
    ui.Clear();
    GraphSyncTick(graph, ui);
    EXPECT_TRUE(ui.texts.empty());
    EXPECT_EQ(ui.graphRedraws, 0);
}

TEST_F(GraphSync, DragOnABridgedPair) {
    g_BridgeCh34 = 1;
    Select(3);
    DragBandTo(10, 0, graph.Layout().zeroY - 22);  // graphic position only matters for the gain: +2.5 dB
    GraphSyncTick(graph, ui);
    EXPECT_EQ(g_EqGain[2][10], 125);
    EXPECT_EQ(g_EqGain[3][10], 125);
    EXPECT_EQ(g_EqGain[4][10], kEqGainFlat);
}

TEST_F(GraphSync, GainAboveTheTopRowIsClampedIntoTheModelRange) {
    graph.SetGraphRect(0, 0, 1100, 32 + 6 * 40 + 1);  // odd remainder: the top row reads 15.125 dB
    Select(0);
    DragBandTo(8, 0, graph.Layout().top);
    EXPECT_GT(graph.GetBandGains()[8], 15.0);
    GraphSyncTick(graph, ui);
    EXPECT_EQ(g_EqGain[0][8], 0);
    EXPECT_EQ(ui.texts[BandGainEditId(8)], "15.0");
}

TEST(GraphGainToCode, TruncatesAndLimits) {
    struct Case {
        double db;
        int code;
    } cases[] = {{3.14159, 118}, {15.0, 0},   {-15.0, 300}, {0.0, 150},  {15.125, 0},
                 {-15.3, 300},   {-3.0, 180}, {7.3, 77},    {0.05, 149}, {-0.05, 150}};
    for (const auto& c : cases) EXPECT_EQ(GraphGainToCode(c.db), c.code) << c.db;
    for (int code = 0; code <= 300; ++code) ASSERT_EQ(GraphGainToCode(15.0 - code / 10.0), code) << code;
}

TEST_F(GraphSync, QDragSetsTheIndexFromTheNewQ) {
    g_LinkGroupMask[4] = 0x030;
    Select(4);
    graph.SelectBand(17);
    auto p = graph.Bezier().m_ptBand[17][3];
    graph.PressAt(p.x + 25, p.y);
    graph.MoveAt(p.x + 20 + 40, p.y);  // Q 6.0
    graph.ReleaseAt(p.x + 60, p.y);
    GraphSyncTick(graph, ui);
    for (int c : {4, 5}) {
        EXPECT_DOUBLE_EQ(g_EqQ[c][17], 6.0) << c;
        EXPECT_EQ(g_EqQShadow[c][17], 6.0) << c;
        EXPECT_EQ(g_EqQIndex[c][17], device::QIndexFor(6.0)) << c;
        EXPECT_DOUBLE_EQ(g_QTable[g_EqQIndex[c][17]], 6.0);
    }
    EXPECT_EQ(ui.texts[BandQEditId(17)], "6.00");
}

TEST_F(GraphSync, CornersDraggedBetweenTicksComeInOneByOne) {
    Select(6);
    g_HighPassSlope[6] = g_LowPassSlope[6] = 2;
    GraphSyncTick(graph, ui);  // nothing changed yet: both equal
    graph.SetFilters(20, 20000, 2, 2, 0, 0, false);
    const auto& g = graph.Layout();
    auto drag = [&](int mx, int my, int to) {
        graph.MoveAt(mx + 1, my + 1);
        graph.PressAt(mx + 1, my + 1);
        graph.MoveAt(to, my);
        graph.ReleaseAt(to, my);
    };
    drag(g.MarkerX(20), g.bottom - 2 * g.rowHeight, g.FreqToX(100));
    drag(g.MarkerX(20000), g.bottom - g.rowHeight - 15, g.FreqToX(8000));
    unsigned hp = graph.GetHighPassFreq(), lp = graph.GetLowPassFreq();
    ASSERT_NE(hp, 20u);
    ASSERT_NE(lp, 20000u);
    GraphSyncTick(graph, ui);
    EXPECT_EQ(g_LowPassFreq[6], static_cast<int>(lp));
    EXPECT_EQ(g_LowPassFreqShadow[6], static_cast<int>(lp));
    EXPECT_EQ(g_HighPassFreq[6], 20);
    EXPECT_EQ(ui.texts[kIdLowPassEdit], std::to_string(lp));
    GraphSyncTick(graph, ui);
    EXPECT_EQ(g_HighPassFreq[6], static_cast<int>(hp));
    EXPECT_EQ(ui.texts[kIdHighPassEdit], std::to_string(hp));
}

TEST_F(GraphSync, ChannelOutOfRangeDoesNothing) {
    g_CurrentChannel = 12;
    g_EqGain[0][0] = 0;
    GraphSyncTick(graph, ui);
    g_CurrentChannel = -1;
    GraphSyncTick(graph, ui);
    EXPECT_EQ(g_EqGainShadow[0][0], kEqGainFlat);
    g_CurrentChannel = 0;
}

TEST(GraphSyncIds, BandControlIds) {
    EXPECT_EQ(BandFreqEditId(0), 1064);
    EXPECT_EQ(BandFreqEditId(19), 1083);
    EXPECT_EQ(BandFreqEditId(20), 1087);
    EXPECT_EQ(BandFreqEditId(30), 1097);
    const int q[31] = {1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137, 1138, 1139,
                       1140, 1141, 1142, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151,
                       1153, 1154, 1155, 1156, 1157, 1158, 1159, 1143, 1152};
    for (int b = 0; b < 31; ++b) EXPECT_EQ(BandQEditId(b), q[b]) << b;
    EXPECT_EQ(BandGainEditId(30), 1128);
    EXPECT_EQ(BandBypassId(30), 1190);
}

}  // namespace
}  // namespace controls
