// The EQ grid, the crossover and the refresh of the row and the graph on the real main window.
#include "editing/eqgaintext.h"
#include "editing/indexes.h"
#include "editing/qtext.h"
#include "editingfixture.h"
#include "mainwnd/editstrings.h"

namespace {

constexpr int kBand5 = 4;

TEST_F(EditingWindowTest, ABandButtonBypassesAndRestoresAndThePushCarriesIt) {
    Run([&](EditingDlg& dlg) {
        g_EqGain[0][kBand5] = 180;  // -3.0 dB
        dlg.SendMessage(ui::WM_TIMER, TIMER_GRAPH_SYNC);
        InStep();
        Click(g_BandButtonIds[kBand5]);
        EXPECT_EQ(g_EqGain[0][kBand5], 150);
        EXPECT_EQ(g_EqGainSaved[0][kBand5], 180);
        EXPECT_EQ(Text(1102), "0.0");
        EXPECT_EQ(SliderPos(1205), 150);
        EXPECT_EQ(dlg.Spectrum().SelectedBand(), kBand5);
        // The look and the curve follow at the sync tick.
        EXPECT_EQ(g_EqGainShadow[0][kBand5], 180);
        const auto chunks = Push();
        EXPECT_EQ(g_EqGainShadow[0][kBand5], 150);
        EXPECT_DOUBLE_EQ(dlg.Spectrum().GetBandGains()[kBand5], 0.0);
        ASSERT_EQ(chunks.size(), 1u);
        EXPECT_EQ(chunks[0].offset, 55);
        const auto bytes = Written(chunks);
        EXPECT_EQ(bytes.at(89), 0x00);
        EXPECT_EQ(bytes.at(90), 0x96);
        Click(g_BandButtonIds[kBand5]);
        EXPECT_EQ(g_EqGain[0][kBand5], 180);
        EXPECT_EQ(Text(1102), "-3.0");
    });
}

// The set and the deciding gain of a bypass click, by the first tie that applies: a bypass saves every
// member's gain, a restore brings every member's saved gain back.
TEST_F(EditingWindowTest, BypassTiesFollowTheirDecidingChannel) {
    struct Member {
        int channel, before, after, saved;  // gain codes of band 1; every saved gain starts flat
    };
    struct Case {
        const char* name;
        std::function<void()> tie;
        int current;
        std::vector<Member> members;
    } cases[] = {
        {"link group: the current decides, all bypass",
         [] { g_LinkGroupMask[0] = 0x3; },
         0,
         {{0, 180, 150, 180}, {1, 150, 150, 150}}},
        {"CH5/6 bridged: CH6 is flat and decides, both restore",
         [] { g_BridgeCh56 = 1; },
         4,
         {{4, 180, 150, 150}, {5, 150, 150, 150}}},
        {"CH3/4 bridged: CH3 decides", [] { g_BridgeCh34 = 1; }, 3, {{2, 170, 150, 170}, {3, 150, 150, 150}}},
        {"quad link: CH1 is flat and decides",
         [] { g_QuadLinkMode = 1; },
         2,
         {{0, 150, 150, 150}, {2, 190, 150, 150}, {3, 120, 150, 150}}},
        {"no tie: a bypass of the current channel only", [] {}, 0, {{0, 160, 150, 160}, {1, 170, 170, 150}}},
    };
    Run([&](EditingDlg&) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            device::ResetEqModel();
            device::ResetChannelModel();
            controls::ResetGraphSyncShadow();
            c.tie();
            for (const Member& m : c.members) g_EqGain[m.channel][0] = m.before;
            Click(g_ChannelSelectButtonIds[c.current]);
            Click(g_BandButtonIds[0]);
            for (const Member& m : c.members) {
                EXPECT_EQ(g_EqGain[m.channel][0], m.after) << "CH" << m.channel + 1;
                EXPECT_EQ(g_EqGainSaved[m.channel][0], m.saved) << "CH" << m.channel + 1;
            }
        }
    });
}

TEST_F(EditingWindowTest, ATypedGainBackAtZeroRestoresTheBypassedValue) {
    Run([&](EditingDlg&) {
        g_EqGain[0][kBand5] = 180;
        Click(g_BandButtonIds[kBand5]);
        TypeInto(1102, "2");
        TypeInto(1101, "");  // the focus moves on: 1102 commits
        EXPECT_EQ(g_EqGain[0][kBand5], 130);
        TypeInto(1102, "0");
        Click(1101);
        EXPECT_EQ(g_EqGain[0][kBand5], 150);
        Click(g_BandButtonIds[kBand5]);
        EXPECT_EQ(g_EqGain[0][kBand5], 180);
    });
}

