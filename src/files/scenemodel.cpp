#include "files/scenemodel.h"

#include <cstring>
#include <mutex>

#include "device/eqmodel.h"

namespace files {

namespace {

// The six pair bridge flags, CH1/2 first.
std::array<int*, kBridgePairs> BridgeFlags() {
    return {&g_BridgeCh12, &g_BridgeCh34, &g_BridgeCh56, &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};
}

void SetBits(int& mask, int bits, bool on) {
    mask = on ? (mask | bits) : (mask & ~bits);
}

}  // namespace

SceneData CaptureScene(const std::array<int, kChannels>& delays, int overlayMask) {
    SceneData s;
    for (int ch = 0; ch < kChannels; ++ch) {
        SceneChannel& c = s.channels[ch];
        c.delay = delays[ch];
        c.gain = g_ChannelGain[ch];
        c.phase = (g_PhaseMask >> ch) & 1;
        for (int b = 0; b < kBands; ++b) {
            c.eqFreq[b] = g_EqFreq[ch][b];
            c.eqGain[b] = g_EqGain[ch][b];
            c.eqQ[b] = g_EqQ[ch][b];
        }
        c.highPassType = g_HighPassType[ch];
        c.highPassFreq = g_HighPassFreq[ch];
        c.highPassSlope = g_HighPassSlope[ch];
        c.lowPassType = g_LowPassType[ch];
        c.lowPassFreq = g_LowPassFreq[ch];
        c.lowPassSlope = g_LowPassSlope[ch];
        std::copy(std::begin(g_InputVolume[ch]), std::end(g_InputVolume[ch]), c.inputVolume.begin());
        s.routingMask[ch] = g_RoutingMask[ch];
        s.linkGroupMask[ch] = g_LinkGroupMask[ch];
    }
    {
        std::lock_guard lock(g_NameMutex);
        for (int ch = 0; ch < kChannels; ++ch)
            std::memcpy(s.channels[ch].name.data(), g_ChannelNames[ch], kNameLen);
    }
    s.masterVolume = g_MasterVolume;
    s.mixVolume = g_HighLevelMixVolume;
    s.mixIn = g_HighLevelMixIn == 1;
    s.overlayMask = overlayMask;
    const auto flags = BridgeFlags();
    for (int k = 0; k < kBridgePairs; ++k) s.bridges[k] = *flags[k] == 1;
    return s;
}

SceneApplyResult ApplyScene(const SceneData& s) {
    SceneApplyResult result;
    for (int ch = 0; ch < kChannels; ++ch) {
        const SceneChannel& c = s.channels[ch];
        SetBits(g_PhaseMask, 1 << ch, c.phase);
        g_ChannelGain[ch] = c.gain;
        SetBits(g_MuteMask, device::MuteBit(ch), c.gain == kChannelGainMax);
        for (int b = 0; b < kBands; ++b) {
            g_EqFreq[ch][b] = c.eqFreq[b];
            g_EqGain[ch][b] = c.eqGain[b];
            g_EqQ[ch][b] = c.eqQ[b];
            g_EqQIndex[ch][b] = device::QIndexFor(c.eqQ[b]);
        }
        g_HighPassType[ch] = c.highPassType;
        g_HighPassFreq[ch] = c.highPassFreq;
        g_HighPassSlope[ch] = c.highPassSlope;
        g_LowPassType[ch] = c.lowPassType;
        g_LowPassFreq[ch] = c.lowPassFreq;
        g_LowPassSlope[ch] = c.lowPassSlope;
        std::copy(c.inputVolume.begin(), c.inputVolume.end(), g_InputVolume[ch]);
        result.routingChanged[ch] = g_RoutingMask[ch] != s.routingMask[ch];
        g_RoutingMask[ch] = s.routingMask[ch];
        g_LinkGroupMask[ch] = s.linkGroupMask[ch];
    }
    g_MasterVolume = s.masterVolume;
    SetBits(g_MuteMask, kMasterMuteBit, s.masterVolume == kMasterVolumeMax);
    const unsigned char mixIn = s.mixIn ? 1 : 0;
    result.mixInChanged = g_HighLevelMixIn != mixIn;
    g_HighLevelMixIn = mixIn;
    g_HighLevelMixVolume = s.mixVolume;
    const auto flags = BridgeFlags();
    for (int k = 0; k < kBridgePairs; ++k) *flags[k] = s.bridges[k] ? 1 : 0;
    g_QuadLinkMode = 0;
    {
        std::lock_guard lock(g_NameMutex);
        for (int ch = 0; ch < kChannels; ++ch) {
            std::memcpy(g_ChannelNames[ch], s.channels[ch].name.data(), kNameLen);
            g_ChannelNames[ch][kNameLen] = 0;
            g_ChannelNameChangedHere[ch] = true;
        }
    }
    return result;
}

}  // namespace files
