#pragma once
#include <string>

namespace ui {

// What the layer needs to know of the program it runs: names that belong to the program, handed in when the
// application is built (the backend's choice takes the same config) and readable from it afterwards.
struct AppConfig {
    // An environment variable whose number (48..960) overrides the screen's DPI; empty: none does.
    std::string dpi_variable;
    // The language file's name, looked for where sys::LanguageFileCandidates says.
    std::string language_file;
    // The single-instance lock file's base name (sys::InstanceLock::DefaultPath).
    std::string instance_lock;
};

}  // namespace ui