TEST_F(EditingWindowTest, SliderOfBand11CommitsThePendingFrequencyAndTakesTheFocus) {
    Run([&](EditingDlg& dlg) {
        TypeInto(g_BandFreqEditIds[0], "100");
        auto& slider = dynamic_cast<ui::TrackBar&>(Item(1213));
        // A drag of the thumb upward: louder. The press takes the focus, so the frequency edit commits.
        const gfx::Point thumb = hl().ScreenPointOf(slider);
        hl().MouseDown(thumb);
        hl().MouseMove({thumb.x, thumb.y - 20});
        hl().MouseUp({thumb.x, thumb.y - 20});
        hl().RunPending();
        EXPECT_EQ(g_EqFreq[0][0], 100) << "the frequency typed before was committed";
        EXPECT_EQ(Text(g_BandFreqEditIds[0]), "100");
        EXPECT_EQ(g_EqGain[0][10], slider.GetPos());
        EXPECT_LT(g_EqGain[0][10], 150);
        EXPECT_EQ(g_EqGain[0][12], 150) << "band 13 stays";
        EXPECT_EQ(dlg.GetFocus(), &Item(1108));
        EXPECT_EQ(dlg.Spectrum().SelectedBand(), 10);
        std::string text = "x";
        editing::FormatEqGain(text, 10);
        EXPECT_EQ(Text(1108), text);
    });
}

TEST_F(EditingWindowTest, BandEditCommits) {
    struct Case {
        int id;
        std::string typed;
        std::string shown;
        std::function<bool()> stored;
    } cases[] = {
        {g_BandFreqEditIds[2], "0101", "0101", [] { return g_EqFreq[0][2] == 101; }},
        {g_BandFreqEditIds[2], "0101", "101", [] { return g_EqFreq[0][2] == 101; }},  // no change: rewritten
        {g_BandFreqEditIds[2], "25000", "101", [] { return g_EqFreq[0][2] == 101; }},
        {g_BandQEditIds[29], "2.5", "2.50", [] { return g_EqQ[0][29] == 2.5; }},
        {g_BandQEditIds[29], "abc", "2.50", [] { return g_EqQ[0][29] == 2.5; }},
        {g_BandGainEditIds[3], "-3.5", "-3.5", [] { return g_EqGain[0][3] == 185; }},
        {g_BandGainEditIds[3], "xy", "-3.5", [] { return g_EqGain[0][3] == 185; }},
    };
    Run([&](EditingDlg& dlg) {
        g_LinkGroupMask[0] = 0x5;  // CH1 and CH3
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.id) + " " + c.typed);
            TypeInto(c.id, c.typed);
            Click(IDC_EDIT_LOW_CUT);
            EXPECT_EQ(Text(c.id), c.shown);
            EXPECT_TRUE(c.stored());
        }
        EXPECT_EQ(g_EqFreq[2][2], 101) << "copied to the group";
        EXPECT_EQ(g_EqQ[2][29], 2.5);
        EXPECT_EQ(g_EqGain[2][3], 185);
        EXPECT_EQ(SliderPos(g_BandSliderIds[3]), 185);
        // Focus into Q edits 1143 and 1152 selects bands 30 and 31.
        Click(1143);
        EXPECT_EQ(dlg.Spectrum().SelectedBand(), 29);
        Click(1152);
        EXPECT_EQ(dlg.Spectrum().SelectedBand(), 30);
    });
}

TEST_F(EditingWindowTest, TheModeButtonDisablesFrequencyAndQEditsAndTheFreeDrag) {
    Run([&](EditingDlg& dlg) {
        const auto enabledCount = [&] {
            int n = 0;
            for (int k = 0; k < kBands; ++k) {
                n += Item(g_BandFreqEditIds[k]).IsWindowEnabled();
                n += Item(g_BandQEditIds[k]).IsWindowEnabled();
            }
            return n;
        };
        EXPECT_EQ(enabledCount(), 62);
        Click(IDC_EQ_MODE);
        EXPECT_EQ(dlg.PeqMode(), 0);
        EXPECT_EQ(enabledCount(), 0);
        EXPECT_TRUE(Item(g_BandGainEditIds[0]).IsWindowEnabled());
        EXPECT_FALSE(dlg.Spectrum().FreeDrag());
        // A channel change keeps the mode's drag.
        Click(g_ChannelSelectButtonIds[1]);
        EXPECT_FALSE(dlg.Spectrum().FreeDrag());
        Click(IDC_EQ_MODE);
        EXPECT_EQ(enabledCount(), 62);
        EXPECT_TRUE(dlg.Spectrum().FreeDrag());
    });
}

