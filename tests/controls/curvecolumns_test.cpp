#include "controls/curvecolumns.h"

#include <gtest/gtest.h>

#include <cmath>

namespace controls {
namespace {

TEST(Bezier, EvaluateHitsEndsAndMidpoint) {
    const Point ctrl[4] = {{0, 0}, {10, 30}, {20, 30}, {30, 0}};
    PointF p;
    EXPECT_EQ(*CBezier::Evaluate(&p, 3, ctrl, 0.0), (PointF{0, 0}));
    EXPECT_EQ(*CBezier::Evaluate(&p, 3, ctrl, 1.0), (PointF{30, 0}));
    CBezier::Evaluate(&p, 3, ctrl, 0.5);
    EXPECT_FLOAT_EQ(p.x, 15.0f);
    EXPECT_FLOAT_EQ(p.y, 22.5f);
    const Point line[2] = {{4, 8}, {14, -2}};
    CBezier::Evaluate(&p, 1, line, 0.25);
    EXPECT_FLOAT_EQ(p.x, 6.5f);
    EXPECT_FLOAT_EQ(p.y, 5.5f);
}

TEST(Bezier, HitTestsAndNumberPositions) {
    CBezier bz;
    Point pts[7] = {{0, 0}, {0, 0}, {0, 0}, {100, 50}, {0, 0}, {0, 0}, {0, 0}};
    bz.SetBandPoints(pts, 4);
    bz.SetBandPoints(pts, 12);
    bz.SetBandPoints(pts, 31);  // ignored
    bz.SetBandPoints(pts, -1);  // ignored
    EXPECT_EQ(bz.GetBandNumberPos(4), (Point{97, 43}));
    EXPECT_EQ(bz.GetBandNumberPos(12), (Point{92, 43}));
    struct Case {
        int x, y, band;
    } hits[] = {{92, 42, 4}, {107, 57, 4}, {108, 50, -1}, {100, 58, -1}, {91, 50, -1}, {100, 50, 4}};
    for (const auto& c : hits) EXPECT_EQ(bz.HitTestBand(c.x, c.y, 4), c.band) << c.x << "," << c.y;
    EXPECT_EQ(bz.HitTestBand(100, 50, 31), -1);
    EXPECT_EQ(bz.HitTestBand(100, 50, -5), -1);
    struct QCase {
        int x, y, offset, expect;
    } q[] = {{62, 44, 0, -1}, {79, 55, 0, -1}, {80, 50, 0, 0},   {61, 50, 0, 0},   {120, 44, 0, 1},
             {137, 55, 0, 1}, {138, 50, 0, 0}, {42, 50, 20, -1}, {140, 50, 20, 1}, {120, 56, 0, 0}};
    for (const auto& c : q)
        EXPECT_EQ(bz.HitTestQHandle(c.x, c.y, 4, c.offset), c.expect) << c.x << "," << c.y;
}

// A channel's points built the way the graph builds them.
struct Channel {
    GraphLayout g;
    CBezier bz;
    CurveFrame frame;
    explicit Channel(int dpi, gfx::Rect client = {0, 0, 2000, 300}) : g(CalcGraphLayout(client, dpi)) {
        frame = {g.zeroY, g.left, g.top, g.right, g.bottom};
        for (int b = 0; b < kGraphBands; ++b) Band(b, 1000, 0.0, 4.32);
        Filters(20, 20000, 0, 0);
    }
    void Band(int b, int f, double gain, double q) {
        BandPoints p = MakeBandPoints(g, f, gain, q);
        bz.SetBandPoints(p.data(), b);
    }
    void Filters(unsigned hp, unsigned lp, unsigned hpSlope, unsigned lpSlope, unsigned type = 0) {
        FilterPoints p;
        if (MakeHighPassPoints(g, hp, type, hpSlope, p)) std::copy(p.begin(), p.end(), bz.m_ptHighPass);
        if (MakeLowPassPoints(g, lp, type, lpSlope, p)) std::copy(p.begin(), p.end(), bz.m_ptLowPass);
    }
    float At(const CurveColumns& c, int x) const { return c.ys[x - g.left]; }
};

TEST(CurveColumns, FlatChannelIsOneRunOnTheZeroLine) {
    for (int dpi : {96, 192}) {
        Channel ch(dpi);
        CurveColumns cols = SumCurveColumns(ch.bz, ch.frame, -1, -1, 3);
        ASSERT_EQ(static_cast<int>(cols.ys.size()), ch.g.right - ch.g.left + 1);
        for (float y : cols.ys) ASSERT_FLOAT_EQ(y, static_cast<float>(ch.g.zeroY));
        auto runs = SplitCurveRuns(cols, ch.frame);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].first, 0);
        EXPECT_EQ(runs[0].points.size(), cols.ys.size());
        EXPECT_EQ(cols.selCount, 0);
        // Filters that are on but at the axis ends and off (slope 0) add nothing either.
        CurveColumns on = SumCurveColumns(ch.bz, ch.frame, -1, -1, 0);
        for (float y : on.ys) ASSERT_FLOAT_EQ(y, static_cast<float>(ch.g.zeroY));
    }
}

