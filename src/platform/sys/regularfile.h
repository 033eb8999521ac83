#pragma once
// Reading files that arrive from outside (a chosen path, a name in a folder anyone can write to). The path
// may name a FIFO or a device: opening one must not block, and reading one may never end, so only regular
// files are read.
#include <cstddef>
#include <string>

namespace sys {

enum class OverLimit {
    kCut,     // read the first `limit` bytes and ignore the rest
    kRefuse,  // refuse a file of more than `limit` bytes before reading it
};

// Opens path without blocking, refuses anything but a regular file, and reads at most `limit` bytes. False,
// with a reason naming the path in error, when the file cannot be opened, is not a regular file, is too large
// (kRefuse) or cannot be read; bytes is then empty.
bool ReadRegularFile(const std::string& path, std::size_t limit, OverLimit overLimit, std::string& bytes,
                     std::string& error);

}  // namespace sys
