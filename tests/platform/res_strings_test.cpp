#include <gtest/gtest.h>

#include "platform/res/stringtable.h"

namespace res {
namespace {

TEST(StringTable, LooksUpByLanguageAndFallsBackToEnglish) {
    StringTable t;
    ASSERT_TRUE(t.Add({
        {102, "     OFF", "      关"},
        {1000, "Upgrade failed!", "升级失败！"},
        {155, "Only English"},
        {125, "MS", ""},
    }));
    struct Case {
        int lang, id;
        const char* want;
    } cases[] = {
        {sys::kLangEnglish, 102, "     OFF"},
        {sys::kLangChinese, 102, "      关"},
        {sys::kLangChinese, 1000, "升级失败！"},
        {sys::kLangChinese, 155, "Only English"},
        {sys::kLangEnglish, 155, "Only English"},
        {sys::kLangChinese, 125, ""},  // an empty Chinese text is a text
        {0, 1000, "Upgrade failed!"},
        {1041, 1000, "Upgrade failed!"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(t.Find(c.lang, c.id), nullptr) << c.id;
        EXPECT_EQ(*t.Find(c.lang, c.id), c.want) << c.lang << " " << c.id;
        EXPECT_EQ(t.Get(c.lang, c.id), c.want);
    }
}

TEST(StringTable, UnknownIdsAndDuplicates) {
    StringTable t;
    EXPECT_EQ(t.Find(sys::kLangEnglish, 7), nullptr);
    EXPECT_EQ(t.Get(sys::kLangChinese, 7), "");
    ASSERT_TRUE(t.Add({{7, "first", "第一"}}));
    const StringEntry again[] = {{7, "second", "第二"}, {8, "eight"}};
    EXPECT_FALSE(t.Add(again));
    EXPECT_EQ(t.Get(sys::kLangEnglish, 7), "first") << "the first registration holds";
    EXPECT_EQ(t.Get(sys::kLangEnglish, 8), "eight") << "the other entries of the call are still added";
    EXPECT_EQ(t.Size(), 2u);
    t.Clear();
    EXPECT_FALSE(t.Contains(7));
}

}  // namespace
}  // namespace res
