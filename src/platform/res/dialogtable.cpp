#include "platform/res/dialogtable.h"

namespace res {

namespace {
int Normalised(int lang) {
    return lang == kChinese ? kChinese : kEnglish;
}
}  // namespace

bool DialogTable::Add(DialogTemplate t, std::initializer_list<int> langs) {
    if (langs.size() == 0) return false;
    for (int lang : langs) {
        if (lang != kEnglish && lang != kChinese) return false;
        if (variants_.count({t.id, lang})) return false;
    }
    auto shared = std::make_shared<const DialogTemplate>(std::move(t));
    for (int lang : langs) variants_[{shared->id, lang}] = shared;
    return true;
}

const DialogTemplate* DialogTable::Find(int lang, int id) const {
    const int first = Normalised(lang);
    for (int l : {first, first == kEnglish ? kChinese : kEnglish}) {
        auto it = variants_.find({id, l});
        if (it != variants_.end()) return it->second.get();
    }
    return nullptr;
}

bool DialogTable::HasVariant(int lang, int id) const {
    return variants_.count({id, Normalised(lang)}) != 0;
}

DialogTable& ProgramDialogs() {
    static DialogTable table;
    return table;
}

}  // namespace res
