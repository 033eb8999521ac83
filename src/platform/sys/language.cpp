#include "platform/sys/language.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/sys/paths.h"
#include "platform/sys/regularfile.h"

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

std::optional<LangId> ReadLanguageFile(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) continue;
        // Only the first file that exists counts, whatever it holds. Anyone may place a FIFO or a device
        // under this name: it is refused, with its reason, and start-up goes on without it.
        std::string bytes, error;
        if (!ReadRegularFile(path, 2, OverLimit::kCut, bytes, error)) {
            std::fprintf(stderr, "dsp-console: language file not used: %s\n", error.c_str());
            return std::nullopt;
        }
        if (bytes.size() < 2) return std::nullopt;
        const auto id = static_cast<LangId>(static_cast<unsigned char>(bytes[0]) |
                                            (static_cast<unsigned char>(bytes[1]) << 8));
        if (id != kLangEnglish && id != kLangChinese) return std::nullopt;
        return id;
    }
    return std::nullopt;
}

}  // namespace sys
