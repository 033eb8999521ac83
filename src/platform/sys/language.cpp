#include "platform/sys/language.h"

#include "platform/sys/paths.h"

namespace sys {
LangId LanguageFromLocale(const std::string& locale) {
    return locale.starts_with("zh") ? kLangChinese : kLangEnglish;
}

LangId SystemDefaultLanguage(const EnvLookup& env) {
    // The POSIX precedence for message catalogues: LC_ALL over LC_MESSAGES over LANG; empty counts as unset.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::optional<std::string> value = env(name);
        if (value && !value->empty()) return LanguageFromLocale(*value);
    }
    return kLangEnglish;
}

std::vector<std::string> LanguageFileCandidates(const EnvLookup& env, std::string_view name) {
    std::vector<std::string> paths;
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    std::optional<std::string> xdg = env("XDG_CONFIG_HOME");
    if (xdg && xdg->starts_with('/')) paths.push_back(JoinPath(*xdg, name));
    std::optional<std::string> home = env("HOME");
    if (home && !home->empty()) {
        std::string path = JoinPath(JoinPath(*home, ".config"), name);
        if (paths.empty() || paths.front() != path) paths.push_back(path);
    }
    paths.emplace_back(name);
    return paths;
}

}  // namespace sys
