// Text: faces, heights, placement in a rectangle, ellipsis, colours and Chinese glyphs.
#include <gtest/gtest.h>

#include "platform/gfx_testing.h"

namespace gfx {
namespace {

using testing::Filled;
using testing::InkBox;

constexpr Color kBack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

TEST(CanvasText, ChineseTextDrawsInEveryFace) {
    for (const char* face : {"宋体", "黑体", "MS Shell Dlg", "Unknown Face"}) {
        Bitmap b = Filled(120, 40, kBack);
        Canvas(b).DrawText("通道名称", {0, 0, 120, 40}, Font{face, 16, 400}, kWhite,
                           kTextCenter | kTextVCenter | kTextSingleLine);
        const Rect ink = InkBox(b, kBack);
        EXPECT_FALSE(ink.IsEmpty()) << face;
        // Four CJK glyphs of a 16-pixel font are about 64 pixels wide; missing-glyph boxes would be as wide,
        // so also check the ink has the dense strokes of real glyphs.
        EXPECT_GT(ink.Width(), 40) << face;
        int lit = 0;
        for (int y = ink.top; y < ink.bottom; ++y)
            for (int x = ink.left; x < ink.right; ++x) lit += b.PixelAt(x, y).r > 128;
        EXPECT_GT(lit, 80) << face;
    }
}

TEST(CanvasText, HeightsFollowTheLogfontSigns) {
    Bitmap b(4, 4);
    Canvas c(b);
    struct Case {
        Font font;
        const char* text;
        int lo, hi;
    } cases[] = {
        {{"宋体", 12, 400}, "汉字", 11, 13},
        {{"黑体", 16, 400}, "汉字", 15, 17},
        {{"MS Shell Dlg", 13, 400}, "Freq", 12, 14},
        {{"MS Shell Dlg", -10, 400}, "Freq", 11, 13},  // em 10: the cell is taller than the em
        {{"宋体", 24, 700}, "Gain", 23, 25},
    };
    for (const Case& k : cases) {
        const Size s = c.MeasureText(k.text, k.font);
        EXPECT_GE(s.cy, k.lo) << k.font.face << " " << k.font.height;
        EXPECT_LE(s.cy, k.hi) << k.font.face << " " << k.font.height;
        EXPECT_GT(s.cx, 0);
    }
    EXPECT_GT(c.MeasureText("Gain", {"宋体", 24, 700}).cx, c.MeasureText("Gain", {"宋体", 12, 700}).cx);
}

TEST(CanvasText, CentredBothWaysInItsRectangle) {
    Bitmap b = Filled(200, 60, kBack);
    const Rect r{20, 10, 180, 50};
    Canvas(b).DrawText("OK", r, Font{"MS Shell Dlg", 20, 400}, kWhite,
                       kTextCenter | kTextVCenter | kTextSingleLine);
    const Rect ink = InkBox(b, kBack);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, (r.left + r.right) / 2.0, 2.5);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (r.top + r.bottom) / 2.0, 4.0);
}

TEST(CanvasText, LeftAndRightAlignment) {
    const Rect r{10, 0, 190, 30};
    const Font f{"MS Shell Dlg", 16, 400};
    Bitmap left = Filled(200, 30, kBack), right = Filled(200, 30, kBack);
    Canvas(left).DrawText("Delay", r, f, kWhite, kTextVCenter | kTextSingleLine);
    Canvas(right).DrawText("Delay", r, f, kWhite, kTextRight | kTextVCenter | kTextSingleLine);
    EXPECT_LE(InkBox(left, kBack).left, r.left + 3);
    EXPECT_GE(InkBox(right, kBack).right, r.right - 3);
    EXPECT_LE(InkBox(right, kBack).right, r.right);
}

