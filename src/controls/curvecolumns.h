#pragma once
// The curve of one channel as drawn: every band segment and filter segment is sampled, and their
// deviations from the zero line are summed column by column over the graph's width. What lies between
// the top and bottom edges is then drawn in runs of columns.
#include <array>
#include <vector>

#include "controls/bezier.h"

namespace controls {

constexpr int kSegmentSamples = 39;

struct CurveFrame {
    int zeroY = 0, left = 0, top = 0, right = 0, bottom = 0;
};

struct CurveColumns {
    // One y per pixel column from left to right inclusive.
    std::vector<float> ys;
    // The shaded outline of the selected band (two rows of 39 samples) or filter (39 samples and two
    // corners); selCount is 0 when nothing is selected.
    std::array<PointF, 2 * kSegmentSamples> sel{};
    int selCount = 0;
};

// selBand -1 and selFilter -1 shade nothing; filterOff bit 0 leaves out the high-pass, bit 1 the low-pass.
CurveColumns SumCurveColumns(const CBezier& bezier, const CurveFrame& f, int selBand, int selFilter,
                             int filterOff);

// A run of consecutive columns inside the level range, with its first and last y clamped to the edges.
struct CurveRun {
    int first = 0;  // column index
    std::vector<PointF> points;
};

std::vector<CurveRun> SplitCurveRuns(const CurveColumns& cols, const CurveFrame& f);

}  // namespace controls
