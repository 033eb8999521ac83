#include "platform/res/dialogtable.h"

namespace res {

namespace {
sys::LangId Normalised(sys::LangId lang) {
    return lang == sys::kLangChinese ? sys::kLangChinese : sys::kLangEnglish;
}
}  // namespace

bool DialogTable::Add(DialogTemplate t, std::initializer_list<sys::LangId> langs) {
    if (langs.size() == 0) return false;
    for (sys::LangId lang : langs) {
        if (lang != sys::kLangEnglish && lang != sys::kLangChinese) return false;
        if (variants_.count({t.id, lang})) return false;
    }
    auto shared = std::make_shared<const DialogTemplate>(std::move(t));
    for (sys::LangId lang : langs) variants_[{shared->id, lang}] = shared;
    return true;
}

const DialogTemplate* DialogTable::Find(sys::LangId lang, int id) const {
    const sys::LangId first = Normalised(lang);
    for (sys::LangId l : {first, first == sys::kLangEnglish ? sys::kLangChinese : sys::kLangEnglish}) {
        auto it = variants_.find({id, l});
        if (it != variants_.end()) return it->second.get();
    }
    return nullptr;
}

bool DialogTable::HasVariant(sys::LangId lang, int id) const {
    return variants_.count({id, Normalised(lang)}) != 0;
}

}  // namespace res