TEST(CanvasText, ClippedToTheRectangle) {
    Bitmap b = Filled(200, 40, kBack);
    const Rect r{50, 5, 80, 35};
    Canvas(b).DrawText("A long channel name", r, Font{"MS Shell Dlg", 16, 400}, kWhite,
                       kTextCenter | kTextVCenter | kTextSingleLine);
    const Rect ink = InkBox(b, kBack);
    EXPECT_GE(ink.left, r.left);
    EXPECT_LE(ink.right, r.right);
}

// With an end ellipsis the visible text ends in dots near the baseline, not in a cut letter, also when
// centred.
TEST(CanvasText, EndEllipsisReplacesTheCutTail) {
    for (unsigned align : {unsigned{kTextLeft}, unsigned{kTextCenter}}) {
        Bitmap b = Filled(200, 40, kBack);
        const Rect r{20, 0, 90, 40};
        Canvas(b).DrawText("HHHHHHHHHHHHHHHHHHHH", r, Font{"MS Shell Dlg", 20, 400}, kWhite,
                           align | kTextVCenter | kTextSingleLine | kTextEndEllipsis);
        const Rect ink = InkBox(b, kBack);
        ASSERT_FALSE(ink.IsEmpty());
        EXPECT_LE(ink.left, r.left + 3) << "the text starts at the left edge";
        int top_in_last_column = ink.bottom;
        for (int y = ink.top; y < ink.bottom; ++y) {
            if (b.PixelAt(ink.right - 1, y) != kBack) {
                top_in_last_column = y;
                break;
            }
        }
        EXPECT_GT(top_in_last_column, ink.top + ink.Height() * 6 / 10) << "align " << align;
    }
}

TEST(CanvasText, TextOutUsesTheSelectedFontColourAndBackground) {
    Bitmap b = Filled(200, 40, kBack);
    Canvas c(b);
    c.SetFont({"宋体", 16, 400});
    c.SetTextColor(Rgb(255, 0, 0));
    c.TextOut({30, 10}, "H 音");
    const Size s = c.MeasureText("H 音");
    Rect ink = InkBox(b, kBack);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 30);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.right, 30 + s.cx);
    EXPECT_LE(ink.bottom, 10 + s.cy);
    Color strongest = kBack;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            if (b.PixelAt(x, y).r > strongest.r) strongest = b.PixelAt(x, y);
    EXPECT_GE(strongest.r, 240);
    EXPECT_EQ(strongest.g, 0);
    EXPECT_EQ(strongest.b, 0);
    EXPECT_EQ(b.PixelAt(31, 10 + s.cy - 1).g, 0) << "transparent background by default";

    c.SetBkMode(BkMode::kOpaque);
    c.SetBkColor(Rgb(0, 0, 200));
    c.TextOut({30, 20}, "H");
    EXPECT_EQ(b.PixelAt(30, 20), Rgb(0, 0, 200));
}

TEST(CanvasText, StatefulDrawTextMatchesTheExplicitOne) {
    const Font f{"黑体", 16, 400};
    Bitmap a = Filled(100, 30, kBack), b = Filled(100, 30, kBack);
    Canvas(a).DrawText("CH12", {0, 0, 100, 30}, f, kWhite, kTextCenter | kTextVCenter | kTextSingleLine);
    Canvas cb(b);
    cb.SetFont(f);
    cb.SetTextColor(kWhite);
    cb.DrawText("CH12", {0, 0, 100, 30}, kTextCenter | kTextVCenter | kTextSingleLine);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(a.PixelAt(x, y), b.PixelAt(x, y)) << x << "," << y;
}

TEST(CanvasText, WrapsWithoutSingleLine) {
    Bitmap b = Filled(80, 100, kBack);
    Canvas(b).DrawText("Save the data successfully!", {0, 0, 80, 100}, Font{"MS Shell Dlg", 13, 400}, kWhite,
                       kTextLeft);
    EXPECT_GT(InkBox(b, kBack).Height(), 20);
}

}  // namespace
}  // namespace gfx
