#pragma once
#include <optional>
#include <string>

namespace res {

// The two UI languages, by their Windows language ids.
inline constexpr int kEnglish = 1033;
inline constexpr int kChinese = 2052;

// A text in both languages, UTF-8. Where a Chinese text was never given, Chinese reads the English one.
struct LangText {
    std::string english;
    std::optional<std::string> chinese;

    // Any language other than Chinese reads English.
    const std::string& In(int lang) const { return lang == kChinese && chinese ? *chinese : english; }
    bool operator==(const LangText&) const = default;
};

}  // namespace res
