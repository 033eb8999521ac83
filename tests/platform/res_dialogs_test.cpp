#include <gtest/gtest.h>

#include "platform/res/dialogtable.h"
#include "platform/res/dialogunits.h"

namespace res {
namespace {

DialogTemplate Sample(int id, gfx::Size size, int points = 8) {
    return {id,
            {"MS Shell Dlg", points},
            size,
            {"Alert", "提示"},
            0,
            {
                {1, ItemKind::kButton, gfx::RectFromSize(10, 20, 50, 14), kTabStop, {"OK", "确定"}},
                {1001, ItemKind::kEdit, gfx::RectFromSize(7, 7, 33, 13), kTextCenter | kAutoHScroll},
                {1002, ItemKind::kStatic, gfx::RectFromSize(3, 5, 1, 1), kHidden, "Delay"},
                {1003, ItemKind::kCustom, gfx::RectFromSize(0, 0, 100, 50), 0, {}, "Spectrum"},
            }};
}

TEST(MulDiv, RoundsHalfAwayFromZero) {
    struct Case {
        int a, b, c, want;
    } cases[] = {
        {245, 6, 4, 368}, {3, 1, 2, 2}, {-3, 1, 2, -2}, {5, 1, -2, -3},        {10, 1, 4, 3},
        {9, 1, 4, 2},     {0, 7, 3, 0}, {1, 1, 0, -1},  {INT32_MAX, 2, 1, -1}, {INT32_MAX, 2, 2, INT32_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.want) << c.a << "*" << c.b << "/" << c.c;
}

TEST(DialogUnits, TheTemplateSizesOfTheProgram) {
    struct Case {
        gfx::Size units;
        int points;
        gfx::Size pixels;
    } cases[] = {
        {{245, 104}, 8, {368, 169}},
        {{280, 150}, 8, {420, 244}},
        {{727, 386}, 9, {1272, 676}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TemplatePixelSize(Sample(1, c.units, c.points), 96), c.pixels)
            << c.units.cx << "x" << c.units.cy;
    }
}

TEST(DialogUnits, BaseUnitsScaleWithDpi) {
    const DialogFont shell8{"MS Shell Dlg", 8, 400}, shell9{"MS Shell Dlg", 9, 700};
    EXPECT_EQ(DialogBaseUnits(shell8, 96), (BaseUnits{6, 13}));
    EXPECT_EQ(DialogBaseUnits(shell9, 96), (BaseUnits{7, 14}));
    EXPECT_EQ(DialogBaseUnits(shell8, 192), (BaseUnits{12, 26}));
    EXPECT_EQ(DialogBaseUnits(shell9, 192), (BaseUnits{14, 28}));
    EXPECT_EQ(DialogBaseUnits(shell8, 120), (BaseUnits{8, 16}));  // 7.5 and 16.25, rounded as MulDiv does
    EXPECT_EQ(DialogBaseUnits(shell8, 0), DialogBaseUnits(shell8, 96)) << "no DPI known: 96";
    EXPECT_EQ(DialogBaseUnits({"MS Shell Dlg", 16, 400}, 96), (BaseUnits{12, 26}));
}

TEST(DialogUnits, ItemsConvertPositionAndSizeSeparately) {
    const DialogTemplate t = Sample(1, {245, 104});
    // x 7 -> 10.5 -> 11, width 33 -> 49.5 -> 50: the right edge is 61, not MulDiv(40) = 60.
    EXPECT_EQ(ItemPixelRect(t, *t.Item(1001), 96), gfx::RectFromSize(11, 11, 50, 21));
    EXPECT_EQ(ItemPixelRect(t, *t.Item(1), 96), gfx::RectFromSize(15, 33, 75, 23));
}

TEST(DialogUnits, PixelTemplatesAreTakenAsGiven) {
    DialogTemplate t = Sample(1, {300, 200});
    t.flags = kPixels;
    EXPECT_EQ(TemplatePixelSize(t, 192), (gfx::Size{300, 200}));
    EXPECT_EQ(ItemPixelRect(t, *t.Item(1001), 192), gfx::RectFromSize(7, 7, 33, 13));
}

TEST(DialogTemplate, ItemsAndTextsByLanguage) {
    const DialogTemplate t = Sample(152, {245, 104});
    EXPECT_EQ(t.caption.In(sys::kLangChinese), "提示");
    EXPECT_EQ(t.Item(1)->text.In(sys::kLangChinese), "确定");
    EXPECT_EQ(t.Item(1002)->text.In(sys::kLangChinese), "Delay");
    EXPECT_EQ(t.Item(1002)->style & kHidden, kHidden);
    EXPECT_EQ(t.Item(1003)->class_name, "Spectrum");
    EXPECT_EQ(t.Item(1001)->text.In(sys::kLangChinese), "");
    EXPECT_EQ(t.Item(4242), nullptr);
}

TEST(DialogTable, VariantsPerLanguageWithFallback) {
    DialogTable table;
    DialogTemplate en = Sample(308, {400, 300});
    DialogTemplate zh = Sample(308, {400, 300});
    zh.font.weight = 700;
    ASSERT_TRUE(table.Add(en, {sys::kLangEnglish}));
    ASSERT_TRUE(table.Add(zh, {sys::kLangChinese}));
    EXPECT_EQ(table.Find(sys::kLangEnglish, 308)->font.weight, 400);
    EXPECT_EQ(table.Find(sys::kLangChinese, 308)->font.weight, 700);
    EXPECT_EQ(table.Find(1041, 308)->font.weight, 400) << "other languages read English";

    // The chooser exists in Chinese only and is still found from the English interface.
    ASSERT_TRUE(table.Add(Sample(299, {280, 150}), {sys::kLangChinese}));
    EXPECT_FALSE(table.HasVariant(sys::kLangEnglish, 299));
    ASSERT_NE(table.Find(sys::kLangEnglish, 299), nullptr);
    EXPECT_EQ(table.Find(sys::kLangEnglish, 299)->id, 299);

    ASSERT_TRUE(table.Add(Sample(152, {245, 104}), {sys::kLangEnglish, sys::kLangChinese}));
    EXPECT_EQ(table.Find(sys::kLangEnglish, 152), table.Find(sys::kLangChinese, 152))
        << "one variant serving both";

    EXPECT_EQ(table.Find(sys::kLangEnglish, 9999), nullptr);
}

TEST(DialogTable, RefusedRegistrationsChangeNothing) {
    DialogTable table;
    ASSERT_TRUE(table.Add(Sample(10, {10, 10}), {sys::kLangChinese}));
    EXPECT_FALSE(table.Add(Sample(10, {20, 20}), {sys::kLangEnglish, sys::kLangChinese}))
        << "Chinese is taken";
    EXPECT_FALSE(table.HasVariant(sys::kLangEnglish, 10)) << "nothing half registered";
    EXPECT_FALSE(table.Add(Sample(11, {10, 10}), {1041}));
    EXPECT_FALSE(table.Add(Sample(12, {10, 10}), {}));
    EXPECT_EQ(table.Find(sys::kLangEnglish, 11), nullptr);
    EXPECT_EQ(table.Find(sys::kLangEnglish, 12), nullptr);
}

}  // namespace
}  // namespace res
