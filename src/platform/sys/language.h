#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/environment.h"

namespace sys {

// The two UI languages, as Windows language ids (the language file stores them as two little-endian bytes).
inline constexpr std::uint16_t kLangEnglish = 1033;
inline constexpr std::uint16_t kLangChinese = 2052;

// The name of the language file, looked for in each folder of LanguageFileCandidates.
inline constexpr const char* kLanguageFileName = "DspLanguage.ini";

// The language a locale name stands for: one starting with "zh" (zh_CN.UTF-8, zh_TW, zh) is Chinese, any
// other (C, POSIX, en_US.UTF-8, empty) English.
std::uint16_t LanguageFromLocale(const std::string& locale);

// The system's default UI language: the locale that decides messages, that is the first non-empty one of
// LC_ALL, LC_MESSAGES and LANG, mapped by LanguageFromLocale.
std::uint16_t SystemDefaultLanguage(const EnvLookup& env);

// Where the language file may be, in the order it is looked for:
//   $XDG_CONFIG_HOME/DspLanguage.ini (only when XDG_CONFIG_HOME is an absolute path),
//   $HOME/.config/DspLanguage.ini (skipped when it is the same file as the one before),
//   DspLanguage.ini in the current directory.
// The first entry is the user's own configuration file, where a writer puts it.
std::vector<std::string> LanguageFileCandidates(const EnvLookup& env);

}  // namespace sys
