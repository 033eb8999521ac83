#include "controls/spectrumeditor.h"

#include <gtest/gtest.h>

#include "device/eqmodel.h"

namespace {

using controls::kGraphBands;

class CountingEditor : public SpectrumEditor {
  public:
    using SpectrumEditor::SpectrumEditor;
    int invalidates = 0;
    int installs = 0;
    int removes = 0;
    bool hookWorks = true;

  protected:
    void RequestRedraw() override { ++invalidates; }
    bool InstallDragHook() override {
        ++installs;
        return hookWorks;
    }
    void RemoveDragHook() override { ++removes; }
};

TEST(SpectrumInterface, StartsFromTheModelDefaults) {
    CountingEditor ed;
    for (int b = 0; b < kGraphBands; ++b) {
        EXPECT_EQ(ed.GetBandFreqs()[b], g_DefaultEqFreq[b]);
        EXPECT_EQ(ed.GetBandGains()[b], 0.0);
        EXPECT_EQ(ed.GetBandQs()[b], kDefaultQ);
    }
    EXPECT_EQ(ed.GetHighPassFreq(), 20u);
    EXPECT_EQ(ed.GetLowPassFreq(), 20000u);
    EXPECT_EQ(ed.FilterOff(), 3);
    EXPECT_EQ(ed.GetChannelMask(), 0);
    EXPECT_EQ(ed.SelectedBand(), -1);
    EXPECT_EQ(ed.SelectedFilter(), -1);
    EXPECT_FALSE(ed.HasLayout());
    // Mouse input before the layout is set does nothing.
    ed.PressAt(100, 100);
    ed.MoveAt(120, 50);
    EXPECT_EQ(ed.DragBand(), -1);
    EXPECT_EQ(ed.installs, 0);
}

TEST(SpectrumInterface, BandSettersKeepOnlyValidEntries) {
    CountingEditor ed;
    int codes[31];
    for (int i = 0; i < 31; ++i) codes[i] = 150;
    codes[0] = 0;
    codes[1] = 300;
    codes[2] = 301;
    codes[3] = -1;
    codes[4] = 77;
    ed.SetBandGains(codes, 31);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[0], 15.0);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[1], -15.0);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[2], 0.0) << "301 leaves the previous gain";
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[3], 0.0) << "a negative code leaves the previous gain";
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[4], 7.3);
    EXPECT_DOUBLE_EQ(ed.GetBandGains()[5], 0.0);

    int freqs[32];
    for (int i = 0; i < 32; ++i) freqs[i] = 1000;
    freqs[0] = 19;
    freqs[1] = 20001;
    freqs[2] = 20;
    freqs[3] = 20000;
    freqs[4] = -5;
    ed.SetBandFreqs(freqs, 32);
    EXPECT_EQ(ed.GetBandFreqs()[5], g_DefaultEqFreq[5]) << "a count of 32 changes nothing";
    ed.SetBandFreqs(freqs, 31);
    EXPECT_EQ(ed.GetBandFreqs()[0], g_DefaultEqFreq[0]);
    EXPECT_EQ(ed.GetBandFreqs()[1], g_DefaultEqFreq[1]);
    EXPECT_EQ(ed.GetBandFreqs()[2], 20);
    EXPECT_EQ(ed.GetBandFreqs()[3], 20000);
    EXPECT_EQ(ed.GetBandFreqs()[4], g_DefaultEqFreq[4]);
    EXPECT_EQ(ed.GetBandFreqs()[30], 1000);

    double qs[31];
    for (double& q : qs) q = 0.0;
    ed.SetBandQs(qs, 3);
    EXPECT_EQ(ed.GetBandQs()[2], 0.0) << "Q values are held as given";
    EXPECT_EQ(ed.GetBandQs()[3], kDefaultQ);
    ed.SetBandQs(nullptr, 31);
    EXPECT_EQ(ed.invalidates, 0) << "the value setters never redraw";
}

TEST(SpectrumInterface, AllChannelSettersRefuseMoreThanAllBands) {
    CountingEditor ed;
    std::vector<int> codes(373, 0);
    ed.SetAllChannelGains(codes.data(), 373);
    ed.SetAllChannelFreqs(codes.data(), 373);
    std::vector<double> qs(373, 1.0);
    ed.SetAllChannelQs(qs.data(), 373);
    ed.SetGraphRect(0, 0, 1100, 300);
    // Overlay of channel 3 would show a +15 dB curve if anything had been taken.
    ed.SetChannelMask(1 << 3);
    ed.SetAllChannelGains(codes.data(), 372);
    EXPECT_EQ(ed.GetChannelMask(), 8);
}

