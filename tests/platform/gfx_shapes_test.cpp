// Pens, brushes, lines and rectangles land on the pixels GDI would draw.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gfx_testing.h"

namespace gfx {
namespace {

using testing::Filled;

constexpr Color kBack = Rgb(0, 0, 0);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);

struct Sample {
    Point p;
    bool inked;
};

void ExpectSamples(const Bitmap& b, Color ink, std::initializer_list<Sample> samples, const char* what) {
    for (const Sample& s : samples) {
        const Color got = b.PixelAt(s.p.x, s.p.y);
        EXPECT_EQ(got == ink, s.inked) << what << " at (" << s.p.x << ", " << s.p.y << ")";
        if (!s.inked) {
            EXPECT_EQ(got, kBack) << what << " at (" << s.p.x << ", " << s.p.y << ")";
        }
    }
}

TEST(CanvasLines, OnePixelLinesExcludeTheirEndPoint) {
    struct Case {
        const char* name;
        Point a, b;
        std::initializer_list<Sample> samples;
    };
    const Case cases[] = {
        {"left to right",
         {2, 5},
         {10, 5},
         {{{2, 5}, true},
          {{9, 5}, true},
          {{10, 5}, false},
          {{1, 5}, false},
          {{5, 4}, false},
          {{5, 6}, false}}},
        {"right to left",
         {10, 5},
         {2, 5},
         {{{10, 5}, true}, {{3, 5}, true}, {{2, 5}, false}, {{11, 5}, false}}},
        {"downward",
         {4, 1},
         {4, 9},
         {{{4, 1}, true}, {{4, 8}, true}, {{4, 9}, false}, {{3, 5}, false}, {{5, 5}, false}}},
        {"upward", {4, 9}, {4, 1}, {{{4, 9}, true}, {{4, 2}, true}, {{4, 1}, false}}},
        {"diagonal",
         {0, 0},
         {6, 6},
         {{{0, 0}, true}, {{3, 3}, true}, {{5, 5}, true}, {{6, 6}, false}, {{1, 0}, false}, {{0, 1}, false}}},
        {"shallow", {0, 0}, {8, 2}, {{{0, 0}, true}, {{7, 2}, true}, {{8, 2}, false}, {{4, 0}, false}}},
        {"one point", {3, 3}, {3, 3}, {{{3, 3}, false}}},
    };
    for (const Case& c : cases) {
        Bitmap b = Filled(16, 12, kBack);
        Canvas canvas(b);
        canvas.SetPen(Pen::Solid(1, kRed));
        canvas.Line(c.a, c.b);
        ExpectSamples(b, kRed, c.samples, c.name);
    }
}

TEST(CanvasLines, WidthZeroIsOnePixel) {
    Bitmap b = Filled(12, 12, kBack);
    Canvas canvas(b);
    canvas.Line({1, 6}, {11, 6}, Pen::Solid(0, kRed));
    ExpectSamples(b, kRed, {{{1, 6}, true}, {{10, 6}, true}, {{5, 5}, false}, {{5, 7}, false}}, "width 0");
}

TEST(CanvasLines, MoveToLineToChainsFromTheCurrentPosition) {
    Bitmap b = Filled(12, 12, kBack);
    Canvas canvas(b);
    canvas.SetPen(Pen::Solid(1, kRed));
    canvas.MoveTo({1, 1});
    canvas.LineTo({8, 1});
    canvas.LineTo({8, 8});
    EXPECT_EQ(canvas.CurrentPosition(), (Point{8, 8}));
    ExpectSamples(b, kRed, {{{1, 1}, true}, {{7, 1}, true}, {{8, 1}, true}, {{8, 7}, true}, {{8, 8}, false}},
                  "polyline");
}

TEST(CanvasLines, DottedPenLeavesGaps) {
    Bitmap b = Filled(30, 4, kBack);
    Canvas canvas(b);
    canvas.SetPen(Pen::Dot(kRed));
    canvas.Line({0, 1}, {30, 1});
    int on = 0, off = 0;
    for (int x = 0; x < 30; ++x) (b.PixelAt(x, 1) == kRed ? on : off)++;
    EXPECT_EQ(on, 15);
    EXPECT_EQ(off, 15);
    ExpectSamples(b, kRed, {{{0, 1}, true}, {{2, 1}, true}, {{3, 1}, false}, {{5, 1}, false}, {{6, 1}, true}},
                  "dots");

    // In opaque mode the gaps take the background colour, as GDI fills them.
    canvas.SetBkMode(BkMode::kOpaque);
    canvas.SetBkColor(kBlue);
    canvas.Line({0, 2}, {12, 2});
    EXPECT_EQ(b.PixelAt(0, 2), kRed);
    EXPECT_EQ(b.PixelAt(3, 2), kBlue);
    EXPECT_EQ(b.PixelAt(12, 2), kBack);
}

TEST(CanvasLines, DottedPenWiderThanOnePixelDrawsSolid) {
    Bitmap b = Filled(20, 8, kBack);
    Canvas canvas(b);
    canvas.Line({2, 4}, {16, 4}, Pen{PenStyle::kDot, 3, kRed});
    for (int x = 3; x < 16; ++x) EXPECT_EQ(b.PixelAt(x, 4), kRed) << x;
}

TEST(CanvasLines, WidePenCoversItsWidth) {
    Bitmap b = Filled(20, 12, kBack);
    Canvas canvas(b);
    canvas.Line({4, 6}, {14, 6}, Pen::Solid(3, kRed));
    ExpectSamples(b, kRed, {{{8, 5}, true}, {{8, 6}, true}, {{8, 7}, true}, {{8, 4}, false}, {{8, 8}, false}},
                  "width 3");
    canvas.Line({4, 2}, {14, 2}, Pen::Solid(2, kBlue));
    int rows = 0;
    for (int y = 0; y < 5; ++y) rows += b.PixelAt(8, y) == kBlue;
    EXPECT_EQ(rows, 2);
}

TEST(CanvasLines, NullPenDrawsNothing) {
    Bitmap b = Filled(10, 10, kBack);
    Canvas canvas(b);
    canvas.Line({0, 5}, {10, 5}, Pen::Null());
    EXPECT_EQ(testing::InkBox(b, kBack), Rect{});
}

TEST(CanvasLines, FarOffLinesDrawTheirVisiblePartQuickly) {
    Bitmap b = Filled(40, 40, kBack);
    Canvas canvas(b);
    canvas.SetPen(Pen::Solid(1, kRed));
    canvas.Line({-2000000000, 5}, {2000000000, 5});
    EXPECT_EQ(b.PixelAt(0, 5), kRed);
    EXPECT_EQ(b.PixelAt(39, 5), kRed);
    canvas.Line({0, 0}, {1000000000, 1000000000});
    EXPECT_EQ(b.PixelAt(20, 20), kRed);
    canvas.SetPen(Pen::Dot(kBlue));
    canvas.Line({2000000, -100}, {3000000, 100});
}

TEST(CanvasLines, FollowOriginAndClip) {
    Bitmap b = Filled(20, 20, kBack);
    Canvas canvas(b);
    canvas.Save();
    canvas.Translate(5, 5);
    canvas.ClipRect({0, 0, 4, 20});
    canvas.SetPen(Pen::Solid(1, kRed));
    canvas.Line({0, 0}, {10, 0});
    canvas.Restore();
    ExpectSamples(b, kRed, {{{5, 5}, true}, {{8, 5}, true}, {{9, 5}, false}, {{0, 0}, false}}, "translated");
    EXPECT_EQ(canvas.CurrentPen(), Pen::Solid(1, Rgb(0, 0, 0)));  // Restore brought back the default pen
}

TEST(CanvasShapes, RectangleFramesOuterPixelsAndFillsInside) {
    Bitmap b = Filled(12, 10, kBack);
    Canvas canvas(b);
    canvas.SetPen(Pen::Solid(1, kRed));
    canvas.SetBrush(Brush::Solid(kBlue));
    canvas.Rectangle({2, 2, 8, 6});
    ExpectSamples(b, kRed,
                  {{{2, 2}, true},
                   {{7, 2}, true},
                   {{7, 5}, true},
                   {{2, 5}, true},
                   {{4, 2}, true},
                   {{2, 4}, true},
                   {{8, 3}, false},
                   {{3, 6}, false},
                   {{1, 1}, false}},
                  "frame");
    EXPECT_EQ(b.PixelAt(4, 4), kBlue);
    EXPECT_EQ(b.PixelAt(6, 3), kBlue);
}

TEST(CanvasShapes, RectangleBrushAndPenVariants) {
    {
        Bitmap b = Filled(12, 10, kBack);
        Canvas canvas(b);
        canvas.SetPen(Pen::Solid(1, kRed));
        canvas.SetBrush(Brush::Null());
        canvas.Rectangle({2, 2, 8, 6});
        EXPECT_EQ(b.PixelAt(4, 4), kBack) << "null brush";
        EXPECT_EQ(b.PixelAt(2, 2), kRed);
    }
    {
        Bitmap b = Filled(12, 10, kBack);
        Canvas canvas(b);
        canvas.SetPen(Pen::Null());
        canvas.SetBrush(Brush::Solid(kBlue));
        canvas.Rectangle({2, 2, 8, 6});
        EXPECT_EQ(b.PixelAt(2, 2), kBlue) << "null pen";
        EXPECT_EQ(b.PixelAt(6, 4), kBlue);
        EXPECT_EQ(b.PixelAt(7, 4), kBack) << "null pen leaves the right column";
        EXPECT_EQ(b.PixelAt(4, 5), kBack) << "null pen leaves the bottom row";
    }
    {
        Bitmap b = Filled(6, 6, kBack);
        Canvas canvas(b);
        canvas.SetPen(Pen::Solid(1, kRed));
        canvas.Rectangle({2, 2, 3, 3});
        EXPECT_EQ(b.PixelAt(2, 2), kRed) << "one-pixel rectangle";
        canvas.Rectangle({4, 4, 4, 6});
        EXPECT_EQ(b.PixelAt(4, 4), kBack) << "empty rectangle";
    }
    {
        Bitmap b = Filled(12, 10, kBack);
        Canvas canvas(b);
        canvas.SetPen(Pen::Dot(kRed));
        canvas.SetBrush(Brush::Null());
        canvas.Rectangle({0, 0, 12, 10});
        EXPECT_EQ(b.PixelAt(0, 0), kRed);
        EXPECT_EQ(b.PixelAt(4, 0), kBack) << "dotted frame";
    }
}

TEST(CanvasShapes, RoundRectCutsItsCorners) {
    Bitmap b = Filled(24, 16, kBack);
    Canvas canvas(b);
    canvas.SetPen(Pen::Solid(1, kRed));
    canvas.SetBrush(Brush::Solid(kBlue));
    canvas.RoundRect({2, 2, 22, 14}, 8, 8);
    EXPECT_EQ(b.PixelAt(2, 2), kBack) << "corner";
    EXPECT_EQ(b.PixelAt(21, 13), kBack) << "corner";
    EXPECT_EQ(b.PixelAt(12, 2), kRed) << "top edge";
    EXPECT_EQ(b.PixelAt(2, 8), kRed) << "left edge";
    EXPECT_EQ(b.PixelAt(21, 8), kRed) << "right edge";
    EXPECT_EQ(b.PixelAt(12, 13), kRed) << "bottom edge";
    EXPECT_EQ(b.PixelAt(12, 8), kBlue) << "inside";
    EXPECT_EQ(b.PixelAt(12, 14), kBack) << "outside";
}

TEST(CanvasShapes, GdiColoursAreOpaqueFillRectBlends) {
    Bitmap b = Filled(10, 10, Rgb(255, 255, 255));
    Canvas canvas(b);
    canvas.SetPen(Pen::Solid(1, Argb(10, 255, 0, 0)));
    canvas.Line({0, 0}, {5, 0});
    EXPECT_EQ(b.PixelAt(1, 0), kRed);
    canvas.FillRect({0, 5, 10, 10}, Argb(128, 0, 0, 0));
    EXPECT_TRUE(testing::Near(b.PixelAt(5, 7), Rgb(127, 127, 127), 2));
    canvas.FillRect({0, 5, 2, 10}, Brush::Solid(Argb(1, 0, 0, 255)));
    EXPECT_EQ(b.PixelAt(1, 7), kBlue);
    canvas.FillRect({0, 5, 10, 10}, Brush::Null());
    EXPECT_EQ(b.PixelAt(1, 7), kBlue);
}

TEST(CanvasState, SettersReturnThePreviousObject) {
    Bitmap b(4, 4);
    Canvas canvas(b);
    const Pen old = canvas.SetPen(Pen::Dot(kRed));
    EXPECT_EQ(old, Pen::Solid(1, Rgb(0, 0, 0)));
    EXPECT_EQ(canvas.SetPen(old), Pen::Dot(kRed));
    EXPECT_EQ(canvas.SetTextColor(kRed), Rgb(0, 0, 0));
    EXPECT_EQ(canvas.SetBkMode(BkMode::kOpaque), BkMode::kTransparent);
    canvas.Save();
    canvas.SetTextColor(kBlue);
    canvas.Restore();
    EXPECT_EQ(canvas.TextColor(), kRed);
    canvas.Restore();  // unmatched: ignored
    EXPECT_EQ(canvas.TextColor(), kRed);
}

TEST(CanvasState, TargetMovedAwayWhileDrawing) {
    Bitmap b = Filled(8, 8, kBack);
    Bitmap kept;
    {
        Canvas canvas(b);
        canvas.FillRect({0, 0, 4, 4}, kRed);
        kept = std::move(b);  // the canvas still draws into the same pixels
        canvas.FillRect({4, 4, 8, 8}, kBlue);
    }
    EXPECT_EQ(kept.PixelAt(1, 1), kRed);
    EXPECT_EQ(kept.PixelAt(6, 6), kBlue);
}

TEST(CanvasState, NullTargetIsHarmless) {
    Bitmap none;
    Canvas canvas(none);
    canvas.Line({0, 0}, {5, 5});
    canvas.Rectangle({0, 0, 5, 5});
    canvas.BitBlt({0, 0}, Filled(2, 2, kRed));
    canvas.DrawText("x", {0, 0, 5, 5}, 0);
    EXPECT_TRUE(none.IsNull());
}

}  // namespace
}  // namespace gfx
