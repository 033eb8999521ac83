#include "controls/graphgeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace controls {
namespace {

struct DpiCase {
    int dpi;
    int ppd;
};
const DpiCase kDpiBands[] = {{96, 318},  {109, 318}, {110, 360}, {120, 360}, {131, 360},
                             {132, 450}, {144, 450}, {157, 450}, {158, 546}, {168, 546},
                             {187, 546}, {188, 590}, {192, 590}, {288, 590}};

TEST(GraphGeometry, PixelsPerDecadeAndAxisEndsInEveryDpiBand) {
    for (const auto& c : kDpiBands) {
        EXPECT_EQ(PixelsPerDecade(c.dpi), c.ppd) << c.dpi;
        GraphLayout g = CalcGraphLayout({0, 0, 2000, 400}, c.dpi);
        EXPECT_EQ(g.right - g.left, 3 * c.ppd) << c.dpi;
        EXPECT_EQ(g.FreqToX(20), g.left) << c.dpi;
        EXPECT_EQ(g.FreqToX(20000), g.right) << c.dpi;
        EXPECT_EQ(g.XToFreq(g.left), 20) << c.dpi;
        EXPECT_EQ(g.XToFreq(g.right), 20000) << c.dpi;
        // Both directions truncate, so a column's frequency maps back to that column or left of it; above
        // 1 kHz a hertz is far less than a pixel and it is at most one column.
        for (int x = g.left; x <= g.right; ++x) {
            int back = g.FreqToX(g.XToFreq(x));
            ASSERT_LE(back, x) << c.dpi << " x=" << x;
            if (g.XToFreq(x) >= 1000) {
                ASSERT_GE(back, x - 1) << c.dpi << " x=" << x;
            }
        }
    }
}

TEST(GraphGeometry, FrequencyColumnsAtDecades) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);
    EXPECT_EQ(g.FreqToX(200), g.left + 318);
    EXPECT_EQ(g.FreqToX(2000), g.left + 636);
    EXPECT_EQ(g.FreqToX(1000), g.left + static_cast<int>((std::log10(1000.0) - std::log10(20.0)) * 318));
    EXPECT_EQ(g.MarkerX(20), g.left - 5);
    EXPECT_EQ(g.MarkerX(20000), g.right - 5);
}

TEST(GraphGeometry, LayoutRowsAndCentring) {
    struct Case {
        gfx::Rect client;
        int dpi;
        int left, top, bottom, row;
    } cases[] = {
        // H = 300 - 32 = 268, 268 % 6 = 4 -> m = 2; wide control centres the 954-pixel axis.
        {{0, 0, 1100, 300}, 96, (1100 - 954 - 40) / 2 + 30, 12, 300 - 22 - 2, 44},
        // H % 6 = 1: the extra pixel lies above the +15 dB line.
        {{0, 0, 800, 32 + 6 * 40 + 1}, 96, 30, 10, 32 + 240 + 1 - 22, 40},
        // Exactly span + 40 wide: not centred.
        {{0, 0, 994, 272}, 96, 30, 10, 250, 40},
        {{0, 0, 995, 272}, 96, 30, 10, 250, 40},
        {{0, 0, 996, 272}, 96, 31, 10, 250, 40},
        {{0, 0, 1900, 500}, 192, (1900 - 1770 - 40) / 2 + 30, 10 + 0, 500 - 22 - 0, 78},
        // Too low for any row: a zero row height, no negative sizes.
        {{0, 0, 800, 20}, 96, 30, 10, -2, 0},
    };
    for (const auto& c : cases) {
        GraphLayout g = CalcGraphLayout(c.client, c.dpi);
        EXPECT_EQ(g.left, c.left) << c.client.right << "x" << c.client.bottom;
        EXPECT_EQ(g.top, c.top) << c.client.bottom;
        EXPECT_EQ(g.bottom, c.bottom) << c.client.bottom;
        EXPECT_EQ(g.rowHeight, c.row) << c.client.bottom;
        EXPECT_EQ(g.zeroY, g.bottom - 3 * g.rowHeight);
    }
    GraphLayout odd = CalcGraphLayout({0, 0, 800, 32 + 6 * 40 + 1}, 96);
    EXPECT_EQ(odd.bottom - odd.top, 6 * odd.rowHeight + 1);
}

