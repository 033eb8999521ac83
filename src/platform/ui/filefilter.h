#pragma once
#include <string>
#include <vector>

namespace ui {

// A file dialog's filter in the form the program writes it: description and pattern pairs separated by '|'
// and ended by "||", for example "Text(*.txt)|*.txt|All(*.*)|*.*||". A pattern may list several globs
// separated by ';'. Matching ignores case, as on Windows, and "*.*" matches every name, extension or not.
struct FileFilter {
    struct Entry {
        std::string description;
        std::string patterns;
        bool operator==(const Entry&) const = default;
    };

    // The pairs in order. A description without a pattern is dropped; an empty filter gives one entry that
    // matches everything.
    static std::vector<Entry> Parse(const std::string& filter);
    static bool Matches(const std::string& patterns, const std::string& name);
    // Whether the name holds a wildcard (typed into the name field, it becomes the filter).
    static bool HasWildcard(const std::string& name);
};

}  // namespace ui
