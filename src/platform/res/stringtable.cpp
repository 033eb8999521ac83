#include "platform/res/stringtable.h"

namespace res {

bool StringTable::Add(std::span<const StringEntry> entries) {
    bool all = true;
    for (const StringEntry& e : entries) {
        LangText text{std::string(e.english)};
        if (e.chinese) text.chinese = std::string(*e.chinese);
        all &= texts_.emplace(e.id, std::move(text)).second;
    }
    return all;
}

const std::string* StringTable::Find(sys::LangId lang, int id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : &it->second.In(lang);
}

std::string StringTable::Get(sys::LangId lang, int id) const {
    const std::string* text = Find(lang, id);
    return text ? *text : std::string();
}

}  // namespace res