TEST(GraphGeometry, BandPointsByQ) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);
    const int X = g.FreqToX(1000);
    struct Case {
        double q;
        int dx[7];  // x offsets from the peak column
    } cases[] = {
        // Truncation toward zero of positive columns: X - 568.57 gives X - 569, X + 568.57 gives X + 568.
        {0.7, {-569, 0, -57, 0, 56, 0, 568}},      // 398/0.7 = 568.57, 39.8/0.7 = 56.86
        {4.32, {-93, 0, -10, 0, 9, 0, 92}},        // 398/4.32 = 92.13, 39.8/4.32 = 9.21
        {10.0, {-40, 0, -4, 0, 3, 0, 39}},         // 39.8 and 3.98
        {0.69, {-543, -51, -44, 0, 43, 50, 542}},  // fixed outer points 3800/7 = 542.86; 35/0.69, 30/0.69
        {0.1, {-543, -350, -300, 0, 300, 350, 542}},
        {0.0, {-543, -350, -300, 0, 300, 350, 542}},  // Q of 0 or less draws as 0.10
        {-2.0, {-543, -350, -300, 0, 300, 350, 542}},
    };
    for (const auto& c : cases) {
        BandPoints p = MakeBandPoints(g, 1000, 0.0, c.q);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(p[i].x, X + c.dx[i]) << "Q " << c.q << " point " << i;
            EXPECT_EQ(p[i].y, g.zeroY) << "Q " << c.q << " point " << i;
        }
    }
    // The Q < 0.7 hump is narrower than the Q = 0.7 one.
    EXPECT_GT(MakeBandPoints(g, 1000, 0, 0.69)[0].x, MakeBandPoints(g, 1000, 0, 0.7)[0].x);
}

TEST(GraphGeometry, BandPointsByGain) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);  // row 44
    struct Case {
        double gain;
        int y;
    } cases[] = {{15.0, g.zeroY - 3 * 44},
                 {-15.0, g.zeroY + 3 * 44},
                 {0.1, g.zeroY - 1},
                 {-3.0, g.zeroY + 26},
                 {2.5, g.zeroY - 22}};
    for (const auto& c : cases) {
        BandPoints p = MakeBandPoints(g, 500, c.gain, 2.0);
        for (int i : {0, 1, 5, 6}) EXPECT_EQ(p[i].y, g.zeroY) << c.gain;
        for (int i : {2, 3, 4}) EXPECT_EQ(p[i].y, c.y) << c.gain;
    }
}

TEST(GraphGeometry, QOnlyRecomputeKeepsPeakAndLevels) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);
    BandPoints p = MakeBandPoints(g, 1000, 6.0, 4.32);
    BandPoints before = p;
    SetBandQXs(p, p[3].x, 0.5);
    BandPoints expect = MakeBandPoints(g, 1000, 6.0, 0.5);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(p[i].y, before[i].y);
        EXPECT_EQ(p[i].x, expect[i].x);
    }
}

TEST(GraphGeometry, FilterDepthByTypeAndSlope) {
    const int zeroY = 123;
    const int butterworth[] = {500, 900, 1350, 1750, 2150, 2550, 2900, 3600};
    const int bessel[] = {430, 750, 1200, 1400, 1700, 2000, 2150, 2500};
    for (int i = 0; i < 8; ++i) {
        unsigned slope = 6u * (i + 1);
        EXPECT_EQ(FilterFarY(0, slope, zeroY), butterworth[i]) << slope;
        EXPECT_EQ(FilterFarY(1, slope, zeroY), bessel[i]) << slope;
        EXPECT_EQ(FilterFarY(7, slope, zeroY), bessel[i]) << "any other type draws as Bessel";
    }
    for (unsigned slope : {0u, 5u, 7u, 54u, 60u, 0xFFFFFFFFu}) {
        EXPECT_EQ(FilterFarY(0, slope, zeroY), zeroY) << slope;
        EXPECT_EQ(FilterFarY(1, slope, zeroY), zeroY) << slope;
    }
}

TEST(GraphGeometry, FilterPoints) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);
    int X = g.FreqToX(1000);
    FilterPoints hp{}, lp{};
    ASSERT_TRUE(MakeHighPassPoints(g, 1000, 0, 24, hp));
    EXPECT_EQ(hp, (FilterPoints{Point{X - 954, 1750}, {X, g.zeroY}, {X - 95, g.zeroY}, {X + 162, g.zeroY}}));
    ASSERT_TRUE(MakeLowPassPoints(g, 1000, 1, 48, lp));
    EXPECT_EQ(lp, (FilterPoints{Point{X - 321, g.zeroY}, {X + 95, g.zeroY}, {X, g.zeroY}, {X + 954, 2500}}));
    // Out of range: the previous points stay.
    FilterPoints keep = hp;
    for (unsigned f : {0u, 19u, 20001u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(MakeHighPassPoints(g, f, 0, 24, keep)) << f;
        EXPECT_FALSE(MakeLowPassPoints(g, f, 0, 24, keep)) << f;
        EXPECT_EQ(keep, hp);
    }
    EXPECT_TRUE(MakeHighPassPoints(g, 20, 0, 0, keep));
    EXPECT_EQ(keep[0].y, g.zeroY) << "a filter that is off lies on the zero line";
}

TEST(GraphGeometry, UncheckedValuesStayFinite) {
    GraphLayout g = CalcGraphLayout({0, 0, 1100, 300}, 96);
    BandPoints p = MakeBandPoints(g, 1000, 1e300, 1e-300);
    EXPECT_LT(p[2].y, g.top);
    EXPECT_LT(p[0].x, g.left);
    EXPECT_LT(g.MarkerX(0), g.left);
}

}  // namespace
}  // namespace controls
