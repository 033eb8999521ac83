#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace files {

// Reads a file, or its first `limit` bytes. False, with the reason in error, when it cannot be opened or
// read.
bool ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes, std::string& error);
inline bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error) {
    return ReadFileBytes(path, std::numeric_limits<std::size_t>::max(), bytes, error);
}

}  // namespace files
