#include "editing/propagation.h"

#include "device/channelmodel.h"
#include "editing/indexes.h"

namespace editing {

namespace {

constexpr int kQuadChannels = 0xF;  // CH1..CH4

bool QuadLinkOn(int channel) {
    return g_QuadLinkMode >= 1 && g_QuadLinkMode <= 4 && channel >= 0 && channel <= 3;
}

int PairMask(int channel) {
    return 3 << (channel & ~1);
}

// Calls f(c) for every channel tied to the current one (kEqValue), the current channel included.
template <typename F>
void ForEachTiedToCurrent(F f) {
    const int cur = CurrentChannel();
    if (cur < 0) return;
    const int tied = TiedChannels(cur, EditKind::kEqValue);
    for (int c = 0; c < kChannels; ++c) {
        if (tied & (1 << c)) f(cur, c);
    }
}

}  // namespace

int PairPartner(int channel) {
    return channel ^ 1;
}

bool IsBridged(int channel) {
    switch (channel / 2) {
        case 0:
            return g_BridgeCh12 == 1;
        case 1:
            return g_BridgeCh34 == 1;
        case 2:
            return g_BridgeCh56 == 1;
        case 3:
            return g_BridgeCh78 == 1;
        case 4:
            return g_BridgeCh910 == 1;
        case 5:
            return g_BridgeCh1112 == 1;
        default:
            return false;
    }
}

int TiedChannels(int channel, EditKind kind) {
    if (!IsChannel(channel)) return 0;
    const int self = 1 << channel;
    if (kind == EditKind::kEqValue) {
        for (int k = 0; k < kChannels; ++k) {
            const int group = g_LinkGroupMask[k] & kLinkGroupBits;
            if (group & self) return group;
        }
    }
    if (kind != EditKind::kPhaseDelay && QuadLinkOn(channel)) return kQuadChannels;
    if (IsBridged(channel)) return PairMask(channel);
    return self;
}

void PropagateBandFreq(int band) {
    if (!IsBand(band)) return;
    ForEachTiedToCurrent([band](int cur, int c) { g_EqFreq[c][band] = g_EqFreq[cur][band]; });
}

void PropagateBandGain(int band) {
    if (!IsBand(band)) return;
    ForEachTiedToCurrent([band](int cur, int c) { g_EqGain[c][band] = g_EqGain[cur][band]; });
}

void PropagateBandQ(int band) {
    if (!IsBand(band)) return;
    ForEachTiedToCurrent([band](int cur, int c) {
        if (c == cur) return;  // the edit has set the current channel's index already
        g_EqQ[c][band] = g_EqQ[cur][band];
        g_EqQIndex[c][band] = device::QIndexFor(g_EqQ[c][band]);
    });
}

void PropagateChannelValue(int (&table)[kChannels]) {
    ForEachTiedToCurrent([&table](int cur, int c) { table[c] = table[cur]; });
}

void PropagateHighPassFreq() {
    PropagateChannelValue(g_HighPassFreq);
}

void PropagateLowPassFreq() {
    PropagateChannelValue(g_LowPassFreq);
}

void CopyChannelGain(int channel) {
    const int tied = TiedChannels(channel, EditKind::kAttenuation);
    for (int c = 0; c < kChannels; ++c) {
        if (tied & (1 << c)) g_ChannelGain[c] = g_ChannelGain[channel];
    }
}

void CopyChannelEq(int from, int to) {
    if (!IsChannel(from) || !IsChannel(to)) return;
    g_HighPassFreq[to] = g_HighPassFreq[from];
    g_HighPassType[to] = g_HighPassType[from];
    g_HighPassSlope[to] = g_HighPassSlope[from];
    g_LowPassFreq[to] = g_LowPassFreq[from];
    g_LowPassType[to] = g_LowPassType[from];
    g_LowPassSlope[to] = g_LowPassSlope[from];
    for (int b = 0; b < kBands; ++b) {
        g_EqGain[to][b] = g_EqGain[from][b];
        g_EqFreq[to][b] = g_EqFreq[from][b];
        g_EqQ[to][b] = g_EqQ[from][b];
        g_EqQIndex[to][b] = device::QIndexFor(g_EqQ[to][b]);
    }
}

int EqGroupSource(int k) {
    if (!IsChannel(k)) return -1;
    const int group = g_LinkGroupMask[k] & kLinkGroupBits;
    if (group & (1 << k)) return k;
    // A loaded mask need not hold its own channel: the current channel, which the join named, is the source
    // when the group holds it; nothing from outside the group overwrites the members.
    const int c = CurrentChannel();
    return c >= 0 && (group & (1 << c)) ? c : -1;
}

int CopyEqToGroupMembers(int k) {
    const int source = EqGroupSource(k);
    if (source < 0) return 0;
    const int members = g_LinkGroupMask[k] & kLinkGroupBits & ~(1 << source);
    for (int i = 0; i < kChannels; ++i) {
        if (members & (1 << i)) CopyChannelEq(source, i);
    }
    return members;
}

}  // namespace editing
