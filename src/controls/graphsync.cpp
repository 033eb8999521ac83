#include "controls/graphsync.h"

#include <charconv>
#include <cmath>

#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"
#include "editing/eqgaintext.h"
#include "editing/propagation.h"

double g_EqQShadow[kChannels][kBands];
int g_EqFreqShadow[kChannels][kBands];
int g_EqGainShadow[kChannels][kBands];
int g_HighPassFreqShadow[kChannels];
int g_LowPassFreqShadow[kChannels];

namespace controls {

namespace {

constexpr unsigned kAll = kChannels * kBands;

std::string QText(double q) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, q, std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string();
}

// Writes v into the tied channels of c (c included) in a model table and its shadow.
template <typename T>
int WriteTied(int c, T (*model)[kBands], T (*shadow)[kBands], int band, T v) {
    int tied = editing::TiedChannels(c, editing::EditKind::kEqValue);
    for (int t = 0; t < kChannels; ++t) {
        if (!(tied & (1 << t))) continue;
        model[t][band] = v;
        shadow[t][band] = v;
    }
    return tied;
}

void WriteTiedFreq(int c, int* model, int* shadow, int v) {
    int tied = editing::TiedChannels(c, editing::EditKind::kEqValue);
    for (int t = 0; t < kChannels; ++t) {
        if (tied & (1 << t)) model[t] = shadow[t] = v;
    }
}

// Copies the model's values of c into the shadow; true when any differed.
template <typename T>
bool TakeChanges(const T* model, T* shadow, unsigned n, GraphSyncControls* bypass) {
    bool changed = false;
    for (unsigned b = 0; b < n; ++b) {
        if (shadow[b] == model[b]) continue;
        shadow[b] = model[b];
        changed = true;
        if (bypass) bypass->RedrawControl(BandBypassId(static_cast<int>(b)));
    }
    return changed;
}

bool PushBands(SpectrumEditor& graph, GraphSyncControls& ui, int c) {
    if (TakeChanges(g_EqQ[c], g_EqQShadow[c], kBands, nullptr)) {
        graph.SetBandQs(g_EqQ[c], kBands);
        graph.SetAllChannelQs(&g_EqQ[0][0], kAll);
    } else if (TakeChanges(g_EqFreq[c], g_EqFreqShadow[c], kBands, nullptr)) {
        graph.SetBandFreqs(g_EqFreq[c], kBands);
        graph.SetAllChannelFreqs(&g_EqFreq[0][0], kAll);
    } else if (TakeChanges(g_EqGain[c], g_EqGainShadow[c], kBands, &ui)) {
        graph.SetBandGains(g_EqGain[c], kBands);
        graph.SetAllChannelGains(&g_EqGain[0][0], kAll);
    } else {
        return false;
    }
    graph.UpdateBandCurve(true, kBands);
    return true;
}

void SetAllFilters(SpectrumEditor& graph) {
    graph.SetAllChannelFilters(g_HighPassFreq, g_LowPassFreq, g_HighPassSlope, g_LowPassSlope, g_HighPassType,
                               g_LowPassType);
}

void PushFilterCorners(SpectrumEditor& graph, int c) {
    bool hp = g_HighPassFreq[c] != g_HighPassFreqShadow[c];
    bool lp = g_LowPassFreq[c] != g_LowPassFreqShadow[c];
    if (!hp && !lp) return;
    graph.SelectFilter(hp ? 0 : 1);
    g_HighPassFreqShadow[c] = g_HighPassFreq[c];
    g_LowPassFreqShadow[c] = g_LowPassFreq[c];
    SetAllFilters(graph);
    graph.SetFilters(g_HighPassFreq[c], g_LowPassFreq[c], g_HighPassSlope[c], g_LowPassSlope[c],
                     g_HighPassType[c], g_LowPassType[c], true);
}

bool PullFilterCorners(const SpectrumEditor& graph, GraphSyncControls& ui, int c) {
    int lp = static_cast<int>(graph.GetLowPassFreq());
    int hp = static_cast<int>(graph.GetHighPassFreq());
    if (lp != g_LowPassFreq[c]) {
        WriteTiedFreq(c, g_LowPassFreq, g_LowPassFreqShadow, lp);
        ui.SetEditText(kIdLowPassEdit, std::to_string(g_LowPassFreq[c]));
        return true;
    }
    if (hp != g_HighPassFreq[c]) {
        WriteTiedFreq(c, g_HighPassFreq, g_HighPassFreqShadow, hp);
        ui.SetEditText(kIdHighPassEdit, std::to_string(g_HighPassFreq[c]));
        return true;
    }
    return false;
}

bool PullBands(const SpectrumEditor& graph, GraphSyncControls& ui, int c) {
    const int* freqs = graph.GetBandFreqs();
    const double* qs = graph.GetBandQs();
    const double* gains = graph.GetBandGains();
    bool taken = false;
    for (int b = 0; b < kBands; ++b) {
        if (g_EqFreq[c][b] != freqs[b]) {
            WriteTied(c, g_EqFreq, g_EqFreqShadow, b, freqs[b]);
            ui.SetEditText(BandFreqEditId(b), std::to_string(g_EqFreq[c][b]));
            taken = true;
        }
        if (g_EqQ[c][b] != qs[b]) {
            int tied = WriteTied(c, g_EqQ, g_EqQShadow, b, qs[b]);
            // The index follows the Q, so the arrow keys step from the dragged value.
            for (int t = 0; t < kChannels; ++t)
                if (tied & (1 << t)) g_EqQIndex[t][b] = device::QIndexFor(qs[b]);
            ui.SetEditText(BandQEditId(b), QText(g_EqQ[c][b]));
            taken = true;
        }
        if (std::isnan(gains[b])) continue;
        int code = GraphGainToCode(gains[b]);
        if (code != g_EqGain[c][b]) {
            WriteTied(c, g_EqGain, g_EqGainShadow, b, code);
            std::string text;
            editing::FormatEqGain(text, b);
            ui.SetEditText(BandGainEditId(b), text);
            ui.SetGainSlider(b, g_EqGain[c][b]);
            ui.RedrawControl(BandBypassId(b));
            taken = true;
        }
    }
    return taken;
}

}  // namespace

