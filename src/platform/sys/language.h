#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/environment.h"
#include "platform/sys/langid.h"

namespace sys {

// The language a locale name stands for: one starting with "zh" (zh_CN.UTF-8, zh_TW, zh) is Chinese, any
// other (C, POSIX, en_US.UTF-8, empty) English.
LangId LanguageFromLocale(const std::string& locale);

// The system's default UI language: the locale that decides messages, that is the first non-empty one of
// LC_ALL, LC_MESSAGES and LANG, mapped by LanguageFromLocale.
LangId SystemDefaultLanguage(const EnvLookup& env);

// Where the language file `name` (the program's, AppConfig::language_file) may be, in the order it is looked
// for:
//   $XDG_CONFIG_HOME/name (only when XDG_CONFIG_HOME is an absolute path),
//   $HOME/.config/name (skipped when it is the same file as the one before),
//   name in the current directory.
// The first entry is the user's own configuration file, where a writer puts it.
std::vector<std::string> LanguageFileCandidates(const EnvLookup& env, std::string_view name);

// The language the first existing file of the candidates names, and only that file: its first two bytes as a
// little-endian id, when they hold 1033 or 2052. Nothing for a file that does not open, holds fewer than two
// bytes or another value; the later candidates are then not looked at. The start-up reads with it, and the
// settings dialog asks it what the next start will choose.
std::optional<LangId> ReadLanguageFile(const std::vector<std::string>& candidates);

}  // namespace sys
