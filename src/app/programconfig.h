#pragma once
// The names the platform layer is given for this program.
#include "platform/ui/appconfig.h"

namespace app {

// Overrides the screen's DPI (tests and the smoke test set it).
inline constexpr const char* kDpiVariable = "DSP_CONSOLE_DPI";
// The language file: two bytes, a little-endian language id, written by the settings dialog.
inline constexpr const char* kLanguageFileName = "DspLanguage.ini";
// The single-instance lock file's base name.
inline constexpr const char* kInstanceLockName = "dsp-console";

inline ui::AppConfig ProgramConfig() {
    return {kDpiVariable, kLanguageFileName, kInstanceLockName};
}

}  // namespace app
