#include "editing/propagation.h"

#include "modelfixture.h"

namespace {

using editing::EditKind;
using editing::TiedChannels;

constexpr int Ch(int n) {
    return 1 << (n - 1);
}

struct Ties {
    int groups[12] = {};
    int quad = 0;
    int bridges = 0;  // bit p = pair p (CH1/2 .. CH11/12)
};

void Apply(const Ties& t) {
    for (int k = 0; k < 12; ++k) g_LinkGroupMask[k] = t.groups[k];
    g_QuadLinkMode = t.quad;
    int* flags[6] = {&g_BridgeCh12, &g_BridgeCh34,  &g_BridgeCh56,
                     &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};
    for (int p = 0; p < 6; ++p) *flags[p] = (t.bridges >> p) & 1;
}

struct TieCase {
    const char* rule;
    Ties ties;
    int channel;  // 1-based
    int eq, attenuation, phaseDelay;
};

class PropagationTest : public ModelTest {};

TEST_F(PropagationTest, TiedChannelsPerKindOfEdit) {
    const TieCase cases[] = {
        {"no tie: the channel alone", {}, 5, Ch(5), Ch(5), Ch(5)},
        {"group before bridge: CH3 in {CH1, CH3}, CH3/4 bridged",
         {{Ch(1) | Ch(3)}, 0, 0b10},
         3,
         Ch(1) | Ch(3),
         Ch(3) | Ch(4),
         Ch(3) | Ch(4)},
        {"group before quad", {{0, Ch(2) | Ch(9)}, 1, 0}, 2, Ch(2) | Ch(9), 0xF, Ch(2)},
        {"lowest group wins when groups overlap",
         {{0, 0, Ch(6) | Ch(7), 0, Ch(6) | Ch(8)}, 0, 0},
         6,
         Ch(6) | Ch(7),
         Ch(6),
         Ch(6)},
        {"quad before bridge; the CH1/2 flag is not looked at", {{}, 2, 0b1}, 2, 0xF, 0xF, Ch(1) | Ch(2)},
        {"quad covers only CH1..CH4", {{}, 3, 0b100}, 5, Ch(5) | Ch(6), Ch(5) | Ch(6), Ch(5) | Ch(6)},
        {"quad mode 4 is on", {{}, 4, 0}, 4, 0xF, 0xF, Ch(4)},
        {"quad mode 5 is off", {{}, 5, 0}, 4, Ch(4), Ch(4), Ch(4)},
        {"bridge CH11/12", {{}, 0, 0b100000}, 12, Ch(11) | Ch(12), Ch(11) | Ch(12), Ch(11) | Ch(12)},
        {"bridge flag other than 1 does not tie", {{}, 0, 0}, 7, Ch(7), Ch(7), Ch(7)},
        {"group bits above CH12 ignored", {{Ch(1) | 0xF000}, 0, 0}, 1, Ch(1), Ch(1), Ch(1)},
        {"a group not holding the channel is skipped",
         {{Ch(2) | Ch(3)}, 0, 0b1000},
         8,
         Ch(7) | Ch(8),
         Ch(7) | Ch(8),
         Ch(7) | Ch(8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Apply(c.ties);
        EXPECT_EQ(TiedChannels(c.channel - 1, EditKind::kEqValue), c.eq);
        EXPECT_EQ(TiedChannels(c.channel - 1, EditKind::kAttenuation), c.attenuation);
        EXPECT_EQ(TiedChannels(c.channel - 1, EditKind::kPhaseDelay), c.phaseDelay);
    }
    EXPECT_EQ(TiedChannels(12, EditKind::kEqValue), 0);
    EXPECT_EQ(TiedChannels(-1, EditKind::kPhaseDelay), 0);
}

TEST_F(PropagationTest, BandGainOnGroupedChannelReachesGroupNotBridge) {
    g_LinkGroupMask[0] = Ch(1) | Ch(3);
    g_BridgeCh34 = 1;
    g_CurrentChannel = 2;
    g_EqGain[2][5] = 100;
    editing::PropagateBandGain(5);
    EXPECT_EQ(g_EqGain[0][5], 100);
    EXPECT_EQ(g_EqGain[3][5], 150);
}

TEST_F(PropagationTest, EachValueCopiesOnlyItself) {
    g_BridgeCh56 = 1;
    g_CurrentChannel = 4;
    g_EqFreq[4][3] = 44;
    g_EqGain[4][3] = 10;
    g_HighPassFreq[4] = 66;
    g_LowPassFreq[4] = 7000;
    editing::PropagateBandFreq(3);
    EXPECT_EQ(g_EqFreq[5][3], 44);
    EXPECT_EQ(g_EqGain[5][3], 150);
    editing::PropagateHighPassFreq();
    EXPECT_EQ(g_HighPassFreq[5], 66);
    EXPECT_EQ(g_LowPassFreq[5], 20000);
    editing::PropagateLowPassFreq();
    EXPECT_EQ(g_LowPassFreq[5], 7000);
    g_HighPassSlope[4] = 3;
    editing::PropagateChannelValue(g_HighPassSlope);
    EXPECT_EQ(g_HighPassSlope[5], 3);
    EXPECT_EQ(g_HighPassSlope[6], 8);
}

TEST_F(PropagationTest, CopiedQTakesItsOwnIndex) {
    g_LinkGroupMask[3] = Ch(4) | Ch(10);
    g_CurrentChannel = 3;
    g_EqQ[3][0] = 2.0;
    g_EqQIndex[3][0] = 5;  // the edit's own index is left as the edit set it
    g_EqQIndex[9][0] = 30;
    editing::PropagateBandQ(0);
    EXPECT_EQ(g_EqQ[9][0], 2.0);
    EXPECT_EQ(g_EqQIndex[9][0], 61) << "first table value not below 2.0 is 2.04";
    EXPECT_EQ(g_EqQIndex[3][0], 5);
}

TEST_F(PropagationTest, ChannelGainCopyFollowsBridgeNotGroup) {
    g_BridgeCh12 = 1;
    g_LinkGroupMask[1] = Ch(2) | Ch(5);
    g_ChannelGain[1] = 250;
    editing::CopyChannelGain(1);
    EXPECT_EQ(g_ChannelGain[0], 250);
    EXPECT_EQ(g_ChannelGain[4], 0);
    EXPECT_EQ(g_GainBeforeMute[0], 0);
    EXPECT_EQ(g_MuteMask, 0);
}

TEST_F(PropagationTest, CopyEqToGroupMembers) {
    g_LinkGroupMask[2] = Ch(3) | Ch(1) | Ch(12) | 0x1000;
    g_EqGain[2][30] = 7;
    g_EqFreq[2][30] = 19000;
    g_EqQ[2][30] = 0.5;
    g_HighPassFreq[2] = 100;
    g_HighPassType[2] = 1;
    g_HighPassSlope[2] = 2;
    g_LowPassFreq[2] = 9000;
    g_LowPassType[2] = 1;
    g_LowPassSlope[2] = 4;
    g_ChannelGain[2] = 99;
    g_EqGainSaved[2][30] = 11;
    EXPECT_EQ(editing::CopyEqToGroupMembers(2), Ch(1) | Ch(12));
    for (int i : {0, 11}) {
        EXPECT_EQ(g_EqGain[i][30], 7);
        EXPECT_EQ(g_EqFreq[i][30], 19000);
        EXPECT_EQ(g_EqQ[i][30], 0.5);
        EXPECT_EQ(g_EqQIndex[i][30], 30);
        EXPECT_EQ(g_HighPassFreq[i], 100);
        EXPECT_EQ(g_HighPassType[i], 1);
        EXPECT_EQ(g_HighPassSlope[i], 2);
        EXPECT_EQ(g_LowPassFreq[i], 9000);
        EXPECT_EQ(g_LowPassType[i], 1);
        EXPECT_EQ(g_LowPassSlope[i], 4);
        EXPECT_EQ(g_ChannelGain[i], 0) << "gain is not part of the EQ";
        EXPECT_EQ(g_EqGainSaved[i][30], 150) << "the bypass store is not copied";
    }
    EXPECT_EQ(g_EqGain[1][30], 150);
}

TEST_F(PropagationTest, CopyEqToGroupHoldingOnlyItsChannelCopiesNothing) {
    g_LinkGroupMask[4] = Ch(5);
    g_EqGain[4][0] = 1;
    EXPECT_EQ(editing::CopyEqToGroupMembers(4), 0);
    EXPECT_EQ(editing::CopyEqToGroupMembers(12), 0);
    for (int c = 0; c < 12; ++c) {
        if (c != 4) {
            EXPECT_EQ(g_EqGain[c][0], 150);
        }
    }
}

// A group mask that does not hold its own channel (as loaded): the copy comes from the current channel when
// the group holds it, and from nowhere otherwise.
TEST_F(PropagationTest, ALoadedGroupWithoutItsChannelCopiesFromTheCurrentMember) {
    const struct {
        int current;
        int source;
        int written;
    } cases[] = {{1, 1, Ch(5) | Ch(6)}, {4, 4, Ch(2) | Ch(6)}, {0, -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        device::ResetEqModel();
        g_LinkGroupMask[3] = Ch(2) | Ch(5) | Ch(6);
        g_CurrentChannel = c.current;
        for (int ch = 0; ch < 12; ++ch) g_EqGain[ch][2] = 10 + ch;
        EXPECT_EQ(editing::EqGroupSource(3), c.source);
        EXPECT_EQ(editing::CopyEqToGroupMembers(3), c.written);
        for (int ch = 0; ch < 12; ++ch) {
            const bool written = (c.written & (1 << ch)) != 0;
            EXPECT_EQ(g_EqGain[ch][2], written ? 10 + c.source : 10 + ch) << ch;
        }
    }
    g_LinkGroupMask[3] = 0;
}

TEST_F(PropagationTest, NoCurrentChannelCopiesNothing) {
    g_BridgeCh12 = 1;
    g_CurrentChannel = 12;
    editing::PropagateBandGain(0);
    editing::PropagateBandGain(31);
    g_CurrentChannel = 0;
    g_EqGain[0][0] = 3;
    editing::PropagateBandGain(31);
    EXPECT_EQ(g_EqGain[1][0], 150);
}

}  // namespace