TEST_F(EditingWindowTest, BypassAllSavesAndFlattensOrRestoresEveryChannel) {
    Run([&](EditingDlg&) {
        g_EqGain[11][30] = 149;
        g_EqGain[0][0] = 200;
        Click(IDC_BYPASS_ALL);
        EXPECT_EQ(g_EqGain[11][30], 150);
        EXPECT_EQ(g_EqGainSaved[11][30], 149);
        EXPECT_EQ(g_EqGainSaved[0][0], 200);
        EXPECT_EQ(Text(g_BandGainEditIds[0]), "0.0");
        Click(IDC_BYPASS_ALL);
        EXPECT_EQ(g_EqGain[11][30], 149);
        EXPECT_EQ(g_EqGain[0][0], 200);
        EXPECT_EQ(Text(g_BandGainEditIds[0]), "-5.0");
    });
}

TEST_F(EditingWindowTest, ResetEqActsOnAllChannelsAndTheQIndexFollows) {
    Run([&](EditingDlg&) {
        g_EqQ[0][6] = g_QTable[40];
        g_EqQIndex[0][6] = 40;
        g_EqGain[5][1] = 10;
        boxes.QueueAnswer(ui::IDNO);
        Click(IDC_RESET_EQ);
        EXPECT_EQ(g_EqGain[5][1], 10) << "No changes nothing";
        Click(IDC_RESET_EQ);
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[1].text, res::LoadUiString(IDS_RESET_EQ_QUESTION));
        EXPECT_EQ(g_EqGain[5][1], 150);
        EXPECT_EQ(g_EqQ[0][6], 4.32);
        EXPECT_EQ(Text(g_BandQEditIds[6]), "4.32");
        EXPECT_TRUE(editing::StepQByKey(editing::kKeyUp, 6));
        EXPECT_DOUBLE_EQ(g_EqQ[0][6], 4.42);
    });
}

TEST_F(EditingWindowTest, ResetEqWithTheCurrentChannelFlatLeavesTheRow) {
    Run([&](EditingDlg& dlg) {
        g_EqGain[3][0] = 100;
        dlg.SetDlgItemText(g_BandGainEditIds[0], "stale");
        Click(IDC_RESET_EQ);
        EXPECT_EQ(g_EqGain[3][0], 150);
        EXPECT_EQ(Text(g_BandGainEditIds[0]), "stale");
    });
}

TEST_F(EditingWindowTest, CrossoverListsCopyToTheGroupAndReachTheDevice) {
    Run([&](EditingDlg& dlg) {
        g_LinkGroupMask[0] = 0xC;  // CH3 and CH4
        Click(g_ChannelSelectButtonIds[2]);
        InStep();
        Pick(IDC_COMBO_HP_TYPE, 1);
        EXPECT_EQ(g_HighPassType[2], 1);
        EXPECT_EQ(g_HighPassType[3], 1);
        EXPECT_EQ(g_LowPassType[2], 0);
        EXPECT_EQ(g_HighPassSlope[3], kSlopeOff);
        EXPECT_EQ(dlg.Spectrum().SelectedFilter(), 0);
        const auto chunks = Push();
        const auto bytes = Written(chunks);
        EXPECT_EQ(bytes.at(593), 1);
        EXPECT_EQ(bytes.at(787), 1);
        // In chunks 10 (from byte 559) and 14 (from byte 783), and nothing else changed.
        std::vector<int> offsets;
        for (const Chunk& c : chunks) offsets.push_back(c.offset);
        EXPECT_EQ(offsets, (std::vector<int>{559, 783}));
        // A low-pass slope off: stored 8, the graph stops drawing that curve at the sync tick.
        g_LowPassSlope[2] = 3;
        Click(g_ChannelSelectButtonIds[2]);
        hl().AdvanceClock(130);
        EXPECT_EQ(dlg.Spectrum().FilterOff() & 2, 0);
        EXPECT_EQ(dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_LP_SLOPE)).GetLBText(8), "   OFF");
        Pick(IDC_COMBO_LP_SLOPE, 8);
        EXPECT_EQ(g_LowPassSlope[2], kSlopeOff);
        EXPECT_EQ(g_LowPassSlope[3], kSlopeOff);
        EXPECT_EQ(dlg.Spectrum().SelectedFilter(), 1);
        hl().AdvanceClock(130);
        EXPECT_EQ(dlg.Spectrum().FilterOff() & 2, 2);
    });
}

