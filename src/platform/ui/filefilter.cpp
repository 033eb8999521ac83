#include "platform/ui/filefilter.h"

#include <fnmatch.h>

namespace ui {

std::vector<FileFilter::Entry> FileFilter::Parse(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        const size_t bar = filter.find('|', start);
        const size_t end = bar == std::string::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<Entry> entries;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;  // the closing "||"
        if (parts[i + 1].empty()) continue;
        entries.push_back({parts[i], parts[i + 1]});
    }
    if (entries.empty()) entries.push_back({"", "*.*"});
    return entries;
}

bool FileFilter::Matches(const std::string& patterns, const std::string& name) {
    size_t start = 0;
    while (start <= patterns.size()) {
        const size_t semi = patterns.find(';', start);
        const size_t end = semi == std::string::npos ? patterns.size() : semi;
        std::string glob = patterns.substr(start, end - start);
        while (!glob.empty() && glob.front() == ' ') glob.erase(0, 1);
        while (!glob.empty() && glob.back() == ' ') glob.pop_back();
        if (glob == "*.*") glob = "*";
        if (!glob.empty() && fnmatch(glob.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) == 0) return true;
        if (semi == std::string::npos) break;
        start = semi + 1;
    }
    return false;
}

bool FileFilter::HasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

}  // namespace ui
