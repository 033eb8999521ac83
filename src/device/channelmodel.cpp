#include "device/channelmodel.h"

int g_ChannelGain[kChannels];
int g_GainBeforeMute[kChannels];
int g_MaskTable[kMaskTableSize];
unsigned char g_HighLevelMixIn;
int g_BridgeCh78;
int g_BridgeCh910;
int g_BridgeCh1112;
int g_LinkGroupMask[kChannels];
int g_InputVolume[kChannels][kInputs];
int g_CurrentChannel;
int g_RenameChannel;
int g_DelayInCm;

// Hi.1..Hi.6, AUX-1/2, optical L/R, Bluetooth L/R, Hi.7/8, AUX-3/4, Hi.9..Hi.12.
const int g_MaskBitToStorage[kInputs] = {0,  1,  2, 3, 4,  5,  8,  9,  12, 13,
                                         14, 15, 6, 7, 10, 11, 16, 17, 18, 19};

namespace device {

void ResetChannelModel() {
    for (int c = 0; c < kChannels; ++c) {
        g_ChannelGain[c] = 0;
        g_GainBeforeMute[c] = 0;
        g_LinkGroupMask[c] = 0;
        for (int i = 0; i < kInputs; ++i) g_InputVolume[c][i] = 0;
    }
    for (int& slot : g_MaskTable) slot = 0;
    g_HighLevelMixIn = 0;
    g_BridgeCh78 = g_BridgeCh910 = g_BridgeCh1112 = 0;
    g_CurrentChannel = 0;
    g_RenameChannel = 0;
    g_DelayInCm = 0;
}

}  // namespace device