TEST_F(EditingWindowTest, CrossoverCopiesFollowTheTieRule) {
    struct Case {
        const char* name;
        std::function<void()> tie;
        int current;
        int reached;  // channels holding the new type
    } cases[] = {
        {"CH11/12 bridged", [] { g_BridgeCh1112 = 1; }, 10, 0xC00},
        {"quad link with CH2", [] { g_QuadLinkMode = 2; }, 1, 0xF},
        {"quad link does not cover CH5", [] { g_QuadLinkMode = 2; }, 4, 0x10},
    };
    Run([&](EditingDlg&) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            device::ResetEqModel();
            device::ResetChannelModel();
            c.tie();
            Click(g_ChannelSelectButtonIds[c.current]);
            Pick(IDC_COMBO_LP_TYPE, 1);
            int reached = 0;
            for (int ch = 0; ch < kChannels; ++ch) reached |= g_LowPassType[ch] == 1 ? 1 << ch : 0;
            EXPECT_EQ(reached, c.reached);
        }
    });
}

TEST_F(EditingWindowTest, CutFrequencyCommits) {
    Run([&](EditingDlg& dlg) {
        g_LowPassFreq[0] = 100;
        Click(g_ChannelSelectButtonIds[0]);
        TypeInto(IDC_EDIT_LOW_CUT, "25000");
        Click(IDC_EDIT_HIGH_CUT);
        EXPECT_EQ(Text(IDC_EDIT_LOW_CUT), "20");
        TypeInto(IDC_EDIT_LOW_CUT, "20000");
        Click(IDC_EDIT_HIGH_CUT);
        EXPECT_EQ(g_HighPassFreq[0], 20000) << "above the low-pass corner is accepted";
        EXPECT_EQ(Text(IDC_EDIT_LOW_CUT), "20000");
        // The graph learns it at the sync tick.
        hl().AdvanceClock(130);
        EXPECT_EQ(dlg.Spectrum().GetHighPassFreq(), 20000u);
    });
}

TEST_F(EditingWindowTest, AListWithoutASelectionChangesNothing) {
    Run([&](EditingDlg& dlg) {
        auto& combo = dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_HP_SLOPE));
        combo.SetCurSel(-1);
        g_HighPassSlope[0] = 3;
        dlg.SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(&combo));
        EXPECT_EQ(g_HighPassSlope[0], 3);
        auto& quad = dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_QUAD));
        quad.SetCurSel(-1);
        g_QuadLinkMode = 2;
        dlg.SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(&quad));
        EXPECT_EQ(g_QuadLinkMode, 2);
        quad.SetCurSel(3);
        dlg.SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(&quad));
        EXPECT_EQ(g_QuadLinkMode, 3);
    });
}

TEST_F(EditingWindowTest, SelectingAChannelShowsItsRowCrossoverAndGraph) {
    Run([&](EditingDlg& dlg) {
        for (int k = 0; k < kBands; ++k) {
            g_EqFreq[6][k] = 100 + k;
            g_EqQ[6][k] = 1.5;
            g_EqGain[6][k] = 100 + k;
        }
        g_HighPassFreq[6] = 55;
        g_LowPassSlope[6] = kSlopeOff;
        g_HighPassType[6] = 1;
        dlg.Spectrum().SelectBand(3);
        Click(g_ChannelSelectButtonIds[6]);
        EXPECT_EQ(g_CurrentChannel, 6);
        for (int k = 0; k < kBands; ++k) {
            EXPECT_EQ(Text(g_BandFreqEditIds[k]), std::to_string(100 + k));
            EXPECT_EQ(Text(g_BandQEditIds[k]), "1.50");
            std::string gain;
            editing::FormatEqGain(gain, k);
            EXPECT_EQ(Text(g_BandGainEditIds[k]), gain);
            EXPECT_EQ(SliderPos(g_BandSliderIds[k]), 100 + k);
        }
        EXPECT_EQ(Text(IDC_EDIT_LOW_CUT), "55");
        EXPECT_EQ(dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_LP_SLOPE)).GetCurSel(), kSlopeOff);
        EXPECT_EQ(dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_HP_TYPE)).GetCurSel(), 1);
        EXPECT_EQ(dlg.Spectrum().CurrentChannel(), 6);
        EXPECT_EQ(dlg.Spectrum().SelectedBand(), -1);
        EXPECT_EQ(dlg.Spectrum().SelectedFilter(), -1);
        EXPECT_EQ(dlg.Spectrum().GetBandFreqs()[5], 105);
        // Setting the texts ran no commit: the model is as it was.
        EXPECT_EQ(g_EqFreq[0][0], g_DefaultEqFreq[0]);
        // CH9's select button (1287) shows its row.
        g_EqFreq[8][30] = 19000;
        Click(1287);
        EXPECT_EQ(g_CurrentChannel, 8);
        EXPECT_EQ(Text(g_BandFreqEditIds[0]), std::to_string(g_DefaultEqFreq[0]));
        EXPECT_EQ(Text(g_BandFreqEditIds[30]), "19000");
        EXPECT_EQ(dlg.Spectrum().CurrentChannel(), 8);
    });
}

}  // namespace
