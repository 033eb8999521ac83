#pragma once
// Shared by the image fuzz targets: after a load every model value lies in its documented range, the value
// texts the window makes of it are well formed, and the curve the graph draws of every channel stays finite
// and inside the graph.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "controls/curvecolumns.h"
#include "controls/spectrumeditor.h"
#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "editing/textscan.h"
#include "editing/valuetext.h"

namespace fuzz {

inline void Require(bool ok) {
    if (!ok) __builtin_trap();
}

inline bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// Printable ASCII only, not empty, at most `max` characters.
inline void RequireShortText(const std::string& text, std::size_t max) {
    Require(!text.empty() && text.size() <= max);
    for (char c : text) Require(c >= 0x20 && c < 0x7F);
}

// The channel values a device image load sets.
inline void CheckChannelValues() {
    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            Require(InRange(g_EqFreq[c][b], kEqFreqMin, kEqFreqMax));
            Require(InRange(g_EqGain[c][b], 0, kEqGainMax));
            const double q = g_EqQ[c][b];
            Require(q >= kEqQMin - 1e-9 && q <= kEqQMax + 1e-9);
            const int qi = g_EqQIndex[c][b];
            Require(InRange(qi, 0, kQTableSize - 1));
            // The index is the first table entry not below the Q, so Up always raises it (E1).
            Require(g_QTable[qi] >= q - 1e-9 && (qi == 0 || g_QTable[qi - 1] < q - 1e-9));
        }
        Require(InRange(g_HighPassFreq[c], kEqFreqMin, kEqFreqMax));
        Require(InRange(g_LowPassFreq[c], kEqFreqMin, kEqFreqMax));
        Require(InRange(g_HighPassType[c], 0, 1) && InRange(g_LowPassType[c], 0, 1));
        Require(InRange(g_HighPassSlope[c], 0, 8) && InRange(g_LowPassSlope[c], 0, 8));
        Require(InRange(g_ChannelGain[c], 0, 600));
    }
    Require(InRange(g_MasterVolume, 0, 60));
}

// The channel values a routing image load sets.
inline void CheckRoutingValues() {
    for (int c = 0; c < kChannels; ++c) {
        Require((g_RoutingMask[c] & ~0xFFFFF) == 0);
        Require((g_LinkGroupMask[c] & ~0xFFF) == 0);
        // Input levels are taken as the device sends them (its low byte each); only the mix volume is
        // limited.
        for (int i = 0; i < kInputs; ++i) Require(InRange(g_InputVolume[c][i], 0, 255));
    }
    Require(InRange(g_HighLevelMixVolume, 0, kMixVolumeMax));
    Require(g_HighLevelMixIn <= 1);
}

// Every value text of the channel values, as the window shows them.
inline void CheckChannelTexts(const int* delays) {
    std::string text;
    editing::FormatMasterVolume(text);
    RequireShortText(text, 5);
    const auto master = editing::ParseMasterVolumeText(text.substr(0, text.find('d')));
    Require(master && *master == std::min(g_MasterVolume, 60));
    for (int c = 0; c < kChannels; ++c) {
        g_CurrentChannel = c;
        for (int b = 0; b < kBands; ++b) {
            text = "?";
            editing::FormatEqGain(text, b);
            RequireShortText(text, 5);  // "-15.0"
            RequireShortText(editing::FormatFixed(g_EqQ[c][b], 2), 5);
            RequireShortText(std::to_string(g_EqFreq[c][b]), 5);
        }
        editing::FormatChannelGain(text, c);
        RequireShortText(text, 7);  // "-60.0dB"
        for (bool cm : {false, true}) {
            editing::FormatDelay(&delays[c], text, cm);
            RequireShortText(text, 10);
        }
    }
    g_CurrentChannel = 0;
}

// The mix-cell texts of the input levels.
inline void CheckMixTexts() {
    std::string text;
    for (int c = 0; c < kChannels; ++c) {
        for (int j = 0; j < kInputs; ++j) {
            text = "?";
            editing::FormatMixCell(text, c, 1 << j);
            // "0dB" .. "-60dB"; a level past 60 (as a device may send it) has no text.
            if (editing::GetMixCell(c, 1 << j) <= kMixVolumeMax) {
                RequireShortText(text, 5);
            } else {
                Require(text.empty());
            }
        }
    }
}

// The graph's curves of two channels from the model (all twelve cost too much per input): one finite y
// per column, runs inside the graph.
inline void CheckCurves(int dpi, int width, int height, int firstChannel, int secondChannel) {
    SpectrumEditor graph(dpi);
    graph.SetGraphRect(0, 0, width, height);
    for (int c : {firstChannel % kChannels, secondChannel % kChannels}) {
        graph.SetCurrentChannel(c, false);
        graph.SetBandFreqs(g_EqFreq[c], kBands);
        graph.SetBandGains(g_EqGain[c], kBands);
        graph.SetBandQs(g_EqQ[c], kBands);
        graph.SetFilters(g_HighPassFreq[c], g_LowPassFreq[c], g_HighPassSlope[c], g_LowPassSlope[c],
                         g_HighPassType[c], g_LowPassType[c], false);
        graph.UpdateBandCurve(false, kBands);
        const auto& g = graph.Layout();
        const controls::CurveFrame frame{g.zeroY, g.left, g.top, g.right, g.bottom};
        const int selBand = c % 3 == 0 ? -1 : (c * 7) % kBands;
        const controls::CurveColumns cols = controls::SumCurveColumns(
            graph.Bezier(), frame, selBand, c % 3 == 0 ? c % 2 : -1, graph.FilterOff());
        Require(cols.ys.size() == static_cast<std::size_t>(std::max(0, g.right - g.left + 1)));
        for (float y : cols.ys) Require(std::isfinite(y));
        for (int i = 0; i < cols.selCount; ++i)
            Require(std::isfinite(cols.sel[i].x) && std::isfinite(cols.sel[i].y));
        for (const controls::CurveRun& run : controls::SplitCurveRuns(cols, frame)) {
            Require(run.first >= 0 &&
                    static_cast<std::size_t>(run.first) + run.points.size() <= cols.ys.size());
            for (const auto& p : run.points) Require(p.y >= g.top - 0.5f && p.y <= g.bottom + 0.5f);
        }
    }
}

}  // namespace fuzz