TEST(CurveColumns, BandsSumColumnByColumn) {
    Channel ch(96);
    const int x1k = ch.g.FreqToX(1000), x100 = ch.g.FreqToX(100);
    ch.Band(5, 100, -6.0, 2.0);
    ch.Band(17, 1000, 12.0, 4.32);
    CurveColumns two = SumCurveColumns(ch.bz, ch.frame, -1, -1, 3);
    const float z = static_cast<float>(ch.g.zeroY);
    // Peaks are exact samples: the column holds the peak's level.
    EXPECT_FLOAT_EQ(ch.At(two, x1k), static_cast<float>(ch.g.GainToY(12.0)));
    EXPECT_FLOAT_EQ(ch.At(two, x100), static_cast<float>(ch.g.GainToY(-6.0)));
    // Far from both humps the curve lies on the zero line.
    EXPECT_FLOAT_EQ(ch.At(two, ch.g.left), z);
    EXPECT_FLOAT_EQ(ch.At(two, ch.g.right), z);
    EXPECT_FLOAT_EQ(ch.At(two, x1k + 300), z);

    // The same band twice doubles every deviation.
    ch.Band(18, 1000, 12.0, 4.32);
    CurveColumns three = SumCurveColumns(ch.bz, ch.frame, -1, -1, 3);
    for (int x : {x1k - 60, x1k - 20, x1k - 3, x1k, x1k + 2, x1k + 25, x1k + 80}) {
        float one = ch.At(two, x) - z;
        EXPECT_NEAR(ch.At(three, x) - z, 2 * one, 1e-3) << x;
    }
    // The hump falls off on both sides of the peak, and ends at its outer points.
    for (int d = 1; d < 100; ++d) {
        ASSERT_GE(ch.At(two, x1k - d), ch.At(two, x1k - d + 1) - 1e-3f) << d;
        ASSERT_GE(ch.At(two, x1k + d), ch.At(two, x1k + d - 1) - 1e-3f) << d;
    }
    EXPECT_FLOAT_EQ(ch.At(two, x1k - 93), z);
    EXPECT_FLOAT_EQ(ch.At(two, x1k + 92), z);
}

TEST(CurveColumns, SteepHighPassStartsBelowTheGraph) {
    // 590 pixels per decade, high-pass at 1 kHz, 48 dB/oct Butterworth: the corner column is left + 1002
    // and the far point left + 48; the columns before it are pushed below the bottom edge.
    Channel ch(192);
    ch.Filters(1000, 20000, 48, 0);
    EXPECT_EQ(ch.g.FreqToX(1000) - ch.g.left, 1002);
    CurveColumns cols = SumCurveColumns(ch.bz, ch.frame, -1, -1, 2);
    for (int i = 0; i < 48; ++i) ASSERT_GT(cols.ys[i], static_cast<float>(ch.g.bottom)) << i;
    EXPECT_GT(cols.ys[1002], static_cast<float>(ch.g.zeroY)) << "the corner column is below the zero line";
    for (int i = 1002 + 162; i < static_cast<int>(cols.ys.size()); ++i)
        ASSERT_FLOAT_EQ(cols.ys[i], static_cast<float>(ch.g.zeroY)) << i;
    auto runs = SplitCurveRuns(cols, ch.frame);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_GT(runs[0].first, 48);
    EXPECT_FLOAT_EQ(runs[0].points.front().y, static_cast<float>(ch.g.bottom))
        << "rises from the bottom edge";
    EXPECT_EQ(runs[0].first + static_cast<int>(runs[0].points.size()), static_cast<int>(cols.ys.size()));

    // At 318 pixels per decade the far point never lies right of the left edge.
    Channel low(96);
    low.Filters(1000, 20000, 48, 0);
    EXPECT_LE(low.bz.m_ptHighPass[0].x, low.g.left);
}

TEST(CurveColumns, SteepLowPassPushesColumnsPastTheFarPoint) {
    Channel ch(192);
    ch.Filters(20, 100, 0, 48);
    CurveColumns cols = SumCurveColumns(ch.bz, ch.frame, -1, 1, 1);
    int far = ch.bz.m_ptLowPass[3].x - ch.g.left;
    ASSERT_LT(far, static_cast<int>(cols.ys.size()));
    for (int i = far + 1; i < static_cast<int>(cols.ys.size()); ++i)
        ASSERT_GT(cols.ys[i], static_cast<float>(ch.g.bottom)) << i;
    EXPECT_EQ(cols.selCount, 41);
    EXPECT_EQ(cols.sel[39], (PointF{static_cast<float>(ch.g.right), static_cast<float>(ch.g.bottom)}));
    // A selected filter that is off is not shaded.
    EXPECT_EQ(SumCurveColumns(ch.bz, ch.frame, -1, 1, 2).selCount, 0);
}

TEST(CurveColumns, BoostBeyondTheTopSplitsTheRun) {
    Channel ch(96);
    for (int b = 10; b < 14; ++b) ch.Band(b, 1000, 15.0, 2.0);
    CurveColumns cols = SumCurveColumns(ch.bz, ch.frame, 11, -1, 3);
    EXPECT_EQ(cols.selCount, 78);
    auto runs = SplitCurveRuns(cols, ch.frame);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_FLOAT_EQ(runs[0].points.back().y, static_cast<float>(ch.g.top));
    EXPECT_FLOAT_EQ(runs[1].points.front().y, static_cast<float>(ch.g.top)) << "starts again on the edge";
    for (const auto& r : runs)
        for (const auto& p : r.points) {
            ASSERT_GE(p.y, static_cast<float>(ch.g.top));
            ASSERT_LE(p.y, static_cast<float>(ch.g.bottom));
        }
}

TEST(CurveColumns, EmptyGraphHasNoColumns) {
    CBezier bz;
    CurveColumns cols = SumCurveColumns(bz, CurveFrame{0, 10, 0, 5, 0}, -1, -1, 0);
    EXPECT_TRUE(cols.ys.empty());
    EXPECT_TRUE(SplitCurveRuns(cols, CurveFrame{}).empty());
    // All points at the origin (nothing set yet): no band reaches the columns.
    CurveColumns origin = SumCurveColumns(bz, CurveFrame{100, 30, 10, 984, 200}, -1, -1, 3);
    for (float y : origin.ys) ASSERT_FLOAT_EQ(y, 100.0f);
}

}  // namespace
}  // namespace controls
