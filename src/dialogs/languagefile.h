#pragma once
// The settings dialog's language choice: writing or deleting the language file at the places where the
// start-up looks for it, then asking the start-up's own reader whether the next start will choose it.
#include <optional>
#include <string>
#include <vector>

#include "platform/sys/langid.h"

namespace dialogs {

struct LanguageChoiceResult {
    bool takesEffect = false;  // the next start reads the choice
    std::string report;        // otherwise: the place in the way and the system's reason
};

// choice: nullopt for "Auto" (the file is deleted at every place where it exists), else the language, whose
// two bytes go to the first place that opens for writing (a missing folder is created first, mode 0700).
LanguageChoiceResult ApplyLanguageChoice(const std::vector<std::string>& candidates,
                                         std::optional<sys::LangId> choice);

}  // namespace dialogs
