#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "platform/gfx/lineraster.h"

namespace gfx {
namespace {

std::set<std::pair<int, int>> Pixels(const std::vector<Rect>& runs) {
    std::set<std::pair<int, int>> out;
    for (const Rect& r : runs)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) out.insert({x, y});
    return out;
}

// Skipping to the visible part must land on the same pixels and the same dot phase as walking the whole line.
TEST(LineRaster, ClippedWalkMatchesTheFullWalk) {
    const Rect everything{-1000, -1000, 1000, 1000};
    const Rect window{-7, 3, 25, 19};
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-60, 60);
    for (int n = 0; n < 2000; ++n) {
        const Point a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)}, c{coord(rng), coord(rng)};
        for (bool dotted : {false, true}) {
            LineRaster full(dotted, everything), clipped(dotted, window);
            full.Add(a, b);
            full.Add(b, c);
            clipped.Add(a, b);
            clipped.Add(b, c);
            std::set<std::pair<int, int>> expected;
            for (const auto& p : Pixels(full.Runs()))
                if (window.Contains({p.first, p.second})) expected.insert(p);
            ASSERT_EQ(Pixels(clipped.Runs()), expected) << "(" << a.x << "," << a.y << ")-(" << b.x << ","
                                                        << b.y << ")-(" << c.x << "," << c.y << ")";
        }
    }
}

TEST(LineRaster, EveryStepMovesOnePixelAlongTheMajorAxis) {
    LineRaster r(false, {-100, -100, 100, 100});
    r.Add({0, 0}, {10, 3});
    const auto px = Pixels(r.Runs());
    EXPECT_EQ(px.size(), 10u);
    EXPECT_TRUE(px.count({0, 0}));
    EXPECT_TRUE(px.count({9, 3}));
    EXPECT_FALSE(px.count({10, 3}));
}

}  // namespace
}  // namespace gfx
