#pragma once
// Pixel geometry of the EQ graph: where the level rows and the logarithmic 20 Hz..20 kHz axis sit in the
// control, and how band and filter settings become Bezier control points. The curve is a picture of the
// settings, not a filter response: each band is a hump of two cubic segments, each filter one cubic segment.
#include <array>

#include "platform/gfx/geometry.h"

namespace controls {

using gfx::Point;
using gfx::PointF;

constexpr int kGraphBands = 31;
constexpr int kGraphChannels = 12;
constexpr int kPointsPerBand = 7;
constexpr int kFreqMin = 20;
constexpr int kFreqMax = 20000;

// Pixels per decade of frequency for the screen DPI, by DPI band.
int PixelsPerDecade(int dpi);

// The graph rectangle inside the control's client rectangle, six rows of 5 dB around the zero line.
struct GraphLayout {
    int left = 0, top = 0, right = 0, bottom = 0;
    int rowHeight = 0;
    int zeroY = 0;
    int ppd = 318;

    // x of a frequency, truncated toward zero; 20 Hz is `left`, 20 kHz is `right`.
    int FreqToX(double freq) const;
    // x of a filter marker: five pixels left of the frequency, truncated after the shift.
    int MarkerX(double freq) const;
    // Frequency of a column, truncated toward zero.
    int XToFreq(int x) const;
    // y of a gain in dB (truncated toward zero).
    int GainToY(double gainDb) const;
};

GraphLayout CalcGraphLayout(const gfx::Rect& client, int dpi);

using BandPoints = std::array<Point, kPointsPerBand>;
using FilterPoints = std::array<Point, 4>;

// Q values at or below zero would divide by zero or turn the hump inside out; they draw as the smallest Q.
double SafeQ(double q);

// The seven control points of one band hump: points 0..3 the left segment, 3..6 the right one, 3 the peak.
BandPoints MakeBandPoints(const GraphLayout& g, int freq, double gainDb, double q);
// Only the x coordinates of the points around a peak at peakX (a Q drag): y and point 3 stay as they are.
void SetBandQXs(BandPoints& pts, int peakX, double q);

// Far depth of a filter curve (an absolute y) by type and slope in dB/oct; any other slope lies on zeroY.
int FilterFarY(unsigned type, unsigned slopeDb, int zeroY);
// Control points of the high-pass or low-pass curve; false (points untouched) when the frequency is
// outside 20..20000.
bool MakeHighPassPoints(const GraphLayout& g, unsigned freq, unsigned type, unsigned slopeDb,
                        FilterPoints& out);
bool MakeLowPassPoints(const GraphLayout& g, unsigned freq, unsigned type, unsigned slopeDb,
                       FilterPoints& out);

}  // namespace controls
