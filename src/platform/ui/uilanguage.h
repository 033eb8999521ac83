#pragma once
#include <atomic>

#include "platform/sys/langid.h"

namespace ui {

// The UI language of the process (SetThreadUILanguage's role): the dialogs take their templates and the layer
// its own texts (file dialog labels and titles) in it. English until set.
//
// There is one such state, this object: the program names it too (its g_LangId is a reference to it), and
// the link's threads read it, hence atomic. Anything but Chinese reads as English.
extern std::atomic<sys::LangId> g_ui_language;

inline sys::LangId UiLanguage() {
    return g_ui_language.load() == sys::kLangChinese ? sys::kLangChinese : sys::kLangEnglish;
}
void SetUiLanguage(sys::LangId lang);

}  // namespace ui
