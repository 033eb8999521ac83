#pragma once
#include <optional>
#include <string>
#include <utility>

#include "platform/sys/langid.h"

namespace res {

// A text in both languages, UTF-8. Where a Chinese text was never given, Chinese reads the English one.
struct LangText {
    LangText() = default;
    // A plain literal is an English-only text.
    LangText(const char* en) : english(en ? en : "") {}
    LangText(std::string en) : english(std::move(en)) {}
    LangText(std::string en, std::string zh) : english(std::move(en)), chinese(std::move(zh)) {}

    std::string english;
    std::optional<std::string> chinese;

    // Any language other than Chinese reads English.
    const std::string& In(sys::LangId lang) const {
        return lang == sys::kLangChinese && chinese ? *chinese : english;
    }
    bool operator==(const LangText&) const = default;
};

}  // namespace res
