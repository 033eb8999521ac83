#pragma once
// The two-way exchange between the parameter model and the EQ graph, run by the main window on every
// TIMER_GRAPH_SYNC tick for the current channel. A change of the model (a model value that differs from its
// shadow) is pushed into the graph, one kind per tick in the order Q, frequency, gain, then the filter
// corners; otherwise values dragged on the graph (graph values that differ from the model) are taken into
// the model and copied to the channels tied to the current one, shadows included, so the next tick sees
// neither a change nor a drag.
#include <string>

#include "device/eqmodel.h"

class SpectrumEditor;

// GraphSyncShadow: the values last exchanged with the graph, per channel.
extern double g_EqQShadow[kChannels][kBands];
extern int g_EqFreqShadow[kChannels][kBands];
extern int g_EqGainShadow[kChannels][kBands];
extern int g_HighPassFreqShadow[kChannels];
extern int g_LowPassFreqShadow[kChannels];

namespace controls {

// Control ids of the main window that show what a tick took from the graph.
constexpr int kIdHighPassEdit = 1051;
constexpr int kIdLowPassEdit = 1052;
int BandFreqEditId(int band);  // 1064..1083, 1087..1097
int BandQEditId(int band);
int BandGainEditId(int band);  // 1098 + band
int BandBypassId(int band);    // 1160 + band

// What a tick asks of the main window's controls; the main window implements it over its dialog items.
class GraphSyncControls {
  public:
    virtual ~GraphSyncControls() = default;
    virtual void SetEditText(int id, const std::string& text) = 0;
    // The band's gain slider takes the code and is redrawn.
    virtual void SetGainSlider(int band, int code) = 0;
    virtual void RedrawControl(int id) = 0;
    virtual void RedrawGraph() = 0;
};

// Brings the shadows to the model's defaults (as after a reset of all settings).
void ResetGraphSyncShadow();

// The gain code of a gain read back from the graph: 150 - 10 x dB truncated toward zero, limited to 0..300
// (a peak dragged onto the top pixel row can read a little above +15 dB).
int GraphGainToCode(double gainDb);

// One TIMER_GRAPH_SYNC tick for g_CurrentChannel. Does nothing for a channel outside 0..11.
void GraphSyncTick(SpectrumEditor& graph, GraphSyncControls& controls);

}  // namespace controls