int BandFreqEditId(int band) {
    return band < 20 ? 1064 + band : 1087 + (band - 20);
}

int BandQEditId(int band) {
    if (band <= 13) return 1129 + band;
    if (band <= 21) return 1144 + (band - 14);
    if (band <= 28) return 1153 + (band - 22);
    return band == 29 ? 1143 : 1152;
}

int BandGainEditId(int band) {
    return 1098 + band;
}
int BandBypassId(int band) {
    return 1160 + band;
}

void ResetGraphSyncShadow() {
    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            g_EqQShadow[c][b] = kDefaultQ;
            g_EqFreqShadow[c][b] = g_DefaultEqFreq[b];
            g_EqGainShadow[c][b] = kEqGainFlat;
        }
        g_HighPassFreqShadow[c] = kHighPassDefault;
        g_LowPassFreqShadow[c] = kLowPassDefault;
    }
}

int GraphGainToCode(double gainDb) {
    double v = std::trunc(150.0 - 10.0 * gainDb);
    if (!(v > 0.0)) return 0;  // NaN lands here too
    return v > kEqGainMax ? kEqGainMax : static_cast<int>(v);
}

void GraphSyncTick(SpectrumEditor& graph, GraphSyncControls& ui) {
    const int c = g_CurrentChannel;
    if (c < 0 || c >= kChannels) return;
    if (PushBands(graph, ui, c)) return;
    PushFilterCorners(graph, c);
    bool taken = PullFilterCorners(graph, ui, c);
    taken |= PullBands(graph, ui, c);
    if (!taken) return;
    graph.SetAllChannelQs(&g_EqQ[0][0], kAll);
    graph.SetAllChannelFreqs(&g_EqFreq[0][0], kAll);
    graph.SetAllChannelGains(&g_EqGain[0][0], kAll);
    SetAllFilters(graph);
    ui.RedrawGraph();
}

}  // namespace controls
