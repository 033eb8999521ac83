#include "res/programstrings.h"

#include <gtest/gtest.h>

#include "res/stringids.h"
#include "res/uilanguage.h"

namespace {

TEST(ProgramStrings, StartUpTextsInBothLanguages) {
    res::RegisterProgramStrings();
    res::RegisterProgramStrings();  // a second call is harmless
    const struct {
        int id;
        const char* english;
        const char* chinese;
    } cases[] = {
        {res::IDS_ALERT, "Alert", "提示"},
        {res::IDS_SOFTWARE_RUNNING, "The software is running!", "软件正在运行！"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(res::ProgramStrings().Get(sys::kLangEnglish, c.id), c.english);
        EXPECT_EQ(res::ProgramStrings().Get(sys::kLangChinese, c.id), c.chinese);
    }
}

TEST(ProgramStrings, LoadUiStringFollowsTheUiLanguage) {
    res::RegisterProgramStrings();
    g_LangId = 2052;
    EXPECT_EQ(res::LoadUiString(res::IDS_SOFTWARE_RUNNING), "软件正在运行！");
    g_LangId = 1033;
    EXPECT_EQ(res::LoadUiString(res::IDS_SOFTWARE_RUNNING), "The software is running!");
    EXPECT_EQ(res::LoadUiString(-5), "");
}

}  // namespace
