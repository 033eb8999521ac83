#pragma once
// Per-channel levels, masks, links and the input-mix matrix, plus the window's selection. UI thread only.
#include "device/eqmodel.h"

constexpr int kInputs = 20;
constexpr int kChannelGainMax = 600;  // 0.1 dB steps; 600 = muted ("OFF")
constexpr int kMasterVolumeMax = 60;  // dB; 60 = muted
constexpr int kMixVolumeMax = 60;     // dB; 60 = off
constexpr int kInputVolumeMax = 60;   // dB; 60 = off
constexpr int kMasterMuteBit = 0x40;
constexpr int kRoutingMaskBits = 0xFFFFF;  // inputs 0..19
constexpr int kLinkGroupBits = 0xFFF;      // CH1..CH12

extern int g_ChannelGain[kChannels];     // 0..600
extern int g_GainBeforeMute[kChannels];  // gain kept while muted

// MaskTable: 20 slots with names of their own (below).
constexpr int kMaskTableSize = 20;
extern int g_MaskTable[kMaskTableSize];
inline int* const g_RoutingMask = g_MaskTable;       // slots 0..11: bit j = input j (mask bit order)
inline int& g_HighLevelMixVolume = g_MaskTable[12];  // 0..60, 60 = off
inline int& g_PhaseMask = g_MaskTable[13];           // bit c = CH(c+1) at 180 degrees
inline int& g_BridgeCh12 = g_MaskTable[14];
inline int& g_BridgeCh34 = g_MaskTable[15];
inline int& g_BridgeCh56 = g_MaskTable[16];
inline int& g_QuadLinkMode = g_MaskTable[17];  // 0..4
inline int& g_MasterVolume = g_MaskTable[18];  // 0..60, 60 = muted
inline int& g_MuteMask = g_MaskTable[19];      // bits 0..5 CH1..CH6, 6 master, 7..12 CH7..CH12

extern unsigned char g_HighLevelMixIn;  // 1 = on; bit 7 of the mix-volume byte
extern int g_BridgeCh78;
extern int g_BridgeCh910;
extern int g_BridgeCh1112;

extern int g_LinkGroupMask[kChannels];         // group k: bit c = CH(c+1)
extern int g_InputVolume[kChannels][kInputs];  // dB 0..60 per output, inputs in storage order

// Storage index (order of g_InputVolume) of each routing-mask bit.
extern const int g_MaskBitToStorage[kInputs];

extern int g_CurrentChannel;  // 0..11
extern int g_RenameChannel;   // 0..11
extern int g_DelayInCm;       // 0 = ms, 1 = cm (display only)

namespace device {

// The mute bit of a channel in g_MuteMask (bit 6 is the master's, so CH7..CH12 sit one higher).
constexpr int MuteBit(int channel) {
    return channel < 6 ? 1 << channel : 1 << (channel + 1);
}

// Brings every table of this header back to its start value, 0 (routing masks too: the routing per device
// model is the window's to set).
void ResetChannelModel();

}  // namespace device
