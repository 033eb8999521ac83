#include "platform/ui/uilanguage.h"

namespace ui {

std::atomic<sys::LangId> g_ui_language{sys::kLangEnglish};

void SetUiLanguage(sys::LangId lang) {
    g_ui_language.store(lang == sys::kLangChinese ? sys::kLangChinese : sys::kLangEnglish);
}

}  // namespace ui
