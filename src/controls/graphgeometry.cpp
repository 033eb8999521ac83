#include "controls/graphgeometry.h"

#include <cmath>

namespace controls {

namespace {

// Truncation toward zero that saturates instead of overflowing: unchecked inputs (a Q near zero, a filter
// frequency of 0) must give far-away pixels, not undefined behaviour.
int TruncToInt(double v) {
    constexpr double kLimit = 1e9;
    if (std::isnan(v)) return 0;
    if (v > kLimit) return static_cast<int>(kLimit);
    if (v < -kLimit) return static_cast<int>(-kLimit);
    return static_cast<int>(v);
}

const double kLog20 = std::log10(20.0);

}  // namespace

int PixelsPerDecade(int dpi) {
    if (dpi < 110) return 318;
    if (dpi < 132) return 360;
    if (dpi < 158) return 450;
    if (dpi < 188) return 546;
    return 590;
}

GraphLayout CalcGraphLayout(const gfx::Rect& c, int dpi) {
    GraphLayout g;
    g.ppd = PixelsPerDecade(dpi);
    // A control too low for the frame has no rows; drags are ignored then.
    int h = c.bottom - c.top - 32;
    if (h < 0) h = 0;
    int m = (h % 6) / 2;
    g.bottom = c.bottom - 22 - m;
    g.top = m + 10;
    g.rowHeight = h / 6;
    int span = TruncToInt((std::log10(20000.0) - kLog20) * g.ppd);
    int w = c.right - c.left;
    if (span + 40 < w)
        g.left = c.left + (w - span - 40) / 2 + 30;
    else
        g.left = c.left + 30;
    g.right = g.left + span;
    g.zeroY = g.bottom - 3 * g.rowHeight;
    return g;
}

int GraphLayout::FreqToX(double freq) const {
    return left + TruncToInt((std::log10(freq) - kLog20) * ppd);
}

int GraphLayout::MarkerX(double freq) const {
    return TruncToInt((std::log10(freq) - kLog20) * ppd + left - 5.0);
}

int GraphLayout::XToFreq(int x) const {
    return TruncToInt(std::pow(10.0, static_cast<double>(x - left) / ppd + kLog20));
}

int GraphLayout::GainToY(double gainDb) const {
    return TruncToInt(zeroY - rowHeight * gainDb / 5.0);
}

double SafeQ(double q) {
    return q > 0.0 ? q : 0.10;
}

void SetBandQXs(BandPoints& p, int x, double q) {
    q = SafeQ(q);
    if (q >= 0.7) {
        p[0].x = TruncToInt(x - 398 / q);
        p[1].x = x;
        p[2].x = TruncToInt(x - 39.8 / q);
        p[4].x = TruncToInt(x + 39.8 / q);
        p[5].x = x;
        p[6].x = TruncToInt(x + 398 / q);
    } else {
        p[0].x = TruncToInt(x - 3800.0 / 7);
        p[1].x = TruncToInt(x - 35 / q);
        p[2].x = TruncToInt(x - 30 / q);
        p[4].x = TruncToInt(x + 30 / q);
        p[5].x = TruncToInt(x + 35 / q);
        p[6].x = TruncToInt(x + 3800.0 / 7);
    }
}

BandPoints MakeBandPoints(const GraphLayout& g, int freq, double gainDb, double q) {
    BandPoints p;
    int x = g.FreqToX(freq);
    SetBandQXs(p, x, q);
    p[3].x = x;
    for (auto& pt : p) pt.y = g.zeroY;
    if (gainDb != 0.0) {
        int y = g.GainToY(gainDb);
        p[2].y = p[3].y = p[4].y = y;
    }
    return p;
}

int FilterFarY(unsigned type, unsigned slopeDb, int zeroY) {
    static constexpr int kButterworth[8] = {500, 900, 1350, 1750, 2150, 2550, 2900, 3600};
    static constexpr int kBessel[8] = {430, 750, 1200, 1400, 1700, 2000, 2150, 2500};
    if (slopeDb == 0 || slopeDb % 6 != 0 || slopeDb > 48) return zeroY;
    int i = static_cast<int>(slopeDb / 6) - 1;
    return type == 0 ? kButterworth[i] : kBessel[i];
}

namespace {

bool FilterInRange(unsigned freq) {
    return freq >= kFreqMin && freq <= kFreqMax;
}
int FilterShoulder(unsigned type) {
    return type == 0 ? 162 : 321;
}

}  // namespace

bool MakeHighPassPoints(const GraphLayout& g, unsigned freq, unsigned type, unsigned slopeDb,
                        FilterPoints& p) {
    if (!FilterInRange(freq)) return false;
    int x = g.FreqToX(freq);
    p = {Point{x - 954, FilterFarY(type, slopeDb, g.zeroY)}, Point{x, g.zeroY}, Point{x - 95, g.zeroY},
         Point{x + FilterShoulder(type), g.zeroY}};
    return true;
}

bool MakeLowPassPoints(const GraphLayout& g, unsigned freq, unsigned type, unsigned slopeDb,
                       FilterPoints& p) {
    if (!FilterInRange(freq)) return false;
    int x = g.FreqToX(freq);
    p = {Point{x - FilterShoulder(type), g.zeroY}, Point{x + 95, g.zeroY}, Point{x, g.zeroY},
         Point{x + 954, FilterFarY(type, slopeDb, g.zeroY)}};
    return true;
}

}  // namespace controls
