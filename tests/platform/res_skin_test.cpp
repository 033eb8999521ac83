#include <gtest/gtest.h>

#include "platform/res/dpi.h"
#include "platform/res/pngimages.h"
#include "platform/res/skin.h"

namespace res {
namespace {

TEST(Dpi, BandsAndScale) {
    struct Case {
        int dpi, band;
    } bands[] = {{0, 0},   {96, 0},  {109, 0}, {110, 1}, {120, 1}, {131, 1}, {132, 2},
                 {144, 2}, {157, 2}, {158, 3}, {168, 3}, {187, 3}, {188, 4}, {192, 4}};
    for (const Case& c : bands) EXPECT_EQ(DpiBand(c.dpi), c.band) << c.dpi;
    EXPECT_EQ(DpiScale(13, 120), 16);
    EXPECT_EQ(DpiScale(84, 120), 105);
    EXPECT_EQ(DpiScale(12, 96), 12);
    EXPECT_EQ(DpiScale(1, 143), 1) << "truncates";
    EXPECT_EQ(DpiScale(-13, 120), -16) << "toward zero";
    EXPECT_EQ(DpiScale(30000000, 192), 60000000) << "the product does not overflow";
}

TEST(Skin, PaintsOnDemandOnceAtItsSize) {
    Skin skin;
    int paints = 0;
    gfx::Size painted;
    ASSERT_TRUE(skin.Add(199, {84, 18}, [&](gfx::Canvas& c, gfx::Size s) {
        ++paints;
        painted = s;
        c.FillRect({0, 0, s.cx / 2, s.cy}, gfx::Rgb(0, 0, 255));
    }));
    EXPECT_EQ(paints, 0) << "nothing painted before it is asked for";
    EXPECT_EQ(skin.SizeOf(199), (gfx::Size{84, 18}));
    const gfx::Bitmap& b = skin.Get(199);
    EXPECT_EQ(b.Width(), 84);
    EXPECT_EQ(b.Height(), 18);
    EXPECT_EQ(painted, (gfx::Size{84, 18}));
    EXPECT_EQ(b.PixelAt(10, 5), gfx::Rgb(0, 0, 255));
    EXPECT_EQ(b.PixelAt(70, 5), gfx::Rgb(0, 0, 0)) << "opaque where the painter left it";
    EXPECT_EQ(&skin.Get(199), &b);
    EXPECT_EQ(paints, 1) << "cached";
}

TEST(Skin, UnknownIdsAndRefusals) {
    Skin skin;
    EXPECT_TRUE(skin.Get(5).IsNull());
    EXPECT_EQ(skin.SizeOf(5), gfx::Size{});
    const SkinPainter paint = [](gfx::Canvas&, gfx::Size) {};
    EXPECT_FALSE(skin.Add(5, {0, 10}, paint));
    EXPECT_FALSE(skin.Add(5, {10, 10}, nullptr));
    ASSERT_TRUE(skin.Add(5, {10, 10}, paint));
    EXPECT_FALSE(skin.Add(5, {12, 12}, paint));
    EXPECT_EQ(skin.SizeOf(5), (gfx::Size{10, 10}));
}

TEST(Skin, OneElementInFiveBands) {
    Skin skin;
    ASSERT_TRUE(skin.AddBands({169, 204, 205, 671, 206}, {{{16, 16}, {20, 20}, {24, 24}, {26, 26}, {32, 32}}},
                              [](gfx::Canvas& c, gfx::Size s) {
                                  c.FillRect({0, 0, s.cx, s.cy}, gfx::Rgb(1, 2, 3));
                              }));
    const int ids[] = {169, 204, 205, 671, 206};
    for (int dpi : {96, 120, 144, 168, 192}) {
        const gfx::Bitmap& b = skin.Get(ids[DpiBand(dpi)]);
        EXPECT_EQ(b.Width(), DpiBand(dpi) == 3 ? 26 : DpiScale(16, dpi)) << dpi;
        EXPECT_EQ(b.PixelAt(0, 0), gfx::Rgb(1, 2, 3));
    }
    // The same picture in every band: one id, one size.
    const SkinPainter paint = [](gfx::Canvas&, gfx::Size) {};
    EXPECT_TRUE(skin.AddBands({576, 576, 576, 576, 576}, {{{20, 20}, {20, 20}, {20, 20}, {20, 20}, {20, 20}}},
                              paint));
    EXPECT_FALSE(skin.AddBands({700, 700, 701, 702, 703},
                               {{{20, 20}, {21, 21}, {20, 20}, {20, 20}, {20, 20}}}, paint));
    EXPECT_FALSE(skin.Contains(701)) << "a refused set registers nothing";
    EXPECT_FALSE(skin.AddBands({800, 801, 802, 803, 169}, {{{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}}, paint));
    EXPECT_FALSE(skin.Contains(800));
}

TEST(PngImages, DecodedOnDemandFromTheirBytes) {
    gfx::Bitmap arrow(22, 16);
    gfx::Canvas(arrow).FillRect({0, 0, 22, 8}, gfx::Rgb(200, 10, 10));
    const std::vector<uint8_t> bytes = arrow.EncodePng();

    PngImages images;
    ASSERT_TRUE(images.Add(202, bytes));
    EXPECT_FALSE(images.Add(202, bytes));
    ASSERT_TRUE(images.Add(316, std::vector<uint8_t>{0x89, 'P', 'N', 'G', 1, 2, 3}));
    const gfx::Bitmap& got = images.Get(202);
    EXPECT_EQ(got.Width(), 22);
    EXPECT_EQ(got.Height(), 16);
    EXPECT_EQ(got.PixelAt(3, 3), gfx::Rgb(200, 10, 10));
    EXPECT_EQ(got.PixelAt(3, 12).a, 0);
    EXPECT_EQ(&images.Get(202), &got);
    EXPECT_TRUE(images.Get(316).IsNull()) << "undecodable bytes";
    EXPECT_TRUE(images.Get(999).IsNull()) << "unknown id";
}

}  // namespace
}  // namespace res
