#pragma once
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/res/language.h"

namespace res {

// One string of the table as content files write it: {id, english, chinese}; the Chinese text may be left
// out.
struct StringEntry {
    constexpr StringEntry(int i, std::string_view en) : id(i), english(en) {}
    constexpr StringEntry(int i, std::string_view en, std::string_view zh)
        : id(i), english(en), chinese(zh) {}

    int id = 0;
    std::string_view english;
    std::optional<std::string_view> chinese;
};

// The string table of both languages, looked up by (language, id). Content files register their entries at
// start-up; after that the table is only read, so any thread may look texts up.
class StringTable {
  public:
    // Adds the entries. An id that is already present keeps its first texts; the call then returns false.
    bool Add(std::span<const StringEntry> entries);
    bool Add(std::initializer_list<StringEntry> entries) {
        return Add(std::span(entries.begin(), entries.size()));
    }

    bool Contains(int id) const { return texts_.count(id) != 0; }
    // The text of id in lang, or nullptr for an unknown id. A missing Chinese text reads English.
    const std::string* Find(sys::LangId lang, int id) const;
    // As Find, with an empty text for an unknown id (as a failed LoadString leaves its buffer).
    std::string Get(sys::LangId lang, int id) const;
    size_t Size() const { return texts_.size(); }
    void Clear() { texts_.clear(); }

  private:
    std::unordered_map<int, LangText> texts_;
};

}  // namespace res
