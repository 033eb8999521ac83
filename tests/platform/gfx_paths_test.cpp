// Anti-aliased paths: the cardinal spline's Bezier points, curves through their points, translucent polygons.
#include <gtest/gtest.h>

#include "platform/gfx/spline.h"
#include "platform/gfx_testing.h"

namespace gfx {
namespace {

using testing::Filled;
using testing::Near;

constexpr Color kBack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

void ExpectPoint(PointF got, PointF want, const char* what) {
    EXPECT_NEAR(got.x, want.x, 1e-4) << what;
    EXPECT_NEAR(got.y, want.y, 1e-4) << what;
}

TEST(CardinalSpline, ControlPointsFollowTheTension) {
    const float t = 0.5f;
    {
        const PointF p[] = {{0, 0}, {30, 60}, {90, 30}, {120, 0}};
        const auto b = CardinalToBeziers(p, t);
        ASSERT_EQ(b.size(), 10u);
        ExpectPoint(b[0], p[0], "start");
        ExpectPoint(b[1], {0 + t * (30 - 0) / 3, 0 + t * (60 - 0) / 3},
                    "first control: the end stands in for p[-1]");
        ExpectPoint(b[2], {30 - t * (90 - 0) / 3, 60 - t * (30 - 0) / 3}, "p1 - t(p2 - p0)/3");
        ExpectPoint(b[3], p[1], "through p1");
        ExpectPoint(b[4], {30 + t * (90 - 0) / 3, 60 + t * (30 - 0) / 3}, "p1 + t(p2 - p0)/3");
        ExpectPoint(b[5], {90 - t * (120 - 30) / 3, 30 - t * (0 - 60) / 3}, "p2 - t(p3 - p1)/3");
        ExpectPoint(b[6], p[2], "through p2");
        ExpectPoint(b[8], {120 - t * (120 - 90) / 3, 0 - t * (0 - 30) / 3}, "last control");
        ExpectPoint(b[9], p[3], "end");
    }
    {
        const PointF p[] = {{0, 0}, {30, 0}};
        const auto b = CardinalToBeziers(p, t);
        ASSERT_EQ(b.size(), 4u);
        ExpectPoint(b[1], {5, 0}, "two points");
        ExpectPoint(b[2], {25, 0}, "two points");
    }
    const PointF one[] = {{3, 3}};
    EXPECT_TRUE(CardinalToBeziers(one, t).empty());
    EXPECT_TRUE(CardinalToBeziers({}, t).empty());
}

TEST(CanvasPaths, CurvePassesThroughItsPoints) {
    Bitmap b = Filled(100, 60, kBack);
    const PointF pts[] = {{10, 40}, {30, 12}, {50, 30}, {70, 48}, {90, 20}};
    Canvas(b).DrawCurve(pts, 2.0f, kWhite);
    for (const PointF& p : pts) {
        int best = 0;
        for (int dy = -1; dy <= 1; ++dy) best = std::max<int>(best, b.PixelAt(int(p.x), int(p.y) + dy).r);
        EXPECT_GT(best, 150) << p.x << "," << p.y;
    }
    EXPECT_EQ(b.PixelAt(50, 5), kBack);
    EXPECT_EQ(b.PixelAt(10, 10), kBack);
}

TEST(CanvasPaths, PixelCentresAreAtIntegerCoordinates) {
    // A 1-wide horizontal line at y = 10 covers row 10 alone, the way GDI+ places it.
    Bitmap b = Filled(40, 20, kBack);
    Canvas(b).DrawLineAA({5, 10}, {35, 10}, 1.0f, kWhite);
    EXPECT_EQ(b.PixelAt(20, 10), kWhite);
    EXPECT_EQ(b.PixelAt(20, 9), kBack);
    EXPECT_EQ(b.PixelAt(20, 11), kBack);
}

TEST(CanvasPaths, SlantedLinesAreAntiAliased) {
    Bitmap b = Filled(40, 20, kBack);
    Canvas(b).DrawLineAA({0, 2}, {39, 15}, 1.0f, kWhite);
    int partial = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) partial += b.PixelAt(x, y).r > 20 && b.PixelAt(x, y).r < 235;
    EXPECT_GT(partial, 10);
}

TEST(CanvasPaths, BezierWithPenWidthAndColour) {
    Bitmap b = Filled(60, 40, kBack);
    Canvas(b).DrawBezier({5, 20}, {20, 20}, {40, 20}, {55, 20}, 3.0f, Rgb(17, 153, 153));
    EXPECT_EQ(b.PixelAt(30, 20), Rgb(17, 153, 153));
    EXPECT_NE(b.PixelAt(30, 21), kBack);
    EXPECT_EQ(b.PixelAt(30, 24), kBack);
    EXPECT_EQ(b.PixelAt(58, 20), kBack) << "flat caps end at the last point";
}

TEST(CanvasPaths, BadPointCountsDrawNothing) {
    Bitmap b = Filled(20, 20, kBack);
    Canvas c(b);
    const PointF five[] = {{0, 0}, {5, 5}, {10, 0}, {15, 5}, {19, 19}};
    c.DrawBeziers(five, 2.0f, kWhite);
    c.DrawCurve(std::span<const PointF>(five, 1), 2.0f, kWhite);
    c.FillPolygon(std::span<const PointF>(five, 2), kWhite);
    EXPECT_EQ(testing::InkBox(b, kBack), Rect{});
}

TEST(CanvasPaths, TranslucentPolygonBlends) {
    Bitmap b = Filled(50, 50, kWhite);
    Canvas c(b);
    const PointF square[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    c.FillPolygon(square, Argb(128, 0, 0, 255));
    EXPECT_TRUE(Near(b.PixelAt(20, 20), Rgb(127, 127, 255), 2));
    EXPECT_EQ(b.PixelAt(40, 40), kWhite);
    c.FillPolygon(square, Argb(128, 0, 0, 255));
    EXPECT_TRUE(Near(b.PixelAt(20, 20), Rgb(63, 63, 255), 2)) << "a second fill blends again";

    // The selection shade over a dark background.
    Bitmap dark = Filled(10, 10, Rgb(15, 23, 32));
    const PointF all[] = {{-1, -1}, {11, -1}, {11, 11}, {-1, 11}};
    Canvas(dark).FillPolygon(all, Argb(128, 69, 41, 22));
    EXPECT_TRUE(Near(dark.PixelAt(5, 5), Rgb(42, 32, 27), 2));
}

TEST(CanvasPaths, PolygonsFillWithTheAlternateRule) {
    Bitmap b = Filled(50, 50, kBack);
    const PointF ring[] = {{0, 0},   {40, 0},  {40, 40}, {0, 40},  {0, 0},
                           {10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}};
    Canvas(b).FillPolygon(ring, kWhite);
    EXPECT_EQ(b.PixelAt(5, 20), kWhite);
    EXPECT_EQ(b.PixelAt(20, 20), kBack);
}

}  // namespace
}  // namespace gfx
