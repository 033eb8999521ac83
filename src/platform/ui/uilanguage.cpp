#include "platform/ui/uilanguage.h"

#include <atomic>

#include "platform/res/language.h"

namespace ui {

namespace {
std::atomic<int> g_language{res::kEnglish};
}  // namespace

int UiLanguage() {
    return g_language.load();
}

void SetUiLanguage(int lang) {
    g_language.store(lang == res::kChinese ? res::kChinese : res::kEnglish);
}

}  // namespace ui
