#pragma once
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

#include "platform/res/dialogtemplate.h"

namespace res {

// Dialog templates by id, with a variant per language. A variant may serve both languages, and a template may
// exist in one language only (the model chooser is Chinese only): asked for the other language, the table
// hands out the variant there is, as Windows falls back to any language of a resource. Each Application holds
// one (Application::Dialogs).
class DialogTable {
  public:
    // Registers t for the given languages (sys::kLangEnglish, sys::kLangChinese). Returns false and changes
    // nothing when a language is neither of the two, none is given, or one of them already has a variant of
    // t.id.
    bool Add(DialogTemplate t, std::initializer_list<sys::LangId> langs);

    // The variant of id for lang (any language but Chinese counts as English), else the variant of the other
    // language, else nullptr.
    const DialogTemplate* Find(sys::LangId lang, int id) const;
    bool HasVariant(sys::LangId lang, int id) const;
    void Clear() { variants_.clear(); }

  private:
    std::map<std::pair<int, sys::LangId>, std::shared_ptr<const DialogTemplate>> variants_;  // (id, language)
};

}  // namespace res
