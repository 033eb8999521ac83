#include "app/uilanguage.h"

#include "platform/sys/language.h"

namespace app {

std::optional<std::uint16_t> ReadLanguageFile(const std::vector<std::string>& candidates) {
    return sys::ReadLanguageFile(candidates);
}

UiLanguage ChooseUiLanguage(const sys::EnvLookup& env, std::string_view fileName) {
    if (const auto id = ReadLanguageFile(sys::LanguageFileCandidates(env, fileName))) {
        return {*id, *id == sys::kLangEnglish ? 2 : 1};
    }
    return {sys::SystemDefaultLanguage(env), 0};
}

}  // namespace app
