#include "platform/sys/language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace sys {
namespace {

struct LocaleCase {
    std::map<std::string, std::string> env;
    std::uint16_t expect;
};

TEST(SystemDefaultLanguage, FollowsTheLocaleThatDecidesMessages) {
    const std::vector<LocaleCase> cases = {
        {{}, kLangEnglish},
        {{{"LANG", "zh_CN.UTF-8"}}, kLangChinese},
        {{{"LANG", "zh_TW.Big5"}}, kLangChinese},
        {{{"LANG", "en_US.UTF-8"}}, kLangEnglish},
        {{{"LANG", "C"}}, kLangEnglish},
        {{{"LANG", "de_DE.UTF-8"}}, kLangEnglish},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, kLangChinese},
        {{{"LANG", "zh_CN.UTF-8"}, {"LC_MESSAGES", "C"}}, kLangEnglish},
        {{{"LC_MESSAGES", "zh_CN.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, kLangEnglish},
        {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "zh_SG"}}, kLangChinese},
        // An empty variable does not count: the next one decides.
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "zh_CN.GBK"}}, kLangChinese},
        // Only the start of the name counts.
        {{{"LANG", "en_ZH"}}, kLangEnglish},
    };
    for (const LocaleCase& c : cases) {
        std::string desc;
        for (const auto& [k, v] : c.env) desc += k + "=" + v + " ";
        EXPECT_EQ(SystemDefaultLanguage(MapEnvironment(c.env)), c.expect) << desc;
    }
}

struct PathCase {
    std::map<std::string, std::string> env;
    std::vector<std::string> expect;
};

TEST(LanguageFileCandidates, ConfigFolderFirstThenCurrentDirectory) {
    const std::vector<PathCase> cases = {
        {{{"XDG_CONFIG_HOME", "/x/cfg"}, {"HOME", "/home/u"}},
         {"/x/cfg/Lang.ini", "/home/u/.config/Lang.ini", "Lang.ini"}},
        {{{"HOME", "/home/u"}}, {"/home/u/.config/Lang.ini", "Lang.ini"}},
        // The same file is not listed twice.
        {{{"XDG_CONFIG_HOME", "/home/u/.config/"}, {"HOME", "/home/u"}},
         {"/home/u/.config/Lang.ini", "Lang.ini"}},
        // A relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
        {{{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/u/"}}, {"/home/u/.config/Lang.ini", "Lang.ini"}},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", ""}}, {"Lang.ini"}},
        {{}, {"Lang.ini"}},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(LanguageFileCandidates(MapEnvironment(c.env), "Lang.ini"), c.expect);
}

}  // namespace
}  // namespace sys
