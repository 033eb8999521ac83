// Bitmap copies: whole, sub-rectangles, stretched, blended, and PNG bytes in and out.
#include <gtest/gtest.h>

#include "platform/gfx_testing.h"

namespace gfx {
namespace {

using testing::Filled;
using testing::Near;

constexpr Color kBack = Rgb(0, 0, 0);

// A bitmap whose every pixel has its own colour: red = 10 * x + 1, green = 10 * y + 1.
Bitmap Gradient(int w, int h) {
    Bitmap b(w, h);
    Canvas c(b);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.FillRect(RectFromSize(x, y, 1, 1),
                       Rgb(static_cast<uint8_t>(10 * x + 1), static_cast<uint8_t>(10 * y + 1), 7));
    return b;
}

Color G(int x, int y) {
    return Rgb(static_cast<uint8_t>(10 * x + 1), static_cast<uint8_t>(10 * y + 1), 7);
}

TEST(CanvasBlit, WholeBitmapAtAPoint) {
    const Bitmap src = Gradient(4, 3);
    Bitmap dst = Filled(12, 12, kBack);
    Canvas(dst).BitBlt({5, 6}, src);
    EXPECT_EQ(dst.PixelAt(5, 6), G(0, 0));
    EXPECT_EQ(dst.PixelAt(8, 8), G(3, 2));
    EXPECT_EQ(dst.PixelAt(9, 6), kBack);
    EXPECT_EQ(dst.PixelAt(5, 9), kBack);
    EXPECT_EQ(dst.PixelAt(4, 6), kBack);
}

TEST(CanvasBlit, SubRectangles) {
    struct Case {
        const char* name;
        Rect dst;
        Point src;
        Point probe;  // a destination pixel
        Color want;
    };
    const Case cases[] = {
        {"inner", RectFromSize(0, 0, 2, 2), {1, 1}, {0, 0}, G(1, 1)},
        {"inner far corner", RectFromSize(0, 0, 2, 2), {1, 1}, {1, 1}, G(2, 2)},
        {"beyond the dest rect", RectFromSize(0, 0, 2, 2), {1, 1}, {2, 2}, kBack},
        {"source partly outside: inside part", RectFromSize(3, 3, 4, 4), {-2, -1}, {5, 4}, G(0, 0)},
        {"source partly outside: outside part untouched", RectFromSize(3, 3, 4, 4), {-2, -1}, {3, 3}, kBack},
        {"source past the right edge", RectFromSize(0, 0, 5, 1), {3, 0}, {1, 0}, kBack},
    };
    const Bitmap src = Gradient(4, 4);
    for (const Case& c : cases) {
        Bitmap dst = Filled(10, 10, kBack);
        Canvas(dst).BitBlt(c.dst, src, c.src);
        EXPECT_EQ(dst.PixelAt(c.probe.x, c.probe.y), c.want) << c.name;
    }
}

TEST(CanvasBlit, StretchPicksTheNearestSourcePixel) {
    const Bitmap src = Gradient(4, 4);
    {
        Bitmap dst = Filled(8, 8, kBack);
        Canvas(dst).StretchBlt({0, 0, 8, 8}, src, {0, 0, 4, 4});
        EXPECT_EQ(dst.PixelAt(0, 0), G(0, 0));
        EXPECT_EQ(dst.PixelAt(1, 1), G(0, 0));
        EXPECT_EQ(dst.PixelAt(2, 1), G(1, 0));
        EXPECT_EQ(dst.PixelAt(7, 7), G(3, 3));
        EXPECT_EQ(dst.PixelAt(6, 5), G(3, 2));
    }
    {
        // A source sub-rectangle into a destination rectangle: each source pixel becomes 3 x 2.
        Bitmap dst = Filled(12, 12, kBack);
        Canvas(dst).StretchBlt(RectFromSize(3, 2, 6, 4), src, {1, 2, 3, 4});
        EXPECT_EQ(dst.PixelAt(3, 2), G(1, 2));
        EXPECT_EQ(dst.PixelAt(5, 3), G(1, 2));
        EXPECT_EQ(dst.PixelAt(6, 3), G(2, 2));
        EXPECT_EQ(dst.PixelAt(8, 5), G(2, 3));
        EXPECT_EQ(dst.PixelAt(9, 5), kBack);
        EXPECT_EQ(dst.PixelAt(3, 6), kBack);
        EXPECT_EQ(dst.PixelAt(2, 2), kBack);
    }
    {
        // Shrinking keeps whole pixels of the source, no blend of neighbours.
        Bitmap dst = Filled(2, 2, kBack);
        Canvas(dst).StretchBlt({0, 0, 2, 2}, src, {0, 0, 4, 4});
        for (Point p : {Point{0, 0}, Point{1, 0}, Point{0, 1}, Point{1, 1}}) {
            const Color c = dst.PixelAt(p.x, p.y);
            EXPECT_EQ((c.r - 1) % 10, 0) << p.x << "," << p.y;
            EXPECT_EQ((c.g - 1) % 10, 0) << p.x << "," << p.y;
        }
    }
}

TEST(CanvasBlit, StretchOfAPartlyOutsideSourceDrawsOnlyItsInsidePart) {
    const Bitmap src = Filled(4, 4, Rgb(9, 9, 9));
    Bitmap dst = Filled(16, 16, kBack);
    Canvas(dst).StretchBlt({0, 0, 16, 16}, src, {-4, 0, 4, 8});  // left and bottom halves lie outside
    EXPECT_EQ(dst.PixelAt(4, 4), kBack);
    EXPECT_EQ(dst.PixelAt(12, 4), Rgb(9, 9, 9));
    EXPECT_EQ(dst.PixelAt(12, 12), kBack);
}

TEST(CanvasBlit, CopiesAlphaAndDrawImageBlends) {
    const Bitmap half = Filled(4, 4, Argb(128, 255, 0, 0));
    {
        Bitmap dst = Filled(4, 4, Rgb(255, 255, 255));
        Canvas(dst).BitBlt({0, 0}, half);
        EXPECT_EQ(dst.PixelAt(1, 1).a, 128) << "SRCCOPY replaces the pixel";
    }
    {
        Bitmap dst = Filled(8, 8, Rgb(255, 255, 255));
        Canvas(dst).DrawImage({0, 0, 8, 8}, half, {0, 0, 4, 4});
        EXPECT_TRUE(Near(dst.PixelAt(4, 4), Rgb(255, 127, 127), 2));
    }
}

TEST(CanvasBlit, OntoItselfReadsTheOldPixels) {
    Bitmap b = Gradient(6, 1);
    Canvas(b).BitBlt(RectFromSize(1, 0, 5, 1), b, {0, 0});
    EXPECT_EQ(b.PixelAt(0, 0), G(0, 0));
    EXPECT_EQ(b.PixelAt(1, 0), G(0, 0));
    EXPECT_EQ(b.PixelAt(5, 0), G(4, 0));
}

TEST(CanvasBlit, NullOrEmptySourcesDrawNothing) {
    Bitmap dst = Filled(4, 4, kBack);
    Canvas c(dst);
    c.BitBlt({0, 0}, Bitmap());
    c.StretchBlt({0, 0, 4, 4}, Gradient(2, 2), {1, 1, 1, 2});
    c.StretchBlt({0, 0, 0, 4}, Gradient(2, 2), {0, 0, 2, 2});
    EXPECT_EQ(testing::InkBox(dst, kBack), Rect{});
}

TEST(BitmapPng, RoundTripKeepsPixels) {
    Bitmap b = Gradient(5, 3);
    {
        Canvas c(b);
        c.BitBlt({4, 2}, Bitmap(1, 1));  // a new bitmap is transparent
        c.BitBlt({0, 2}, Filled(1, 1, Argb(128, 200, 100, 50)));
    }
    const std::vector<uint8_t> png = b.EncodePng();
    ASSERT_GT(png.size(), 8u);
    const Bitmap back = Bitmap::FromPng(png);
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    EXPECT_EQ(back.PixelAt(0, 0), G(0, 0));
    EXPECT_EQ(back.PixelAt(3, 1), G(3, 1));
    EXPECT_EQ(back.PixelAt(4, 2).a, 0);
    EXPECT_TRUE(Near(back.PixelAt(0, 2), Argb(128, 200, 100, 50), 2));
}

TEST(BitmapPng, BadBytesGiveANullBitmap) {
    const std::vector<uint8_t> png = Gradient(3, 3).EncodePng();
    const std::vector<uint8_t> truncated(png.begin(), png.begin() + static_cast<long>(png.size() / 2));
    const std::vector<uint8_t> garbage = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_TRUE(Bitmap::FromPng(truncated).IsNull());
    EXPECT_TRUE(Bitmap::FromPng(garbage).IsNull());
    EXPECT_TRUE(Bitmap::FromPng({}).IsNull());
    EXPECT_TRUE(Bitmap().EncodePng().empty());
}

}  // namespace
}  // namespace gfx
