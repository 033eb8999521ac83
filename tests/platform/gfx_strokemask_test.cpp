// A kept stroke laid again must give the pixels of stroking there, over any background, at any origin and
// within a clip, so a picture built from kept strokes cannot be told from one stroked afresh.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/gfx/spline.h"
#include "platform/gfx/strokemask.h"
#include "platform/gfx_testing.h"

namespace gfx {
namespace {

// Vertical stripes of different colours, so the blend meets many backgrounds.
Bitmap Striped(int w, int h) {
    Bitmap b(w, h);
    Canvas c(b);
    for (int x = 0; x < w; x += 7)
        c.FillRect({x, 0, x + 7, h}, Rgb(static_cast<uint8_t>(x * 5), static_cast<uint8_t>(255 - x * 3), 90));
    return b;
}

// A wavy curve through one point per column, as the graph draws, a steep spike with sharp mitres, and a
// second curve crossing the first (each chain is its own stroke).
std::vector<std::vector<PointF>> Chains() {
    std::vector<PointF> wave, crossing;
    for (int x = 4; x < 196; ++x) {
        wave.push_back({static_cast<float>(x), 60 + 30 * std::sin(x / 9.0f) + (x % 40 == 0 ? -25.0f : 0.0f)});
        crossing.push_back({static_cast<float>(x), 20 + x * 0.45f});
    }
    const PointF spike[] = {{60, 110}, {64, 20}, {66, 110}, {70, 15.5f}};
    return {CardinalToBeziers(wave, 0.5f), CardinalToBeziers(crossing, 0.5f), CardinalToBeziers(spike, 0.5f)};
}

int LargestDifference(const Bitmap& a, const Bitmap& b) {
    int largest = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            Color p = a.PixelAt(x, y), q = b.PixelAt(x, y);
            largest = std::max({largest, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b),
                                std::abs(p.a - q.a)});
        }
    return largest;
}

TEST(StrokeMask, LaysThePixelsOfAStroke) {
    struct Case {
        const char* name;
        Point origin;
        Rect clip;   // in the moved coordinates; empty for none
        Rect limit;  // of the kept stroke
        Color color;
        int tolerance;
    } cases[] = {
        {"opaque", {0, 0}, {}, {0, 0, 200, 120}, Rgb(198, 41, 41), 0},
        {"moved origin", {9, -4}, {}, {0, 0, 200, 120}, Rgb(17, 153, 153), 0},
        {"clipped", {3, 2}, {40, 30, 150, 90}, {0, 0, 200, 120}, Rgb(255, 255, 255), 0},
        {"limited to the client", {0, 0}, {30, 25, 120, 80}, {30, 25, 120, 80}, Rgb(193, 204, 15), 0},
        // Cairo's own mask rounds a translucent colour a little differently from a stroke.
        {"translucent", {0, 0}, {}, {0, 0, 200, 120}, Argb(128, 69, 41, 22), 2},
    };
    const auto chains = Chains();
    for (const auto& c : cases) {
        Bitmap stroked = Striped(210, 125), laid = Striped(210, 125);
        const StrokeMask mask = StrokeMask::Stroke(chains, 2.0f, c.limit);
        ASSERT_FALSE(mask.Empty()) << c.name;
        {
            Canvas dc(stroked);
            dc.Translate(c.origin.x, c.origin.y);
            if (!c.clip.IsEmpty()) dc.ClipRect(c.clip);
            // Overlapping translucent chains blend twice when stroked apart; the kept stroke is one mask.
            if (c.color.a == 255)
                for (const auto& chain : chains) dc.DrawBeziers(chain, 2.0f, c.color);
            else
                dc.DrawBeziers(chains[2], 2.0f, c.color);
        }
        {
            Canvas dc(laid);
            dc.Translate(c.origin.x, c.origin.y);
            if (!c.clip.IsEmpty()) dc.ClipRect(c.clip);
            if (c.color.a == 255)
                mask.Draw(dc, c.color);
            else
                StrokeMask::Stroke(std::span(chains).subspan(2), 2.0f, c.limit).Draw(dc, c.color);
        }
        EXPECT_LE(LargestDifference(stroked, laid), c.tolerance) << c.name;
        EXPECT_NE(testing::InkBox(laid, Rgb(0, 0, 0)), Rect{}) << c.name;
    }
}

TEST(StrokeMask, NothingToStrokeLaysNothing) {
    const std::vector<std::vector<PointF>> chains = {{}, {{1, 1}, {2, 2}}, {{5, 5}, {6, 6}, {7, 7}, {8, 8}}};
    EXPECT_TRUE(StrokeMask::Stroke(std::span(chains).first(2), 2.0f, {0, 0, 50, 50}).Empty());
    EXPECT_TRUE(StrokeMask::Stroke(chains, 2.0f, {20, 20, 50, 50}).Empty()) << "wholly outside the limit";
    Bitmap b = Striped(50, 50), before = Striped(50, 50);
    Canvas dc(b);
    StrokeMask().Draw(dc, Rgb(255, 0, 0));
    EXPECT_EQ(LargestDifference(b, before), 0);
}

}  // namespace
}  // namespace gfx
