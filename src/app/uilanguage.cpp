#include "app/uilanguage.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/sys/language.h"
#include "platform/sys/regularfile.h"

namespace app {

std::optional<std::uint16_t> ReadLanguageFile(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) continue;
        // Only the first file that exists counts, whatever it holds. Anyone may place a FIFO or a device
        // under this name: it is refused, with its reason, and start-up goes on without it.
        std::string bytes, error;
        if (!sys::ReadRegularFile(path, 2, sys::OverLimit::kCut, bytes, error)) {
            std::fprintf(stderr, "dsp-console: language file not used: %s\n", error.c_str());
            return std::nullopt;
        }
        if (bytes.size() < 2) return std::nullopt;
        const auto id = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                                   (static_cast<unsigned char>(bytes[1]) << 8));
        if (id != sys::kLangEnglish && id != sys::kLangChinese) return std::nullopt;
        return id;
    }
    return std::nullopt;
}

UiLanguage ChooseUiLanguage(const sys::EnvLookup& env, std::string_view fileName) {
    if (const auto id = ReadLanguageFile(sys::LanguageFileCandidates(env, fileName))) {
        return {*id, *id == sys::kLangEnglish ? 2 : 1};
    }
    return {sys::SystemDefaultLanguage(env), 0};
}

}  // namespace app
