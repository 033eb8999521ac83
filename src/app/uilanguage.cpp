#include "app/uilanguage.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/sys/language.h"

namespace app {

std::optional<std::uint16_t> ReadLanguageFile(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) continue;
        // Only the first file that exists counts, whatever it holds.
        std::ifstream file(path, std::ios::binary);
        unsigned char bytes[2] = {};
        if (!file || !file.read(reinterpret_cast<char*>(bytes), 2)) return std::nullopt;
        const auto id = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
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
