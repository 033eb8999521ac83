#pragma once
// The choice of the UI language at start-up: the language file DspLanguage.ini (two bytes, a little-endian
// language id, written by the settings dialog) or, without a usable file, the system's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/programconfig.h"
#include "platform/sys/environment.h"

namespace app {

struct UiLanguage {
    std::uint16_t langId = 0;  // 1033 or 2052
    int source = 0;            // 0 system locale, 1 file with Chinese, 2 file with English
    bool operator==(const UiLanguage&) const = default;
};

// The language the first existing file of the candidates names, and only that file: its first two bytes as a
// little-endian id, when they hold 1033 or 2052. Nothing for a file that does not open, holds fewer than two
// bytes or another value; the later candidates are then not looked at.
std::optional<std::uint16_t> ReadLanguageFile(const std::vector<std::string>& candidates);

// The file's language when it names one (source 2 for English, 1 for Chinese), else the system's (source 0).
UiLanguage ChooseUiLanguage(const sys::EnvLookup& env, std::string_view fileName = kLanguageFileName);

}  // namespace app
