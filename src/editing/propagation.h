#pragma once
#include "device/eqmodel.h"
// How an edit of one channel reaches the channels tied to it. Three kinds of tie exist: link groups, the quad
// link of CH1..CH4 and the six bridge pairs. Which of them an edit follows depends on what was edited, and
// TiedChannels is the one place that decides it; every copy goes through it.

namespace editing {

enum class EditKind {
    kEqValue,      // EQ band frequency, gain and Q; crossover frequency, type and slope
    kAttenuation,  // channel attenuation and mute
    kPhaseDelay,   // phase and delay
};

// The channels (bit c = CH(c+1)) that hold the value after an edit of channel c, c itself included:
//  - kEqValue: the lowest link group holding c (bits above CH12 ignored); else CH1..CH4 when the quad link is
//    on and c is one of them; else c's bridge pair when bridged; else c alone.
//  - kAttenuation: the quad link, then the bridge pair; link groups take no part.
//  - kPhaseDelay: the bridge pair only.
// 0 for a channel outside 0..11.
int TiedChannels(int channel, EditKind kind);

// The other channel of c's bridge pair, and whether that pair is bridged.
int PairPartner(int channel);
bool IsBridged(int channel);

// Copies a value of the current channel to its tied channels (kEqValue). A copied Q gives each receiving band
// the table index that matches it, so later steps move from the Q it now has.
void PropagateBandFreq(int band);
void PropagateBandGain(int band);
void PropagateBandQ(int band);
void PropagateHighPassFreq();
void PropagateLowPassFreq();
// The same for any per-channel table of the crossover (types and slopes of the crossover combos).
void PropagateChannelValue(int (&table)[kChannels]);

// Copies g_ChannelGain of the channel to its tied channels (kAttenuation); the mute bits are the caller's.
void CopyChannelGain(int channel);

// Copies the whole EQ and crossover of one channel into another (each Q with its matching index).
void CopyChannelEq(int from, int to);

// The channel a copy into link group k comes from: k when the group holds it, else the current channel when
// the group holds that (a loaded mask), else -1.
int EqGroupSource(int k);

// Copies the whole EQ and crossover of the group's source channel to the other members of link group k, in
// ascending order. Returns the channels written, 0 when there is no source or no other member. The graph's
// shadows and the refresh are the caller's.
int CopyEqToGroupMembers(int k);

}  // namespace editing