TEST(SpectrumInterface, FiltersSlopesAndOffBits) {
    CountingEditor ed;
    ed.SetGraphRect(0, 0, 1100, 300);
    ed.SetFilters(100, 5000, 3, 7, 0, 1, false);
    EXPECT_EQ(ed.FilterOff(), 0);
    EXPECT_EQ(ed.invalidates, 0);
    const auto& g = ed.Layout();
    EXPECT_EQ(ed.Bezier().m_ptHighPass[0], (controls::Point{g.FreqToX(100) - 954, 1750}));
    EXPECT_EQ(ed.Bezier().m_ptLowPass[3], (controls::Point{g.FreqToX(5000) + 954, 2500}));
    ed.SetFilters(100, 5000, 8, 0, 0, 1, true);
    EXPECT_EQ(ed.FilterOff(), 1);
    EXPECT_EQ(ed.GetHighPassFreq(), 100u) << "an off filter keeps its frequency";
    EXPECT_EQ(ed.Bezier().m_ptHighPass[0].y, g.zeroY);
    EXPECT_EQ(ed.invalidates, 1);
    // Out-of-range frequencies are stored but keep the previous points.
    ed.SetFilters(0, 30000, 0, 0, 0, 0, false);
    EXPECT_EQ(ed.GetHighPassFreq(), 0u);
    EXPECT_EQ(ed.Bezier().m_ptLowPass[3].y, 430) << "Bessel 6 dB/oct from the call before";
}

TEST(SpectrumInterface, SelectionMaskAndChannel) {
    CountingEditor ed;
    EXPECT_TRUE(ed.SelectBand(4));
    EXPECT_EQ(ed.invalidates, 1);
    EXPECT_FALSE(ed.SelectBand(31));
    EXPECT_EQ(ed.SelectedBand(), 4);
    EXPECT_EQ(ed.invalidates, 1);
    ed.SelectFilter(5);
    EXPECT_EQ(ed.SelectedFilter(), 1);
    EXPECT_EQ(ed.SelectedBand(), -1);
    ed.SelectFilter(0);
    EXPECT_EQ(ed.SelectedFilter(), 0);
    EXPECT_TRUE(ed.SelectBand(-1));
    EXPECT_EQ(ed.SelectedBand(), -1);
    EXPECT_EQ(ed.SelectedFilter(), -1);

    ed.SetChannelMask(0x12345);
    EXPECT_EQ(ed.GetChannelMask(), 0x2345);
    EXPECT_EQ(ed.ToggleChannel(2), 0x2341);
    EXPECT_EQ(ed.ToggleChannel(2), 0x2345);
    EXPECT_EQ(ed.ToggleChannel(12), 0x2345) << "channels outside 0..11 are ignored";
    EXPECT_EQ(ed.ToggleChannel(-1), 0x2345);

    ed.SetCurrentChannel(7, false);
    EXPECT_EQ(ed.CurrentChannel(), 7);
    EXPECT_EQ(ed.Bezier().Channel(), 7);
    for (int bad : {-1, 12, 1000}) {
        ed.SetCurrentChannel(bad, true);
        EXPECT_EQ(ed.CurrentChannel(), 7) << bad;
    }
    int before = ed.invalidates;
    ed.SetFreeDrag(true);
    EXPECT_TRUE(ed.FreeDrag());
    EXPECT_EQ(ed.invalidates, before + 1);
}

TEST(SpectrumInterface, LayoutPutsDefaultBandsOnTheAxis) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        CountingEditor ed(dpi);
        ed.SetGraphRect(0, 0, 2000, 400);
        const auto& g = ed.Layout();
        EXPECT_EQ(ed.Bezier().m_ptBand[0][3], (controls::Point{g.left, g.zeroY})) << dpi;
        EXPECT_EQ(ed.Bezier().m_ptBand[30][3], (controls::Point{g.right, g.zeroY})) << dpi;
    }
}

}  // namespace
